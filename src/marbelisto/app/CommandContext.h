#pragma once

#include "marbelisto/db/DatabaseSource.h"

#include <QString>

#include <memory>

class QCommandLineParser;
class QTextStream;

namespace marbelisto {

class Framework;

// What a verb receives: the parsed command line, the data folder, the database, the user and
// where to write what it reports and what it warns about.
class CommandContext
{
public:
    CommandContext(const QCommandLineParser &parser, const QString &dataPath, const QString &userCode,
                   QTextStream &out, QTextStream &err);

    const QCommandLineParser &parser() const { return m_parser; }
    QString dataPath() const { return m_dataPath; }
    QString userCode() const { return m_userCode; }
    QTextStream &out() const { return m_out; }
    QTextStream &err() const { return m_err; }

    // --db, else MARBELISTO_DB, else the data folder's SQLite file. Raises on a wrong address.
    DatabaseSource databaseSource() const;
    // A session on the chosen database; raises when there is none, or when the server
    // cannot be reached (naming it, never with a password). Warns when others reach the books.
    std::unique_ptr<Framework> openFramework() const;
    // What other accounts of the machine can reach of the data folder and its book; empty when nothing.
    QString accessWarning() const;

private:
    void addShippedFiles() const;
    void warnAboutAccess() const;

    const QCommandLineParser &m_parser;
    QString m_dataPath;
    QString m_userCode;
    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace marbelisto
