// Several workstations on one database, each a process of its own: this test program started
// again with the worker test alone, pointed at the database of the test that started it.
#include "vontarelis/model/ModelTestBase.h"

#include "marbelisto/host/DataFolder.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/model/vehiculos.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

namespace {

constexpr int LinksPerGuide = 3;
// The worker's orders: "database|data folder|tag|first invoice|guides" (0 guides: until killed).
const char *const WorkerOrders = "MARBELISTO_TEST_WORKER";

// One registration as the creation dialog makes it: a new vehicle, the guide and its links,
// all in one transaction. Guide n of a workstation links invoices first + n * LinksPerGuide onwards.
void registerGuide(host::IFramework &framework, const QString &tag, qint32 n, qint32 firstInvoice)
{
    const qint32 first = firstInvoice + n * LinksPerGuide;
    framework.StartTransaction();
    try {
        // The host's invoices come with the guide, so that a killed registration leaves none.
        for (qint32 link = 0; link < LinksPerGuide; ++link)
            framework.ExecuteSQLA(QStringLiteral("INSERT INTO facturas (numero, serie, correlativo, codigoCliente, "
                                                 "NombreCliente, FechaTransaccion) VALUES (?, ?, ?, 'C', 'C', '2024-03-01')"),
                                  {first + link, tag, first + link});
        vontarelis::Vehiculo vehiculo;
        vehiculo.tipoVehiculo = 1;
        vehiculo.placas = QStringLiteral("%1-%2").arg(tag).arg(n);
        vontarelis::SaveVehiculo(vehiculo);
        vontarelis::GuiaDespacho guia;
        guia.setCodigoConductor(tag);
        guia.setIdVehiculo(vehiculo.id);
        guia.setFecha(QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
        guia.setOperador(tag);
        guia.setFacturas(LinksPerGuide);
        guia.setTotalPeso(10.5);
        guia.setZona("Z1");
        guia.startProcess();
        for (qint32 link = 0; link < LinksPerGuide; ++link)
            guia.addFactura(first + link);
        framework.CommitTransaction();
    } catch (...) {
        framework.AbortTransaction();
        throw;
    }
}

class WorkstationsTest : public modeltest::ModelTestBase
{
protected:
    std::unique_ptr<QProcess> startWorkstation(const QString &tag, qint32 firstInvoice, int guides) const
    {
        // It writes the host's invoices too, as the owner of the tables may.
        const marbelisto::DatabaseSource &source = host.ownerSource();
        const QStringList orders{source.isServer() ? source.address() : marbelisto::DataFolder(host.dataPath()).databaseFile(),
                                 host.dataPath(), tag, QString::number(firstInvoice), QString::number(guides)};
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(WorkerOrders, orders.join(u'|'));
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QCoreApplication::applicationFilePath(), {"--gtest_filter=Workstation.Worker"});
        EXPECT_TRUE(process->waitForStarted()) << tag.toStdString();
        return process;
    }

    qint32 count(const QString &sql) { return toolkit::toLong(host.scalar(sql)); }
};

} // namespace

TEST(Workstation, Worker)
{
    if (!qEnvironmentVariableIsSet(WorkerOrders))
        GTEST_SKIP() << "only run as a second workstation by the tests of WorkstationsTest";
    const QStringList orders = qEnvironmentVariable(WorkerOrders).split(u'|');
    testsupport::ScriptedCommonUtilitiesScope utilities;
    const auto source = marbelisto::PostgresUrl::names(orders[0])
                            ? marbelisto::DatabaseSource::server(marbelisto::PostgresUrl::parse(orders[0]))
                            : marbelisto::DatabaseSource::sqliteFile(orders[0]);
    marbelisto::Framework framework(source.open(), marbelisto::DataFolder(orders[1]), orders[2]);
    vontarelis::InitHostContext(framework);
    const int guides = orders[4].toInt();
    for (int n = 0; n < (guides > 0 ? guides : 100000); ++n)
        registerGuide(framework, orders[2], n, orders[3].toInt());
    vontarelis::gHost = nullptr;
}

