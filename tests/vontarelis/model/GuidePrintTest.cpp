// Printing a stored guide through the real print library into PDF files, read back as text.
#include "vontarelis/model/ModelTestBase.h"

#include "hostlibs/HostLibraries.h"
#include "hostlibs/PrintResult.h"
#include "hostlibs/StandardPrintHost.h"
#include "support/FileModes.h"
#include "support/PdfQrCodes.h"
#include "support/PdfText.h"
#include "toolkit/DateFormat.h"
#include "toolkit/Error.h"
#include "vontarelis/model/vehiculos.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using testsupport::pdfQrCodes;
using testsupport::pdfText;

namespace {

// The host's own arrangement, with every print's account kept for the test.
class RecordingPrintHost : public hostlibs::StandardPrintHost
{
public:
    explicit RecordingPrintHost(std::vector<hostlibs::PrintResult> &results) : m_results(results) {}
    void printed(const hostlibs::PrintResult &result) override
    {
        m_results.push_back(result);
        StandardPrintHost::printed(result);
    }

private:
    std::vector<hostlibs::PrintResult> &m_results;
};

// The test host's framework, with the reports the guide asks for kept and then run.
class ReportSpyFramework : public marbelisto::Framework
{
public:
    explicit ReportSpyFramework(const testsupport::TestHost &host)
        : Framework(host.openDatabase(), marbelisto::DataFolder(host.dataPath()), "OPERADOR")
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

class GuidePrintTest : public modeltest::ModelTestBase
{
protected:
    GuidePrintTest()
    {
        previousPrintHost = hostlibs::InstallPrintHost(std::make_unique<RecordingPrintHost>(results));
        host.setPrinterFolder(folder());
        host.addZona("Z1", "Centro y Este");
        host.addVendedor("C07", "Pedro Alcántara Ruiz", true);
        host.addVendedor("V02", "Lucía Benítez");
        host.addCliente("CL1", "Bodegón La Esquina", "Z1", "V02");
        vehicle = host.addVehiculo(host.addTipoVehiculo("Camión 350"), "A12BC3D", "Ford", "F-350", "Blanco",
                                   "8YPZF16N8A8123456", "M-99", 2019);
    }
    ~GuidePrintTest() override { hostlibs::InstallPrintHost(std::move(previousPrintHost)); }

    // Guide number id carrying the invoices, loaded.
    vontarelis::GuiaDespacho storeGuide(qint32 id, const QList<qint32> &invoices)
    {
        host.exec("INSERT INTO gdVontarelis (id, conductor, idVehiculo, fecha, horaRegistro, operador, facturas, "
                  "totalPeso, totalPrecioVenta, totalIVA, vendedor, zona) VALUES (?, 'C07', ?, '2024-03-15 00:00:00', "
                  "'2024-03-15 09:41:00', 'ANA', ?, 1500.5, 1234.5, 197.52, 'V02', 'Z1')",
                  {id, vehicle, invoices.size()});
        for (const qint32 numero : invoices)
            host.exec("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)", {id, numero});
        vontarelis::GuiaDespacho guia;
        EXPECT_TRUE(guia.Load(id));
        return guia;
    }

    qint32 invoice(qint32 correlativo, double neto, double iva)
    {
        return host.addFactura("A", correlativo, "CL1", "Bodegón La Esquina", neto, iva, 1.0,
                               QDateTime(QDate(2024, 3, 14), QTime(10, 0)));
    }

    // One invoice of guide 42 moving each item once or more.
    vontarelis::GuiaDespacho guideMoving(const QList<std::pair<const char *, double>> &moves)
    {
        const qint32 numero = invoice(501, 10.0, 1.6);
        for (const auto &[code, units] : moves) {
            host.addItem(code, QStringLiteral("Artículo %1").arg(code), 1.0);
            host.addMovimiento(numero, code, units);
        }
        return storeGuide(42, {numero});
    }

