#pragma once

#include <QString>
#include <QStringList>

namespace marbelisto {

// The files every new data folder receives: print formats, report definitions and sample
// extension scripts, kept in the folder data/ of the source tree.
class DataTemplate
{
public:
    explicit DataTemplate(const QString &folder);
    // share/marbelisto/data beside the program's bin/: under the prefix of an installed program,
    // and in a build tree where the build links it to the source's data/. Nothing else is looked
    // at, so an unrelated folder near the program is never copied.
    static DataTemplate besideProgram(const QString &programFolder);

    QString folder() const { return m_folder; }
    // No files to copy, or no such folder.
    bool isEmpty() const;
    // Copies the template's files into target, leaving files already there alone;
    // returns the names copied. Raises when a copy fails.
    QStringList copyInto(const QString &target) const;

private:
    QString m_folder;
};

} // namespace marbelisto
