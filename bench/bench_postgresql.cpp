// The shared engine over loopback, on the server that MARBELISTO_DB (or the CI's
// MARBELISTO_TEST_DB) names, in a database of its own that is dropped afterwards: the read of
// 100,000 open invoices that "Cargar las facturas" runs, and the registration of a guide with
// 5,000 invoices (vehicle, guide, links and commit, as "Procesar" stores them, without the print).
#include "BenchTimer.h"

#include "hostlibs/HostLibraries.h"
#include "hostlibs/StandardCommonUtilities.h"
#include "marbelisto/db/PostgresDatabase.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/Framework.h"
#include "toolkit/Error.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/forms/select/InvoiceSearch.h"
#include "vontarelis/model/GuiaDespacho.h"
#include "vontarelis/model/vehiculos.h"

#include <QApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <cstdio>
#include <optional>

namespace {

// A database of the benchmark's own on the named server, dropped at the end.
class ScratchDatabase
{
public:
    explicit ScratchDatabase(const marbelisto::PostgresUrl &server)
        : m_name(QStringLiteral("marbelisto_bench_%1").arg(QUuid::createUuid().toString(QUuid::Id128)))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        db.setHostName(server.host());
        db.setPort(server.port());
        db.setUserName(server.user());
        db.setDatabaseName(server.databaseName());
        if (db.open())
            m_created = QSqlQuery(db).exec(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(m_name));
        if (!m_created)
            std::fprintf(stderr, "bench_postgresql: %s\n", qPrintable(db.lastError().text()));
        m_url = server.withDatabase(m_name);
    }
    ~ScratchDatabase()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(connectionName, false);
            if (m_created)
                QSqlQuery(db).exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
            db.close();
        }
        QSqlDatabase::removeDatabase(connectionName);
    }
    ScratchDatabase(const ScratchDatabase &) = delete;
    ScratchDatabase &operator=(const ScratchDatabase &) = delete;

    bool created() const { return m_created; }
    const marbelisto::PostgresUrl &url() const { return m_url; }

private:
    static inline const QString connectionName = QStringLiteral("bench-server");
    QString m_name;
    marbelisto::PostgresUrl m_url;
    bool m_created = false;
};

void registerGuide(marbelisto::Framework &framework, const std::vector<qint32> &invoices)
{
    framework.StartTransaction();
    vontarelis::Vehiculo vehiculo;
    vehiculo.tipoVehiculo = 1;
    vehiculo.placas = QStringLiteral("BENCH01");
    vontarelis::SaveVehiculo(vehiculo);
    vontarelis::GuiaDespacho guia;
    guia.setCodigoConductor(QStringLiteral("C01"));
    guia.setIdVehiculo(vehiculo.id);
    guia.setFecha(QDateTime(QDate(2024, 6, 28), QTime(0, 0)));
    guia.setOperador(QStringLiteral("BENCH"));
    guia.setFacturas(qint16(qMin<std::size_t>(invoices.size(), 32767)));
    guia.startProcess();
    for (const qint32 numero : invoices)
        guia.addFactura(numero);
    framework.CommitTransaction();
}

// The bare query through psql, its rows written to nowhere: what the server and the wire cost.
std::optional<double> timePsql(const marbelisto::PostgresUrl &url, const QString &sql)
{
    const QString psql = QStandardPaths::findExecutable(QStringLiteral("psql"));
    if (psql.isEmpty()) {
        std::printf("invoice_query_100k_psql: skipped (no psql program)\n");
        return std::nullopt;
    }
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PGOPTIONS"), QStringLiteral("-c search_path=dbo,public"));
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    const BenchTimer timer;
    process.start(psql, {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                         QStringLiteral("-d"), url.toString(), QStringLiteral("-c"), sql});
    const bool finished = process.waitForFinished(-1);
    const double seconds = timer.seconds();
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::printf("invoice_query_100k_psql: failed (%s)\n", process.readAllStandardError().trimmed().constData());
        return std::nullopt;
    }
    BenchTimer::report("invoice_query_100k_psql", seconds, "s");
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QString address = qEnvironmentVariable("MARBELISTO_DB");
    if (address.isEmpty())
        address = qEnvironmentVariable("MARBELISTO_TEST_DB");
    if (address.isEmpty()) {
        std::fprintf(stderr, "bench_postgresql: no server (set MARBELISTO_DB=postgresql://user@host:port/dbname)\n");
        return 0;
    }
    hostlibs::InstallCommonUtilities(std::make_unique<hostlibs::StandardCommonUtilities>());
    try {
        const ScratchDatabase scratch(marbelisto::PostgresUrl::parse(address));
        if (!scratch.created())
            return 1;
        QTemporaryDir folder;
        {
            const auto database = marbelisto::PostgresDatabase::create(scratch.url());
            marbelisto::DemoData({.invoices = 100000, .today = QDate(2024, 6, 28)}).fill(*database);
            database->settleBulkLoad();
        }
        marbelisto::Framework framework(marbelisto::PostgresDatabase::open(scratch.url()),
                                        marbelisto::DataFolder(folder.path()), QStringLiteral("BENCH"));
        framework.ExecuteSQLA(QStringLiteral("UPDATE facturas SET Despachada = 0"), {});
        framework.ExecuteSQLA(QStringLiteral("DELETE FROM gdFacturasGuia"), {});
        vontarelis::InitHostContext(framework);

        std::vector<qint32> invoices;
        {
            const BenchTimer timer;
            long long rows = 0;
            vontarelis::InvoiceSearch::read(QString(), QString(), [&](vontarelis::InvoiceRow &&row) {
                ++rows;
                if (invoices.size() < 5000)
                    invoices.push_back(row.numero);
            });
            const double seconds = timer.seconds();
            BenchTimer::report("invoice_read_100k_postgresql", seconds, "s");
            BenchTimer::report("invoice_read_100k_postgresql_rows", rows, "rows");
            if (const auto bare = timePsql(scratch.url(), vontarelis::InvoiceSearch::sql(QString(), QString())))
                BenchTimer::report("invoice_read_100k_postgresql_per_psql", seconds / *bare, "x");
        }
        const BenchTimer timer;
        registerGuide(framework, invoices);
        BenchTimer::report("guide_register_5000_postgresql", timer.seconds(), "s");
        BenchTimer::report("guide_register_5000_postgresql_links",
                           (long long)toolkit::toLong(framework.ReadScalarA(
                               QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia"), {})),
                           "links");
        vontarelis::gHost = nullptr;
    } catch (const toolkit::Error &error) {
        std::fprintf(stderr, "bench_postgresql: %s\n", qPrintable(error.description()));
        return 1;
    }
    return 0;
}
