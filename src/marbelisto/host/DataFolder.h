#pragma once

#include <QString>

namespace marbelisto {

// The host's data folder: the database file and the files a site adds (print formats,
// report definitions, extension scripts).
class DataFolder
{
public:
    static constexpr const char *DatabaseFileName = "marbelisto.db";

    explicit DataFolder(const QString &path);

    // Absolute, ending in '/'.
    QString path() const { return m_path; }
    QString databaseFile() const;
    QString file(const QString &name) const;

private:
    QString m_path;
};

} // namespace marbelisto
