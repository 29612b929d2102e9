#include "marbelisto/app/ActivatorLoader.h"
#include "marbelisto/app/MainWindow.h"
#include "marbelisto/ui/GuideListModel.h"
#include "marbelisto/ui/GuideListPanel.h"
#include "marbelisto/ui/GuideTableView.h"

#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"
#include "toolkit/Error.h"
#include "vontarelis/entry/Activator.h"
#include "vontarelis/model/GuiaDespacho.h"

#include <QComboBox>
#include <QDir>
#include <QPointer>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using testsupport::TestHost;

namespace {

struct Print
{
    qint32 numero;
    bool autoPrint;
};

// The real guide, except that printing is written down instead of done.
class RecordedGuide : public vontarelis::GuiaDespacho
{
public:
    explicit RecordedGuide(std::vector<Print> &prints) : m_prints(prints) {}
    void ViewPrint(bool AutoPrint) override { m_prints.push_back({id(), AutoPrint}); }

private:
    std::vector<Print> &m_prints;
};

// The component's own entry class over stand-in dialogs: the scripted ShowForm does the work a
// user would do in them.
class TestActivator : public vontarelis::Activator
{
public:
    explicit TestActivator(vontarelis::FormFactory forms = standIns()) : vontarelis::Activator(std::move(forms)) {}

    std::unique_ptr<host::IGuiaDespacho> GetGuiaDespacho(host::IFramework &f) override
    {
        vontarelis::Activator::GetGuiaDespacho(f);
        return std::make_unique<RecordedGuide>(prints);
    }

    static vontarelis::FormFactory standIns()
    {
        const auto dialog = [](const QString &name) {
            return [name] {
                auto form = std::make_unique<QDialog>();
                form->setObjectName(name);
                return form;
            };
        };
        return {dialog(QStringLiteral("frmSelectFacturas")), dialog(QStringLiteral("frmConfirmarBruvelos"))};
    }

    std::vector<Print> prints;
};

void addGuide(TestHost &host, const QString &driver, bool closed = false)
{
    host.exec(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                             "totalPrecioVenta, totalIVA, vendedor, zona, Cerrada) "
                             "VALUES (?, 1, ?, 'OP', 1, 10, 100, 16, '', '', ?)"),
              {driver, QDate(2024, 3, 1).startOfDay(), closed});
}

QString figure(const marbelisto::MainWindow &window, const char *label)
{
    const auto *value = window.findChild<QLabel *>(QString::fromUtf8(label));
    return value ? value->text() : QStringLiteral("(missing)");
}

QString labelText(const QWidget &window, const char *name)
{
    const auto *label = window.findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("(missing)");
}

// Types text into the host's input box as soon as it opens, and accepts it.
void answerInputBox(const QString &text)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, text] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        box->setTextValue(text);
        box->accept();
        timer->deleteLater();
    });
    timer->start();
}

class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest()
    {
        host.addVendedor(QStringLiteral("C01"), QStringLiteral("Pedro Pérez"), true);
        host.addVehiculo(host.addTipoVehiculo(QStringLiteral("Camión")), QStringLiteral("A45BK2R"));
        addGuide(host, QStringLiteral("C01"));
        addGuide(host, QStringLiteral("C01"), true);
    }

    marbelisto::MainWindow &open(marbelisto::DispatchActions::ActivatorSource source)
    {
        window = std::make_unique<marbelisto::MainWindow>(host.framework(), std::move(source), QDate(2024, 3, 1));
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    marbelisto::MainWindow &open() { return open([this]() -> host::IActivator & { return activator; }); }

    marbelisto::GuideListModel &list() const { return window->guides().model(); }

    TestHost host;
    testsupport::ScriptedCommonUtilitiesScope utilities;
    TestActivator activator;
    std::unique_ptr<marbelisto::MainWindow> window;
};

} // namespace