TEST_F(WorkstationsTest, TwoRegisteringAtOnceEachLinkLandsOnItsOwnGuideAndNoneIsLost)
{
    constexpr int guides = 500;
    std::vector<std::unique_ptr<QProcess>> workstations;
    workstations.push_back(startWorkstation("W1", 100000, guides));
    workstations.push_back(startWorkstation("W2", 200000, guides));
    for (const auto &workstation : workstations) {
        ASSERT_TRUE(workstation->waitForFinished(240000));
        EXPECT_EQ(workstation->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(workstation->exitCode(), 0);
    }

    EXPECT_EQ(count("SELECT COUNT(*) FROM gdVontarelis WHERE conductor = 'W1'"), guides);
    EXPECT_EQ(count("SELECT COUNT(*) FROM gdVontarelis WHERE conductor = 'W2'"), guides);
    EXPECT_EQ(count("SELECT COUNT(DISTINCT NumeroFactura) FROM gdFacturasGuia"), 2 * guides * LinksPerGuide);
    // Each guide holds the invoices of one registration of its own workstation, and no other:
    // three in a row, the first at a step of three from where that workstation started.
    EXPECT_EQ(count("SELECT COUNT(*) FROM (SELECT g.conductor, MIN(f.NumeroFactura) AS lo, MAX(f.NumeroFactura) AS hi, "
                    "COUNT(*) AS n FROM gdVontarelis g INNER JOIN gdFacturasGuia f ON f.idGuia = g.id "
                    "GROUP BY g.id, g.conductor) r INNER JOIN (SELECT 'W1' AS tag, 100000 AS base UNION ALL "
                    "SELECT 'W2', 200000) w ON w.tag = r.conductor WHERE n = 3 AND hi - lo = 2 "
                    "AND (lo - base) % 3 = 0 AND lo >= base AND hi < base + 1500"),
              2 * guides);
}

TEST_F(WorkstationsTest, ARegistrationKilledAtAnyMomentLeavesWholeGuidesAndNoStrayVehicle)
{
    constexpr int kills = 50;
    const quint32 seed = QRandomGenerator::global()->generate();
    SCOPED_TRACE("seed " + std::to_string(seed));
    QRandomGenerator random(seed);
    // The kills span this machine's own time to start a workstation and register a first guide
    // (slow under a loaded machine or the sanitizers), from before the first connection to well
    // into the registrations.
    QElapsedTimer startup;
    startup.start();
    const auto probe = startWorkstation(QStringLiteral("ARRANQUE"), 800000, 1);
    ASSERT_TRUE(probe->waitForFinished(60000));
    const int window = int(startup.elapsed()) + 700;
    for (int round = 0; round < kills; ++round) {
        const auto workstation = startWorkstation(QStringLiteral("K%1").arg(round), 1000000 + round * 400000, 0);
        QThread::msleep(random.bounded(20, window));
        workstation->kill();
        ASSERT_TRUE(workstation->waitForFinished(30000)) << round;
        EXPECT_EQ(workstation->exitStatus(), QProcess::CrashExit) << "round " << round << " ended before it was killed";
    }

    EXPECT_GT(count("SELECT COUNT(*) FROM gdVontarelis WHERE conductor LIKE 'K%'"), 0) << "no registration got through";
    for (const char *stray : {"SELECT COUNT(*) FROM gdVontarelis g WHERE g.facturas <> "
                              "(SELECT COUNT(*) FROM gdFacturasGuia f WHERE f.idGuia = g.id)",
                              "SELECT COUNT(*) FROM gdFacturasGuia f "
                              "WHERE NOT EXISTS (SELECT 1 FROM gdVontarelis g WHERE g.id = f.idGuia)",
                              "SELECT COUNT(*) FROM gdVehiculos v "
                              "WHERE NOT EXISTS (SELECT 1 FROM gdVontarelis g WHERE g.idVehiculo = v.id)"})
        EXPECT_EQ(count(stray), 0) << stray;
    EXPECT_EQ(count("SELECT MAX(id) - COUNT(*) FROM gdVontarelis"), 0) << "a killed registration kept its number";
    if (!host.databaseSource().isServer()) {
        EXPECT_EQ(host.scalar("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
    }
    // The database takes the next registration as if nothing had happened; its invoices come
    // with it, as the tables' owner writes them.
    vontarelis::InitHostContext(host.owner());
    registerGuide(host.owner(), "DESPUES", 0, 900000);
    EXPECT_EQ(count("SELECT COUNT(*) FROM gdFacturasGuia f INNER JOIN gdVontarelis g ON g.id = f.idGuia "
                    "WHERE g.conductor = 'DESPUES'"),
              LinksPerGuide);
}
