#pragma once

#include <QString>

#include <memory>

class QCommandLineParser;
class QTextStream;

namespace marbelisto {

class Framework;

// What a verb receives: the parsed command line, the data folder, the user and where to
// write what it reports.
class CommandContext
{
public:
    CommandContext(const QCommandLineParser &parser, const QString &dataPath, const QString &userCode,
                   QTextStream &out);

    const QCommandLineParser &parser() const { return m_parser; }
    QString dataPath() const { return m_dataPath; }
    QString userCode() const { return m_userCode; }
    QTextStream &out() const { return m_out; }

    // A session on the data folder's database; raises when the folder has none.
    std::unique_ptr<Framework> openFramework() const;

private:
    const QCommandLineParser &m_parser;
    QString m_dataPath;
    QString m_userCode;
    QTextStream &m_out;
};

} // namespace marbelisto
