// QR blocks of print formats: how the format reader places them, how pages make room for them,
// and codes printed to PDF that a real decoder reads back.
#include "hostlibs/JobPrinter.h"
#include "hostlibs/PageLayout.h"
#include "hostlibs/PrintDestination.h"
#include "hostlibs/PrintFormat.h"
#include "hostlibs/QrMarker.h"
#include "hostlibs/QrMatrix.h"

#include "support/PdfQrCodes.h"
#include "support/PdfText.h"
#include "toolkit/Raised.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testerrors::raised;

namespace {

TEST(QrPrintTest, FormatKeepsAMarkerWhereEachBlockStandsAndRefusesBrokenBlocks)
{
    const hostlibs::PrintFormat format = hostlibs::PrintFormat::parse(
        QString::fromUtf8("Cabecera \xEF\xBF\xBC" "7\n    [qr]\nA={A}\n  B=2\n[/QR]\n[DETALLE]\n{C}\n[/DETALLE]\n"
                          "[QR]\nZ={Z}\n[/QR]\nPie\n"),
        QStringLiteral("f.txt"));
    // A marker character typed in the format is no marker: it is dropped from the text.
    EXPECT_EQ(QList<QStringList>({format.header(), format.detail(), format.footer()}),
              QList<QStringList>(
                  {{"Cabecera 7", hostlibs::QrMarker::line(4, 0)}, {"{C}"}, {hostlibs::QrMarker::line(0, 1), "Pie"}}));
    EXPECT_EQ(format.qrBlocks(), (QList<QStringList>{{"A={A}", "  B=2"}, {"Z={Z}"}}));
    const auto marker = hostlibs::QrMarker::parse(format.header().at(1));
    ASSERT_TRUE(marker.has_value());
    EXPECT_EQ(std::pair(marker->column(), marker->index()), std::pair(4, 0));
    EXPECT_FALSE(hostlibs::QrMarker::parse(format.header().at(0)).has_value());

    for (const char *broken : {"[QR]\nA\n", "A\n[/QR]\n", "[QR]\nA\n[QR]\nB\n[/QR]\n[/QR]\n", "[QR]\n[/QR]\n",
                               "[QR]\n[DETALLE]\n[/QR]\n", "[DETALLE]\n[QR]\nA\n[/DETALLE]\n[/QR]\n"})
        EXPECT_TRUE(raised([&] { hostlibs::PrintFormat::parse(QString::fromUtf8(broken), QStringLiteral("roto.txt")); })
                        .description().contains(QStringLiteral("«roto.txt»")))
            << broken;
}

TEST(QrPrintTest, TallLinesAreNeverSplitOverPages)
{
    hostlibs::PrintJob job;
    job.header = {"H"};
    job.body = {"L1", "L2", "Q", "L3"};
    job.footer = {"F"};
    int qrLines = 3;
    const auto linesOf = [&](const QString &line) { return line == QStringLiteral("Q") ? qrLines : 1; };

    // Four lines under the header: the code does not fit after L2 and opens the next page; the
    // footer then takes L3 along, and the code stays whole on its page.
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 5, linesOf),
              (QList<QStringList>{{"H", "L1", "L2"}, {"H", "Q"}, {"H", "L3", "F"}}));
    // The footer takes the last body lines with it only as far as they fit beside it.
    job.body = {"L1", "Q"};
    job.footer = {"F1", "F2"};
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 5, linesOf),
              (QList<QStringList>{{"H", "L1", "Q"}, {"H", "F1", "F2"}}));
    // An empty code takes no room at all.
    qrLines = 0;
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 5, linesOf), (QList<QStringList>{{"H", "L1", "Q", "F1", "F2"}}));
    qrLines = 5;
    EXPECT_TRUE(raised([&] { hostlibs::PageLayout::paginate(job, 5, linesOf); }).description().contains("QR"));
}

TEST(QrPrintTest, PrintedCodesReadBackAsTheirTextOnEveryPageWithTheTextAroundThemIntact)
{
    const QString accented = QStringLiteral("GUIA=000042\nCLIENTE=Bodegón Ñandú, C.A.\nPESO=3.150,000");
    const QString plain = QStringLiteral("RIF=J-30456789-1");
    hostlibs::PrintJob job;
    job.documentType = QStringLiteral("GDD");
    job.number = QStringLiteral("000042");
    // One code in the header (so on every page), indented; one closing the document.
    job.header = {"Antes del código", hostlibs::QrMarker::line(40, 0), "Después del código"};
    for (int i = 1; i <= 90; ++i)
        job.body.append(QStringLiteral("Línea %1").arg(i));
    job.footer = {hostlibs::QrMarker::line(0, 1), QStringLiteral("Fin del documento")};
    job.qrTexts = {accented, plain};

    const QTemporaryDir folder;
    const hostlibs::PrintResult result =
        hostlibs::JobPrinter::print(job, hostlibs::PrintDestination::resolve(folder.path(), false, QString()));
    ASSERT_GE(result.pages, 2);
    for (int page = 1; page < result.pages; ++page)
        EXPECT_EQ(testsupport::pdfQrCodes(result.pdfFile, page), QStringList{accented}) << "page " << page;
    QStringList last = testsupport::pdfQrCodes(result.pdfFile, result.pages);
    last.sort();
    EXPECT_EQ(last, (QStringList{accented, plain}));

    const QStringList pages = testsupport::pdfPages(result.pdfFile);
    ASSERT_EQ(pages.size(), result.pages);
    QString body;
    for (const QString &page : pages) {
        // The code has the lines between the two header lines to itself.
        const qsizetype before = page.indexOf(QStringLiteral("Antes del código"));
        const qsizetype after = page.indexOf(QStringLiteral("Después del código"));
        ASSERT_TRUE(before >= 0 && after > before) << page.toStdString();
        EXPECT_GE(page.mid(before, after - before).count(u'\n'), 5) << page.toStdString();
        body += page;
    }
    for (int i = 1; i <= 90; ++i)
        EXPECT_EQ(body.count(QRegularExpression(QStringLiteral("Línea %1\\b").arg(i))), 1) << i;
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Fin del documento")));
}

TEST(QrPrintTest, TextTooLongForAnyCodeOrEmptyIsRefused)
{
    EXPECT_TRUE(raised([] { hostlibs::QrMatrix::encode(QString(3000, u'x')); }).description().contains("largo"));
    EXPECT_TRUE(raised([] { hostlibs::QrMatrix::encode(QString()); }).description().contains("QR"));
    EXPECT_EQ(std::tuple(hostlibs::QrMatrix::fits(QString(2400, u'x')), hostlibs::QrMatrix::fits(QString()),
                         hostlibs::QrMatrix::fits(QString(2300, u'x'))),
              std::tuple(false, false, true));
    EXPECT_EQ(hostlibs::QrMatrix::encode(QStringLiteral("GUIA=1")).size(), 21);
}

} // namespace
