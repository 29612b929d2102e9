#include "SelectDialogTest.h"

#include "support/FaultyFramework.h"
#include "toolkit/FlexGrid.h"
#include "vontarelis/entry/globales.h"

namespace selecttest {

namespace {

const QString NoInvoices = QStringLiteral("No hay facturas según el criterio especificado");

} // namespace

TEST_F(SelectDialogTest, TheLoadListsOpenInvoicesOfTheChosenZoneAndSalespersonInBaseCurrency)
{
    open();
    EXPECT_EQ(grid().Rows(), 2) << "header and one empty row before the first load";
    enterDriverAndKnownVehicle();
    load();
    EXPECT_EQ(column(0), QStringList({"A-000009", "A-000001", "A-000002", "B-000007"}));
    EXPECT_EQ(column(1), QStringList({"28-02-2024", "01-03-2024", "02-03-2024", "03-03-2024"}));
    EXPECT_EQ(column(2), QStringList({"Comercial Este", "Bodega Centro", "Comercial Este", "Abasto Norte"}));
    // Rate 2 halves the amounts; rate 0 takes the company's rate, 4.
    EXPECT_EQ(column(3), QStringList({"1,160.00", "116.00", "116.00", "11.60"}));
    EXPECT_EQ(column(4), QStringList(4, QStringLiteral("o")));
    EXPECT_EQ(column(5), QStringList({"0", "10", "2.5", "0"}));
    EXPECT_EQ(column(6), QStringList({"1000", "100", "100", "10"}));
    EXPECT_EQ(column(7), QStringList({"160", "16", "16", "1.6"}));
    QStringList numbers;
    for (const qint32 numero : facturas)
        numbers << QString::number(numero);
    EXPECT_EQ(column(8), numbers);
    EXPECT_EQ(grid().CellFontName(), QStringLiteral("Wingdings"));
    EXPECT_EQ(totals(), QStringList({"0", "0.000", "0.00"}));

    // A chosen zone filters only while the box is ticked.
    pick(QStringLiteral("cbZonaDespacho"), QStringLiteral("Centro (01)"));
    load();
    EXPECT_EQ(column(0).size(), 4);
    click(QStringLiteral("chkFiltrarZona"));
    load();
    EXPECT_EQ(column(0), QStringList({"A-000001", "B-000007"}));
    fill(QStringLiteral("vendedor"), QStringLiteral("v02"));
    load();
    EXPECT_EQ(column(0), QStringList({"B-000007"}));
    click(QStringLiteral("chkFiltrarZona"));
    load();
    EXPECT_EQ(column(0), QStringList({"A-000009", "A-000002", "B-000007"}));

    // A code with a quote reaches the query as a quoted literal, never as SQL.
    host.addVendedor(QStringLiteral("O'N1"), QStringLiteral("Olga O'Neil"));
    host.addCliente(QStringLiteral("CL4"), QStringLiteral("Kiosco Sur"), QStringLiteral("02"), QStringLiteral("O'N1"));
    host.addFactura("K", 1, "CL4", "Kiosco Sur", 5.0, 0.8, 1.0, QDateTime(QDate(2024, 3, 4), QTime(8, 0)));
    fill(QStringLiteral("vendedor"), QStringLiteral("o'n1"));
    load();
    EXPECT_EQ(column(0), QStringList({"K-000001"}));

    // Nothing found: a notice, and the grid stays as it was.
    fill(QStringLiteral("vendedor"), QStringLiteral("V01"));
    pick(QStringLiteral("cbZonaDespacho"), QStringLiteral("Este (02)"));
    click(QStringLiteral("chkFiltrarZona"));
    load();
    EXPECT_EQ(utilities->messages, QStringList{NoInvoices});
    EXPECT_EQ(column(0), QStringList({"K-000001"}));
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(SelectDialogTest, ALoadThatCannotCompleteLeavesGridTicksAndTotalsAsTheyWere)
{
    testsupport::FaultyFramework faulty(host.framework());
    host.ownerExec(QStringLiteral("UPDATE facturas SET tipocambio = 0 WHERE numero = ?"), {facturas[0]});
    open(&faulty);
    stopTimer();
    enterDriverAndKnownVehicle();
    load();
    EXPECT_EQ(column(3).first(), QStringLiteral("290.00")) << "rate 0 takes the company's";
    clickRow(2);
    const QStringList ticks = column(4);
    const QStringList shown = totals();
    EXPECT_EQ(shown, QStringList({"1", "10.000", "116.00"}));

    // The company's rate is 0 too: an invoice without a rate of its own cannot be converted.
    host.setCompany(0.0);
    vontarelis::InitHostContext(faulty);
    load();
    ASSERT_EQ(utilities->messages.size(), 1);
    EXPECT_TRUE(utilities->messages.first().contains(QStringLiteral("A-000009"))) << utilities->messages.first().toStdString();
    EXPECT_EQ(std::pair(column(4), totals()), std::pair(ticks, shown));

    faulty.failStatement(1);
    load();
    ASSERT_EQ(utilities->errors.size(), 1u);
    EXPECT_EQ(utilities->errors[0].source, QStringLiteral("frmSelectFacturas::cbCargarFacturas_Click"));
    EXPECT_EQ(std::pair(column(4), totals()), std::pair(ticks, shown));
    EXPECT_EQ(column(0).size(), 4);
}

TEST_F(SelectDialogTest, TicksFollowClicksTheSpaceBarAndBulkChangesAndTheTotalsFollowTheTicks)
{
    open();
    enterDriverAndKnownVehicle();
    // The empty row before the first load is no invoice: neither a click nor the space bar ticks it.
    clickRow(1);
    key(Qt::Key_Space);
    key(Qt::Key_Space);
    EXPECT_EQ(column(4), QStringList{QString()});
    EXPECT_EQ(totals(), QStringList({"0", "0,000", "0,00"}));

    load();
    clickRow(2);
    EXPECT_EQ(column(4), QStringList({"o", "þ", "o", "o"}));
    EXPECT_EQ(totals(), QStringList({"1", "10.000", "116.00"}));
    key(Qt::Key_Space);
    EXPECT_EQ(totals(), QStringList({"1", "10.000", "116.00"})) << "the first key after a mouse press is ignored";
    key(Qt::Key_Space);
    EXPECT_EQ(totals(), QStringList({"0", "0.000", "0.00"})) << "ticking twice changes nothing";
    key(Qt::Key_Down);
    key(Qt::Key_Space);
    clickRow(4);
    EXPECT_EQ(column(4), QStringList({"o", "o", "þ", "þ"}));
    EXPECT_EQ(totals(), QStringList({"2", "2.500", "127.60"}));

    whenMenuShown(-1);
    clickRow(1, Qt::RightButton);
    key(Qt::Key_Space);
    EXPECT_EQ(column(4), QStringList({"o", "o", "þ", "þ"})) << "a dismissed menu and the key after it change nothing";
    whenMenuShown(2);
    clickRow(1, Qt::RightButton);
    EXPECT_EQ(column(4), QStringList({"þ", "þ", "o", "o"}));
    EXPECT_EQ(totals(), QStringList({"2", "10.000", "1,276.00"}));
    whenMenuShown(2);
    clickRow(1, Qt::RightButton);
    EXPECT_EQ(totals(), QStringList({"2", "2.500", "127.60"}));
    whenMenuShown(0);
    clickRow(1, Qt::RightButton);
    EXPECT_EQ(column(4), QStringList(4, QStringLiteral("þ")));
    EXPECT_EQ(totals(), QStringList({"4", "12.500", "1,403.60"}));
    whenMenuShown(1);
    clickRow(1, Qt::RightButton);
    EXPECT_EQ(column(4), QStringList(4, QStringLiteral("o")));
    EXPECT_EQ(totals(), QStringList({"0", "0.000", "0.00"}));
    EXPECT_EQ(menusShown(), 5);

    // A new load discards the ticks; the next tick shows only its own row.
    clickRow(1);
    load();
    EXPECT_EQ(std::pair(column(4), totals()), std::pair(QStringList(4, QStringLiteral("o")), QStringList({"0", "0.000", "0.00"})));
    clickRow(3);
    EXPECT_EQ(totals(), QStringList({"1", "2.500", "116.00"}));
}

} // namespace selecttest
