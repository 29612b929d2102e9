// Several workstations on one database, each a process of its own: this test program started
// again with the worker test alone, pointed at the database of the test that started it.
#include "vontarelis/model/ModelTestBase.h"

#include "marbelisto/host/DataFolder.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/model/vehiculos.h"

#include <QCoreApplication>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

namespace {

using vontarelis::GuiaDespacho;

constexpr int LinksPerGuide = 3;
// A worker told to register until it is killed stops here all the same.
constexpr int MostGuidesPerWorker = 100000;

const char *const WorkerDatabase = "MARBELISTO_TEST_WORKER_DB";
const char *const WorkerData = "MARBELISTO_TEST_WORKER_DATA";
const char *const WorkerTag = "MARBELISTO_TEST_WORKER_TAG";
const char *const WorkerFirstInvoice = "MARBELISTO_TEST_WORKER_FIRST";
const char *const WorkerGuides = "MARBELISTO_TEST_WORKER_GUIDES";

// One registration as the creation dialog makes it: a new vehicle, the guide and its links,
// all in one transaction. Guide n of a workstation links invoices first + n * LinksPerGuide onwards.
void registerGuide(host::IFramework &framework, const QString &tag, qint32 n, qint32 firstInvoice)
{
    framework.StartTransaction();
    try {
        vontarelis::Vehiculo vehiculo;
        vehiculo.tipoVehiculo = 1;
        vehiculo.placas = QStringLiteral("%1-%2").arg(tag).arg(n);
        vontarelis::SaveVehiculo(vehiculo);
        GuiaDespacho guia;
        guia.setCodigoConductor(tag);
        guia.setIdVehiculo(vehiculo.id);
        guia.setFecha(QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
        guia.setOperador(tag);
        guia.setFacturas(LinksPerGuide);
        guia.setTotalPeso(10.5);
        guia.setTotalPrecioVenta(toolkit::Currency::fromRaw(1234500));
        guia.setTotalIVA(toolkit::Currency::fromRaw(197520));
        guia.setZona(QStringLiteral("Z1"));
        guia.startProcess();
        for (qint32 link = 0; link < LinksPerGuide; ++link)
            guia.addFactura(firstInvoice + n * LinksPerGuide + link);
        framework.CommitTransaction();
    } catch (...) {
        framework.AbortTransaction();
        throw;
    }
}

marbelisto::DatabaseSource workerSource()
{
    const QString database = qEnvironmentVariable(WorkerDatabase);
    return marbelisto::PostgresUrl::names(database)
        ? marbelisto::DatabaseSource::server(marbelisto::PostgresUrl::parse(database))
        : marbelisto::DatabaseSource::sqliteFile(database);
}

class WorkstationsTest : public modeltest::ModelTestBase
{
protected:
    // guides: how many to register, 0 for as many as it can until it is killed.
    std::unique_ptr<QProcess> startWorkstation(const QString &tag, qint32 firstInvoice, int guides) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const marbelisto::DatabaseSource &source = host.databaseSource();
        environment.insert(QString::fromLatin1(WorkerDatabase),
                           source.isServer() ? source.address() : marbelisto::DataFolder(host.dataPath()).databaseFile());
        environment.insert(QString::fromLatin1(WorkerData), host.dataPath());
        environment.insert(QString::fromLatin1(WorkerTag), tag);
        environment.insert(QString::fromLatin1(WorkerFirstInvoice), QString::number(firstInvoice));
        environment.insert(QString::fromLatin1(WorkerGuides), QString::number(guides));
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=Workstation.Worker")});
        EXPECT_TRUE(process->waitForStarted()) << tag.toStdString();
        return process;
    }

    qint32 count(const QString &sql) { return toolkit::toLong(host.scalar(sql)); }
};

} // namespace

TEST(Workstation, Worker)
{
    if (!qEnvironmentVariableIsSet(WorkerDatabase))
        GTEST_SKIP() << "only run as a second workstation by the tests of WorkstationsTest";
    testsupport::ScriptedCommonUtilitiesScope utilities;
    const QString tag = qEnvironmentVariable(WorkerTag);
    marbelisto::Framework framework(workerSource().open(), marbelisto::DataFolder(qEnvironmentVariable(WorkerData)), tag);
    vontarelis::InitHostContext(framework);
    const qint32 firstInvoice = qEnvironmentVariableIntValue(WorkerFirstInvoice);
    const int guides = qEnvironmentVariableIntValue(WorkerGuides);
    const int last = guides > 0 ? guides : MostGuidesPerWorker;
    for (int n = 0; n < last; ++n)
        registerGuide(framework, tag, n, firstInvoice);
    vontarelis::gHost = nullptr;
}

