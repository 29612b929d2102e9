#include "ConfirmFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

using confirmtest::ConfirmFixture;

namespace {

const QString PrintQuestion = QStringLiteral("Quiere emitir el listado detallado de facturas");
const QString CloseQuestion = QStringLiteral("Si cierra la guía no podrá realizar más cambios\r\n¿Realmente desea cerrarla?");
const QString NoTicksQuestion = QStringLiteral("No hay facturas seleccionadas.\r\n¿Desea anular la guía?");

// Every print of the host becomes a PDF in a folder of its own; the guide's format lists its
// number and its item lines.
class ProcessFixture : public ConfirmFixture
{
protected:
    ProcessFixture()
    {
        host.setPrinterFolder(printed.path());
        QFile format(host.dataPath() + QStringLiteral("FormatoDespacho.txt"));
        EXPECT_TRUE(format.open(QIODevice::WriteOnly | QIODevice::Truncate));
        format.write("GUIA {NUMERO}\n[DETALLE]\n{DESCRIPCION} {CANTIDAD}\n[/DETALLE]\nFIN\n");
    }

    // The text of every PDF printed so far, oldest first.
    QStringList prints() const
    {
        QStringList texts;
        for (const QFileInfo &file : QDir(printed.path()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed)) {
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file.filePath(), QStringLiteral("-")});
            EXPECT_TRUE(pdftotext.waitForFinished(30000));
            texts << QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        }
        return texts;
    }
    QList<qint32> sorted(QList<qint32> numbers) const
    {
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    }
    // Processed and emptied: the number field is 0 again and has the focus.
    void expectEmptied()
    {
        EXPECT_EQ(find<toolkit::NumericBox>("numGuia")->value(), 0.0);
        EXPECT_EQ(header() + totals(), QStringList(8));
        EXPECT_FALSE(find<QCheckBox>("chkCerrarGuia")->isChecked());
        EXPECT_EQ(focus(), find("numGuia"));
    }

    QTemporaryDir printed;
};

} // namespace

