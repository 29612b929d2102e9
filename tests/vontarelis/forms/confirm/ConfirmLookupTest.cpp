#include "ConfirmFixture.h"

#include "toolkit/DateBox.h"
#include "toolkit/StatusBar.h"
#include "vontarelis/entry/Activator.h"

using namespace Qt::StringLiterals;

using confirmtest::ConfirmFixture;

namespace {

const QStringList StoredTotals{"1,120.000", "77.5", "9"};

} // namespace

TEST_F(ConfirmFixture, ControlVontarelisShowsTheOneDialogEmptyAndItsPlacementIsKept)
{
    vontarelis::Activator activator;
    QRect placed;
    utilities->onShowForm = [&](std::unique_ptr<QDialog> &dialog) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        EXPECT_EQ(dialog->windowTitle(), u"Revisar / Cerrar Guías de Despacho"_s);
        EXPECT_EQ(QApplication::focusWidget(), dialog->findChild<toolkit::NumericBox *>("numGuia"));
        EXPECT_EQ(dialog->findChild<toolkit::StatusBar *>("StatusBar1")->Panels(1)->text(),
                  u"Introduzca el número de la guía a procesar"_s);
        EXPECT_EQ(dialog->findChild<QDateEdit *>("fechaReporte")->text(), QDate::currentDate().toString("dd-MM-yyyy"));
        if (placed.isNull()) {
            dialog->setGeometry(QRect(QPoint(120, 90), dialog->size() + QSize(40, 30)));
            placed = dialog->geometry();
        } else {
            EXPECT_EQ(dialog->geometry(), placed) << "the placement saved on closing comes back";
        }
        // "Cancelar" on the empty dialog closes it.
        testinput::click(dialog->findChild<QPushButton *>("cbCancelar"));
        EXPECT_FALSE(dialog->isVisible());
    };
    activator.ControlVontarelis(framework);
    activator.ControlVontarelis(framework);
    ASSERT_EQ(utilities->shownForms.size(), 2u);
    EXPECT_EQ(utilities->shownForms[0], utilities->shownForms[1]) << "one instance for every call";
    EXPECT_EQ(utilities->ApplicationName(), u"Marbelisto"_s);
    EXPECT_TRUE(utilities->messages.isEmpty());
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ConfirmFixture, LookupRefusesZeroUnknownAndClosedGuidesKeepingTheFocusAndShowsStoredTotals)
{
    const qint32 open = fiveInvoiceGuide();
    const qint32 closed = guia({factura("C", 9, QDate(2024, 3, 1), 1, 0)}, true);
    this->open();
    auto *numGuia = find("numGuia");

    enterGuide(0);
    enterGuide(open + 100);
    EXPECT_EQ(utilities->messages, QStringList({"Introduzca un número de guía válido", "Guia no registrada"}));
    EXPECT_EQ(focus(), numGuia);
    click("cbOk");
    EXPECT_EQ(utilities->messages.size(), 3) << "the click checks the number again";
    EXPECT_EQ(focus(), numGuia) << "no button is reached with a refused number";
    EXPECT_EQ(header() + totals(), QStringList(8)) << "nothing shown";

    enterGuide(open);
    EXPECT_EQ(focus(), find("fechaReporte"));
    EXPECT_EQ(find<QLineEdit>("numGuia")->text(), QStringLiteral("%1").arg(open, 7, 10, QLatin1Char('0')));
    EXPECT_EQ(header(), QStringList({"15-03-2024", "Camión 350", "AB123CD", "Pedro Pérez", "Ana Rojas"}));
    EXPECT_EQ(totals(), StoredTotals) << "the totals stored with the guide, with the price and quantity masks";

    const QStringList shown = header() + totals() + marks() + references();
    enterGuide(closed);
    EXPECT_EQ(utilities->messages.last(), u"Guía cerrada"_s);
    EXPECT_EQ(focus(), numGuia);
    EXPECT_EQ(header() + totals() + marks() + references(), shown) << "a closed guide leaves the screen as it was";
    EXPECT_EQ(utilities->messages.size(), 4);
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ConfirmFixture, InvoiceListConvertsOrdersGrowsAndReloadsOnLeavingTheNumberAgain)
{
    const qint32 five = fiveInvoiceGuide();
    const qint32 orphan = host.addFactura("X", 1, "ZZ9", "Sin ficha", 1.0, 0.0, 1.0, QDateTime(QDate(2024, 3, 9), QTime(8, 0)));
    host.exec("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)", {five, orphan});
    open();
    enterGuide(five);

    ASSERT_EQ(grid().Rows(), 6) << "header and five invoices; the one whose customer is missing is not listed";
    EXPECT_EQ(row(1), QStringList({"A-000002", "10-03-2024", "Comercial Uno, C.A.", "28.00", "þ", "10", "25", "3",
                                   QString::number(facturas[1])}))
        << "rate 0 takes the company's 4";
    EXPECT_EQ(row(3), QStringList({"A-000001", "12-03-2024", "Comercial Uno, C.A.", "56.00", "þ", "5", "50", "6",
                                   QString::number(facturas[0])}));
    EXPECT_EQ(references(), QStringList({"A-000002", "A-000005", "A-000001", "B-000315", "A-000004"}));
    grid().setRow(3);
    grid().setCol(4);
    EXPECT_EQ(grid().CellFontName(), u"Wingdings"_s);
    EXPECT_EQ(std::pair(grid().ColWidth(5), grid().ColWidth(8)), std::pair(0, 0));
    EXPECT_TRUE(grid().ColIsVisible(4)) << "the ticks are in sight at the dialog's own size";

    // Leaving the number unchanged keeps the ticks; only another number loads a guide.
    clickRow(1);
    clickRow(2);
    const QStringList unticked = screen();
    enterGuide(five);
    EXPECT_EQ(screen(), unticked);
    EXPECT_EQ(marks(), QStringList({"o", "o", "þ", "þ", "þ"}));

    // 55 invoices: the grid grows from 50 rows by 10 and ends with exactly the rows it filled.
    QList<qint32> many;
    for (int i = 1; i <= 55; ++i)
        many << host.addFactura("M", i, "CL1", "Comercial Uno, C.A.", 1.0, 0.0, 1.0, QDateTime(QDate(2024, 2, 1), QTime(8, 0)));
    enterGuide(guia(many));
    EXPECT_EQ(grid().Rows(), 56);
    EXPECT_EQ(grid().TextMatrix(55, 0), u"M-000055"_s);

    // A guide without invoices says so and never shows another guide's invoices.
    enterGuide(guia({}));
    EXPECT_EQ(utilities->messages, QStringList{"No parece haber facturas relacionadas con esa guia"});
    EXPECT_EQ(grid().Rows(), 1);
    EXPECT_EQ(header()[0], u"15-03-2024"_s);
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ConfirmFixture, TickingByClickIncluirTodasAndDesmarcarTodasKeepTheTotals)
{
    open();
    enterGuide(fiveInvoiceGuide());
    clickRow(3);
    EXPECT_EQ(grid().TextMatrix(3, 4), u"o"_s);
    EXPECT_EQ(totals(), QStringList({"1,064.000", "72.5", "8"})) << "A-000001 (56.00, 5 kg) comes off";
    clickRow(3);
    EXPECT_EQ(totals(), StoredTotals);
    // Space flips the current row as a click does.
    QTest::keyClick(&grid(), Qt::Key_Space);
    EXPECT_EQ(std::pair(grid().TextMatrix(3, 4), totals()), std::pair(u"o"_s, QStringList({"1,064.000", "72.5", "8"})));
    QTest::keyClick(&grid(), Qt::Key_Down);
    QTest::keyClick(&grid(), Qt::Key_Space);
    EXPECT_EQ(marks(), QStringList({"þ", "þ", "o", "o", "þ"}));
    EXPECT_EQ(totals(), QStringList({"840.000", "70.0", "7"}));
    QTest::keyClick(&grid(), Qt::Key_Space);
    QTest::keyClick(&grid(), Qt::Key_Up);
    QTest::keyClick(&grid(), Qt::Key_Space);
    EXPECT_EQ(totals(), StoredTotals);

    clickRow(1);
    clickRow(4);
    EXPECT_EQ(totals(), QStringList({"868.000", "65.0", "7"}));
    click("cbSelectAll");
    EXPECT_EQ(marks(), QStringList(5, "þ"));
    EXPECT_EQ(totals(), StoredTotals) << "exactly the two unticked rows are added back";

    click("cbDeselectAll");
    EXPECT_EQ(marks(), QStringList(5, "o"));
    EXPECT_EQ(totals(), QStringList({"0.000", "0.0", "0"}));
    click("cbSelectAll");
    EXPECT_EQ(totals(), QStringList({"375.200", "29.5", "5"}))
        << "the grid's own sums: 28 + 11.20 + 56 + 224 + 56 and 10 + 2.5 + 5 + 2.5 + 9.5 kg";
    EXPECT_TRUE(utilities->errors.empty());
}