    void useFormat(const QByteArray &text)
    {
        QFile file(host.dataPath() + "Prueba.txt");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        host.ownerExec("DELETE FROM Configuracion WHERE clave = 'FormatoGuiaDespacho'");
        host.ownerExec("INSERT INTO Configuracion (clave, valor) VALUES ('FormatoGuiaDespacho', 'Prueba.txt')");
    }

    // Prints without asking for the listing; the account of that print.
    hostlibs::PrintResult print(vontarelis::GuiaDespacho &guia, bool autoPrint = true)
    {
        const std::size_t before = results.size();
        utilities->answer(false);
        guia.ViewPrint(autoPrint);
        EXPECT_EQ(results.size(), before + 1);
        return results.size() > before ? results.back() : hostlibs::PrintResult();
    }

    // A folder the first print makes.
    QString folder() const { return printed.filePath("impresos"); }
    QStringList pdfs() const { return testsupport::pdfFilesIn(folder()); }

    QTemporaryDir printed;
    std::vector<hostlibs::PrintResult> results;
    std::unique_ptr<hostlibs::IPrintHost> previousPrintHost;
    qint32 vehicle = 0;
};

TEST_F(GuidePrintTest, GuideCarriesItsDriverVehicleLinesInOrderAndTotals)
{
    const testsupport::UmaskScope permissive(0);
    host.addItem("P-300", "Pasta larga 1 kg", 1.0);
    host.addItem("A-100", "Aceite de maíz 1 l", 0.92);
    host.addItem("H-200", "Harina de maíz 1 kg", 1.0);
    const qint32 first = invoice(501, 1000.0, 160.0);
    host.addMovimiento(first, "P-300", 24);
    host.addMovimiento(first, "A-100", 12);
    const qint32 second = invoice(502, 234.5, 37.52);
    host.addMovimiento(second, "H-200", 40);
    vontarelis::GuiaDespacho guia = storeGuide(42, {first, second});
    print(guia, false);

    ASSERT_EQ(pdfs().size(), 1);
    EXPECT_EQ(testsupport::fileMode(folder()), 0700);
    EXPECT_EQ(testsupport::fileMode(pdfs().first()), 0600);
    const QString text = pdfText(pdfs().first());
    for (const char *expected : {"000042", "Pedro Alcántara Ruiz", "A12BC3D", "Ford", "F-350", "8YPZF16N8A8123456",
                                 "Lucía Benítez", "Centro y Este", "Distribuidora de Prueba, C.A.", "1,500.500",
                                 "1,234.50", "197.52", "1,432.02", "Página 1 de 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    const qsizetype aceite = text.indexOf("Aceite de maíz 1 l");
    const qsizetype harina = text.indexOf("Harina de maíz 1 kg");
    EXPECT_TRUE(aceite >= 0 && aceite < harina && harina < text.indexOf("Pasta larga 1 kg")) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("A-100 +Aceite de maíz 1 l +12.00 +0.000 +11.040"))) << text.toStdString();
    EXPECT_FALSE(text.contains(u'{')) << text.toStdString();
    // The shipped format's QR code, read from the page image, is its block filled for this guide.
    EXPECT_EQ(pdfQrCodes(pdfs().first()), QStringList{"RIF=J-00000000-0\nGUIA=000042\nFECHA=03/15/2024\nPLACA=A12BC3D\n"
                                                      "CONDUCTOR=C07\nFACTURAS=2\nPESO=1,500.500"});
    EXPECT_LT(text.indexOf("Total:"), text.indexOf("Despachado por"));

    ASSERT_EQ(utilities->questions.size(), 1u);
    EXPECT_EQ(utilities->questions[0].prompt, u"Quiere emitir el listado detallado de facturas"_s);
    EXPECT_FALSE(utilities->questions[0].defaultYes);
    EXPECT_EQ(utilities->questions[0].title, QString());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].warnings.isEmpty()) << results[0].warnings.join(u'\n').toStdString();
    EXPECT_TRUE(results[0].interactive);

