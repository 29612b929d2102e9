#pragma once

#include "support/FaultyFramework.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"
#include "toolkit/CodeLookupBox.h"
#include "toolkit/FlexGrid.h"
#include "toolkit/StatusBar.h"
#include "toolkit/WindowInput.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/forms/select/frmSelectFacturas.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace selecttest {

// The guide-creation dialog, shown offscreen over a real book and driven with the keyboard and
// with clicks through its window. The book holds four invoices that may travel, oldest first:
//   A-000009  Comercial Este  zone 02, V02  1000 + 160 at rate 1   0 kg
//   A-000001  Bodega Centro   zone 01, V01   100 +  16 at rate 1  10 kg
//   A-000002  Comercial Este  zone 02, V02   200 +  32 at rate 2   2.5 kg
//   B-000007  Abasto Norte    zone 01, V02    40 + 6.4 at rate 0 (company rate 4)
// and three that never do: one of a missing customer, one dispatched, one already on guide 1.
// Drivers C01 and AB12; vehicle types Camión and Furgoneta; vehicle ABC1234 (a Camión).
class SelectDialogTest : public ::testing::Test
{
protected:
    SelectDialogTest()
    {
        const auto day = [](int month, int dayOfMonth) { return QDateTime(QDate(2024, month, dayOfMonth), QTime(9, 30)); };
        host.setCompany(4.0);
        host.addZona("01", "Centro");
        host.addZona("02", "Este");
        host.addVendedor("C01", "Carlos Ruiz", true);
        host.addVendedor("AB12", "Pedro Antonio Páez Villalobos", true);
        host.addVendedor("V01", "Ana Pérez");
        host.addVendedor("V02", "Luis Alberto Gómez Quintero");
        host.addCliente("CL1", "Bodega Centro", "01", "V01");
        host.addCliente("CL2", "Comercial Este", "02", "V02");
        host.addCliente("CL3", "Abasto Norte", "01", "V02");
        host.addItem("IT1", "Saco de harina", 2.5);
        const qint32 a1 = host.addFactura("A", 1, "CL1", "Bodega Centro", 100.0, 16.0, 1.0, day(3, 1));
        const qint32 a2 = host.addFactura("A", 2, "CL2", "Comercial Este", 200.0, 32.0, 2.0, day(3, 2));
        const qint32 b7 = host.addFactura("B", 7, "CL3", "Abasto Norte", 40.0, 6.4, 0.0, day(3, 3));
        host.addFactura("A", 3, "CLX", "Cliente Borrado", 10.0, 1.6, 1.0, day(3, 1));
        host.addFactura("A", 4, "CL1", "Bodega Centro", 10.0, 1.6, 1.0, day(3, 1), true);
        const qint32 a5 = host.addFactura("A", 5, "CL1", "Bodega Centro", 10.0, 1.6, 1.0, day(3, 1));
        const qint32 a9 = host.addFactura("A", 9, "CL2", "Comercial Este", 1000.0, 160.0, 1.0, day(2, 28));
        host.addMovimiento(a1, "IT1", 4.0);
        host.addMovimiento(a2, "IT1", 2.0, 1.0);
        host.exec("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, totalPrecioVenta, "
                  "totalIVA, vendedor, zona) VALUES ('C01', 0, '2024-03-01 00:00:00', 'OPERADOR', 1, 0, 10, 1.6, '', '01')");
        host.exec("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (1, ?)", {a5});
        facturas = {a9, a1, a2, b7};
        camion = host.addTipoVehiculo("Camión");
        furgoneta = host.addTipoVehiculo("Furgoneta");
        vehiculoConocido = host.addVehiculo(camion, "ABC1234", "FORD", "CARGO", "ROJO", "1FDXK84A5KVA12345", "M-1", 2015);
    }
    ~SelectDialogTest() override
    {
        dialog.reset();
        vontarelis::gHost = nullptr;
        vontarelis::gEmpresa.reset();
        vontarelis::gTemaUI.reset();
    }

    // Shows a new dialog over the given host (the test host by default), focus in conductor.
    void open(host::IFramework *framework = nullptr)
    {
        vontarelis::InitHostContext(framework ? *framework : host.framework());
        dialog = std::make_unique<vontarelis::frmSelectFacturas>();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        control("conductor")->setFocus();
        QCoreApplication::processEvents();
    }

    // Prints become PDF files in printer; with faults, the dialog runs over faulty without its
    // refresh timer.
    void openToRegister(bool withFaults = true)
    {
        host.setPrinterFolder(printer.path());
        if (!withFaults)
            return open();
        open(&faulty);
        stopTimer();
    }
    int printed() const { return int(QDir(printer.path()).entryList({"*.pdf"}, QDir::Files).size()); }

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        T *found = dialog->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Fault injection counts statements: the 5-second refresh must not take one.
    void stopTimer()
    {
        auto *timer = control<QTimer>("Timer1");
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(std::pair(timer->interval(), timer->isActive()), std::pair(5000, true));
        timer->stop();
    }
    QWidget *focused() const { return QApplication::focusWidget(); }
    QString hint() const { return control<toolkit::StatusBar>("StatusBar1")->Panels(1)->text(); }

