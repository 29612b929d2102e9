// Printing a stored guide through the real print library into PDF files, read back as text.
#include "vontarelis/model/ModelTestBase.h"

#include "hostlibs/HostLibraries.h"
#include "hostlibs/PrintResult.h"
#include "hostlibs/StandardPrintHost.h"
#include "support/PdfQrCodes.h"
#include "support/PdfText.h"
#include "toolkit/Error.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using modeltest::ModelTestBase;
using vontarelis::GuiaDespacho;

namespace {

const QString question = QStringLiteral("Quiere emitir el listado detallado de facturas");

// The host's own arrangement, with every print's account kept for the test.
class RecordingPrintHost : public hostlibs::StandardPrintHost
{
public:
    explicit RecordingPrintHost(std::vector<hostlibs::PrintResult> &results) : m_results(results) {}
    void printed(const hostlibs::PrintResult &result) override { m_results.push_back(result); }

private:
    std::vector<hostlibs::PrintResult> &m_results;
};

// The test host's framework, with the reports the guide asks for kept and then run.
class ReportSpyFramework : public marbelisto::Framework
{
public:
    explicit ReportSpyFramework(const testsupport::TestHost &host)
        : Framework(host.openDatabase(), marbelisto::DataFolder(host.dataPath()), QStringLiteral("OPERADOR"))
    {
    }
    void generarUsrReport(const QString &reportFile, const QString &parameterName,
                          const QVariant &parameterValue) override
    {
        reports.append(QStringList{reportFile, parameterName, parameterValue.toString()});
        Framework::generarUsrReport(reportFile, parameterName, parameterValue);
    }
    QList<QStringList> reports;
};

class GuidePrintTest : public ModelTestBase
{
protected:
    GuidePrintTest()
    {
        previousPrintHost = hostlibs::InstallPrintHost(std::make_unique<RecordingPrintHost>(results));
        host.setPrinterFolder(printed.path());
        host.addZona(QStringLiteral("Z1"), QStringLiteral("Centro y Este"));
        host.addVendedor(QStringLiteral("C07"), QStringLiteral("Pedro Alcántara Ruiz"), true);
        host.addVendedor(QStringLiteral("V02"), QStringLiteral("Lucía Benítez"));
        host.addCliente(QStringLiteral("CL1"), QStringLiteral("Bodegón La Esquina"), QStringLiteral("Z1"),
                        QStringLiteral("V02"));
        const qint32 tipo = host.addTipoVehiculo(QStringLiteral("Camión 350"));
        vehicle = host.addVehiculo(tipo, QStringLiteral("A12BC3D"), QStringLiteral("Ford"), QStringLiteral("F-350"),
                                   QStringLiteral("Blanco"), QStringLiteral("8YPZF16N8A8123456"),
                                   QStringLiteral("M-99"), 2019);
    }
    ~GuidePrintTest() override { hostlibs::InstallPrintHost(std::move(previousPrintHost)); }

    // Guide number `id` carrying the invoices, each with one line per item code given.
    void storeGuide(qint32 id, const QList<qint32> &invoices)
    {
        host.exec(QStringLiteral("INSERT INTO gdVontarelis (id, conductor, idVehiculo, fecha, horaRegistro, operador, "
                                 "facturas, totalPeso, totalPrecioVenta, totalIVA, vendedor, zona) VALUES "
                                 "(?, 'C07', ?, '2024-03-15 00:00:00', '2024-03-15 09:41:00', 'ANA', ?, 1500.5, "
                                 "1234.5, 197.52, 'V02', 'Z1')"),
                  {id, vehicle, invoices.size()});
        for (const qint32 numero : invoices)
            host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)"), {id, numero});
    }

    qint32 invoice(qint32 correlativo, double neto, double iva)
    {
        return host.addFactura(QStringLiteral("A"), correlativo, QStringLiteral("CL1"),
                               QStringLiteral("Bodegón La Esquina"), neto, iva, 1.0,
                               QDateTime(QDate(2024, 3, 14), QTime(10, 0)));
    }