TEST_F(ProcessFixture, ProcesarKeepsTheTickedInvoicesThenAllFiveAgainAndPrintsTheNewLines)
{
    const qint32 guide = fiveInvoiceGuide();
    const QString storedBefore = stored(guide);
    open();
    enterGuide(guide);
    clickRow(2);
    clickRow(5);
    utilities->answer(false);
    click("cbOk");

    EXPECT_EQ(links(guide), sorted({facturas[1], facturas[0], facturas[2]})) << "exactly the three ticked";
    EXPECT_EQ(stored(guide), storedBefore) << "the stored totals and the closed flag stay";
    ASSERT_EQ(utilities->questions.size(), 1u);
    EXPECT_EQ(utilities->questions[0].prompt, PrintQuestion);
    expectEmptied();
    QStringList pdf = prints();
    ASSERT_EQ(pdf.size(), 1);
    EXPECT_TRUE(pdf[0].contains(QRegularExpression(QStringLiteral("GUIA 0*%1 ").arg(guide)))) << pdf[0].toStdString();
    EXPECT_TRUE(pdf[0].contains(QStringLiteral("Harina precocida 7"))) << "4 + 2 + 1 units of the three left";
    EXPECT_FALSE(pdf[0].contains(QStringLiteral("Tornillo especial"))) << "A-000004 no longer travels";

    // The guide stays open: its three invoices come back, the other two are added again.
    enterGuide(guide);
    EXPECT_EQ(references(), (QStringList{QStringLiteral("A-000002"), QStringLiteral("A-000001"), QStringLiteral("B-000315")}));
    framework.inputBox->answer({QStringLiteral("A-4"), QStringLiteral("A-5")});
    click("cbAgregarFactura");
    click("cbAgregarFactura");
    utilities->answer(false);
    click("cbOk");
    EXPECT_EQ(links(guide), sorted(facturas));
    EXPECT_EQ(stored(guide), storedBefore);
    pdf = prints();
    ASSERT_EQ(pdf.size(), 2);
    EXPECT_TRUE(pdf[1].contains(QStringLiteral("Harina precocida 9")));
    EXPECT_TRUE(pdf[1].contains(QStringLiteral("Tornillo especial 7")));
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
    utilities->answer(false);
    utilities->answer(true);
    utilities->answer(false);
    click("cbOk");
    click("cbOk");
    ASSERT_EQ(utilities->questions.size(), 3u);
    EXPECT_EQ(std::tuple(utilities->questions[0].prompt, utilities->questions[0].defaultYes, utilities->questions[0].title),
              std::tuple(CloseQuestion, false, QString()));
    EXPECT_EQ(utilities->questions[2].prompt, NoTicksQuestion);
    EXPECT_EQ(utilities->messages, QStringList{QStringLiteral("Marque al menos una factura para continuar con el registro")});
    EXPECT_EQ(links(guide), sorted(facturas));
    EXPECT_EQ(stored(guide), storedBefore);
    EXPECT_EQ(screen(), shown);
    EXPECT_TRUE(prints().isEmpty());

    // Annulled without closing: no invoice left, still open, printed without lines.
    click("chkCerrarGuia");
    utilities->answer(true);
    utilities->answer(false);
    click("cbOk");
    EXPECT_TRUE(links(guide).isEmpty());
    EXPECT_EQ(stored(guide), storedBefore);
    expectEmptied();
    ASSERT_EQ(prints().size(), 1);
    EXPECT_FALSE(prints()[0].contains(QStringLiteral("Harina")));

    // Reviewed again with one invoice added back, and closed.
    enterGuide(guide);
    framework.inputBox->answer(QStringLiteral("A-1"));
    click("cbAgregarFactura");
    click("chkCerrarGuia");
    utilities->answer(true);
    utilities->answer(false);
    click("cbOk");
    EXPECT_EQ(links(guide), QList<qint32>{facturas[0]});
    EXPECT_EQ(stored(guide), QStringLiteral("1") + storedBefore.mid(1)) << "closed, the totals as stored";
    EXPECT_EQ(prints().size(), 2);
    expectEmptied();
    enterGuide(guide);
    EXPECT_EQ(utilities->messages.last(), QStringLiteral("Guía cerrada"));
    EXPECT_EQ(focus(), find("numGuia"));
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ProcessFixture, AFailureAtAnyStatementBeforeTheCommitChangesNothingAndIsReported)
{
    const qint32 guide = fiveInvoiceGuide();
    const QString storedBefore = stored(guide);
    open();
    enterGuide(guide);
    clickRow(3);
    click("chkCerrarGuia");
    const QStringList shown = screen();

    const QStringList statements{QStringLiteral("DELETE FROM gdFacturasGuia"), QStringLiteral("INSERT INTO gdFacturasGuia"),
                                 QStringLiteral("UPDATE gdVontarelis SET cerrada = 1")};
    for (int nth = 1; nth <= 3; ++nth) {
        SCOPED_TRACE(nth);
        utilities->errors.clear();
        utilities->answer(true);
        framework.failStatement(nth);
        click("cbOk");
        EXPECT_TRUE(framework.failed());
        ASSERT_EQ(framework.statements().size(), nth);
        EXPECT_TRUE(framework.statements().last().startsWith(statements[nth - 1])) << framework.statements().last().toStdString();
        ASSERT_EQ(utilities->errors.size(), 1u);
        EXPECT_EQ(utilities->errors[0].source, QStringLiteral("frmConfirmarBruvelos::cbOk_Click"));
        EXPECT_EQ(links(guide), sorted(facturas)) << "the links as before";
        EXPECT_EQ(stored(guide), storedBefore) << "the guide still open";
        EXPECT_EQ(screen(), shown) << "the dialog as it was";
    }
    EXPECT_TRUE(prints().isEmpty());

    // The same click goes through once the database answers again.
    framework.failStatement(0);
    utilities->answer(true);
    utilities->answer(false);
    click("cbOk");
    EXPECT_EQ(links(guide), sorted(facturas.mid(1)));
    EXPECT_EQ(stored(guide).left(1), QStringLiteral("1"));
    EXPECT_EQ(utilities->errors.size(), 1u) << "no further report";
}
