#include "toolkit/CheckBox.h"
#include "toolkit/CodeLookupBox.h"
#include "toolkit/DropDownList.h"
#include "toolkit/Error.h"
#include "toolkit/FocusValidator.h"
#include "toolkit/KeyPreview.h"
#include "toolkit/LookupDialog.h"
#include "toolkit/NumericBox.h"
#include "toolkit/StatusBar.h"
#include "toolkit/WindowInput.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct SalespeopleSource : toolkit::ILookupSource
{
    QList<toolkit::LookupEntry> LookupEntries(const QString &table, const QString &code, const QString &name) override
    {
        asked << QStringList{table, code, name}.join(QLatin1Char(','));
        return {{"AB12", "Ana Belén Mármol"}, {"CD34", "Carlos Díaz"}, {"MAR1", "Pedro Pérez"},
                {"XY99", "Marta Ruiz"}};
    }
    QStringList asked;
};

// Runs `drive` on the lookup list as soon as it is shown modally.
void whenListOpens(std::function<void(toolkit::LookupDialog &)> drive)
{
    QTimer::singleShot(0, [drive] {
        auto *list = qobject_cast<toolkit::LookupDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(list, nullptr) << "no lookup list is open";
        drive(*list);
        if (list->isVisible()) {
            ADD_FAILURE() << "the lookup list is still open";
            list->reject();
        }
    });
}

// A shown dialog with a salesperson code box and a plain field to leave it for.
struct LookupForm
{
    LookupForm()
    {
        auto *layout = new QVBoxLayout(dialog.get());
        layout->addWidget(conductor);
        layout->addWidget(other);
        conductor->configure(source, QStringLiteral("Codigo"), QStringLiteral("Nombre"), QStringLiteral("Vendedores"),
                             QStringLiteral("Vendedor"));
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    std::unique_ptr<QDialog> dialog = std::make_unique<QDialog>();
    toolkit::CodeLookupBox *conductor = new toolkit::CodeLookupBox(dialog.get());
    QLineEdit *other = new QLineEdit(dialog.get());
    std::shared_ptr<SalespeopleSource> source = std::make_shared<SalespeopleSource>();
};

} // namespace

TEST(ControlsTest, CodeLookupBoxListOpensOnItsCodeFiltersAsYouTypeAndPutsTheChosenCodeInTheBox)
{
    LookupForm form;
    toolkit::FocusValidator validator(form.dialog.get());
    int entries = 0;
    validator.setEnterHandler(form.conductor, [&] {
        ++entries;
        form.conductor->setText(form.conductor->tag());
    });
    form.conductor->setTag(QStringLiteral("AB12"));
    form.conductor->setText(QStringLiteral("Ana Belén Mármol"));
    form.other->setFocus();

    QString preselected;
    whenListOpens([&](toolkit::LookupDialog &list) {
        auto *view = list.findChild<QTableView *>(QStringLiteral("lista"));
        preselected = view->currentIndex().data().toString();
        const QPoint cd34 = view->visualRect(view->model()->index(1, 1)).center();
        QTest::mouseDClick(list.windowHandle(), Qt::LeftButton, {}, testinput::windowPoint(view->viewport(), cd34));
    });
    auto *button = form.conductor->findChild<QToolButton *>();
    ASSERT_NE(button, nullptr);
    testinput::click(button);
    EXPECT_EQ(preselected, QStringLiteral("AB12")) << "the list opens on the code the box holds";
    EXPECT_EQ(form.conductor->text().toStdString(), "CD34") << "the enter handler does not undo the choice";
    EXPECT_EQ(entries, 1);
    EXPECT_EQ(form.dialog->focusWidget(), form.conductor);
    EXPECT_EQ(form.source->asked, QStringList{QStringLiteral("Vendedores,Codigo,Nombre")});

    QString title;
    int allRows = 0;
    int filteredRows = 0;
    whenListOpens([&](toolkit::LookupDialog &list) {
        const auto visibleRows = [&] { return list.findChild<QTableView *>("lista")->model()->rowCount(); };
        title = list.windowTitle();
        allRows = visibleRows();
        auto *filter = list.findChild<QLineEdit *>(QStringLiteral("filtro"));
        QTest::keyClicks(filter, QStringLiteral("MAR"));
        filteredRows = visibleRows();
        QTest::keyClick(filter, Qt::Key_Down);
        QTest::keyClick(filter, Qt::Key_Return);
    });
    QTest::keyClick(form.conductor, Qt::Key_F2);
    EXPECT_EQ(title, QStringLiteral("Vendedor"));
    EXPECT_EQ(allRows, 4);
    EXPECT_EQ(filteredRows, 2) << "code or name in any case: MAR1 by its code, Marta Ruiz by her name";
    EXPECT_EQ(form.conductor->text().toStdString(), "XY99") << "Down moved from the first match to the second";
    EXPECT_EQ(form.conductor->tag().toStdString(), "AB12") << "the stored code is the form's to set";

    whenListOpens([](toolkit::LookupDialog &list) { QTest::keyClick(&list, Qt::Key_Escape); });
    QTest::keyClick(form.conductor, Qt::Key_F2);
    EXPECT_EQ(form.conductor->text().toStdString(), "XY99") << "a cancelled list changes nothing";
}

