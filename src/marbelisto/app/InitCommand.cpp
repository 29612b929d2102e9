#include "marbelisto/app/InitCommand.h"

#include "marbelisto/app/CommandContext.h"
#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/DataFolder.h"

#include "toolkit/Error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace marbelisto {

namespace {

const QString source = QStringLiteral("marbelisto init");

[[noreturn]] void fail(const QString &message)
{
    throw toolkit::Error(toolkit::ErrInvalidCall, message, source);
}

// A half-written database would block the next init; it goes with its journal files.
void removeDatabaseFiles(const QString &file)
{
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(file + suffix);
}

} // namespace

InitCommand::InitCommand(std::optional<DataTemplate> dataTemplate, std::optional<QDate> today)
    : m_template(std::move(dataTemplate)), m_today(today)
{
}

QString InitCommand::name() const
{
    return QStringLiteral("init");
}

QString InitCommand::description() const
{
    return QStringLiteral("Crea la carpeta de datos con una base de datos nueva (--demo: con datos de demostración).");
}

QList<QCommandLineOption> InitCommand::options() const
{
    return {
        QCommandLineOption(QStringLiteral("demo"), QStringLiteral("Llena la base de datos con datos de demostración.")),
        QCommandLineOption(QStringLiteral("invoices"),
                           QStringLiteral("Número de facturas de demostración (%1 si falta).")
                               .arg(DemoData::DefaultInvoices),
                           QStringLiteral("N")),
    };
}

bool InitCommand::takesArguments() const
{
    return false;
}

bool InitCommand::needsWindows() const
{
    return false;
}

int InitCommand::run(const CommandContext &context)
{
    const DataFolder folder(context.dataPath());
    const QString file = folder.databaseFile();
    if (QFileInfo::exists(file))
        fail(QStringLiteral("Ya existe una base de datos en «%1»; no se sobrescribe. "
                            "Use otra carpeta o borre ese archivo si de verdad quiere empezar de cero.")
                 .arg(file));
    const bool demo = context.parser().isSet(QStringLiteral("demo"));
    if (!demo && context.parser().isSet(QStringLiteral("invoices")))
        fail(QStringLiteral("La opción --invoices solo vale junto con --demo"));
    const int invoices = demo ? invoiceCount(context) : 0;
    if (!QDir().mkpath(folder.path()))
        fail(QStringLiteral("No se pudo crear la carpeta «%1»").arg(folder.path()));

    try {
        const auto database = SqliteDatabase::create(file);
        if (demo)
            DemoData({.invoices = invoices, .today = m_today.value_or(QDate::currentDate())}).fill(*database);
    } catch (...) {
        removeDatabaseFiles(file);
        throw;
    }
    const DataTemplate dataTemplate =
        m_template.value_or(DataTemplate::besideProgram(QCoreApplication::applicationDirPath()));
    const QStringList copied = dataTemplate.copyInto(folder.path());

    QTextStream &out = context.out();
    out << QStringLiteral("Base de datos creada: %1\n").arg(file);
    if (demo)
        out << QStringLiteral("Datos de demostración: %1 facturas\n").arg(invoices);
    if (!copied.isEmpty())
        out << QStringLiteral("Archivos copiados: %1\n").arg(copied.join(QStringLiteral(", ")));
    out.flush();
    return 0;
}

int InitCommand::invoiceCount(const CommandContext &context) const
{
    if (!context.parser().isSet(QStringLiteral("invoices")))
        return DemoData::DefaultInvoices;
    bool ok = false;
    const int count = context.parser().value(QStringLiteral("invoices")).toInt(&ok);
    if (!ok || count < 1)
        fail(QStringLiteral("El número de facturas debe ser un entero positivo: «%1»")
                 .arg(context.parser().value(QStringLiteral("invoices"))));
    return count;
}

} // namespace marbelisto