    void useFormat(const QByteArray &text)
    {
        QFile file(host.dataPath() + QStringLiteral("Prueba.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        host.exec(QStringLiteral("DELETE FROM Configuracion WHERE clave = 'FormatoGuiaDespacho'"));
        host.exec(QStringLiteral("INSERT INTO Configuracion (clave, valor) VALUES ('FormatoGuiaDespacho', 'Prueba.txt')"));
    }

    QStringList pdfs() const { return testsupport::pdfFilesIn(printed.path()); }

    QTemporaryDir printed;
    std::vector<hostlibs::PrintResult> results;
    std::unique_ptr<hostlibs::IPrintHost> previousPrintHost;
    qint32 vehicle = 0;
};

TEST_F(GuidePrintTest, GuideCarriesItsDriverVehicleLinesInOrderAndTotals)
{
    host.addItem(QStringLiteral("P-300"), QStringLiteral("Pasta larga 1 kg"), 1.0);
    host.addItem(QStringLiteral("A-100"), QStringLiteral("Aceite de maíz 1 l"), 0.92);
    host.addItem(QStringLiteral("H-200"), QStringLiteral("Harina de maíz 1 kg"), 1.0);
    const qint32 first = invoice(501, 1000.0, 160.0);
    host.addMovimiento(first, QStringLiteral("P-300"), 24);
    host.addMovimiento(first, QStringLiteral("A-100"), 12);
    const qint32 second = invoice(502, 234.5, 37.52);
    host.addMovimiento(second, QStringLiteral("H-200"), 40);
    storeGuide(42, {first, second});

    GuiaDespacho guia;
    ASSERT_TRUE(guia.Load(42));
    utilities->answer(false);
    guia.ViewPrint(false);

    ASSERT_EQ(pdfs().size(), 1);
    const QString text = testsupport::pdfText(pdfs().first());
    for (const char *expected : {"000042", "Pedro Alcántara Ruiz", "A12BC3D", "Ford", "F-350", "8YPZF16N8A8123456",
                                 "Lucía Benítez", "Centro y Este", "Distribuidora de Prueba, C.A.", "1,500.500",
                                 "1,234.50", "197.52", "1,432.02", "Página 1 de 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    const qsizetype aceite = text.indexOf(QStringLiteral("Aceite de maíz 1 l"));
    const qsizetype harina = text.indexOf(QStringLiteral("Harina de maíz 1 kg"));
    const qsizetype pasta = text.indexOf(QStringLiteral("Pasta larga 1 kg"));
    EXPECT_TRUE(aceite >= 0 && aceite < harina && harina < pasta) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("A-100 +Aceite de maíz 1 l +12.00 +11.040"))))
        << text.toStdString();
    EXPECT_FALSE(text.contains(u'{')) << text.toStdString();
    // The shipped format's QR code, read from the page image, is its block filled for this guide.
    EXPECT_EQ(testsupport::pdfQrCodes(pdfs().first()),
              QStringList{QStringLiteral("RIF=J-00000000-0\nGUIA=000042\nFECHA=03/15/2024\nPLACA=A12BC3D\n"
                                         "CONDUCTOR=C07\nFACTURAS=2\nPESO=1,500.500")});
    EXPECT_LT(text.indexOf(QStringLiteral("Total:")), text.indexOf(QStringLiteral("Despachado por")));

    ASSERT_EQ(utilities->questions.size(), 1u);
    EXPECT_EQ(utilities->questions[0].prompt, question);
    EXPECT_FALSE(utilities->questions[0].defaultYes);
    EXPECT_EQ(utilities->questions[0].title, QString());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].warnings.isEmpty()) << results[0].warnings.join(u'\n').toStdString();
    EXPECT_TRUE(results[0].interactive);

    // The host that prints on its own asks for no preview: AutoPrint true is interactive false.
    utilities->answer(false);
    guia.ViewPrint(true);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_FALSE(results[1].interactive);
    EXPECT_EQ(utilities->questions.size(), 2u);
    EXPECT_EQ(pdfs().size(), 2);
}

