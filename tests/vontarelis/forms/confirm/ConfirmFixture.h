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
    static inline const QDate GuideDate = QDate(2024, 3, 15);

    ConfirmFixture()
    {
        host.setCompany(4.0, QStringLiteral("#,##0.00"), QStringLiteral("#,##0.000"), QStringLiteral("#,##0.0"));
        host.addVendedor(QStringLiteral("C01"), QStringLiteral("Pedro Pérez"), true);
        host.addVendedor(QStringLiteral("V01"), QStringLiteral("Ana Rojas"));
        host.addVendedor(QStringLiteral("V02"), QStringLiteral("Luis Mora"));
        host.addZona(QStringLiteral("Z1"), QStringLiteral("Centro"));
        host.addCliente(QStringLiteral("CL1"), QStringLiteral("Comercial Uno"), QStringLiteral("Z1"), QStringLiteral("V01"));
        host.addCliente(QStringLiteral("CL3"), QStringLiteral("Bodega Tres"), QStringLiteral("Z1"), QStringLiteral("V02"));
        host.addItem(QStringLiteral("IT1"), QStringLiteral("Harina precocida"), 2.5);
        host.addItem(QStringLiteral("IT3"), QStringLiteral("Tornillo especial"), 1.0);
        vehiculo = host.addVehiculo(host.addTipoVehiculo(QStringLiteral("Camión 350")), QStringLiteral("AB123CD"));
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
                   double rate = 1.0, double units = 1.0, const QString &cliente = QStringLiteral("CL1"))
    {
        const qint32 numero = host.addFactura(serie, correlativo, cliente, QStringLiteral("Comercial Uno, C.A."), neto,
                                              iva, rate, QDateTime(fecha, QTime(9, 30)));
        host.addMovimiento(numero, QStringLiteral("IT1"), units);
        return numero;
    }

    qint32 guia(const QList<qint32> &facturas, bool cerrada = false, const QString &vendedor = QStringLiteral("V01"))
    {
        host.exec(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                                 "totalPrecioVenta, totalIVA, vendedor, zona, Cerrada) "
                                 "VALUES ('C01', ?, ?, 'OPERADOR', 9, 77.5, 1000, 120, ?, 'Z1', ?)"),
                  {vehiculo, QDateTime(GuideDate, QTime(0, 0)), vendedor, cerrada ? 1 : 0});
        const qint32 id = host.scalar(QStringLiteral("SELECT MAX(id) FROM gdVontarelis")).toInt();
        for (const qint32 numero : facturas)
            host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)"), {id, numero});
        return id;
    }

    // Five invoices listed oldest first, ties by number, B-315, A-4.
    // show the conversions (rate 2, and rate 0 read with the company's 4); A-4 alone moved IT3.
    qint32 fiveInvoiceGuide()
    {
        facturas = {factura(QStringLiteral("A"), 1, QDate(2024, 3, 12), 100, 12, 2.0, 2),
                    factura(QStringLiteral("A"), 2, QDate(2024, 3, 10), 100, 12, 0.0, 4),
                    factura(QStringLiteral("B"), 315, QDate(2024, 3, 12), 200, 24),
                    factura(QStringLiteral("A"), 4, QDate(2024, 3, 14), 50, 6),
                    factura(QStringLiteral("A"), 5, QDate(2024, 3, 11), 10, 1.2)};
        host.addMovimiento(facturas[3], QStringLiteral("IT3"), 7);
        return guia(facturas);
    }

    // The dialog over the scripted framework (or another), shown and loaded.
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
        T *widget = form->findChild<T *>(QString::fromLatin1(name));
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
        const QModelIndex index = grid().model()->index(row - grid().FixedRows(), 0);
        testinput::click(grid().viewport(), grid().visualRect(index).center());
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
    // lblValorSel, lblPesoSel, lblqFacturas.
    QStringList totals() const
    {
        return {find<QLabel>("lblValorSel")->text(), find<QLabel>("lblPesoSel")->text(),
                find<QLabel>("lblqFacturas")->text()};
    }
    QStringList header() const
    {
        return {find<QLabel>("lblFechaDespacho")->text(), find<QLabel>("lblTipoVehiculo")->text(),
                find<QLabel>("lblPlacas")->text(), find<QLabel>("lblNombreConductor")->text(),
                find<QLabel>("lblNombreVendedor")->text()};
    }
    // Everything a user sees of the guide on screen.
    QStringList screen() const
    {
        QStringList all = header() + totals() + marks() + references();
        all << find<QLineEdit>("numGuia")->text() << QString::number(find<QCheckBox>("chkCerrarGuia")->isChecked());
        return all;
    }

    QList<qint32> links(qint32 guide)
    {
        QList<qint32> numbers;
        const auto rs = host.framework().OpenRecordsetA(
            QStringLiteral("SELECT NumeroFactura FROM gdFacturasGuia WHERE idGuia = ? ORDER BY NumeroFactura"), {guide});
        for (; !rs->Eof(); rs->MoveNext())
            numbers << rs->Fields(0).toInt();
        return numbers;
    }
    // The closed flag and the totals stored with the guide.
    QString stored(qint32 guide)
    {
        const auto rs = host.framework().OpenRecordsetA(
            QStringLiteral("SELECT Cerrada, facturas, totalPeso, totalPrecioVenta, totalIVA FROM gdVontarelis WHERE id = ?"),
            {guide});
        QStringList values;
        for (int i = 0; i < rs->FieldCount(); ++i)
            values << toolkit::toText(rs->Fields(i));
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