// Unticking asks why the invoice came back, by click, Space or for all; cancelling changes
// nothing, ticking again asks nothing.
TEST_F(ConfirmFixture, UntickingAsksWhyTheInvoiceCameBackAndCancellingLeavesItTicked)
{
    addMotivos();
    open();
    enterGuide(fiveInvoiceGuide());
    const QStringList shown = screen();
    for (int i = 0; i < 3; ++i)
        utilities->choose("");
    clickRow(3);
    QTest::keyClick(&grid(), Qt::Key_Space);
    click("cbDeselectAll");
    EXPECT_EQ(screen(), shown);
    ASSERT_EQ(utilities->choiceQuestions.size(), 3u);
    EXPECT_EQ(utilities->choiceQuestions[0], std::pair(u"¿Por qué volvió la factura A-000001?"_s, Motivos));
    EXPECT_EQ(utilities->choiceQuestions[1].first, u"¿Por qué volvió la factura A-000001?"_s);
    EXPECT_EQ(utilities->choiceQuestions[2].first, u"¿Por qué volvieron las 5 facturas?"_s);

    utilities->choose("Cliente cerrado");
    clickRow(3);
    EXPECT_EQ(marks(), QStringList({"þ", "þ", "o", "þ", "þ"}));
    EXPECT_EQ(totals(), QStringList({"1,064.000", "72.5", "8"}));
    clickRow(3);
    EXPECT_EQ(totals(), StoredTotals);
    EXPECT_EQ(utilities->choiceQuestions.size(), 4u);
    EXPECT_TRUE(utilities->errors.empty());
}