TEST_F(WorkstationsTest, TwoRegisteringAtOnceEachLinkLandsOnItsOwnGuideAndNoneIsLost)
{
    constexpr int guides = 500;
    const QMap<QString, qint32> firstInvoice{{QStringLiteral("W1"), 100000}, {QStringLiteral("W2"), 200000}};
    std::vector<std::unique_ptr<QProcess>> workstations;
    for (auto it = firstInvoice.cbegin(); it != firstInvoice.cend(); ++it)
        workstations.push_back(startWorkstation(it.key(), it.value(), guides));
    for (const auto &workstation : workstations) {
        ASSERT_TRUE(workstation->waitForFinished(240000));
        EXPECT_EQ(workstation->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(workstation->exitCode(), 0);
    }

    for (auto it = firstInvoice.cbegin(); it != firstInvoice.cend(); ++it)
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM gdVontarelis WHERE conductor = '%1'").arg(it.key())), guides);
    // Link by link: the invoice is on the guide of the workstation that ticked it, with the two
    // other invoices of that same registration and no other.
    QMap<qint32, qint32> guideOf;
    QMap<qint32, QString> ownerOf;
    for (auto rs = host.framework().OpenRecordsetA(
             QStringLiteral("SELECT f.NumeroFactura, f.idGuia, g.conductor FROM gdFacturasGuia f "
                            "INNER JOIN gdVontarelis g ON g.id = f.idGuia ORDER BY f.NumeroFactura"),
             {});
         !rs->Eof(); rs->MoveNext()) {
        guideOf.insert(toolkit::toLong(rs->Fields(0)), toolkit::toLong(rs->Fields(1)));
        ownerOf.insert(toolkit::toLong(rs->Fields(0)), toolkit::toText(rs->Fields(2)));
    }
    ASSERT_EQ(guideOf.size(), 2 * guides * LinksPerGuide);
    QSet<qint32> guidesSeen;
    for (auto it = firstInvoice.cbegin(); it != firstInvoice.cend(); ++it) {
        for (qint32 n = 0; n < guides; ++n) {
            const qint32 first = it.value() + n * LinksPerGuide;
            ASSERT_TRUE(guideOf.contains(first)) << "invoice " << first << " was not linked";
            const qint32 guide = guideOf.value(first);
            EXPECT_FALSE(guidesSeen.contains(guide)) << "guide " << guide << " holds two registrations";
            guidesSeen.insert(guide);
            for (qint32 link = 0; link < LinksPerGuide; ++link) {
                EXPECT_EQ(guideOf.value(first + link), guide) << "invoice " << first + link;
                EXPECT_EQ(ownerOf.value(first + link), it.key()) << "invoice " << first + link;
            }
        }
    }
}

TEST_F(WorkstationsTest, ARegistrationKilledAtAnyMomentLeavesWholeGuidesAndNoStrayVehicle)
{
    constexpr int kills = 50;
    const quint32 seed = QRandomGenerator::global()->generate();
    SCOPED_TRACE("seed " + std::to_string(seed));
    QRandomGenerator random(seed);
    for (int round = 0; round < kills; ++round) {
        const auto workstation = startWorkstation(QStringLiteral("K%1").arg(round), 1000000 + round * 400000, 0);
        // From before the first connection to well into the registrations.
        QThread::msleep(random.bounded(20, 700));
        workstation->kill();
        ASSERT_TRUE(workstation->waitForFinished(30000)) << round;
        EXPECT_EQ(workstation->exitStatus(), QProcess::CrashExit) << "round " << round << " ended before it was killed";
    }

    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM gdVontarelis")), 0) << "no registration got through";
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM gdVontarelis g WHERE g.facturas <> "
                                   "(SELECT COUNT(*) FROM gdFacturasGuia f WHERE f.idGuia = g.id)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia f "
                                   "WHERE NOT EXISTS (SELECT 1 FROM gdVontarelis g WHERE g.id = f.idGuia)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM gdVehiculos v "
                                   "WHERE NOT EXISTS (SELECT 1 FROM gdVontarelis g WHERE g.idVehiculo = v.id)")),
              0);
    // The database takes the next registration as if nothing had happened.
    registerGuide(host.framework(), QStringLiteral("DESPUES"), 0, 900000);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia f INNER JOIN gdVontarelis g ON g.id = f.idGuia "
                                   "WHERE g.conductor = 'DESPUES'")),
              LinksPerGuide);
}