TEST_F(GuidePrintTest, ManyLinesSpanPagesWithTheHeaderOnEveryPageAndTotalsOnceAtTheEnd)
{
    const qint32 numero = invoice(900, 5000.0, 800.0);
    for (int i = 1; i <= 120; ++i) {
        const QString code = QStringLiteral("IT%1").arg(i, 3, 10, QLatin1Char('0'));
        host.addItem(code, QStringLiteral("Artículo número %1").arg(i, 3, 10, QLatin1Char('0')), 0.5);
        host.addMovimiento(numero, code, i);
    }
    storeGuide(7, {numero});

    GuiaDespacho guia;
    ASSERT_TRUE(guia.Load(7));
    utilities->answer(false);
    guia.ViewPrint(true);

    ASSERT_EQ(pdfs().size(), 1);
    const QStringList pages = testsupport::pdfPages(pdfs().first());
    ASSERT_GE(pages.size(), 2);
    QString body;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QString &page = pages.at(i);
        EXPECT_TRUE(page.contains(QStringLiteral("000007"))) << "page " << i + 1;
        EXPECT_TRUE(page.contains(QStringLiteral("Descripción"))) << "page " << i + 1;
        EXPECT_TRUE(page.contains(QStringLiteral("Página %1 de %2").arg(i + 1).arg(pages.size()))) << page.toStdString();
        EXPECT_EQ(page.contains(QStringLiteral("Peso total")), i == pages.size() - 1) << "page " << i + 1;
        body += page;
    }
    EXPECT_EQ(body.count(QStringLiteral("Peso total")), 1);
    for (int i = 1; i <= 120; ++i)
        EXPECT_EQ(body.count(QStringLiteral("Artículo número %1").arg(i, 3, 10, QLatin1Char('0'))), 1) << i;
    EXPECT_LT(body.indexOf(QStringLiteral("Artículo número 120")), body.indexOf(QStringLiteral("Peso total")));
    // The code belongs to the closing lines: the last page carries it whole, the others none.
    EXPECT_TRUE(testsupport::pdfQrCodes(pdfs().first(), 1).isEmpty());
    EXPECT_EQ(testsupport::pdfQrCodes(pdfs().first(), int(pages.size())).size(), 1);
}

TEST_F(GuidePrintTest, UnknownFieldPrintsEmptyAndIsReportedOnce)
{
    host.addItem(QStringLiteral("A-100"), QStringLiteral("Aceite"), 1.0);
    const qint32 numero = invoice(501, 10.0, 1.6);
    host.addMovimiento(numero, QStringLiteral("A-100"), 2);
    storeGuide(42, {numero});
    useFormat("Guia {NUMERO} [{NOEXISTE}] [{NOEXISTE,-6}]\n[DETALLE]\n{CODIGO} {LOTE} fin\n[/DETALLE]\n"
              "Peso {PESO,12}|\n");

    GuiaDespacho guia;
    ASSERT_TRUE(guia.Load(42));
    utilities->answer(false);
    guia.ViewPrint(true);

    const QString text = testsupport::pdfText(pdfs().first());
    // The exact widths are the field filler's; the page shows the empty places.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Guia 000042 \\[\\] \\[ +\\]")))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("A-100 +fin")))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Peso +1,500.500\\|")))) << text.toStdString();
    ASSERT_EQ(results.size(), 1u);
    ASSERT_EQ(results[0].warnings.size(), 2) << results[0].warnings.join(u'\n').toStdString();
    EXPECT_TRUE(results[0].warnings[0].contains(QStringLiteral("{NOEXISTE}")));
    EXPECT_TRUE(results[0].warnings[1].contains(QStringLiteral("{LOTE}")));
    // Without a QR block the page is text only, line after line as always.
    EXPECT_TRUE(testsupport::pdfQrCodes(pdfs().first()).isEmpty());
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Guia 000042[^\n]*\nA-100 +fin *\nPeso"))))
        << text.toStdString();
}

TEST_F(GuidePrintTest, QrBlocksOfASiteFormatFillFromTheGuideAndFromEachLine)
{
    host.addItem(QStringLiteral("A-100"), QStringLiteral("Aceite"), 1.0);
    host.addItem(QStringLiteral("H-200"), QStringLiteral("Harina"), 1.0);
    const qint32 numero = invoice(501, 10.0, 1.6);
    host.addMovimiento(numero, QStringLiteral("A-100"), 2);
    host.addMovimiento(numero, QStringLiteral("H-200"), 5);
    storeGuide(42, {numero});
    // An indented block with a left-aligned field: each line of the code is trimmed; an unknown field
    // is empty in the code as on the page.
    useFormat("Guia {NUMERO}\n      [QR]\n      guia={NUMERO}\n      zona={ZONA,-20}\n      lote={LOTE}\n      [/QR]\n"
              "[DETALLE]\n{CODIGO}\n[QR]\nitem={CODIGO}\n[/QR]\n[/DETALLE]\nFin\n");

    GuiaDespacho guia;
    ASSERT_TRUE(guia.Load(42));
    utilities->answer(false);
    guia.ViewPrint(true);

    QStringList codes = testsupport::pdfQrCodes(pdfs().first());
    codes.sort();
    EXPECT_EQ(codes, (QStringList{QStringLiteral("guia=000042\nzona=Centro y Este\nlote="), QStringLiteral("item=A-100"),
                                  QStringLiteral("item=H-200")}));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].warnings.size(), 1) << results[0].warnings.join(u'\n').toStdString();
    const QString text = testsupport::pdfText(pdfs().first());
    EXPECT_LT(text.indexOf(QStringLiteral("A-100")), text.indexOf(QStringLiteral("H-200")));
    EXPECT_LT(text.indexOf(QStringLiteral("H-200")), text.indexOf(QStringLiteral("Fin")));

    // A text no code can hold leaves that code out, says so, and prints the rest.
    useFormat("Guia {NUMERO}\n[QR]\n" + QByteArray(2400, 'x') + "\n[/QR]\n[QR]\nguia={NUMERO}\n[/QR]\nFin\n");
    utilities->answer(false);
    guia.ViewPrint(true);
    ASSERT_EQ(results.size(), 2u);
    ASSERT_EQ(results[1].warnings.size(), 1);
    EXPECT_TRUE(results[1].warnings[0].contains(QStringLiteral("2400 bytes"))) << results[1].warnings[0].toStdString();
    EXPECT_EQ(testsupport::pdfQrCodes(results[1].pdfFile), QStringList{QStringLiteral("guia=000042")});
    EXPECT_TRUE(testsupport::pdfText(results[1].pdfFile).contains(QStringLiteral("Fin")));
}