// Rows and totals show rounded texts; the running total adds what the guide's figures add.
TEST_F(ConfirmFixture, UntickingTakesOffTheInvoicesValueNotARoundedText)
{
    const qint32 guide = guia({factura("A", 1, QDate(2024, 3, 12), 10.0004, 0), factura("A", 2, QDate(2024, 3, 13), 20.0004, 0)});
    host.exec("UPDATE gdVontarelis SET totalPrecioVenta = 30.0008, totalIVA = 0 WHERE id = ?", {guide});
    open();
    enterGuide(guide);
    EXPECT_EQ(std::pair(grid().TextMatrix(1, 3), totals().first()), std::pair(u"10.00"_s, u"30.001"_s));
    clickRow(1);
    EXPECT_EQ(totals().first(), u"20.000"_s) << "30.0008 less 10.0004, not a shown 30.001 less 10.00";
}

TEST_F(ConfirmFixture, CancelarAsksWithAGuideOnScreenAndClosesTheEmptyDialog)
{
    open();
    const qint32 guide = fiveInvoiceGuide();
    // A number beyond any guide's is an unknown guide, and Cancelar or Escape over it ask.
    auto *numGuia = find<QLineEdit>("numGuia");
    QTest::keyClicks(numGuia, "99999999999");
    for (const bool escape : {false, true}) {
        utilities->answer(false);
        escape ? QTest::keyClick(numGuia, Qt::Key_Escape) : click("cbCancelar");
    }
    QTest::keyClick(numGuia, Qt::Key_Tab);
    EXPECT_EQ(utilities->messages, QStringList{"Guia no registrada"});
    EXPECT_EQ(utilities->questions.size(), 2u);
    EXPECT_TRUE(utilities->errors.empty());
    utilities->questions.clear();

    enterGuide(guide);
    clickRow(2);
    const QStringList shown = screen();

    utilities->answer(false);
    click("cbCancelar");
    EXPECT_EQ(screen(), shown) << "no keeps everything";
    utilities->answer(false);
    QTest::keyClick(focus(), Qt::Key_Escape);
    EXPECT_EQ(utilities->questions.size(), 2u) << "Escape is Cancelar";
    EXPECT_TRUE(form->isVisible());
    utilities->answer(true);
    click("cbCancelar");
    ASSERT_EQ(utilities->questions.size(), 3u);
    EXPECT_EQ(std::tuple(utilities->questions[2].prompt, utilities->questions[2].defaultYes, utilities->questions[2].title),
              std::tuple(QStringLiteral("Abandonar los cambios"), false, QString()));
    EXPECT_TRUE(form->isVisible()) << "yes empties the dialog and keeps it open";
    expectEmptied();
    QList<qint32> all = facturas;
    std::sort(all.begin(), all.end());
    EXPECT_EQ(links(guide), all) << "cancelling writes nothing";

    click("cbCancelar");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(utilities->questions.size(), 3u);
}