TEST(ControlsTest, AFailingListEnterOrKeyHandlerReachesTheErrorHandlerAndNeverTheEventLoop)
{
    struct UnreachableSource : toolkit::ILookupSource
    {
        QList<toolkit::LookupEntry> LookupEntries(const QString &, const QString &, const QString &) override
        {
            throw toolkit::Error(toolkit::ErrDatabase, QStringLiteral("Se perdió la conexión"));
        }
    };
    LookupForm form;
    form.conductor->configure(std::make_shared<UnreachableSource>(), QStringLiteral("Codigo"), QStringLiteral("Nombre"),
                              QStringLiteral("Vendedores"), QStringLiteral("Vendedor"));
    QStringList errors;
    const auto record = [&](const std::exception &error) { errors << QString::fromStdString(error.what()); };
    form.conductor->setErrorHandler(record);
    form.conductor->setText(QStringLiteral("AB"));

    QTest::keyClick(form.conductor, Qt::Key_F2);
    testinput::click(form.conductor->findChild<QToolButton *>());
    EXPECT_EQ(errors, QStringList(2, QStringLiteral("Se perdió la conexión")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no list opened";
    EXPECT_EQ(form.conductor->text(), QStringLiteral("AB"));
    EXPECT_THROW(form.conductor->openList(), toolkit::Error) << "a call from code hears the error itself";

    // An enter handler that throws anything at all: the focus still arrives, the handler hears of it.
    toolkit::FocusValidator validator(form.dialog.get());
    validator.setErrorHandler(record);
    validator.setEnterHandler(form.other, [] { throw 42; });
    testinput::click(form.other);
    EXPECT_TRUE(form.other->hasFocus());
    ASSERT_EQ(errors.size(), 3);
    EXPECT_EQ(errors.last(), QStringLiteral("Error desconocido"));
    QTest::keyClicks(form.other, QStringLiteral("ok"));
    EXPECT_EQ(form.other->text(), QStringLiteral("ok"));

    // A key handler that fails lets its key go on unchanged.
    auto *preview = new toolkit::KeyPreview(form.dialog.get(), [](qint16 &keyAscii, QWidget *) {
        if (keyAscii == '!')
            throw toolkit::Error(toolkit::ErrOverflow, QStringLiteral("Desbordamiento"));
        keyAscii = 0;
    });
    preview->setErrorHandler(record);
    QTest::keyClicks(form.other, QStringLiteral("x!"));
    EXPECT_EQ(form.other->text(), QStringLiteral("ok!")) << "the handler swallowed x, its error let ! through";
    EXPECT_EQ(errors.last(), QStringLiteral("Desbordamiento"));
}

TEST(ControlsTest, NumericBoxDropDownListCheckBoxAndStatusBar)
{
    LookupForm form;
    auto *numGuia = new toolkit::NumericBox(form.dialog.get());
    auto *chkFiltrarZona = new toolkit::CheckBox(QStringLiteral("Filtrar facturas por zona"), form.dialog.get());
    form.dialog->layout()->addWidget(numGuia);
    form.dialog->layout()->addWidget(chkFiltrarZona);
    QCoreApplication::processEvents();
    // A numeric box shows its format, and the bare number while it is edited.
    numGuia->setFormat(QStringLiteral("0000000"));
    EXPECT_EQ(numGuia->text(), QStringLiteral("0000000"));
    numGuia->setValue(42);
    EXPECT_EQ(numGuia->text(), QStringLiteral("0000042"));
    numGuia->setFocus();
    EXPECT_EQ(numGuia->text(), QStringLiteral("42"));
    numGuia->selectAll();
    QTest::keyClicks(numGuia, QStringLiteral("1x2a3"));
    EXPECT_EQ(std::pair(numGuia->text(), numGuia->value()), std::pair(QStringLiteral("123"), 123.0))
        << "letters are refused, the value follows the typing";
    form.other->setFocus();
    EXPECT_EQ(numGuia->text(), QStringLiteral("0000123"));
    // Text put in from outside, as a grid editor does, is what the box holds, empty included.
    numGuia->setText(QStringLiteral("77"));
    EXPECT_EQ(numGuia->value(), 77.0);
    numGuia->setText(QString());
    numGuia->setFocus();
    EXPECT_EQ(numGuia->text(), QString());
    toolkit::NumericBox anho;
    anho.setFormat(QStringLiteral("####"));
    anho.setValue(0);
    EXPECT_EQ(anho.text(), QString()) << "#### shows nothing for 0";
    anho.setValue(1940);
    anho.setFormat(QStringLiteral("#,##0.00"));
    EXPECT_EQ(std::pair(anho.text(), anho.value()), std::pair(QStringLiteral("1,940.00"), 1940.0));

    toolkit::DropDownList cbTipoVehiculo;
    cbTipoVehiculo.AddItem(QStringLiteral("CAMION"), 3);
    cbTipoVehiculo.AddItem(QStringLiteral("FURGON"), 7);
    EXPECT_EQ(std::pair(cbTipoVehiculo.ListIndex(), cbTipoVehiculo.Text()), std::pair(-1, QString()))
        << "adding items selects none";
    EXPECT_TRUE(cbTipoVehiculo.selectItemData(7));
    cbTipoVehiculo.AddItem(QStringLiteral("AUTOBUS"), 9);
    EXPECT_EQ(std::pair(cbTipoVehiculo.ListIndex(), cbTipoVehiculo.Text()), std::pair(1, QStringLiteral("FURGON")));
    EXPECT_FALSE(cbTipoVehiculo.selectItemData(42));
    EXPECT_EQ(cbTipoVehiculo.ListIndex(), -1);
    cbTipoVehiculo.setListIndex(0);
    cbTipoVehiculo.setListIndex(-1);
    EXPECT_EQ(cbTipoVehiculo.Text(), QString());
    EXPECT_THROW(cbTipoVehiculo.setListIndex(3), toolkit::Error);
    EXPECT_THROW(cbTipoVehiculo.ItemData(-1), toolkit::Error);

    EXPECT_EQ(chkFiltrarZona->Value(), 0);
    testinput::click(chkFiltrarZona);
    EXPECT_EQ(chkFiltrarZona->Value(), 1);
    chkFiltrarZona->setValue(0);
    EXPECT_FALSE(chkFiltrarZona->isChecked());

    toolkit::StatusBar status;
    EXPECT_EQ(status.PanelCount(), 1);
    EXPECT_THROW(status.Panels(0), toolkit::Error) << "panels count from 1";
    EXPECT_THROW(status.Panels(2), toolkit::Error);
}
