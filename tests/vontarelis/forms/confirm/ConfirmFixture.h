#pragma once

#include "support/FaultyFramework.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/ScriptedInputBox.h"
#include "support/TestHost.h"
#include "toolkit/FlexGrid.h"
#include "toolkit/NumericBox.h"
#include "toolkit/VariantConvert.h"
#include "toolkit/WindowInput.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/forms/confirm/frmConfirmarBruvelos.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace confirmtest {

// The test host's framework with the input box answered from a script; it can also fail the
// Nth statement.
class ScriptedFramework : public testsupport::FaultyFramework
{
public:
    using FaultyFramework::FaultyFramework;
    std::shared_ptr<host::IInputBox> InputBoxEx() override { return inputBox; }

    std::shared_ptr<testsupport::ScriptedInputBox> inputBox = std::make_shared<testsupport::ScriptedInputBox>();
};

// Company rate 4 and three different masks, so that a mask taken for another shows. The guide
// of 15-03-2024 for salesperson V01 carries stored totals (1,120 value, 77.5 kg, 9 invoices)
// that no grid adds up to, so labels computed from the grid cannot pass for them.
class ConfirmFixture : public ::testing::Test
{
protected:
    ConfirmFixture()
    {
        host.setCompany(4.0, "#,##0.00", "#,##0.000", "#,##0.0");
        host.addVendedor("C01", "Pedro Pérez", true);
        host.addVendedor("V01", "Ana Rojas");
        host.addVendedor("V02", "Luis Mora");
        host.addZona("Z1", "Centro");
        host.addCliente("CL1", "Comercial Uno", "Z1", "V01");
        host.addCliente("CL3", "Bodega Tres", "Z1", "V02");
        host.addItem("IT1", "Harina precocida", 2.5);
        host.addItem("IT3", "Tornillo especial", 1.0);
        vehiculo = host.addVehiculo(host.addTipoVehiculo("Camión 350"), "AB123CD");
    }
    ~ConfirmFixture() override
    {
        EXPECT_EQ(framework.inputBox->pendingAnswers(), 0u) << "references queued that were never asked for";
        form.reset();
        vontarelis::gHost = nullptr;
        vontarelis::gEmpresa.reset();
        vontarelis::gTemaUI.reset();
    }

    // An invoice of customer CL1 (salesperson V01) that moved `units` of IT1 (2.5 kg each).
    qint32 factura(const QString &serie, qint32 correlativo, const QDate &fecha, double neto, double iva,
                   double rate = 1.0, double units = 1.0, const QString &cliente = "CL1")
    {
        const qint32 numero =
            host.addFactura(serie, correlativo, cliente, "Comercial Uno, C.A.", neto, iva, rate, QDateTime(fecha, QTime(9, 30)));
        host.addMovimiento(numero, "IT1", units);
        return numero;
    }

    // Linked first, then closed: a closed guide takes no more links.
    qint32 guia(const QList<qint32> &facturas, bool cerrada = false, const QString &vendedor = "V01")
    {
        host.exec("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, totalPrecioVenta, "
                  "totalIVA, vendedor, zona) VALUES ('C01', ?, ?, 'OPERADOR', 9, 77.5, 1000, 120, ?, 'Z1')",
                  {vehiculo, QDate(2024, 3, 15).startOfDay(), vendedor});
        const qint32 id = host.scalar("SELECT MAX(id) FROM gdVontarelis").toInt();
        for (const qint32 numero : facturas)
            host.exec("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)", {id, numero});
        if (cerrada)
            host.exec("UPDATE gdVontarelis SET Cerrada = 1 WHERE id = ?", {id});
        return id;
    }

    // Five invoices listed oldest first, ties by number, B-315, A-4.
    // show the conversions (rate 2, and rate 0 read with the company's 4); A-4 alone moved IT3.
    qint32 fiveInvoiceGuide()
    {
        facturas = {factura("A", 1, QDate(2024, 3, 12), 100, 12, 2.0, 2), factura("A", 2, QDate(2024, 3, 10), 100, 12, 0.0, 4),
                    factura("B", 315, QDate(2024, 3, 12), 200, 24), factura("A", 4, QDate(2024, 3, 14), 50, 6),
                    factura("A", 5, QDate(2024, 3, 11), 10, 1.2)};
        host.addMovimiento(facturas[3], "IT3", 7);
        return guia(facturas);
    }

    // The reasons a site keeps for returns, in the order the review offers them.
    const QStringList Motivos{"Cliente cerrado", "Rechazado por el cliente", "Sin dinero para pagar", "Mercancía dañada",
                              "Falta de tiempo", "Dirección errada"};
    void addMotivos()
    {
        // Not in alphabetical order: the review offers them in the order of their codes.
        for (qsizetype i = 0; i < Motivos.size(); ++i)
            host.ownerExec("INSERT INTO MotivosDevolucion (codigo, descripcion) VALUES (?, ?)", {qint32(i + 1), Motivos[i]});
    }
    // "numero|motivo" of each invoice the guide's reviews returned, by number.
    QStringList returns(qint32 guide)
    {
        QStringList texts;
        for (auto rs = host.framework().OpenRecordsetA(
                 "SELECT NumeroFactura, motivo FROM gdDevolucionesGuia WHERE idGuia = ? ORDER BY NumeroFactura", {guide});
             !rs->Eof(); rs->MoveNext())
            texts << QString::number(rs->Fields(0).toInt()) + u'|' + rs->Fields(1).toString();
        return texts;
    }