    // Clicks into the text field, replaces its text by typing and leaves it with Tab.
    void fill(const QString &field, const QString &text)
    {
        testinput::click(control(field));
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Delete);
        type(text);
        key(Qt::Key_Tab);
    }
    // Clicks the drop-down list and the item with this text in its popup.
    void pick(const QString &list, const QString &item)
    {
        auto *combo = control<QComboBox>(list);
        testinput::click(combo);
        if (QWidget *popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_Escape);
        if (focused() != combo)
            return;
        key(Qt::Key_Home);
        for (int i = 0; i < combo->findText(item); ++i)
            key(Qt::Key_Down);
    }
    void click(const QString &name, Qt::MouseButton button = Qt::LeftButton) { testinput::click(control(name), button); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(focused(), key, modifiers); }
    void type(const QString &text)
    {
        for (const QChar c : text) {
            // QTest knows keys for Latin-1 only; other letters arrive as a key that only carries its text.
            if (c.unicode() < 0x80 && c.isPrint())
                QTest::keyClick(focused(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    toolkit::FlexGrid &grid() const { return *control<toolkit::FlexGrid>("detalles"); }
    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton)
    {
        toolkit::FlexGrid &g = grid();
        testinput::click(g.viewport(), g.visualRect(g.model()->index(row - g.FixedRows(), 2)).center(), button);
    }
    QStringList column(int col) const
    {
        QStringList texts;
        for (int row = grid().FixedRows(); row < grid().Rows(); ++row)
            texts << grid().TextMatrix(row, col);
        return texts;
    }
    // lblqFacturas, lblPesoSel, lblValorSel.
    QStringList totals() const { return texts<QLabel>({"lblqFacturas", "lblPesoSel", "lblValorSel"}); }
    void load() { click("cbCargarFacturas"); }

    // Every row of a query, every column.
    QList<QVariantList> rows(const QString &sql, const QVariantList &parameters = {})
    {
        QList<QVariantList> result;
        for (auto rs = host.framework().OpenRecordsetA(sql, parameters); !rs->Eof(); rs->MoveNext()) {
            QVariantList row;
            for (int i = 0; i < rs->FieldCount(); ++i)
                row << rs->Fields(i);
            result << row;
        }
        return result;
    }
    // The component's stored guides, links and vehicles, whole.
    QList<QVariantList> stored()
    {
        return rows("SELECT * FROM gdVontarelis ORDER BY id") + rows("SELECT * FROM gdFacturasGuia ORDER BY idGuia, NumeroFactura")
               + rows("SELECT * FROM gdVehiculos ORDER BY id");
    }
    // What the dialog shows: every entry, the stored codes, the ticks and the totals.
    QStringList entries() const
    {
        QStringList shown;
        for (const char *name : {"conductor", "vendedor"})
            shown << control<toolkit::CodeLookupBox>(name)->text() << control<toolkit::CodeLookupBox>(name)->tag();
        shown << texts<QLineEdit>({"placasVehiculo", "serialNIV", "anho", "marca", "modelo", "colorVehiculo"});
        for (const char *name : {"cbTipoVehiculo", "cbZonaDespacho"})
            shown << control<QComboBox>(name)->currentText();
        shown << QString::number(control<QCheckBox>("chkFiltrarZona")->isChecked());
        return shown + column(4) + totals();
    }
    template <typename T>
    QStringList texts(std::initializer_list<const char *> names) const
    {
        QStringList shown;
        for (const char *name : names)
            shown << control<T>(name)->text();
        return shown;
    }

    // The next popup menu of the dialog: the item at index is clicked, or -1 dismisses it.
    void whenMenuShown(int index)
    {
        auto *menu = control<QMenu>("mnuPopup");
        QObject::connect(
            menu, &QMenu::aboutToShow, menu,
            [this, menu, index] {
                ++m_menusShown;
                QTimer::singleShot(0, menu, [menu, index] {
                    EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
                    if (index < 0)
                        QTest::keyClick(menu, Qt::Key_Escape);
                    else
                        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                                          menu->actionGeometry(menu->actions().at(index)).center());
                });
            },
            Qt::SingleShotConnection);
    }
    int menusShown() const { return m_menusShown; }

    // A valid driver, and the known vehicle ABC1234 with its fields left as they are.
    void enterDriverAndKnownVehicle()
    {
        fill("conductor", "C01");
        fill("placasVehiculo", "abc1234");
    }
    // A vehicle that is not registered yet, every field typed, following the tab order.
    void enterNewVehicle(const QString &placa)
    {
        utilities->answer(true);
        fill("placasVehiculo", placa);
        key(Qt::Key_Home);
        key(Qt::Key_Down);
        key(Qt::Key_Tab);
        for (const char *text : {"9bwzzz377vt004251", "2020", "iveco", "daily", "blanco"}) {
            key(Qt::Key_A, Qt::ControlModifier);
            type(text);
            key(Qt::Key_Tab);
        }
    }

    testsupport::ScriptedCommonUtilitiesScope utilities;
    testsupport::TestHost host;
    testsupport::FaultyFramework faulty{host.framework()};
    QTemporaryDir printer;
    std::unique_ptr<vontarelis::frmSelectFacturas> dialog;
    qint32 camion = 0;
    qint32 furgoneta = 0;
    qint32 vehiculoConocido = 0;
    // Invoice numbers in grid order.
    QList<qint32> facturas;

private:
    int m_menusShown = 0;
};

} // namespace selecttest
