// The print library's pieces that need no database: fields, format blocks, pages, destinations.
#include "hostlibs/FieldFiller.h"
#include "hostlibs/JobPrinter.h"
#include "hostlibs/PageLayout.h"
#include "hostlibs/PrintDestination.h"
#include "hostlibs/PrintFormat.h"

#include "toolkit/Error.h"
#include "vontarelis/host/IDocument.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A document that answers from a table and counts what it was asked.
class TableDocument : public host::IDocument
{
public:
    explicit TableDocument(QVariantMap answers) : m_answers(std::move(answers)) {}

    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override
    {
        asked.append(sVarId.toString());
        const QString name = sVarId.toString().toUpper();
        if (!m_answers.contains(name))
            return false;
        vRetBuffer = m_answers.value(name);
        sRetString = m_answers.value(name);
        return true;
    }
    QVariantMap documentFields() const override { return {}; }

    QStringList asked;

private:
    QVariantMap m_answers;
};

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const toolkit::Error &error) {
        return error.description();
    }
    return QStringLiteral("(sin error)");
}

TEST(PrintLibraryTest, FieldsAlignCutAndNameUnknownsOnce)
{
    TableDocument guide(QVariantMap{{QStringLiteral("NUMERO"), QStringLiteral("000042")},
                                    {QStringLiteral("NOMBRE"), QStringLiteral("Pedro Alcántara Ruiz")},
                                    {QStringLiteral("NULO"), QVariant::fromValue(nullptr)}});
    hostlibs::FieldFiller filler;
    EXPECT_EQ(filler.fill(QStringLiteral("N° {NUMERO}|{NUMERO,8}|{NUMERO,-8}|{NUMERO,-3}|{NUMERO,3}|"), guide),
              QStringLiteral("N° 000042|  000042|000042  |000|000042|"));
    EXPECT_EQ(filler.fill(QStringLiteral("{nombre,-10}|{ NOMBRE , 22 }|{NULO}|{FALTA}|{FALTA,-4}|{FALTA}"), guide),
              QStringLiteral("Pedro Alcá|  Pedro Alcántara Ruiz|||    |"));
    EXPECT_EQ(filler.fill(QStringLiteral("sin campos {} { } {X,abc}"), guide), QStringLiteral("sin campos {} { } {X,abc}"));
    TableDocument line(QVariantMap{{QStringLiteral("CODIGO"), QStringLiteral("A-1")}});
    filler.fill(QStringList{QStringLiteral("{CODIGO} {LOTE}"), QStringLiteral("{lote} {FALTA}")}, line);
    EXPECT_EQ(filler.unknownNames(), (QStringList{QStringLiteral("FALTA"), QStringLiteral("LOTE")}));
}

TEST(PrintLibraryTest, FormatSplitsAroundItsDetailBlockAndRefusesBrokenOnes)
{
    const hostlibs::PrintFormat format = hostlibs::PrintFormat::parse(
        QStringLiteral("Cabecera\r\n\r\n  [detalle]  \r\n{CODIGO}\r\n{DESCRIPCION}\r\n[/DETALLE]\r\nPie\r\n"),
        QStringLiteral("f.txt"));
    EXPECT_EQ(format.header(), (QStringList{QStringLiteral("Cabecera"), QString()}));
    EXPECT_EQ(format.detail(), (QStringList{QStringLiteral("{CODIGO}"), QStringLiteral("{DESCRIPCION}")}));
    EXPECT_EQ(format.footer(), QStringList{QStringLiteral("Pie")});
    EXPECT_EQ(hostlibs::PrintFormat::parse(QStringLiteral("solo\ncabecera"), QString()).header().size(), 2);

    for (const char *broken : {"a\n[DETALLE]\nb\n", "a\n[/DETALLE]\n", "[DETALLE]\n[/DETALLE]\n[DETALLE]\n[/DETALLE]\n"})
        EXPECT_TRUE(errorOf([&] { hostlibs::PrintFormat::parse(QString::fromUtf8(broken), QStringLiteral("roto.txt")); })
                        .contains(QStringLiteral("«roto.txt»")))
            << broken;
    EXPECT_TRUE(errorOf([] { hostlibs::PrintFormat::read(QStringLiteral("no-existe/FormatoDespacho.txt")); })
                    .contains(QStringLiteral("«no-existe/FormatoDespacho.txt»")));
}

