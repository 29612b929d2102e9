// The print library's pieces that need no database: fields, format blocks, pages, destinations.
#include "hostlibs/FieldFiller.h"
#include "hostlibs/JobPrinter.h"
#include "hostlibs/PageLayout.h"
#include "hostlibs/PrintDestination.h"
#include "hostlibs/PrintFormat.h"

#include "toolkit/Raised.h"
#include "vontarelis/host/IDocument.h"

#include <QApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using testerrors::raised;

namespace {

// A document that answers from a table.
class TableDocument : public host::IDocument
{
public:
    explicit TableDocument(QVariantMap answers) : m_answers(std::move(answers)) {}

    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override
    {
        const QString name = sVarId.toString().toUpper();
        vRetBuffer = sRetString = m_answers.value(name);
        return m_answers.contains(name);
    }
    QVariantMap documentFields() const override { return {}; }

private:
    QVariantMap m_answers;
};

TEST(PrintLibraryTest, FieldsAlignWrapInTheirColumnAndNameUnknownsOnce)
{
    TableDocument guide(QVariantMap{{QStringLiteral("NUMERO"), QStringLiteral("000042")},
                                    {QStringLiteral("NOMBRE"), QStringLiteral("Pedro Alcántara Ruiz")},
                                    {QStringLiteral("NULO"), QVariant::fromValue(nullptr)},
                                    {QStringLiteral("LARGO"), QString(30, u'w')}});
    hostlibs::FieldFiller filler;
    EXPECT_EQ(filler.fill(QStringLiteral("N° {NUMERO}|{NUMERO,8}|{NUMERO,-8}|{NUMERO,3}|"), guide),
              QStringLiteral("N° 000042|  000042|000042  |000042|"));
    EXPECT_EQ(filler.fill(QStringLiteral("{ NOMBRE , 22 }|{NULO}|{FALTA}|{FALTA,-4}|{FALTA}"), guide),
              QStringLiteral("  Pedro Alcántara Ruiz|||    |"));
    EXPECT_EQ(filler.fill(QStringLiteral("sin campos {} { } {X,abc}"), guide), "sin campos {} { } {X,abc}");
    // A left-aligned text goes on under its own column, between words; a word wider than the
    // column is split rather than lost. The code's text takes every value whole.
    EXPECT_EQ(filler.fill(QStringLiteral("A: {nombre,-10}| B: {NUMERO,-3}|"), guide),
              QStringLiteral("A: Pedro     | B: 000|\n   Alcántara      042\n   Ruiz"));
    // A text no page could hold ends in an ellipsis after a few lines.
    EXPECT_EQ(filler.fill(QStringLiteral("{LARGO,-4}|"), guide), QStringLiteral("wwww|\nwwww\nwwww\nwww…"));
    EXPECT_EQ(filler.fillWhole(QStringLiteral("{nombre,-10}|{NUMERO,-8}|"), guide),
              QStringLiteral("Pedro Alcántara Ruiz|000042  |"));
    EXPECT_EQ(hostlibs::FieldFiller::layoutWidth(QStringLiteral("N° {NUMERO} {NOMBRE,-30}|{PESO,12}")), 55);

    TableDocument line(QVariantMap{{QStringLiteral("CODIGO"), QStringLiteral("A-1")}});
    filler.fill(QStringLiteral("{CODIGO} {LOTE}"), line);
    filler.fill(QStringLiteral("{lote} {FALTA}"), line);
    EXPECT_EQ(filler.unknownNames(), (QStringList{QStringLiteral("FALTA"), QStringLiteral("LOTE")}));
}

TEST(PrintLibraryTest, FormatSplitsAroundItsDetailBlockAndRefusesBrokenOnesByName)
{
    const hostlibs::PrintFormat format = hostlibs::PrintFormat::parse(
        QStringLiteral("Cabecera\r\n\r\n  [detalle]  \r\n{CODIGO}\r\n{DESCRIPCION}\r\n[/DETALLE]\r\nPie\r\n"),
        QStringLiteral("f.txt"));
    EXPECT_EQ(QList<QStringList>({format.header(), format.detail(), format.footer()}),
              QList<QStringList>({{"Cabecera", ""}, {"{CODIGO}", "{DESCRIPCION}"}, {"Pie"}}));
    EXPECT_EQ(hostlibs::PrintFormat::parse(QStringLiteral("solo\ncabecera"), QString()).header().size(), 2);
    // What stands after the detail block down to its last list flows with the body.
    const hostlibs::PrintFormat lists = hostlibs::PrintFormat::parse(
        QStringLiteral("[DETALLE]\n{A}\n[/DETALLE]\nantes\n[lista DEVOLUCIONES]\n[ENCABEZADO]\nDevueltas\n[/ENCABEZADO]\n"
                       "{B}\n[/LISTA]\nentre\n[LISTA X]\n[/LISTA]\nPie\n"),
        QStringLiteral("f.txt"));
    QStringList segments;
    for (const auto &segment : lists.afterDetail())
        segments << segment.list + u':' + segment.heading.join(u',') + u':' + segment.lines.join(u',');
    EXPECT_EQ(segments, QStringList({"::antes", "DEVOLUCIONES:Devueltas:{B}", "::entre", "X::"}));
    EXPECT_EQ(lists.footer(), QStringList{"Pie"});

    // A block inside the detail repeats per line of the line; it stands where it was written.
    const hostlibs::PrintFormat nested = hostlibs::PrintFormat::parse(
        QStringLiteral("[DETALLE]\n{PARADA}\n[SUBDETALLE]\n{FACTURA}\n[/SUBDETALLE]\nFirma\n[/DETALLE]"), QString());
    EXPECT_EQ(QList<QStringList>({nested.detail(), nested.subDetail()}), QList<QStringList>({{"{PARADA}", "Firma"}, {"{FACTURA}"}}));
    EXPECT_EQ(nested.subDetailAt(), 1);

    for (const char *broken : {"a\n[DETALLE]\nb\n", "a\n[/DETALLE]\n", "[DETALLE]\n[/DETALLE]\n[DETALLE]\n[/DETALLE]",
                               "{NUMERO,1001}", "[DETALLE]\n{A,-2147483648}\n[/DETALLE]", "[QR]\n{A, 99999999999}\n[/QR]",
                               "[LISTA A]\n[/LISTA]", "[DETALLE]\n[/DETALLE]\n[LISTA A]\n", "[DETALLE]\n[/DETALLE]\n[/LISTA]",
                               "[DETALLE]\n[/DETALLE]\n[LISTA A]\n[LISTA B]\n[/LISTA]\n[/LISTA]",
                               "[DETALLE]\n[/DETALLE]\n[ENCABEZADO]\n[/ENCABEZADO]",
                               "[DETALLE]\n[/DETALLE]\n[LISTA A]\n{B}\n[ENCABEZADO]\n[/ENCABEZADO]\n[/LISTA]",
                               "[DETALLE]\n[/DETALLE]\n[LISTA A]\n[ENCABEZADO]\n[/LISTA]",
                               "[SUBDETALLE]\n[/SUBDETALLE]", "[DETALLE]\n[SUBDETALLE]\n[/DETALLE]",
                               "[DETALLE]\n[/SUBDETALLE]\n[/DETALLE]",
                               "[DETALLE]\n[SUBDETALLE]\n[/SUBDETALLE]\n[SUBDETALLE]\n[/SUBDETALLE]\n[/DETALLE]"})
        EXPECT_TRUE(raised([&] { hostlibs::PrintFormat::parse(QString::fromUtf8(broken), QStringLiteral("roto.txt")); })
                        .description().contains(QStringLiteral("«roto.txt»")))
            << broken;
    EXPECT_TRUE(raised([] { hostlibs::PrintFormat::read(QStringLiteral("no-existe/FormatoDespacho.txt")); })
                    .description().contains(QStringLiteral("«no-existe/FormatoDespacho.txt»")));
}

TEST(PrintLibraryTest, PagesRepeatTheHeaderAndKeepTheFooterTogetherAtTheEnd)
{
    hostlibs::PrintJob job;
    job.header = {"H1", "H2"};
    job.body = {"L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8"};
    job.footer = {"F1", "F2"};
    // Five lines a page leave three for the body; the footer does not fit after L8 and takes
    // with it as many body lines as fit beside it, one here, so it never stands alone.
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 5),
              (QList<QStringList>{{"H1", "H2", "L1", "L2", "L3"}, {"H1", "H2", "L4", "L5", "L6"}, {"H1", "H2", "L7"},
                                  {"H1", "H2", "L8", "F1", "F2"}}));
    // With room, up to three lines go over; at least one stays behind.
    job.footer = {"F1"};
    job.body += {"L9", "L10"};
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 7).last(), (QStringList{"H1", "H2", "L8", "L9", "L10", "F1"}));
    job.body.resize(7);
    job.footer = {"F1", "F2"};
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 7).last(), (QStringList{"H1", "H2", "L6", "L7", "F1", "F2"}));
    job.body.clear();
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 5), (QList<QStringList>{{"H1", "H2", "F1", "F2"}}));
    // A footer longer than a page flows over pages rather than vanish.
    job.footer = {"F1", "F2", "F3", "F4"};
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 4),
              (QList<QStringList>{{"H1", "H2", "F1", "F2"}, {"H1", "H2", "F3", "F4"}}));
    EXPECT_NE(raised([&] { hostlibs::PageLayout::paginate(job, 2); }).number(), 0);

    // Lines that belong together start a page rather than split; taller than a page, they flow.
    job.footer.clear();
    job.body = {"L1", "B1\nB2", "C1\nC2\nC3\nC4"};
    const auto linesOf = [](const QString &line) { return int(line.count(u'\n')) + 1; };
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 4, linesOf),
              (QList<QStringList>{{"H1", "H2", "L1"}, {"H1", "H2", "B1\nB2"}, {"H1", "H2", "C1", "C2"}, {"H1", "H2", "C3", "C4"}}));
}

