#include "SelectDialogTest.h"

#include "support/PdfText.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace selecttest {

namespace {

// After the ten columns of the list: the stop.
constexpr int ColParada = 10;

} // namespace

// Rows: 1 A-000009 Comercial Este (CL2), 2 A-000001 Bodega Centro (CL1), 3 A-000002 Comercial
// Este (CL2), 4 B-000007 Abasto Norte (CL3).
TEST_F(SelectDialogTest, TickedInvoicesFormOneStopPerCustomerInRouteOrderThatTheClerkRearrangesBeforeRegistering)
{
    // Comercial Este has a place on the route; the others have none and follow it by name.
    host.ownerExec("UPDATE clientes SET ordenRuta = 7 WHERE codigo = 'CL2'");
    openToRegister(false);
    enterDriverAndKnownVehicle();
    load();
    EXPECT_EQ(grid().TextMatrix(0, ColParada), u"Parada"_s);
    EXPECT_GT(grid().ColWidth(ColParada), 0);
    clickRow(2);
    EXPECT_EQ(column(ColParada), QStringList({"", "1", "", ""}));
    for (const int row : {1, 3, 4})
        clickRow(row);
    EXPECT_EQ(column(ColParada), QStringList({"1", "3", "1", "2"})) << "two invoices of one customer, one stop";
    // The last invoice of a stop unticked closes the gap; one of two leaves the stop in place.
    clickRow(4);
    EXPECT_EQ(column(ColParada), QStringList({"1", "2", "1", ""}));
    clickRow(1);
    EXPECT_EQ(column(ColParada), QStringList({"", "2", "1", ""}));
    clickRow(1);
    clickRow(4);

    // Ctrl+Up and Ctrl+Down move the current row's stop, never the current row, and stop at the ends.
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    ASSERT_EQ(grid().Row(), 2);
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(column(ColParada), QStringList({"1", "2", "1", "3"}));
    key(Qt::Key_Up, Qt::ControlModifier);
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(column(ColParada), QStringList({"2", "1", "2", "3"}));
    EXPECT_EQ(grid().Row(), 2);
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(column(ColParada), QStringList({"1", "2", "1", "3"}));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(column(ColParada), QStringList({"1", "2", "1", "3"}));
    EXPECT_EQ(column(4), QStringList(4, "þ")) << "moving a stop ticks nothing";

    // With the mouse: the row's menu moves the stop of the row under it.
    whenMenuShown(3);
    clickRow(4, Qt::RightButton);
    EXPECT_EQ(menusShown(), 1);
    EXPECT_EQ(column(ColParada), QStringList({"1", "3", "1", "2"}));
    whenMenuShown(4);
    clickRow(1, Qt::RightButton);
    EXPECT_EQ(column(ColParada), QStringList({"2", "3", "2", "1"}));

    // Registered with the links; the route sheet, offered after the guide, follows the order.
    utilities->answer(false);
    utilities->answer(true);
    click("cbOk");
    ASSERT_TRUE(utilities->errors.empty()) << utilities->errors[0].description.toStdString();
    EXPECT_EQ(rows("SELECT NumeroFactura, Parada FROM gdFacturasGuia WHERE idGuia = 2 ORDER BY NumeroFactura"),
              QList<QVariantList>({{facturas[1], 3}, {facturas[2], 2}, {facturas[3], 1}, {facturas[0], 2}}));
    ASSERT_EQ(utilities->questions.size(), 2u);
    EXPECT_EQ(utilities->questions[1].prompt, u"Quiere emitir la hoja de ruta"_s);
    EXPECT_FALSE(utilities->questions[1].defaultYes);
    const QStringList sheets = testsupport::pdfFilesIn(printer.path()).filter(QRegularExpression("/HDR-[^/]*$"));
    ASSERT_EQ(sheets.size(), 1);
    EXPECT_EQ(printed(), 2);
    const QString sheet = testsupport::pdfText(sheets[0]);
    const auto at = [&](const QString &pattern) { return int(sheet.indexOf(QRegularExpression(pattern))); };
    const QList<int> order{at("PARADA +1 +Abasto Norte"), at("PARADA +2 +Comercial Este"), at("A-000009"), at("A-000002"),
                           at("PARADA +3 +Bodega Centro")};
    EXPECT_TRUE(order[0] >= 0 && std::is_sorted(order.cbegin(), order.cend())) << sheet.toStdString();
}

} // namespace selecttest
