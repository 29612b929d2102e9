#include "marbelisto/app/ActivatorLoader.h"
#include "marbelisto/app/MainWindow.h"
#include "marbelisto/db/DatabaseWatcher.h"
#include "marbelisto/ui/GuideListModel.h"
#include "marbelisto/ui/GuideListPanel.h"
#include "marbelisto/ui/GuideTableView.h"

#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"
#include "toolkit/Error.h"
#include "vontarelis/entry/Activator.h"
#include "vontarelis/model/GuiaDespacho.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using testsupport::TestHost;

namespace {

// The component's own entry class over stand-in dialogs, with each print written down instead
// of done: the scripted ShowForm does the work a user would do in the dialogs.
class TestActivator : public vontarelis::Activator
{
public:
    TestActivator() : vontarelis::Activator({standIn("frmSelectFacturas"), standIn("frmConfirmarBruvelos")}) {}

    std::unique_ptr<host::IGuiaDespacho> GetGuiaDespacho(host::IFramework &f) override
    {
        vontarelis::Activator::GetGuiaDespacho(f);
        struct RecordedGuide : vontarelis::GuiaDespacho
        {
            RecordedGuide(QList<std::pair<qint32, bool>> &prints, QList<std::pair<qint32, bool>> &routeSheets)
                : prints(prints), routeSheets(routeSheets)
            {
            }
            void ViewPrint(bool AutoPrint) override { prints.append({id(), AutoPrint}); }
            void ViewPrintHojaDeRuta(bool AutoPrint) override { routeSheets.append({id(), AutoPrint}); }
            QList<std::pair<qint32, bool>> &prints;
            QList<std::pair<qint32, bool>> &routeSheets;
        };
        return std::make_unique<RecordedGuide>(prints, routeSheets);
    }

    // Each print, and each print of a route sheet: the guide's number and AutoPrint.
    QList<std::pair<qint32, bool>> prints;
    QList<std::pair<qint32, bool>> routeSheets;

private:
    static std::function<std::unique_ptr<QDialog>()> standIn(const char *name)
    {
        return [name] {
            auto form = std::make_unique<QDialog>();
            form->setObjectName(name);
            return form;
        };
    }
};

void addGuide(host::IFramework &desk, bool closed = false)
{
    desk.ExecuteSQLA("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                     "totalPrecioVenta, totalIVA, vendedor, zona, Cerrada) VALUES ('C01', 1, ?, 'OP', 1, 10, 100, 16, '', '', ?)",
                     {QDate(2024, 3, 1).startOfDay(), closed});
}

void addGuide(TestHost &host, bool closed = false)
{
    addGuide(host.framework(), closed);
}

QString label(const QWidget &window, const char *name)
{
    const auto *found = window.findChild<QLabel *>(QString::fromUtf8(name));
    return found ? found->text() : QStringLiteral("(missing)");
}

// Types text into the host's input box as soon as it opens, and accepts it; proposed receives
// the text the box opened with.
void answerInputBox(const QString &text, QString *proposed = nullptr)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, text, proposed] {
        if (auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            if (proposed)
                *proposed = box->textValue();
            box->setTextValue(text);
            box->accept();
            timer->deleteLater();
        }
    });
    timer->start(20);
}

class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest()
    {
        host.addVendedor("C01", "Pedro Pérez", true);
        host.addVehiculo(host.addTipoVehiculo("Camión"), "A45BK2R");
        addGuide(host);
        addGuide(host, true);
    }

    marbelisto::MainWindow &open(marbelisto::DispatchActions::ActivatorSource source = {})
    {
        if (!source)
            source = [this]() -> host::IActivator & { return activator; };
        window = std::make_unique<marbelisto::MainWindow>(host.framework(), std::move(source), QDate(2024, 3, 1));
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    marbelisto::GuideListModel &list() const { return window->guides().model(); }
    // The open and the closed guides the summary counts.
    QString figures() const { return label(*window, "Guías abiertas") + u' ' + label(*window, "Guías cerradas"); }

    TestHost host;
    testsupport::ScriptedCommonUtilitiesScope utilities;
    TestActivator activator;
    std::unique_ptr<marbelisto::MainWindow> window;
};

} // namespace