TEST(PrintLibraryTest, DestinationFollowsThePrinterSetting)
{
    using Kind = hostlibs::PrintDestination::Kind;
    using hostlibs::PrintDestination;
    const QString data = QStringLiteral("/srv/datos");
    // A folder is an absolute path or starts with ./ (the data folder's) or ~/ (the home's).
    for (const bool interactive : {true, false}) {
        for (const auto &[setting, folder] : {std::pair{QStringLiteral(" /var/impresos/ "), QStringLiteral("/var/impresos")},
                                              std::pair{QStringLiteral("./impresos/../guias"), QStringLiteral("/srv/datos/guias")},
                                              std::pair{QStringLiteral("~/pdf"), QDir::home().filePath("pdf")}}) {
            const PrintDestination destination = PrintDestination::resolve(setting, interactive, data);
            EXPECT_EQ(std::pair(destination.kind(), destination.name()), std::pair(Kind::PdfFolder, folder)) << setting.toStdString();
        }
    }
    // Anything else names a printer, and one this machine does not know is refused whether the
    // print would show its preview or not.
    for (const bool interactive : {true, false}) {
        for (const QString &printer : {QStringLiteral("impresos/guias"), QStringLiteral("\\\\servidor\\epson"), QStringLiteral("~pdf"),
                                       QStringLiteral("NoHayTal-Impresora")}) {
            const toolkit::Error error = raised([&] { PrintDestination::resolve(printer, interactive, data); });
            EXPECT_TRUE(error.description().contains("«" + printer + "»")) << printer.toStdString();
        }
    }
    EXPECT_EQ(PrintDestination::resolve(QString(), true, data).kind(), Kind::Preview);
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    EXPECT_TRUE(raised([&] { PrintDestination::resolve(QString(), false, data); })
                    .description().contains(QStringLiteral("No se imprimió nada")));
}

