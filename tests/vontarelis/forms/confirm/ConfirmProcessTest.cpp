#include "ConfirmFixture.h"

#include "marbelisto/ui/GuideListModel.h"
#include "support/PdfText.h"
#include "toolkit/Error.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

using namespace Qt::StringLiterals;

using confirmtest::ConfirmFixture;

namespace {

const QString CloseQuestion = QStringLiteral("Si cierra la guía no podrá realizar más cambios\r\n¿Realmente desea cerrarla?");

QList<qint32> sorted(QList<qint32> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// Every print of the host becomes a PDF in a folder of its own; the guide's format lists its
// number, its figures and its item lines.
class ProcessFixture : public ConfirmFixture
{
protected:
    ProcessFixture()
    {
        host.setPrinterFolder(printed.path());
        QFile format(host.dataPath() + "FormatoDespacho.txt");
        EXPECT_TRUE(format.open(QIODevice::WriteOnly | QIODevice::Truncate));
        format.write("GUIA {NUMERO} FACTURAS {FACTURAS} PESO {PESO} NETO {VALORNETO} IVA {TOTALIVA} TOTAL {TOTALGENERAL}\n"
                     "[DETALLE]\n{DESCRIPCION} {CANTIDAD}\n[/DETALLE]\n[LISTA DEVOLUCIONES]\n[ENCABEZADO]\nDEVUELTAS {DEVUELTAS}\n"
                     "[/ENCABEZADO]\nDEVUELTA {REFERENCIA} {MOTIVO}\n[/LISTA]\nFIN\n");
    }

    // The text of every guide printed so far, or of every detailed listing, oldest first.
    QStringList prints(const QString &pattern = "GDD-*.pdf") const
    {
        QStringList texts;
        for (const QFileInfo &file : QDir(printed.path()).entryInfoList({pattern}, QDir::Files, QDir::Time | QDir::Reversed))
            texts << testsupport::pdfText(file.filePath()).simplified();
        return texts;
    }
    QStringList listings() const { return prints("detallesVontarelisInline-*.pdf"); }
    // Answers the questions of "Procesar" in turn, then clicks it.
    void procesar(std::initializer_list<bool> answers)
    {
        for (const bool yes : answers)
            utilities->answer(yes);
        click("cbOk");
    }
    // The count, weight and value of the guide in the host's list of guides.
    QStringList listed(qint32 guide)
    {
        marbelisto::GuideListModel list(host.framework());
        list.reload();
        for (int row = 0; row < list.rowCount(); ++row) {
            if (list.numero(row) == guide)
                return {list.index(row, marbelisto::GuideListQuery::Facturas).data().toString(),
                        list.index(row, marbelisto::GuideListQuery::Peso).data().toString(),
                        list.index(row, marbelisto::GuideListQuery::Total).data().toString()};
        }
        return QStringList();
    }

    QTemporaryDir printed;
};

} // namespace

TEST_F(ProcessFixture, AReviewLinksTheTickedInvoicesAndItsFiguresShowEverywhereBesideThoseOfRegistration)
{
    addMotivos();
    const qint32 guide = fiveInvoiceGuide();
    const QString storedBefore = stored(guide);
    open();
    enterGuide(guide);
    utilities->choose("Sin dinero para pagar");
    clickRow(2);
    utilities->choose("Cliente cerrado");
    clickRow(5);
    // Straight from the number box to "Procesar": leaving it keeps the unticks.
    testinput::click(find("numGuia"));
    procesar({true});

    EXPECT_EQ(links(guide), sorted({facturas[1], facturas[0], facturas[2]})) << "exactly the three ticked";
    EXPECT_EQ(stored(guide), storedBefore) << "the figures of registration and the closed flag stay";
    EXPECT_EQ(dispatched(guide), "3|17.5|275|33") << "A-000002 at the company's rate 4, A-000001 at 2, B-000315";
    ASSERT_EQ(utilities->questions.size(), 1u);
    EXPECT_EQ(utilities->questions[0].prompt, u"Quiere emitir el listado detallado de facturas"_s);
    expectEmptied();
    QStringList pdf = prints();
    ASSERT_EQ(pdf.size(), 1);
    EXPECT_TRUE(pdf[0].contains(QRegularExpression(
        QStringLiteral("GUIA 0*%1 FACTURAS 3 PESO 17.500 NETO 275.00 IVA 33.00 TOTAL 308.00 ").arg(guide))))
        << pdf[0].toStdString();
    EXPECT_TRUE(pdf[0].contains("Harina precocida 7")) << "4 + 2 + 1 units of the three left";
    EXPECT_FALSE(pdf[0].contains("Tornillo especial")) << "A-000004 no longer travels";
    EXPECT_TRUE(pdf[0].contains("Harina precocida 7.0 DEVUELTAS 2 DEVUELTA A-000005 Sin dinero para pagar DEVUELTA "
                                "A-000004 Cliente cerrado FIN"))
        << pdf[0].toStdString();
    ASSERT_EQ(listings().size(), 1);
    EXPECT_TRUE(listings()[0].contains("Totales 275.00 33.00 308.00 17.500 Facturas: 3")) << listings()[0].toStdString();
    EXPECT_EQ(listed(guide), QStringList({"3", "17.50", "308.00"}));

    // The guide stays open and shows what it carries now; the other two are added again.
    enterGuide(guide);
    EXPECT_EQ(references(), QStringList({"A-000002", "A-000001", "B-000315"}));
    EXPECT_EQ(totals(), QStringList({"308.000", "17.5", "3"}));
    framework.inputBox->answer({"A-4", "A-5"});
    click("cbAgregarFactura");
    click("cbAgregarFactura");
    EXPECT_EQ(returns(guide), QStringList({QString::number(facturas[3]) + u"|Cliente cerrado"_s,
                                           QString::number(facturas[4]) + u"|Sin dinero para pagar"_s}));
    procesar({false});
    EXPECT_EQ(links(guide), sorted(facturas));
    EXPECT_TRUE(returns(guide).isEmpty()) << "travelling after all, they are returns no more";
    EXPECT_EQ(stored(guide), storedBefore);
    EXPECT_EQ(dispatched(guide), "5|29.5|335|40.2");
    pdf = prints();
    ASSERT_EQ(pdf.size(), 2);
    EXPECT_TRUE(pdf[1].contains("FACTURAS 5 PESO 29.500 NETO 335.00 IVA 40.20 TOTAL 375.20 ")) << pdf[1].toStdString();
    EXPECT_TRUE(pdf[1].contains("Harina precocida 9") && pdf[1].contains("Tornillo especial 7")) << pdf[1].toStdString();
    EXPECT_FALSE(pdf[1].contains("DEVUELTA")) << "no returns, no heading for them: " << pdf[1].toStdString();
    EXPECT_EQ(listed(guide), QStringList({"5", "29.50", "375.20"}));
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ProcessFixture, ClosingAndAnnullingAskFirstAndAClosedGuideIsRefusedLater)
{
    const qint32 guide = fiveInvoiceGuide();
    const QString storedBefore = stored(guide);
    open();
    enterGuide(guide);
    click("cbDeselectAll");
    click("chkCerrarGuia");
    const QStringList shown = screen();

    // No to closing, then yes to closing and no to annulling: nothing is written.
    procesar({false, true, false});
    click("cbOk");
    ASSERT_EQ(utilities->questions.size(), 3u);
    EXPECT_EQ(std::tuple(utilities->questions[0].prompt, utilities->questions[0].defaultYes, utilities->questions[0].title),
              std::tuple(CloseQuestion, false, QString()));
    EXPECT_EQ(utilities->questions[2].prompt, u"No hay facturas seleccionadas.\r\n¿Desea anular la guía?"_s);
    EXPECT_EQ(utilities->messages, QStringList{"Marque al menos una factura para continuar con el registro"});
    EXPECT_EQ(links(guide), sorted(facturas));
    EXPECT_EQ(stored(guide), storedBefore);
    EXPECT_EQ(screen(), shown);
    EXPECT_TRUE(prints().isEmpty());

    // Annulled without closing: no invoice left, still open, printed without lines.
    click("chkCerrarGuia");
    procesar({true, false});
    EXPECT_TRUE(links(guide).isEmpty());
    EXPECT_EQ(stored(guide), storedBefore);
    EXPECT_EQ(dispatched(guide), "0|0|0|0");
    expectEmptied();
    ASSERT_EQ(prints().size(), 1);
    EXPECT_FALSE(prints()[0].contains("Harina"));

    // Reviewed again with one invoice added back, and closed.
    enterGuide(guide);
    framework.inputBox->answer("A-1");
    click("cbAgregarFactura");
    click("chkCerrarGuia");
    procesar({true, false});
    EXPECT_EQ(links(guide), QList<qint32>{facturas[0]});
    EXPECT_EQ(stored(guide), "1" + storedBefore.mid(1)) << "closed, the totals as stored";
    EXPECT_EQ(prints().size(), 2);
    expectEmptied();
    enterGuide(guide);
    EXPECT_EQ(utilities->messages.last(), u"Guía cerrada"_s);
    EXPECT_EQ(focus(), find("numGuia"));
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ProcessFixture, AFailureBeforeTheCommitChangesNothingAndAFailedPrintAfterItStillEmptiesTheDialog)
{
    addMotivos();
    const qint32 guide = fiveInvoiceGuide();
    const QString storedBefore = stored(guide);
    open();
    enterGuide(guide);
    utilities->choose("Mercancía dañada");
    clickRow(3);
    click("chkCerrarGuia");
    const QStringList shown = screen();

    const QStringList statements{"SELECT f.precioEfectivo", "UPDATE gdVontarelis SET facturasDespacho",
                                 "DELETE FROM gdFacturasGuia", "INSERT INTO gdFacturasGuia",
                                 "DELETE FROM gdDevolucionesGuia", "INSERT INTO gdDevolucionesGuia",
                                 "UPDATE gdVontarelis SET cerrada = 1"};
    for (int nth = 1; nth <= statements.size(); ++nth) {
        SCOPED_TRACE(nth);
        utilities->errors.clear();
        framework.failStatement(nth);
        procesar({true});
        EXPECT_TRUE(framework.failed());
        ASSERT_EQ(framework.statements().size(), nth);
        EXPECT_TRUE(framework.statements().last().startsWith(statements[nth - 1])) << framework.statements().last().toStdString();
        ASSERT_EQ(utilities->errors.size(), 1u);
        EXPECT_EQ(utilities->errors[0].source, u"frmConfirmarBruvelos::cbOk_Click"_s);
        EXPECT_EQ(links(guide), sorted(facturas)) << "the links as before";
        EXPECT_TRUE(returns(guide).isEmpty()) << "no reason kept without the links";
        EXPECT_EQ(stored(guide) + dispatched(guide), storedBefore + "|||") << "the guide still open, never reviewed";
        EXPECT_EQ(screen(), shown) << "the dialog as it was";
    }
    EXPECT_TRUE(prints().isEmpty());

    // Stored and closed, then the print fails on reading the guide back: reported, and the dialog
    // is emptied all the same, so nothing on screen invites a second "Procesar" of a closed guide.
    utilities->errors.clear();
    framework.failStatement(statements.size() + 1);
    procesar({true});
    EXPECT_TRUE(framework.statements().last().startsWith("SELECT * FROM gdVontarelis"));
    EXPECT_EQ(links(guide), sorted(facturas.mid(1)));
    EXPECT_EQ(returns(guide), QStringList{QString::number(facturas[0]) + u"|Mercancía dañada"_s});
    EXPECT_EQ(stored(guide).left(1), u"1"_s);
    ASSERT_EQ(utilities->errors.size(), 1u);
    EXPECT_EQ(utilities->errors[0].source, u"frmConfirmarBruvelos::cbOk_Click"_s);
    EXPECT_TRUE(prints().isEmpty());
    expectEmptied();
}

// Another desk works on the guide on screen: a review there makes "Procesar" here write
// nothing and reload only if asked; a close there makes it refuse without writing.
TEST_F(ProcessFixture, AGuideAnotherDeskReviewedOrClosedWhileOnScreenIsNeverOverwritten)
{
    const qint32 guide = fiveInvoiceGuide();
    const auto other = host.openSecondConnection();
    open();
    enterGuide(guide);
    clickRow(1);
    // Desk B's review took an invoice off and closed nothing.
    other->ExecuteSQLA("DELETE FROM gdFacturasGuia WHERE idGuia = ? AND NumeroFactura = ?", {guide, facturas[3]});
    other->ExecuteSQLA("UPDATE gdVontarelis SET version = version + 1 WHERE id = ?", {guide});
    const QStringList shown = screen();

    utilities->answer(false);
    click("cbOk");
    ASSERT_EQ(utilities->questions.size(), 1u);
    EXPECT_TRUE(utilities->questions[0].prompt.startsWith(u"Otra estación de trabajo cambió esta guía"_s));
    EXPECT_EQ(screen(), shown) << "no keeps the ticks on screen";
    QList<qint32> left = facturas;
    left.removeAt(3);
    EXPECT_EQ(links(guide), sorted(left)) << "desk B's removal stands";
    EXPECT_EQ(dispatched(guide), "|||");

    utilities->answer(true);
    click("cbOk");
    EXPECT_EQ(marks(), QStringList(4, "þ")) << "yes shows the guide as it is now, every invoice ticked";
    EXPECT_EQ(links(guide), sorted(left));
    procesar({false});
    EXPECT_EQ(links(guide), sorted(left));
    EXPECT_EQ(dispatched(guide).left(2), u"4|"_s);
    EXPECT_EQ(prints().size(), 1);

    enterGuide(guide);
    clickRow(1);
    other->ExecuteSQLA("UPDATE gdVontarelis SET Cerrada = 1 WHERE id = ?", {guide});
    const QString before = dispatched(guide);
    click("cbOk");
    EXPECT_EQ(utilities->messages, QStringList{"Guía cerrada"});
    EXPECT_TRUE(utilities->errors.empty()) << "refused by the dialog before the database has to";
    EXPECT_EQ(links(guide), sorted(left));
    EXPECT_EQ(dispatched(guide), before);
    EXPECT_EQ(prints().size(), 1);
    expectEmptied();
}

TEST_F(ConfirmFixture, TheDatabaseRefusesEveryChangeToAClosedGuideWhateverProgramWrites)
{
    const qint32 closed = guia({factura("C", 1, QDate(2024, 3, 1), 1, 0)}, true);
    const qint32 open = guia({factura("A", 1, QDate(2024, 3, 1), 1, 0), factura("A", 2, QDate(2024, 3, 1), 1, 0)});
    const qint32 loose = factura("L", 1, QDate(2024, 3, 1), 1, 0);
    const QString before = stored(closed) + dispatched(closed);
    const QList<std::pair<const char *, QVariantList>> changes{
        {"INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)", {closed, loose}},
        {"DELETE FROM gdFacturasGuia WHERE idGuia = ?", {closed}},
        {"UPDATE gdFacturasGuia SET idGuia = ? WHERE idGuia = ?", {open, closed}},
        {"UPDATE gdVontarelis SET totalPeso = 1, totalIVADespacho = 0 WHERE id = ?", {closed}},
        {"UPDATE gdVontarelis SET Cerrada = 0 WHERE id = ?", {closed}},
        {"DELETE FROM gdVontarelis WHERE id = ?", {closed}},
    };
    for (const auto &[sql, parameters] : changes) {
        try {
            host.exec(sql, parameters);
            ADD_FAILURE() << "accepted: " << sql;
        } catch (const toolkit::Error &error) {
            EXPECT_TRUE(error.description().contains(u"Guía cerrada"_s)) << error.description().toStdString();
        }
    }
    EXPECT_EQ(links(closed).size(), 1);
    EXPECT_EQ(stored(closed) + dispatched(closed), before);

    // An open guide takes its links and figures, and closing is its last change.
    host.exec("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)", {open, loose});
    host.exec("UPDATE gdVontarelis SET facturasDespacho = 3, Cerrada = 1 WHERE id = ?", {open});
    EXPECT_EQ(links(open).size(), 3);
    EXPECT_THROW(host.exec("DELETE FROM gdFacturasGuia WHERE NumeroFactura = ?", {loose}), toolkit::Error);
}