TEST_F(MainWindowTest, TheDispatchMenuReachesTheComponentAndTheWindowFollowsWhatTheDialogsDid)
{
    marbelisto::MainWindow &w = open();
    // Alt+D opens the menu, not a filter.
    QTest::keyClick(&w, Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(w.menuDespacho()->isVisible());
    w.menuDespacho()->hide();
    QStringList entries;
    for (const QAction *action : w.menuDespacho()->actions()) {
        if (!action->isSeparator())
            entries.append(action->text().remove(u'&') + u' ' + action->shortcut().toString());
    }
    EXPECT_EQ(entries, QStringList({"Nueva guía de despacho… Ctrl+N", "Revisar / cerrar guías… Ctrl+R",
                                    "Imprimir guía… Ctrl+P", "Hoja de ruta… Ctrl+H", "Tipos de vehículo… Ctrl+T"}));
    EXPECT_EQ(QStringList({label(w, "lblEmpresa"), label(w, "stbEmpresa"), label(w, "stbUsuario")}),
              QStringList({"Distribuidora de Prueba, C.A.", "Empresa: Distribuidora de Prueba, C.A.", "Usuario: OPERADOR"}));
    // The database the session works on: the server and database on PostgreSQL, else the file.
    const marbelisto::DatabaseSource &source = host.databaseSource();
    if (source.isServer()) {
        const auto url = marbelisto::PostgresUrl::parse(source.address());
        EXPECT_EQ(label(w, "stbBaseDatos"),
                  u"Base de datos: PostgreSQL %1:%2/%3"_s.arg(url.host()).arg(url.port()).arg(url.databaseName()));
    } else {
        EXPECT_TRUE(label(w, "stbBaseDatos").endsWith("/marbelisto.db")) << label(w, "stbBaseDatos").toStdString();
    }
    EXPECT_EQ(list().rowCount(), 2);
    EXPECT_EQ(label(w, "lblCuenta"), u"2 guías"_s);
    EXPECT_EQ(figures(), u"1 1"_s);

    // The creation dialog registers a guide: the list and the figures show it once it closes.
    utilities->onShowForm = [&](std::unique_ptr<QDialog> &form) {
        EXPECT_EQ(form->objectName(), u"frmSelectFacturas"_s);
        EXPECT_EQ(list().rowCount(), 2) << "nothing is read while the dialog is open";
        addGuide(host);
    };
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(utilities->shownForms.size(), 1u);
    EXPECT_EQ(std::pair(list().rowCount(), list().numero(0)), std::pair(3, 3));
    EXPECT_EQ(label(w, "lblCuenta"), u"3 guías"_s);
    EXPECT_EQ(figures(), u"2 1"_s);

    // The review closes a guide.
    utilities->onShowForm = [&](std::unique_ptr<QDialog> &form) {
        EXPECT_EQ(form->objectName(), u"frmConfirmarBruvelos"_s);
        host.exec("UPDATE gdVontarelis SET Cerrada = 1 WHERE id = 3");
    };
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(utilities->shownForms.size(), 2u);
    EXPECT_EQ(list().data(list().index(0, marbelisto::GuideListQuery::Estado)).toString(), u"Cerrada"_s);
    EXPECT_EQ(figures(), u"1 2"_s);

    // The filter shows the open guides only.
    auto *state = w.findChild<QComboBox *>("cboEstado");
    ASSERT_NE(state, nullptr);
    state->setCurrentIndex(state->findText("Abiertas"));
    EXPECT_EQ(std::pair(list().rowCount(), list().numero(0)), std::pair(1, 1));
    EXPECT_TRUE(utilities->errors.empty());
}

// The returns of the guides dated in the period, by reason and by driver, most first, with
// their share; a review done in the dialog shows once it closes.
TEST_F(MainWindowTest, TheReturnsOfAPeriodShowByReasonAndByDriver)
{
    host.addVendedor("C02", "Wilmer Colmenares", true);
    host.exec("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, totalPrecioVenta, "
              "totalIVA, vendedor, zona) VALUES ('C02', 1, ?, 'OP', 1, 10, 100, 16, '', '')",
              {QDate(2024, 1, 15).startOfDay()});
    QList<qint32> invoices;
    for (int i = 1; i <= 5; ++i)
        invoices << host.addFactura("A", i, "K1", "Cliente", 10, 0, 1, QDate(2024, 1, 10).startOfDay());
    const auto returned = [&](qint32 guide, qint32 invoice, const QString &motivo) {
        host.exec("INSERT INTO gdDevolucionesGuia (idGuia, NumeroFactura, motivo) VALUES (?, ?, ?)",
                  {guide, invoices[invoice], motivo});
    };
    // Guide 2 is closed, and a closed guide takes no returns.
    returned(1, 0, "Cliente cerrado");
    returned(1, 1, u"Mercancía dañada"_s);
    returned(1, 2, "Cliente cerrado");
    returned(3, 3, "Falta de tiempo");
    const auto rows = [this](const char *name) {
        QStringList texts;
        const auto *table = window->findChild<QTableWidget *>(name);
        for (int r = 0; table && r < table->rowCount(); ++r)
            texts << table->item(r, 0)->text() + u'|' + table->item(r, 1)->text() + u'|' + table->item(r, 2)->text();
        return texts;
    };

    open();
    EXPECT_EQ(rows("tblDevolucionesMotivo"), QStringList({"Cliente cerrado|2|67", u"Mercancía dañada|1|33"_s}))
        << "the thirty days up to today leave January's guide out";
    EXPECT_EQ(rows("tblDevolucionesConductor"), QStringList({u"Pedro Pérez|3|100"_s}));
    window->findChild<QDateEdit *>("dtpDevolucionesDesde")->setDate(QDate(2024, 1, 1));
    EXPECT_EQ(rows("tblDevolucionesMotivo"),
              QStringList({"Cliente cerrado|2|50", "Falta de tiempo|1|25", u"Mercancía dañada|1|25"_s}));
    EXPECT_EQ(rows("tblDevolucionesConductor"), QStringList({u"Pedro Pérez|3|75"_s, "Wilmer Colmenares|1|25"}));

    utilities->onShowForm = [&](std::unique_ptr<QDialog> &) { returned(3, 4, "Falta de tiempo"); };
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(rows("tblDevolucionesConductor"), QStringList({u"Pedro Pérez|3|60"_s, "Wilmer Colmenares|2|40"}));
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(MainWindowTest, AGuideIsPrintedAgainFromTheListOrByItsNumber)
{
    marbelisto::MainWindow &w = open();
    marbelisto::GuideTableView &table = w.guides().table();
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(list().index(1, 2)).center());
    table.setCurrentIndex(list().index(0, 0));
    QTest::keyClick(&table, Qt::Key_Return);
    answerInputBox(" 1 ");
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    // A number no guide has, and a text that is no number, are told, and nothing prints.
    answerInputBox("999");
    w.dispatch().print()->trigger();
    answerInputBox("doce");
    w.dispatch().print()->trigger();

    // The list's own menu offers both prints; the route sheet proposes the guide chosen in it.
    EXPECT_EQ(table.contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList offered;
    for (const QAction *action : table.actions())
        offered << action->objectName();
    EXPECT_EQ(offered, QStringList({"actImprimirGuia", "actHojaDeRuta"}));
    table.setCurrentIndex(list().index(0, 0));
    QString proposed;
    answerInputBox(QString::number(list().numero(0)), &proposed);
    table.actions().at(1)->trigger();
    EXPECT_EQ(proposed, QString::number(list().numero(0)));

    using Print = std::pair<qint32, bool>;
    EXPECT_EQ(activator.prints, QList<Print>({{1, false}, {2, false}, {1, false}}));
    EXPECT_EQ(activator.routeSheets, QList<Print>({{list().numero(0), false}}));
    EXPECT_EQ(utilities->messages,
              QStringList({"No existe la guía de despacho número 999", "«doce» no es un número de guía de despacho"}));
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(MainWindowTest, AnErrorFromTheComponentIsReportedAndTheWindowGoesOn)
{
    // The component's real factory, while a dialog is not available, raises from Go.
    vontarelis::Activator unfinished;
    bool missing = false;
    marbelisto::MainWindow &w = open([&]() -> host::IActivator & {
        if (missing)
            throw toolkit::Error(toolkit::ErrCannotCreateObject, "No se encontró el componente", "marbelisto");
        return unfinished;
    });
    utilities->onShowForm = [](std::unique_ptr<QDialog> &) {
        throw toolkit::Error(toolkit::ErrDatabase, "disco lleno", "frmSelectFacturas");
    };
    w.dispatch().newGuide()->trigger();
    missing = true;
    w.dispatch().review()->trigger();
    w.dispatch().printGuide(1);

    QStringList reported;
    for (const auto &error : utilities->errors)
        reported << QStringLiteral("%1 %2 %3").arg(error.number).arg(error.description, error.source);
    EXPECT_EQ(reported, QStringList({QStringLiteral("%1 disco lleno frmSelectFacturas").arg(toolkit::ErrDatabase),
                                     QStringLiteral("%1 No se encontró el componente marbelisto").arg(toolkit::ErrCannotCreateObject),
                                     QStringLiteral("%1 No se encontró el componente marbelisto").arg(toolkit::ErrCannotCreateObject)}));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(list().rowCount(), 2) << "the list is read again after a failed call as well";
}

TEST_F(MainWindowTest, TheListFollowsWhatAnotherDeskDoesAndTheClerkKeepsHisPlace)
{
    for (int guide = 0; guide < 60; ++guide)
        addGuide(host);
    marbelisto::MainWindow &w = open();
    const auto desk = host.openSecondConnection();
    // The server tells at once; a file is looked at every few seconds.
    const int soon = host.databaseSource().isServer() ? 1000 : 3 * marbelisto::DatabaseWatcher::PollInterval;
    marbelisto::GuideTableView &table = w.guides().table();
    table.setCurrentIndex(list().index(40, 3));
    table.verticalScrollBar()->setValue(30);
    ASSERT_EQ(std::pair(w.guides().selectedNumero(), table.verticalScrollBar()->value()), std::pair(22, 30));

    addGuide(*desk);
    EXPECT_TRUE(QTest::qWaitFor([&] { return label(w, "lblCuenta") == u"63 guías"_s; }, soon));
    EXPECT_EQ(figures(), u"62 1"_s);
    EXPECT_EQ(std::pair(w.guides().selectedNumero(), table.verticalScrollBar()->value()), std::pair(22, 30));
    EXPECT_EQ(table.currentIndex().column(), 3);

    // The other desk closes a guide while a dialog is open here: nothing moves under it, and
    // the window reads the change once the dialog has gone.
    QString whileOpen;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        desk->ExecuteSQLA(u"UPDATE gdVontarelis SET Cerrada = 1 WHERE id = 22"_s, {});
        QTest::qWait(marbelisto::DatabaseWatcher::PollInterval + 500);
        whileOpen = figures();
        dialog->close();
    });
    w.findChild<QAction *>("actTiposVehiculo")->trigger();
    EXPECT_EQ(whileOpen, u"62 1"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] { return figures() == u"61 2"_s; }, soon)) << figures().toStdString();
    EXPECT_EQ(w.guides().selectedNumero(), 22);
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(MainWindowTest, WhileTheServerIsOutOfReachTheStatusBarSaysSoAndTheWindowFollowsAgainOnceItIsBack)
{
    if (!host.databaseSource().isServer())
        GTEST_SKIP() << "an embedded SQLite file cannot go away";
    marbelisto::MainWindow &w = open();
    const auto desk = host.openSecondConnection();
    const QVariant session = host.scalar(u"SELECT pg_backend_pid()"_s);
    // Connections to the test's database are refused from another database, as a restarting
    // server refuses them.
    const auto server = marbelisto::PostgresUrl::parse(testsupport::TestDatabase::serverAddress());
    const QString database = marbelisto::PostgresUrl::parse(host.databaseSource().address()).databaseName();
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(u"QPSQL"_s, u"outage"_s);
        admin.setHostName(server.host());
        admin.setPort(server.port());
        admin.setUserName(server.user());
        admin.setDatabaseName(server.databaseName());
        ASSERT_TRUE(admin.open()) << admin.lastError().text().toStdString();
    }
    const auto admin = [](const QString &sql) {
        QSqlQuery query(QSqlDatabase::database(u"outage"_s));
        EXPECT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
    };
    const auto *outage = w.findChild<QLabel *>("stbConexion");
    ASSERT_NE(outage, nullptr);
    EXPECT_TRUE(outage->isHidden());

    admin(u"ALTER DATABASE %1 ALLOW_CONNECTIONS false"_s.arg(database));
    admin(u"SELECT pg_terminate_backend(%1, 10000)"_s.arg(session.toInt()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !outage->isHidden(); }, 3 * marbelisto::DatabaseWatcher::PollInterval));
    EXPECT_EQ(outage->text(), u"Sin conexión con el servidor"_s);
    admin(u"ALTER DATABASE %1 ALLOW_CONNECTIONS true"_s.arg(database));
    EXPECT_TRUE(QTest::qWaitFor([&] { return outage->isHidden(); }, 3 * marbelisto::DatabaseWatcher::PollInterval));

    // The new session listens as the old one did.
    addGuide(*desk);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list().rowCount() == 3; }, 1000));
    EXPECT_TRUE(utilities->errors.empty());
    EXPECT_TRUE(utilities->messages.empty());
    QSqlDatabase::removeDatabase(u"outage"_s);
}

TEST(ActivatorLoader, ReleaseDeletesTheComponentsDialogsWhileTheApplicationLivesAndALaterLoadStartsAfresh)
{
    TestHost host;
    testsupport::ScriptedCommonUtilitiesScope utilities;
    const QStringList folders = marbelisto::ActivatorLoader::searchPath();
    ASSERT_GE(folders.size(), 3);
    EXPECT_EQ(folders.first(), QDir(qEnvironmentVariable(marbelisto::ActivatorLoader::DirectoryVariable)).absolutePath())
        << "the environment's folder comes first";

    marbelisto::ActivatorLoader::load().Go(host.framework());
    ASSERT_EQ(utilities->shownForms.size(), 1u);
    const QPointer<QDialog> kept(utilities->shownForms.front());
    ASSERT_FALSE(kept.isNull());
    marbelisto::ActivatorLoader::release();
    EXPECT_TRUE(kept.isNull()) << "the dialog the component kept went with its instance";

    marbelisto::ActivatorLoader::load().Go(host.framework());
    ASSERT_EQ(utilities->shownForms.size(), 2u);
    EXPECT_NE(utilities->shownForms.back(), nullptr);
    marbelisto::ActivatorLoader::release();
}
