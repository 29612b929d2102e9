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
    // data/ seen from a program in <build>/bin, or from an installed program in
    // <prefix>/bin (<prefix>/share/marbelisto/data); an empty template when neither exists.
    static DataTemplate besideProgram(const QString &programFolder);

    QString folder() const { return m_folder; }
    // Copies the template's files into target, leaving files already there alone;
    // returns the names copied. Raises when a copy fails.
    QStringList copyInto(const QString &target) const;

private:
    QString m_folder;
};

} // namespace marbelisto