TEST(PrintLibraryTest, InteractivePrintWithoutAFolderShowsThePagesInQtsPreview)
{
    hostlibs::PrintJob job;
    job.documentType = QStringLiteral("GDD");
    job.number = QStringLiteral("000042");
    job.header = {QStringLiteral("GUÍA DE DESPACHO N° 000042")};
    for (int i = 1; i <= 150; ++i)
        job.body.append(QStringLiteral("Línea %1").arg(i));
    int shownPages = 0;
    QString title;
    // Opened fitted to the width; Ctrl++ zooms in from there, Ctrl+- back out.
    QPrintPreviewWidget::ZoomMode openedAs = QPrintPreviewWidget::CustomZoom;
    QList<qreal> zooms;
    QTimer::singleShot(0, [&] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        title = preview->windowTitle();
        auto *pages = preview->findChild<QPrintPreviewWidget *>();
        shownPages = pages->pageCount();
        openedAs = pages->zoomMode();
        EXPECT_TRUE(QTest::qWaitForWindowActive(preview));
        zooms << pages->zoomFactor();
        for (const Qt::Key key : {Qt::Key_Plus, Qt::Key_Minus}) {
            QTest::keyClick(pages, key, Qt::ControlModifier);
            zooms << pages->zoomFactor();
        }
        preview->reject();
    });
    const hostlibs::PrintResult result =
        hostlibs::JobPrinter::print(job, hostlibs::PrintDestination::resolve(QString(), true, QString()));
    EXPECT_GE(shownPages, 2);
    EXPECT_EQ(result.pages, shownPages);
    EXPECT_TRUE(title.contains(QStringLiteral("GDD 000042"))) << title.toStdString();
    EXPECT_EQ(openedAs, QPrintPreviewWidget::FitToWidth);
    EXPECT_TRUE(zooms.size() == 3 && zooms[1] > zooms[0] && zooms[2] < zooms[1]) << zooms.size();
    EXPECT_TRUE(result.pdfFile.isEmpty());
}

} // namespace
