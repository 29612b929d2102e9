#include "marbelisto/app/InitCommand.h"

#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/UsageError.h"
#include "marbelisto/db/DatabaseSource.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/BookAccess.h"
#include "marbelisto/host/DataFolder.h"

#include "hostlibs/PrivateFiles.h"
#include "toolkit/Error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace marbelisto {

namespace {

const QString source = QStringLiteral("marbelisto init");

[[noreturn]] void fail(const QString &message)
{
    throw toolkit::Error(toolkit::ErrInvalidCall, message, source);
}

// Other tools (psql, a reporting tool) connect without the program's own search path; the
// database's default lets them name the tables as the program does.
void setSearchPath(Database &database)
{
    QSqlQuery query(database.connection());
    if (!query.exec(QStringLiteral("DO $$ BEGIN EXECUTE format('ALTER DATABASE %I SET search_path = dbo, public', "
                                   "current_database()); END $$")))
        throw database.statementError(query.lastError());
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
    return QStringLiteral("Crea la carpeta de datos con una base de datos nueva (--demo: con datos de demostración; "
                          "--db: en una base de datos PostgreSQL vacía).");
}

QList<QCommandLineOption> InitCommand::options() const
{
    return {
        QCommandLineOption(QStringLiteral("demo"), QStringLiteral("Llena la base de datos con datos de demostración.")),
        QCommandLineOption(QStringLiteral("invoices"),
                           QStringLiteral("Número de facturas de demostración (%1 si falta).")
                               .arg(DemoData::DefaultInvoices),
                           QStringLiteral("N")),
        QCommandLineOption(QStringLiteral("force"),
                           QStringLiteral("Borra la base de datos que ya exista y la crea de nuevo.")),
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
    const DatabaseSource source = context.databaseSource();
    if (const QString refusal = BookAccess(folder, source.file()).refusal(); !refusal.isEmpty())
        fail(refusal);
    const bool force = context.parser().isSet(QStringLiteral("force"));
    if (!source.isServer() && source.mayExist() && !force)
        fail(QStringLiteral("Ya existe una base de datos en «%1»; no se sobrescribe. "
                            "Use otra carpeta, o --force si de verdad quiere empezar de cero.")
                 .arg(source.description()));
    const bool demo = context.parser().isSet(QStringLiteral("demo"));
    if (!demo && context.parser().isSet(QStringLiteral("invoices")))
        throw UsageError(QStringLiteral("La opción --invoices solo vale junto con --demo"));
    const int invoices = demo ? invoiceCount(context) : 0;
    // Without its print format a new folder could not print: found first, or nothing is made.
    const DataTemplate dataTemplate =
        m_template.value_or(DataTemplate::besideProgram(QCoreApplication::applicationDirPath()));
    if (dataTemplate.isEmpty())
        fail(QStringLiteral("No se encontraron las plantillas de la carpeta de datos (formato de impresión, "
                            "informes) en «%1». Instale el programa de nuevo; no se creó nada.")
                 .arg(dataTemplate.folder()));
    if (!hostlibs::PrivateFiles::makeFolder(folder.path()))
        fail(QStringLiteral("No se pudo crear la carpeta «%1»").arg(folder.path()));

    try {
        const auto database = source.create(force);
        if (source.isServer())
            setSearchPath(*database);
        if (demo) {
            DemoData({.invoices = invoices, .today = m_today.value_or(QDate::currentDate())}).fill(*database);
            database->settleBulkLoad();
        }
    } catch (...) {
        // A half-written file would block the next init; on a server what failed rolled back whole.
        source.discard();
        throw;
    }
    const QStringList copied = dataTemplate.copyInto(folder.path());

    QTextStream &out = context.out();
    out << QStringLiteral("Base de datos creada: %1\n").arg(source.description());
    if (demo)
        out << QStringLiteral("Datos de demostración: %1 facturas\n").arg(invoices);
    if (!copied.isEmpty())
        out << QStringLiteral("Archivos copiados de %1: %2\n").arg(dataTemplate.folder(), copied.join(QStringLiteral(", ")));
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
        throw UsageError(QStringLiteral("El número de facturas debe ser un entero positivo: «%1»")
                 .arg(context.parser().value(QStringLiteral("invoices"))));
    return count;
}

} // namespace marbelisto
