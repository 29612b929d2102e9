#pragma once

#include "marbelisto/app/Command.h"
#include "marbelisto/app/CommandContext.h"
#include "toolkit/Error.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <gtest/gtest.h>

#include <stdexcept>

namespace verbtest {

// Runs a verb in this process as the command line does after parsing: the common options, then
// the verb's own; what it printed, warnings included, comes back line by line. Errors the verb
// raises pass through.
inline QStringList runVerb(marbelisto::Command &command, const QString &dataPath, const QStringList &arguments,
                           const QString &user = QStringLiteral("OPERADOR"))
{
    QCommandLineParser parser;
    for (const char *common : {"data", "db", "user"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(common), QString(), QStringLiteral("VALOR")));
    parser.addOptions(command.options());
    if (!parser.parse(QStringList{"marbelisto", command.name(), "--data", dataPath} + arguments))
        throw std::runtime_error(parser.errorText().toStdString());
    QString output;
    QTextStream out(&output);
    EXPECT_EQ(command.run(marbelisto::CommandContext(parser, dataPath, user, out, out)), 0) << arguments.join(u' ').toStdString();
    out.flush();
    return output.split(u'\n', Qt::SkipEmptyParts);
}

// The --db option that names the database under test, when it is a server's.
inline QStringList dbOption(const marbelisto::DatabaseSource &source)
{
    return source.isServer() ? QStringList{"--db", source.address()} : QStringList();
}

// The description of the error the verb raised, or "(sin error)".
inline QString verbError(marbelisto::Command &command, const QString &dataPath, const QStringList &arguments)
{
    try {
        runVerb(command, dataPath, arguments);
    } catch (const toolkit::Error &error) {
        return error.description();
    }
    return QStringLiteral("(sin error)");
}

} // namespace verbtest