TEST_F(GuidePrintTest, YesRunsOneListingOfThisGuidesInvoicesWithItsTotals)
{
    ReportSpyFramework spy(host);
    vontarelis::InitHostContext(spy);
    const qint32 ours1 = invoice(501, 1000.0, 160.0);
    const qint32 ours2 = host.addFactura(QStringLiteral("B"), 77, QStringLiteral("CL1"), QStringLiteral("Bodegón La Esquina"),
                                         500.0, 80.0, 2.0, QDateTime(QDate(2024, 3, 14), QTime(11, 0)));
    const qint32 theirs = invoice(503, 999.0, 99.0);
    storeGuide(42, {ours1, ours2});
    storeGuide(43, {theirs});

    GuiaDespacho guia;
    ASSERT_TRUE(guia.Load(42));
    utilities->answer(true);
    guia.ViewPrint(false);

    ASSERT_EQ(spy.reports.size(), 1);
    EXPECT_EQ(spy.reports[0], (QStringList{QStringLiteral("detallesVontarelisInline.rcl"), QStringLiteral("numeroGuia"),
                                           QStringLiteral("42")}));
    EXPECT_EQ(utilities->questions.size(), 1u);
    ASSERT_EQ(pdfs().size(), 2);
    ASSERT_EQ(results.size(), 2u);
    const QString listing = testsupport::pdfText(results[1].pdfFile);
    EXPECT_TRUE(listing.contains(QStringLiteral("A-501 "))) << listing.toStdString();
    EXPECT_TRUE(listing.contains(QStringLiteral("B-77 "))) << listing.toStdString();
    EXPECT_FALSE(listing.contains(QStringLiteral("A-503"))) << listing.toStdString();
    // Base currency: the second invoice's 500 and 80 at a rate of 2 count 250 and 40.
    EXPECT_TRUE(listing.contains(QRegularExpression(QStringLiteral("Totales +1,250.00 +200.00 +1,450.00"))))
        << listing.toStdString();
    EXPECT_TRUE(listing.contains(QStringLiteral("Facturas: 2"))) << listing.toStdString();
}

TEST_F(GuidePrintTest, FailingPrintAsksNothingAndNamesTheFile)
{
    storeGuide(42, {});
    GuiaDespacho guia;
    ASSERT_TRUE(guia.Load(42));

    QFile::remove(host.dataPath() + QStringLiteral("FormatoDespacho.txt"));
    try {
        guia.ViewPrint(true);
        ADD_FAILURE() << "printed without a format file";
    } catch (const toolkit::Error &error) {
        EXPECT_TRUE(error.description().contains(host.dataPath() + QStringLiteral("FormatoDespacho.txt")))
            << error.description().toStdString();
    }
    host.exec(QStringLiteral("INSERT INTO Configuracion (clave, valor) VALUES ('FormatoGuiaDespacho', 'Falta.txt')"));
    try {
        guia.ViewPrint(false);
        ADD_FAILURE() << "printed with a missing chosen format";
    } catch (const toolkit::Error &error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("Falta.txt"))) << error.description().toStdString();
    }
    EXPECT_TRUE(utilities->questions.empty());
    EXPECT_TRUE(pdfs().isEmpty());
}

} // namespace