TEST(PrintLibraryTest, PagesRepeatTheHeaderAndKeepTheFooterTogetherAtTheEnd)
{
    hostlibs::PrintJob job;
    job.header = {QStringLiteral("H1"), QStringLiteral("H2")};
    for (int i = 1; i <= 8; ++i)
        job.body.append(QStringLiteral("L%1").arg(i));
    job.footer = {QStringLiteral("F1"), QStringLiteral("F2")};

    // Five lines a page leave three for the body; the footer does not fit after L8 and takes
    // with it as many body lines as fit beside it, one here, so it never stands alone.
    const QList<QStringList> pages = hostlibs::PageLayout::paginate(job, 5);
    ASSERT_EQ(pages.size(), 4);
    EXPECT_EQ(pages[0], (QStringList{"H1", "H2", "L1", "L2", "L3"}));
    EXPECT_EQ(pages[1], (QStringList{"H1", "H2", "L4", "L5", "L6"}));
    EXPECT_EQ(pages[2], (QStringList{"H1", "H2", "L7"}));
    EXPECT_EQ(pages[3], (QStringList{"H1", "H2", "L8", "F1", "F2"}));
    // With room, up to three lines go over; at least one stays behind.
    job.footer = {"F1"};
    job.body += {"L9", "L10"};
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 7).last(), (QStringList{"H1", "H2", "L8", "L9", "L10", "F1"}));
    job.body.resize(8);
    job.footer = {"F1", "F2"};

    job.body.removeLast();
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 7).last(), (QStringList{"H1", "H2", "L6", "L7", "F1", "F2"}));
    job.body.clear();
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 5), (QList<QStringList>{{"H1", "H2", "F1", "F2"}}));
    // A footer longer than a page flows over pages rather than vanish.
    job.footer = {"F1", "F2", "F3", "F4"};
    EXPECT_EQ(hostlibs::PageLayout::paginate(job, 4), (QList<QStringList>{{"H1", "H2", "F1", "F2"}, {"H1", "H2", "F3", "F4"}}));
    EXPECT_FALSE(errorOf([&] { hostlibs::PageLayout::paginate(job, 2); }).contains(QStringLiteral("sin error")));
}

TEST(PrintLibraryTest, DestinationFollowsThePrinterSetting)
{
    using Kind = hostlibs::PrintDestination::Kind;
    for (const bool interactive : {true, false}) {
        const auto folder = hostlibs::PrintDestination::resolve(QStringLiteral(" impresos/guias "), interactive);
        EXPECT_EQ(folder.kind(), Kind::PdfFolder);
        EXPECT_EQ(folder.name(), QStringLiteral("impresos/guias"));
    }
    EXPECT_EQ(hostlibs::PrintDestination::resolve(QString(), true).kind(), Kind::Preview);
    EXPECT_EQ(hostlibs::PrintDestination::resolve(QStringLiteral("Oficina"), true).kind(), Kind::Preview);
    EXPECT_TRUE(errorOf([] { hostlibs::PrintDestination::resolve(QStringLiteral("NoHayTal-Impresora"), false); })
                    .contains(QStringLiteral("«NoHayTal-Impresora»")));
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    EXPECT_TRUE(errorOf([] { hostlibs::PrintDestination::resolve(QString(), false); })
                    .contains(QStringLiteral("No se imprimió nada")));
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
    QTimer::singleShot(0, [&] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        title = preview->windowTitle();
        shownPages = preview->findChild<QPrintPreviewWidget *>()->pageCount();
        preview->reject();
    });
    const hostlibs::PrintResult result =
        hostlibs::JobPrinter::print(job, hostlibs::PrintDestination::resolve(QString(), true));
    EXPECT_GE(shownPages, 2);
    EXPECT_EQ(result.pages, shownPages);
    EXPECT_TRUE(title.contains(QStringLiteral("GDD 000042"))) << title.toStdString();
    EXPECT_TRUE(result.pdfFile.isEmpty());
}

} // namespace
