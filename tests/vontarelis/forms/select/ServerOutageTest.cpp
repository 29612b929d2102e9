#include "SelectDialogTest.h"

#include "support/TestDatabase.h"
#include "toolkit/FramedLabel.h"

#include <QProcess>

using namespace Qt::StringLiterals;

namespace selecttest {

namespace {

// A PostgreSQL server of the test's own, made before the test host's database so that the
// database lives there, to stop and start again on the same port and data. None on SQLite.
class OwnServer
{
protected:
    OwnServer()
    {
        if (!testsupport::TestDatabase::postgresRequested() || m_shared.first.isEmpty())
            return;
        qputenv("MARBELISTO_TEST_DB", cluster("start").trimmed());
        qputenv("PGPASSFILE", m_folder.filePath("pgpass").toUtf8());
    }
    ~OwnServer()
    {
        if (!running())
            return;
        cluster("stop");
        qputenv("MARBELISTO_TEST_DB", m_shared.first);
        qputenv("PGPASSFILE", m_shared.second);
    }

    bool running() const { return qgetenv("MARBELISTO_TEST_DB") != m_shared.first; }
    QByteArray cluster(const char *action)
    {
        QProcess script;
        script.start(u"bash"_s, {QStringLiteral(VONTARELIS_PG_CLUSTER), QString::fromLatin1(action), m_folder.path()});
        EXPECT_TRUE(script.waitForFinished(120000) && script.exitCode() == 0) << script.readAllStandardError().data();
        return script.readAllStandardOutput();
    }

private:
    QTemporaryDir m_folder;
    const std::pair<QByteArray, QByteArray> m_shared{qgetenv("MARBELISTO_TEST_DB"), qgetenv("PGPASSFILE")};
};

class ServerOutageTest : public OwnServer, public SelectDialogTest
{
protected:
    QString nextGuide() const { return control<toolkit::FramedLabel>("numeroProximaGuia")->text(); }
    bool nextGuideShows(const QString &text) { return QTest::qWaitFor([&] { return nextGuide() == text; }, 7000); }
};

} // namespace

TEST_F(ServerOutageTest, TheRefreshWaitsOutAStoppedServerQuietlyProcesarSaysItOnceAndTheSameDialogRegistersAfterwards)
{
    if (!running())
        GTEST_SKIP() << "an embedded SQLite file cannot go away";
    openToRegister(false);
    enterDriverAndKnownVehicle();
    load();
    clickRow(2);
    clickRow(3);
    const QStringList shown = entries();
    ASSERT_EQ(nextGuide(), u"0000002"_s);

    // Stopped for 20 s and more: the label says so within a tick, Procesar is pressed at the next.
    cluster("stop");
    EXPECT_TRUE(nextGuideShows(u"Sin conexión"_s));
    QTest::qWait(5000);
    click("cbOk");
    ASSERT_EQ(utilities->shownErrors.size(), 1u);
    const auto &[text, details] = utilities->shownErrors.front();
    EXPECT_EQ(text, u"No hay conexión con el servidor PostgreSQL «%1». Revise la red o el servidor y vuelva a intentarlo."_s.arg(
                        marbelisto::PostgresUrl::parse(host.databaseSource().address()).server()));
    EXPECT_TRUE(details.contains(u"127.0.0.1"_s) && details.endsWith(u"frmSelectFacturas::cbOk_Click"_s))
        << details.toStdString();
    EXPECT_EQ(entries(), shown);
    QTest::qWait(15000);
    EXPECT_EQ(nextGuide(), u"Sin conexión"_s);
    EXPECT_EQ(utilities->errors.size() + utilities->messages.size(), 0u) << "no box from the refresh";

    cluster("start");
    EXPECT_TRUE(nextGuideShows(u"0000002"_s));
    utilities->answer(false);
    utilities->answer(false);
    click("cbOk");
    EXPECT_EQ(utilities->shownErrors.size() + utilities->errors.size(), 1u) << "the one of the outage";
    EXPECT_EQ(rows("SELECT g.id, l.NumeroFactura FROM gdVontarelis g INNER JOIN gdFacturasGuia l ON l.idGuia = g.id "
                   "WHERE g.id > 1 ORDER BY l.NumeroFactura"),
              QList<QVariantList>({{2, facturas[1]}, {2, facturas[2]}}));
    EXPECT_EQ(printed(), 1);
}

} // namespace selecttest
