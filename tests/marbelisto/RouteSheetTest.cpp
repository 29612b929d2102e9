// The route sheet ("Hoja de ruta") printed by the host's print-guide verb on demo books and
// read back from the PDF.
#include "marbelisto/app/DataTemplate.h"
#include "marbelisto/app/PrintGuideCommand.h"
#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/DataFolder.h"
#include "marbelisto/host/Framework.h"

#include "VerbRun.h"
#include "support/LocaleScope.h"
#include "support/PdfText.h"
#include "support/ScriptedCommonUtilities.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct Stop
{
    QString nombre;
    QString direccion;
    QString telefono;
    QStringList facturas;
};

// The page that holds the whole block of the stop (its heading, its customer's address and
// telephone, each invoice and the receiver's lines), or -1. The stop's heading is the first
// thing of its block and "Hora:" the last.
int pageWithWholeBlock(const QStringList &pages, int parada, const Stop &stop)
{
    const QRegularExpression heading(QStringLiteral("PARADA +%1 +").arg(parada));
    for (int p = 0; p < pages.size(); ++p) {
        const QString &page = pages[p];
        const QRegularExpressionMatch start = heading.match(page);
        if (!start.hasMatch())
            continue;
        const qsizetype end = page.indexOf(QStringLiteral("Hora:"), start.capturedEnd());
        if (end < 0)
            return -1;
        const QString block = page.mid(start.capturedStart(), end - start.capturedStart()).simplified();
        for (const QString &text : QStringList({stop.nombre, stop.direccion, stop.telefono}) + stop.facturas) {
            if (!block.contains(text.simplified()))
                return -1;
        }
        return p;
    }
    return -1;
}

} // namespace

TEST(RouteSheetTest, ListsTheStopsInTheirOrderWithAddressesAndInvoicesAndNeverSplitsAStopOverTwoPages)
{
    const testsupport::LocaleScope locale(QLocale(QLocale::Spanish, QLocale::Venezuela));
    const testsupport::ScriptedCommonUtilitiesScope utilities;
    QTemporaryDir data;
    QTemporaryDir printed;
    const marbelisto::DataFolder folder(data.path());
    marbelisto::DemoData({.invoices = 400, .today = QDate(2024, 6, 1)})
        .fill(*marbelisto::SqliteDatabase::create(folder.databaseFile()));
    marbelisto::DataTemplate(VONTARELIS_DATA_TEMPLATE).copyInto(folder.path());
    marbelisto::PrintGuideCommand verb;
    const auto print = [&](const QStringList &arguments) { return verbtest::runVerb(verb, data.path(), arguments, "ADMIN"); };

    // A guide of many stops, numbered against the order of the customers' codes, so that only
    // the stored order can put them right.
    qint32 guide = 0;
    QList<Stop> stops;
    {
        const auto framework = marbelisto::Framework::open(data.path(), "ADMIN");
        framework->ExecuteSQLA("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                               "totalPrecioVenta, totalIVA, vendedor, zona) SELECT conductor, idVehiculo, fecha, operador, "
                               "facturas, totalPeso, totalPrecioVenta, totalIVA, '', zona FROM gdVontarelis WHERE id = 1",
                               {});
        guide = framework->ReadScalarA("SELECT MAX(id) FROM gdVontarelis", {}).toInt();
        QStringList codes;
        QList<std::pair<qint32, QString>> links;
        for (auto rs = framework->OpenRecordsetA(
                 "SELECT f.numero, f.codigoCliente, f.serie, f.correlativo FROM facturas f WHERE f.Despachada = 0 AND "
                 "NOT EXISTS (SELECT 1 FROM gdFacturasGuia g WHERE g.NumeroFactura = f.numero) ORDER BY f.numero",
                 {});
             !rs->Eof() && links.size() < 70; rs->MoveNext()) {
            const QString code = rs->Fields(1).toString();
            if (!codes.contains(code))
                codes.append(code);
            links.append({rs->Fields(0).toInt(), code});
        }
        std::sort(codes.begin(), codes.end(), std::greater<>());
        for (const QString &code : codes) {
            const auto customer =
                framework->OpenRecordsetA("SELECT nombre, direccion, telefono FROM clientes WHERE codigo = ?", {code});
            stops.append({customer->Fields(0).toString(), customer->Fields(1).toString(), customer->Fields(2).toString(), {}});
        }
        for (const auto &[numero, code] : links) {
            const qint32 parada = qint32(codes.indexOf(code)) + 1;
            framework->ExecuteSQLA("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura, Parada) VALUES (?, ?, ?)",
                                   {guide, numero, parada});
            const auto invoice = framework->OpenRecordsetA("SELECT serie, correlativo FROM facturas WHERE numero = ?", {numero});
            stops[parada - 1].facturas.append(
                QStringLiteral("%1-%2").arg(invoice->Fields(0).toString()).arg(invoice->Fields(1).toInt(), 6, 10, QLatin1Char('0')));
        }
    }
    ASSERT_GE(stops.size(), 30);

    const QString file = printed.filePath("hoja.pdf");
    const QStringList output = print({QString::number(guide), "--hoja-de-ruta", "--pdf", file});
    EXPECT_TRUE(output.filter("Aviso").isEmpty()) << output.join(u'\n').toStdString();
    EXPECT_FALSE(output.filter(QRegularExpression("^Hoja de ruta .* en .*hoja\\.pdf$")).isEmpty()) << output.join(u'\n').toStdString();
    const QStringList pages = testsupport::pdfPages(file);
    ASSERT_GE(pages.size(), 3) << "enough stops to need page breaks";
    int lastPage = 0;
    for (int parada = 1; parada <= stops.size(); ++parada) {
        const int page = pageWithWholeBlock(pages, parada, stops[parada - 1]);
        EXPECT_GE(page, lastPage) << "stop " << parada << " is whole on one page, after the one before it";
        lastPage = std::max(lastPage, page);
    }
    const QString all = pages.join(u'\f');
    EXPECT_EQ(all.count(QRegularExpression("PARADA +\\d+ ")), stops.size());
    EXPECT_TRUE(pages.first().contains(QStringLiteral("HOJA DE RUTA DE LA GUÍA DE DESPACHO N° %1").arg(guide, 6, 10, QLatin1Char('0'))));
    EXPECT_TRUE(all.contains(QRegularExpression(QStringLiteral("Paradas: +%1\\b").arg(stops.size()))));

    // The demo's own guides come with their stops, and every field of the shipped format has a
    // value; a folder made before route sheets existed gains the format when the book is opened.
    ASSERT_TRUE(QFile::remove(QDir(data.path()).filePath("HojaDeRuta.txt")));
    const QStringList demo = print({"1", "--hoja-de-ruta", "--pdf", printed.filePath("demo.pdf")});
    EXPECT_TRUE(demo.filter("Aviso").isEmpty()) << demo.join(u'\n').toStdString();
    EXPECT_TRUE(QFile::exists(QDir(data.path()).filePath("HojaDeRuta.txt")));
    EXPECT_TRUE(testsupport::pdfText(printed.filePath("demo.pdf")).contains(QRegularExpression("PARADA +1 ")));
    EXPECT_TRUE(utilities->questions.empty());
}