    // The host that prints on its own asks for no preview: AutoPrint true is interactive false.
    EXPECT_FALSE(print(guia).interactive);
    EXPECT_EQ(utilities->questions.size(), 2u);
    EXPECT_EQ(pdfs().size(), 2);
    // Each file is told where it went, with a notice that asks for no key.
    EXPECT_EQ(utilities->notices, QStringList({"Se imprimió en el archivo " + results[0].pdfFile,
                                               "Se imprimió en el archivo " + results[1].pdfFile}));
}

TEST_F(GuidePrintTest, AGuidePrintedAsItIsStoredShowsItsRegistrationTimeAndTheVehicleAsSaved)
{
    vontarelis::GuiaDespacho earlier = storeGuide(41, {});
    EXPECT_TRUE(pdfText(print(earlier).pdfFile).contains("Blanco"));
    // The creation dialog corrects the vehicle and registers the next guide in one transaction.
    vontarelis::Vehiculo corrected = vontarelis::LoadVehiculoById(vehicle);
    corrected.color = u"Gris plata"_s;
    vontarelis::SaveVehiculo(corrected);
    vontarelis::GuiaDespacho guia = newGuide();
    guia.setIdVehiculo(vehicle);
    guia.startProcess();

    const QString text = pdfText(print(guia).pdfFile);
    const QString today = toolkit::DateFormat::format(QDateTime::currentDateTime(), u"Short Date"_s);
    EXPECT_TRUE(text.contains(QRegularExpression("Registrada: " + QRegularExpression::escape(today))))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Gris plata") && !text.contains("Blanco")) << text.toStdString();
}

TEST_F(GuidePrintTest, LongTextsPrintWholeInTheirPlaceAndTheWeightTotalEndsUnderItsColumn)
{
    const QString driver = u"María de los Ángeles Guadalupe Hernández Castillo de la Rosa"_s;
    const QString item = u"Harina de maíz precocida enriquecida con hierro y vitaminas, bulto de 20 x 1 kg"_s;
    host.ownerExec("UPDATE Vendedores SET Nombre = ? WHERE Codigo = 'C07'", {driver});
    host.addItem("H-200", item, 20.0);
    const qint32 numero = invoice(501, 10.0, 1.6);
    host.addMovimiento(numero, "H-200", 3);
    vontarelis::GuiaDespacho guia = storeGuide(42, {numero});
    const QString usual = print(guia).pdfFile;

    const QString company = u"Distribuidora de Prueba de Alimentos, Bebidas, Artículos de Limpieza y Cuidado Personal "
                            "del Centro, C.A."_s;
    host.ownerExec("UPDATE Empresa SET nombre = ?", {company});
    vontarelis::InitHostContext(host.framework());
    const QString pdf = print(guia).pdfFile;
    const QStringList lines = pdfText(pdf).split(u'\n');
    const auto joined = [&](qsizetype from, int count) {
        QStringList parts;
        for (int i = 0; i < count; ++i)
            parts.append(lines.value(from + i).trimmed());
        return parts.join(u' ').simplified();
    };
    // The company wraps under itself: the print keeps its size.
    EXPECT_EQ(joined(0, 2), company);
    EXPECT_DOUBLE_EQ(testsupport::pdfWordBox(pdf, u"GUÍA"_s).width(), testsupport::pdfWordBox(usual, u"GUÍA"_s).width());
    // The driver whole on the header's line and, under the signature line, in that column.
    EXPECT_FALSE(lines.filter(QRegularExpression("Conductor: +C07 +" + QRegularExpression::escape(driver) + "$")).isEmpty())
        << lines.join(u'\n').toStdString();
    const qsizetype signature = lines.indexOf(QRegularExpression(".*El conductor.*"));
    EXPECT_EQ(joined(signature + 1, 2), driver);
    // The description goes on under itself; the weight total ends where the lines' weights end.
    const qsizetype line = lines.indexOf(QRegularExpression("^H-200 .*"));
    EXPECT_TRUE(lines.value(line).contains(QRegularExpression(R"( 3\.00 +0\.000 +60\.000$)"))) << lines.value(line).toStdString();
    EXPECT_EQ(lines.value(line).mid(5).trimmed().section(u"  "_s, 0, 0) + u' ' + lines.value(line + 1).trimmed(), item);
    EXPECT_NEAR(testsupport::pdfWordBox(pdf, u"1,500.500"_s).right(), testsupport::pdfWordBox(pdf, u"60.000"_s).right(),
                0.01);
}

