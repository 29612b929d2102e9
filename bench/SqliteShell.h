#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include "BenchTimer.h"
#include "marbelisto/db/DboPrefix.h"
#include "marbelisto/db/InvoiceWeight.h"

#include <cstdio>
#include <optional>

// The sqlite3 shell writing every row of a statement to nowhere: the bare query that the host's
// readings are timed against. The shell gets the host's Spanish collation from the benchmarks'
// extension, since the schema declares it on text columns; it runs the statement as the host's
// engine writes it out.
class SqliteShell
{
public:
    // The statement as the host's SQLite engine runs it, PesoFactura written out as its body.
    static QString asTheHostRunsIt(const QString &sql)
    {
        return marbelisto::DboPrefix::strip(marbelisto::InvoiceWeight::inlineCalls(sql));
    }

    // One run: its seconds, or nothing and why in `failure`.
    static std::optional<double> runOnce(const QString &databaseFile, const QString &sql, QString &failure)
    {
        const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        if (shell.isEmpty()) {
            failure = QStringLiteral("skipped (no sqlite3 program)");
            return std::nullopt;
        }
        const QString load = QStringLiteral(".load '%1'").arg(QStringLiteral(ESPANOL_CI_EXTENSION));
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        const BenchTimer timer;
        process.start(shell, {QStringLiteral("-bail"), QStringLiteral("-cmd"), load, databaseFile, sql + u';'});
        const bool finished = process.waitForFinished(-1);
        const double seconds = timer.seconds();
        if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            failure = QStringLiteral("failed (%1)").arg(QString::fromLocal8Bit(process.readAllStandardError().trimmed()));
            return std::nullopt;
        }
        return seconds;
    }

    // Prints "name: seconds s" and gives the seconds, or prints why there is no figure.
    static std::optional<double> time(const char *name, const QString &databaseFile, const QString &sql)
    {
        QString failure;
        const std::optional<double> seconds = runOnce(databaseFile, sql, failure);
        if (seconds)
            BenchTimer::report(name, *seconds, "s");
        else
            std::printf("%s: %s\n", name, qPrintable(failure));
        return seconds;
    }
};
