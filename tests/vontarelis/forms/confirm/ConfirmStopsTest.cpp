#include "ConfirmFixture.h"

#include <QTemporaryDir>

using confirmtest::ConfirmFixture;

namespace {

// After the ten columns of the list: the stop.
constexpr int ColParada = 10;

} // namespace

TEST_F(ConfirmFixture, TheReviewShowsTheStopsKeepsThemForTheInvoicesThatStayAndPutsANewCustomerLast)
{
    QTemporaryDir printed;
    host.setPrinterFolder(printed.path());
    host.addCliente("CL4", "Abasto Cuatro", "Z1", "V01");
    host.addCliente("CL5", "Bodega Cinco", "Z1", "V01");
    const qint32 a1 = factura("A", 1, QDate(2024, 3, 10), 10, 1);
    const qint32 a2 = factura("A", 2, QDate(2024, 3, 11), 10, 1, 1.0, 1.0, "CL4");
    const qint32 a3 = factura("A", 3, QDate(2024, 3, 12), 10, 1);
    const qint32 guide = guia({a1, a2, a3});
    host.exec("UPDATE gdFacturasGuia SET Parada = CASE NumeroFactura WHEN ? THEN 1 ELSE 2 END WHERE idGuia = ?", {a2, guide});
    const qint32 a4 = factura("A", 4, QDate(2024, 3, 13), 10, 1);
    const qint32 c5 = factura("C", 5, QDate(2024, 3, 9), 10, 1, 1.0, 1.0, "CL5");
    const qint32 c6 = factura("C", 6, QDate(2024, 3, 14), 10, 1, 1.0, 1.0, "CL5");
    open();
    enterGuide(guide);
    EXPECT_EQ(grid().TextMatrix(0, ColParada), "Parada");
    EXPECT_EQ(column(ColParada), QStringList({"2", "1", "2"}));

    // Abasto Cuatro's only invoice came back; its stop number is not given to anyone else.
    clickRow(2);
    framework.inputBox->answer("A-4");
    click("cbAgregarFactura");
    framework.inputBox->answer("C-5");
    click("cbAgregarFactura");
    framework.inputBox->answer("C-6");
    click("cbAgregarFactura");
    EXPECT_EQ(references(), QStringList({"C-000005", "A-000001", "A-000002", "A-000003", "A-000004", "C-000006"}));
    EXPECT_EQ(column(ColParada), QStringList({"3", "2", "1", "2", "2", "3"}));

    utilities->answer(false);
    click("cbOk");
    ASSERT_TRUE(utilities->errors.empty()) << utilities->errors[0].description.toStdString();
    QList<QVariantList> stops;
    for (auto rs = host.framework().OpenRecordsetA(
             "SELECT NumeroFactura, Parada FROM gdFacturasGuia WHERE idGuia = ? ORDER BY NumeroFactura", {guide});
         !rs->Eof(); rs->MoveNext())
        stops.append({rs->Fields(0).toInt(), rs->Fields(1).toInt()});
    EXPECT_EQ(stops, QList<QVariantList>({{a1, 2}, {a3, 2}, {a4, 2}, {c5, 3}, {c6, 3}}));

    // Shown again as stored.
    enterGuide(guide);
    EXPECT_EQ(column(ColParada), QStringList({"3", "2", "2", "2", "3"}));
}