TEST_F(GuidePrintTest, ManyLinesSpanPagesWithTheHeaderOnEveryPageAndTotalsOnceAtTheEnd)
{
    const qint32 numero = invoice(900, 5000.0, 800.0);
    for (int i = 1; i <= 120; ++i) {
        const QString code = QStringLiteral("IT%1").arg(i, 3, 10, QLatin1Char('0'));
        host.addItem(code, QStringLiteral("Artículo número %1").arg(i, 3, 10, QLatin1Char('0')), 0.5);
        host.addMovimiento(numero, code, i);
    }
    vontarelis::GuiaDespacho guia = storeGuide(7, {numero});
    const QString pdf = print(guia).pdfFile;

    const QStringList pages = testsupport::pdfPages(pdf);
    ASSERT_GE(pages.size(), 2);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QString &page = pages.at(i);
        EXPECT_TRUE(page.contains("000007") && page.contains("Descripción")) << "page " << i + 1;
        EXPECT_TRUE(page.contains(QStringLiteral("Página %1 de %2").arg(i + 1).arg(pages.size()))) << page.toStdString();
        EXPECT_EQ(page.contains("Peso total"), i == pages.size() - 1) << "page " << i + 1;
    }
    const QString body = pages.join(QString());
    EXPECT_EQ(body.count("Peso total"), 1);
    for (int i = 1; i <= 120; ++i)
        EXPECT_EQ(body.count(QStringLiteral("Artículo número %1").arg(i, 3, 10, QLatin1Char('0'))), 1) << i;
    EXPECT_LT(body.indexOf("Artículo número 120"), body.indexOf("Peso total"));
    // The code belongs to the closing lines: the last page carries it whole, the others none.
    EXPECT_TRUE(pdfQrCodes(pdf, 1).isEmpty());
    EXPECT_EQ(pdfQrCodes(pdf, int(pages.size())).size(), 1);
}

