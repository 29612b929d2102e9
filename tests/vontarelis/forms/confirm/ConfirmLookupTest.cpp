#include "ConfirmFixture.h"

#include "toolkit/DateBox.h"
#include "toolkit/StatusBar.h"
#include "vontarelis/entry/Activator.h"

using confirmtest::ConfirmFixture;

namespace {

const QString Today = QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"));

} // namespace

TEST_F(ConfirmFixture, ControlVontarelisShowsTheOneDialogEmptyAndItsPlacementIsKept)
{
    vontarelis::Activator activator;
    QRect placed;
    int shown = 0;
    utilities->onShowForm = [&](std::unique_ptr<QDialog> &dialog) {
        ++shown;
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Revisar / Cerrar Guías de Despacho"));
        for (const char *name : {"numGuia", "fechaReporte", "chkCerrarGuia", "lblFechaDespacho", "lblTipoVehiculo",
                                 "lblPlacas", "lblNombreConductor", "lblNombreVendedor", "lblValorSel", "lblPesoSel",
                                 "lblqFacturas", "cbAgregarFactura", "cbSelectAll", "cbDeselectAll", "detalles", "cbOk",
                                 "cbCancelar", "StatusBar1"})
            EXPECT_TRUE(dialog->findChild<QWidget *>(QString::fromLatin1(name))) << name;
        auto *numGuia = dialog->findChild<toolkit::NumericBox *>(QStringLiteral("numGuia"));
        EXPECT_EQ(QApplication::focusWidget(), numGuia);
        EXPECT_EQ(dialog->findChild<toolkit::StatusBar *>(QStringLiteral("StatusBar1"))->Panels(1)->text(),
                  QStringLiteral("Introduzca el número de la guía a procesar"));
        EXPECT_EQ(dialog->findChild<QDateEdit *>(QStringLiteral("fechaReporte"))->text(), Today);
        if (shown == 1) {
            dialog->setGeometry(QRect(QPoint(120, 90), dialog->size() + QSize(40, 30)));
            placed = dialog->geometry();
        } else {
            EXPECT_EQ(dialog->geometry(), placed) << "the placement saved on closing comes back";
        }
        // "Cancelar" on the empty dialog closes it.
        testinput::click(dialog->findChild<QPushButton *>(QStringLiteral("cbCancelar")));
        EXPECT_FALSE(dialog->isVisible());
    };
    activator.ControlVontarelis(framework);
    activator.ControlVontarelis(framework);
    ASSERT_EQ(utilities->shownForms.size(), 2u);
    EXPECT_EQ(utilities->shownForms[0], utilities->shownForms[1]) << "one instance for every call";
    EXPECT_EQ(utilities->ApplicationName(), QStringLiteral("Marbelisto"));
    EXPECT_TRUE(utilities->messages.isEmpty());
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ConfirmFixture, LookupRefusesZeroUnknownAndClosedGuidesKeepingTheFocusAndShowsStoredTotals)
{
    const qint32 open = fiveInvoiceGuide();
    const qint32 closed = guia({factura(QStringLiteral("C"), 9, QDate(2024, 3, 1), 1, 0)}, true);
    this->open();
    auto *numGuia = find("numGuia");

    enterGuide(0);
    enterGuide(open + 100);
    EXPECT_EQ(utilities->messages,
              (QStringList{QStringLiteral("Introduzca un número de guía válido"), QStringLiteral("Guia no registrada")}));
    EXPECT_EQ(focus(), numGuia);
    click("cbOk");
    EXPECT_EQ(utilities->messages.size(), 3) << "the click checks the number again";
    EXPECT_EQ(focus(), numGuia) << "no button is reached with a refused number";
    EXPECT_EQ(header() + totals(), QStringList(8)) << "nothing shown";

    enterGuide(open);
    EXPECT_EQ(focus(), find("fechaReporte"));
    EXPECT_EQ(find<QLineEdit>("numGuia")->text(), QStringLiteral("%1").arg(open, 7, 10, QLatin1Char('0')));
    EXPECT_EQ(header(), (QStringList{QStringLiteral("15-03-2024"), QStringLiteral("Camión 350"), QStringLiteral("AB123CD"),
                                     QStringLiteral("Pedro Pérez"), QStringLiteral("Ana Rojas")}));
    EXPECT_EQ(totals(), (QStringList{QStringLiteral("1,120.000"), QStringLiteral("77.5"), QStringLiteral("9")}))
        << "the totals stored with the guide, with the price and quantity masks";

    const QStringList shown = header() + totals() + marks() + references();
    enterGuide(closed);
    EXPECT_EQ(utilities->messages.last(), QStringLiteral("Guía cerrada"));
    EXPECT_EQ(focus(), numGuia);
    EXPECT_EQ(header() + totals() + marks() + references(), shown) << "a closed guide leaves the screen as it was";
    EXPECT_EQ(utilities->messages.size(), 4);
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ConfirmFixture, InvoiceListConvertsOrdersGrowsAndReloadsOnLeavingTheNumberAgain)
{
    const qint32 five = fiveInvoiceGuide();
    const qint32 orphan = host.addFactura(QStringLiteral("X"), 1, QStringLiteral("ZZ9"), QStringLiteral("Sin ficha"), 1.0,
                                          0.0, 1.0, QDateTime(QDate(2024, 3, 9), QTime(8, 0)));
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)"), {five, orphan});
    open();
    enterGuide(five);

    ASSERT_EQ(grid().Rows(), 6) << "header and five invoices; the one whose customer is missing is not listed";
    EXPECT_EQ(row(1), (QStringList{QStringLiteral("A-000002"), QStringLiteral("10-03-2024"),
                                   QStringLiteral("Comercial Uno, C.A."), QStringLiteral("28.00"), QStringLiteral("þ"),
                                   QStringLiteral("10"), QStringLiteral("25"), QStringLiteral("3"),
                                   QString::number(facturas[1])}))
        << "rate 0 takes the company's 4";
    EXPECT_EQ(row(3), (QStringList{QStringLiteral("A-000001"), QStringLiteral("12-03-2024"),
                                   QStringLiteral("Comercial Uno, C.A."), QStringLiteral("56.00"), QStringLiteral("þ"),
                                   QStringLiteral("5"), QStringLiteral("50"), QStringLiteral("6"),
                                   QString::number(facturas[0])}));
    EXPECT_EQ(references(), (QStringList{QStringLiteral("A-000002"), QStringLiteral("A-000005"), QStringLiteral("A-000001"),
                                         QStringLiteral("B-000315"), QStringLiteral("A-000004")}));
    grid().setRow(3);
    grid().setCol(4);
    EXPECT_EQ(grid().CellFontName(), QStringLiteral("Wingdings"));
    EXPECT_EQ(grid().ColWidth(5), 0);
    EXPECT_EQ(grid().ColWidth(8), 0);
    EXPECT_TRUE(grid().ColIsVisible(4)) << "the ticks are in sight at the dialog's own size";

    // Leaving the number again reloads the guide: ticks that were not processed are gone.
    clickRow(1);
    clickRow(2);
    EXPECT_EQ(marks(), (QStringList{QStringLiteral("o"), QStringLiteral("o"), QStringLiteral("þ"), QStringLiteral("þ"),
                                    QStringLiteral("þ")}));
    enterGuide(five);
    EXPECT_EQ(marks(), QStringList(5, QStringLiteral("þ")));
    EXPECT_EQ(totals(), (QStringList{QStringLiteral("1,120.000"), QStringLiteral("77.5"), QStringLiteral("9")}));

    // 55 invoices: the grid grows from 50 rows by 10 and ends with exactly the rows it filled.
    QList<qint32> many;
    for (int i = 1; i <= 55; ++i)
        many << host.addFactura(QStringLiteral("M"), i, QStringLiteral("CL1"), QStringLiteral("Comercial Uno, C.A."),
                                1.0, 0.0, 1.0, QDateTime(QDate(2024, 2, 1), QTime(8, 0)));
    enterGuide(guia(many));
    EXPECT_EQ(grid().Rows(), 56);
    EXPECT_EQ(grid().TextMatrix(55, 0), QStringLiteral("M-000055"));

    // A guide without invoices says so and never shows another guide's invoices.
    const qint32 empty = guia({});
    enterGuide(empty);
    EXPECT_EQ(utilities->messages, QStringList{QStringLiteral("No parece haber facturas relacionadas con esa guia")});
    EXPECT_EQ(grid().Rows(), 1);
    EXPECT_EQ(header()[0], QStringLiteral("15-03-2024"));
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ConfirmFixture, TickingByClickIncluirTodasAndDesmarcarTodasKeepTheTotals)
{
    open();
    enterGuide(fiveInvoiceGuide());
    const QStringList stored{QStringLiteral("1,120.000"), QStringLiteral("77.5"), QStringLiteral("9")};

    clickRow(3);
    EXPECT_EQ(grid().TextMatrix(3, 4), QStringLiteral("o"));
    EXPECT_EQ(totals(), (QStringList{QStringLiteral("1,064.000"), QStringLiteral("72.5"), QStringLiteral("8")}))
        << "A-000001 (56.00, 5 kg) comes off";
    clickRow(3);
    EXPECT_EQ(totals(), stored);

    clickRow(1);
    clickRow(4);
    EXPECT_EQ(totals(), (QStringList{QStringLiteral("868.000"), QStringLiteral("65.0"), QStringLiteral("7")}));
    click("cbSelectAll");
    EXPECT_EQ(marks(), QStringList(5, QStringLiteral("þ")));
    EXPECT_EQ(totals(), stored) << "exactly the two unticked rows are added back";

    click("cbDeselectAll");
    EXPECT_EQ(marks(), QStringList(5, QStringLiteral("o")));
    EXPECT_EQ(totals(), (QStringList{QStringLiteral("0.000"), QStringLiteral("0.0"), QStringLiteral("0")}));
    click("cbSelectAll");
    EXPECT_EQ(totals(), (QStringList{QStringLiteral("375.200"), QStringLiteral("29.5"), QStringLiteral("5")}))
        << "the grid's own sums: 28 + 11.20 + 56 + 224 + 56 and 10 + 2.5 + 5 + 2.5 + 9.5 kg";
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ConfirmFixture, CancelarAsksWithAGuideOnScreenAndClosesTheEmptyDialog)
{
    open();
    const qint32 guide = fiveInvoiceGuide();
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
    EXPECT_EQ(header() + totals(), QStringList(8));
    EXPECT_EQ(find<toolkit::NumericBox>("numGuia")->value(), 0.0);
    EXPECT_TRUE((marks() + references()).join(QString()).isEmpty());
    EXPECT_EQ(focus(), find("numGuia"));
    QList<qint32> all = facturas;
    std::sort(all.begin(), all.end());
    EXPECT_EQ(links(guide), all) << "cancelling writes nothing";

    click("cbCancelar");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(utilities->questions.size(), 3u);
}