TEST_F(MainWindowTest, TheDispatchMenuReachesTheComponentAndTheWindowFollowsWhatTheDialogsDid)
{
    marbelisto::MainWindow &w = open();
    EXPECT_EQ(w.menuDespacho()->title().remove(u'&'), QStringLiteral("Despacho"));
    EXPECT_TRUE(w.menuBar()->actions().contains(w.menuDespacho()->menuAction()));
    QStringList entries;
    for (const QAction *action : w.menuDespacho()->actions()) {
        if (!action->isSeparator())
            entries.append(action->text().remove(u'&') + u' ' + action->shortcut().toString());
    }
    EXPECT_EQ(entries, QStringList({QStringLiteral("Nueva guía de despacho… Ctrl+N"),
                                    QStringLiteral("Revisar / cerrar guías… Ctrl+R"),
                                    QStringLiteral("Imprimir guía… Ctrl+P"),
                                    QStringLiteral("Tipos de vehículo… Ctrl+T")}));
    EXPECT_EQ(labelText(w, "lblEmpresa"), QStringLiteral("Distribuidora de Prueba, C.A."));
    EXPECT_EQ(labelText(w, "stbEmpresa"), QStringLiteral("Empresa: Distribuidora de Prueba, C.A."));
    EXPECT_EQ(labelText(w, "stbUsuario"), QStringLiteral("Usuario: OPERADOR"));
    EXPECT_TRUE(labelText(w, "stbBaseDatos").endsWith(QStringLiteral("marbelisto.db")));
    EXPECT_EQ(list().rowCount(), 2);
    EXPECT_EQ(labelText(w, "lblCuenta"), QStringLiteral("2 guías"));
    EXPECT_EQ(figure(w, "Guías abiertas") + u' ' + figure(w, "Guías cerradas"), QStringLiteral("1 1"));

    // The creation dialog registers a guide: the list and the figures show it once it closes.
    utilities->onShowForm = [&](std::unique_ptr<QDialog> &form) {
        EXPECT_EQ(form->objectName(), QStringLiteral("frmSelectFacturas"));
        EXPECT_EQ(list().rowCount(), 2) << "nothing is read while the dialog is open";
        addGuide(host, QStringLiteral("C01"));
    };
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(utilities->shownForms.size(), 1u);
    EXPECT_EQ(list().rowCount(), 3);
    EXPECT_EQ(list().numero(0), 3);
    EXPECT_EQ(labelText(w, "lblCuenta"), QStringLiteral("3 guías"));
    EXPECT_EQ(figure(w, "Guías abiertas"), QStringLiteral("2"));

    // The review closes a guide.
    utilities->onShowForm = [&](std::unique_ptr<QDialog> &form) {
        EXPECT_EQ(form->objectName(), QStringLiteral("frmConfirmarBruvelos"));
        host.exec(QStringLiteral("UPDATE gdVontarelis SET Cerrada = 1 WHERE id = 3"));
    };
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(utilities->shownForms.size(), 2u);
    EXPECT_EQ(list().data(list().index(0, marbelisto::GuideListQuery::Estado)).toString(), QStringLiteral("Cerrada"));
    EXPECT_EQ(figure(w, "Guías abiertas") + u' ' + figure(w, "Guías cerradas"), QStringLiteral("1 2"));

    // The filter shows the open guides only.
    auto *state = w.findChild<QComboBox *>(QStringLiteral("cboEstado"));
    ASSERT_NE(state, nullptr);
    state->setCurrentIndex(state->findText(QStringLiteral("Abiertas")));
    ASSERT_EQ(list().rowCount(), 1);
    EXPECT_EQ(list().numero(0), 1);
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(MainWindowTest, AGuideIsPrintedAgainFromTheListOrByItsNumber)
{
    marbelisto::MainWindow &w = open();
    marbelisto::GuideTableView &table = w.guides().table();
    const QRect second = table.visualRect(list().index(1, 2));
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_EQ(activator.prints.size(), 1u) << "one double click, one print";
    EXPECT_EQ(activator.prints[0].numero, 1);
    EXPECT_FALSE(activator.prints[0].autoPrint);

    table.setCurrentIndex(list().index(0, 0));
    QTest::keyClick(&table, Qt::Key_Return);
    ASSERT_EQ(activator.prints.size(), 2u);
    EXPECT_EQ(activator.prints[1].numero, 2);

    answerInputBox(QStringLiteral(" 1 "));
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(activator.prints.size(), 3u);
    EXPECT_EQ(activator.prints[2].numero, 1);

    // A number no guide has, and a text that is no number, are told, and nothing prints.
    answerInputBox(QStringLiteral("999"));
    w.dispatch().print()->trigger();
    answerInputBox(QStringLiteral("doce"));
    w.dispatch().print()->trigger();
    EXPECT_EQ(activator.prints.size(), 3u);
    EXPECT_EQ(utilities->messages, QStringList({QStringLiteral("No existe la guía de despacho número 999"),
                                                QStringLiteral("«doce» no es un número de guía de despacho")}));
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(MainWindowTest, AnErrorFromTheComponentIsReportedAndTheWindowGoesOn)
{
    // The component's real factory, while a dialog is not available, raises from Go.
    vontarelis::Activator unfinished;
    bool missing = false;
    marbelisto::MainWindow &w = open([&]() -> host::IActivator & {
        if (missing)
            throw toolkit::Error(toolkit::ErrCannotCreateObject, QStringLiteral("No se encontró el componente"),
                                 QStringLiteral("marbelisto"));
        return unfinished;
    });
    utilities->onShowForm = [](std::unique_ptr<QDialog> &) {
        throw toolkit::Error(toolkit::ErrDatabase, QStringLiteral("disco lleno"), QStringLiteral("frmSelectFacturas"));
    };
    w.dispatch().newGuide()->trigger();
    missing = true;
    w.dispatch().review()->trigger();
    w.dispatch().printGuide(1);

    ASSERT_EQ(utilities->errors.size(), 3u);
    EXPECT_EQ(utilities->errors[0].description, QStringLiteral("disco lleno"));
    EXPECT_EQ(utilities->errors[0].source, QStringLiteral("frmSelectFacturas"));
    EXPECT_EQ(utilities->errors[1].number, toolkit::ErrCannotCreateObject);
    EXPECT_EQ(utilities->errors[1].description, QStringLiteral("No se encontró el componente"));
    EXPECT_EQ(utilities->errors[2].description, QStringLiteral("No se encontró el componente"));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(list().rowCount(), 2) << "the list is read again after a failed call as well";
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