TEST_F(GuidePrintTest, SiteFormatsPrintUnknownFieldsEmptyReportedOnceAndFillQrBlocksFromTheGuideAndEachLine)
{
    vontarelis::GuiaDespacho guia = guideMoving({{"A-100", 2}, {"H-200", 5}});
    useFormat("Guia {NUMERO} [{NOEXISTE}] [{NOEXISTE,-6}]\n[DETALLE]\n{CODIGO} {LOTE} fin\n[/DETALLE]\nPeso {PESO,12}|\n");
    const hostlibs::PrintResult plain = print(guia);
    QString text = pdfText(plain.pdfFile);
    // The exact widths are the field filler's; the page shows the empty places.
    EXPECT_TRUE(text.contains(QRegularExpression(R"(Guia 000042 \[\] \[ +\])"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(R"(Peso +1,500.500\|)"))) << text.toStdString();
    EXPECT_EQ(plain.warnings.size(), 2) << plain.warnings.join(u'\n').toStdString();
    EXPECT_TRUE(plain.warnings.value(0).contains("{NOEXISTE}") && plain.warnings.value(1).contains("{LOTE}"));
    // Without a QR block the page is text only, line after line as always.
    EXPECT_TRUE(pdfQrCodes(plain.pdfFile).isEmpty());
    EXPECT_TRUE(text.contains(QRegularExpression("Guia 000042[^\n]*\nA-100 +fin *\nH-200 +fin *\nPeso"))) << text.toStdString();

    // An indented block with a left-aligned field: each line of the code is trimmed; an unknown
    // field is empty in the code as on the page.
    useFormat("Guia {NUMERO}\n      [QR]\n      guia={NUMERO}\n      zona={ZONA,-20}\n      lote={LOTE}\n      [/QR]\n"
              "[DETALLE]\n{CODIGO}\n[QR]\nitem={CODIGO}\n[/QR]\n[/DETALLE]\nFin\n");
    const hostlibs::PrintResult coded = print(guia);
    QStringList codes = pdfQrCodes(coded.pdfFile);
    codes.sort();
    EXPECT_EQ(codes, QStringList({"guia=000042\nzona=Centro y Este\nlote=", "item=A-100", "item=H-200"}));
    EXPECT_EQ(coded.warnings.size(), 1) << coded.warnings.join(u'\n').toStdString();
    text = pdfText(coded.pdfFile);
    EXPECT_LT(text.indexOf("A-100"), text.indexOf("H-200"));
    EXPECT_LT(text.indexOf("H-200"), text.indexOf("Fin"));

    // A text no code can hold leaves that code out, says so, and prints the rest.
    useFormat("Guia {NUMERO}\n[QR]\n" + QByteArray(2400, 'x') + "\n[/QR]\n[QR]\nguia={NUMERO}\n[/QR]\nFin\n");
    const hostlibs::PrintResult tooLong = print(guia);
    ASSERT_EQ(tooLong.warnings.size(), 1);
    EXPECT_TRUE(tooLong.warnings[0].contains("2400 bytes")) << tooLong.warnings[0].toStdString();
    EXPECT_EQ(pdfQrCodes(tooLong.pdfFile), QStringList{"guia=000042"});
    EXPECT_TRUE(pdfText(tooLong.pdfFile).contains("Fin"));
}

TEST_F(GuidePrintTest, YesRunsOneListingOfThisGuidesInvoicesWithItsTotals)
{
    ReportSpyFramework spy(host);
    vontarelis::InitHostContext(spy);
    const qint32 ours1 = invoice(501, 1000.0, 160.0);
    const qint32 ours2 = host.addFactura("B", 77, "CL1", "Bodegón La Esquina", 500.0, 80.0, 2.0,
                                         QDateTime(QDate(2024, 3, 14), QTime(11, 0)));
    storeGuide(43, {invoice(503, 999.0, 99.0)});
    vontarelis::GuiaDespacho guia = storeGuide(42, {ours1, ours2});
    utilities->answer(true);
    guia.ViewPrint(false);

    ASSERT_EQ(spy.reports.size(), 1);
    EXPECT_EQ(spy.reports[0], QStringList({"detallesVontarelisInline.rcl", "numeroGuia", "42"}));
    EXPECT_EQ(utilities->questions.size(), 1u);
    ASSERT_EQ(pdfs().size(), 2);
    ASSERT_EQ(results.size(), 2u);
    const QString listing = pdfText(results[1].pdfFile);
    EXPECT_TRUE(listing.contains("A-501 ") && listing.contains("B-77 ")) << listing.toStdString();
    EXPECT_FALSE(listing.contains("A-503")) << listing.toStdString();
    // Base currency: the second invoice's 500 and 80 at a rate of 2 count 250 and 40.
    EXPECT_TRUE(listing.contains(QRegularExpression("Totales +1,250.00 +200.00 +1,450.00"))) << listing.toStdString();
    EXPECT_TRUE(listing.contains("Facturas: 2")) << listing.toStdString();
}

TEST_F(GuidePrintTest, FailingPrintAsksNothingAndNamesTheFile)
{
    vontarelis::GuiaDespacho guia = storeGuide(42, {});
    const auto errorOf = [&](bool autoPrint) {
        try {
            guia.ViewPrint(autoPrint);
        } catch (const toolkit::Error &error) {
            return error.description();
        }
        return u"(sin error)"_s;
    };
    QFile::remove(host.dataPath() + "FormatoDespacho.txt");
    EXPECT_TRUE(errorOf(true).contains(host.dataPath() + "FormatoDespacho.txt"));
    host.ownerExec("INSERT INTO Configuracion (clave, valor) VALUES ('FormatoGuiaDespacho', 'Falta.txt')");
    EXPECT_TRUE(errorOf(false).contains("Falta.txt"));
    EXPECT_TRUE(utilities->questions.empty());
    EXPECT_TRUE(pdfs().isEmpty());
}

} // namespace