    // The dialog over the scripted framework (or another), shown.
    void open() { open(framework); }
    void open(host::IFramework &f)
    {
        vontarelis::InitHostContext(f);
        form = std::make_unique<vontarelis::frmConfirmarBruvelos>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        T *widget = form->findChild<T *>(name);
        EXPECT_TRUE(widget) << name;
        return widget;
    }
    toolkit::FlexGrid &grid() const { return *find<toolkit::FlexGrid>("detalles"); }
    QWidget *focus() const { return QApplication::focusWidget(); }

    // Clicks into the number field, types the number over what it holds, and tabs out.
    void enterGuide(qint32 numero)
    {
        auto *numGuia = find<toolkit::NumericBox>("numGuia");
        testinput::click(numGuia);
        QTest::keyClick(numGuia, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(numGuia, QString::number(numero));
        QTest::keyClick(numGuia, Qt::Key_Tab);
    }
    void click(const char *name) { testinput::click(find(name)); }
    void clickRow(int row)
    {
        testinput::click(grid().viewport(), grid().visualRect(grid().model()->index(row - grid().FixedRows(), 0)).center());
    }

    // The visible columns and the hidden ones of a row, as the grid holds them.
    QStringList row(int r) const
    {
        QStringList texts;
        for (int col = 0; col < 9; ++col)
            texts << grid().TextMatrix(r, col);
        return texts;
    }
    QStringList column(int col) const
    {
        QStringList texts;
        for (int r = 1; r < grid().Rows(); ++r)
            texts << grid().TextMatrix(r, col);
        return texts;
    }
    QStringList marks() const { return column(4); }
    QStringList references() const { return column(0); }
    QStringList labels(std::initializer_list<const char *> names) const
    {
        QStringList texts;
        for (const char *name : names)
            texts << find<QLabel>(name)->text();
        return texts;
    }
    QStringList totals() const { return labels({"lblValorSel", "lblPesoSel", "lblqFacturas"}); }
    QStringList header() const
    {
        return labels({"lblFechaDespacho", "lblTipoVehiculo", "lblPlacas", "lblNombreConductor", "lblNombreVendedor"});
    }
    // Everything a user sees of the guide on screen.
    QStringList screen() const
    {
        return header() + totals() + marks() + references()
               + QStringList{find<QLineEdit>("numGuia")->text(), QString::number(find<QCheckBox>("chkCerrarGuia")->isChecked())};
    }

    // Processed or cancelled: nothing of the guide left, the number field 0 again and focused.
    void expectEmptied()
    {
        EXPECT_EQ(header() + totals(), QStringList(8));
        EXPECT_TRUE((marks() + references()).join(QString()).isEmpty());
        EXPECT_EQ(find<toolkit::NumericBox>("numGuia")->value(), 0.0);
        EXPECT_FALSE(find<QCheckBox>("chkCerrarGuia")->isChecked());
        EXPECT_EQ(focus(), find("numGuia"));
    }

    QList<qint32> links(qint32 guide)
    {
        QList<qint32> numbers;
        for (auto rs = host.framework().OpenRecordsetA(
                 "SELECT NumeroFactura FROM gdFacturasGuia WHERE idGuia = ? ORDER BY NumeroFactura", {guide});
             !rs->Eof(); rs->MoveNext())
            numbers << rs->Fields(0).toInt();
        return numbers;
    }
    // The closed flag and the figures recorded at registration.
    QString stored(qint32 guide)
    {
        return columns(guide, "Cerrada, facturas, totalPeso, totalPrecioVenta, totalIVA");
    }
    // The figures of the last review, "|||" before any.
    QString dispatched(qint32 guide)
    {
        return columns(guide, "facturasDespacho, totalPesoDespacho, totalPrecioVentaDespacho, totalIVADespacho");
    }
    QString columns(qint32 guide, const QString &names)
    {
        const auto rs = host.framework().OpenRecordsetA("SELECT " + names + " FROM gdVontarelis WHERE id = ?", {guide});
        QStringList values;
        for (int i = 0; i < rs->FieldCount(); ++i)
            values << (toolkit::isNull(rs->Fields(i)) ? QString() : toolkit::toText(rs->Fields(i)));
        return values.join(u'|');
    }

    testsupport::ScriptedCommonUtilitiesScope utilities;
    testsupport::TestHost host;
    ScriptedFramework framework{host.framework()};
    std::unique_ptr<vontarelis::frmConfirmarBruvelos> form;
    qint32 vehiculo = 0;
    QList<qint32> facturas;
};

} // namespace confirmtest
