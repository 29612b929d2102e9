// The reference host's side of printing: the print-guide verb on demo books, the choice of a
// print format, and user report definitions that cannot be used.
#include "marbelisto/app/DataTemplate.h"
#include "marbelisto/app/PrintGuideCommand.h"
#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/DataFolder.h"
#include "marbelisto/host/Framework.h"

#include "VerbRun.h"
#include "hostlibs/HostLibraries.h"
#include "hostlibs/InteractivePrintScope.h"
#include "support/LocaleScope.h"
#include "support/PdfText.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const toolkit::Error &error) {
        return error.description();
    }
    return QStringLiteral("(sin error)");
}

void writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    file.write(text);
}

// The names of a listing's "Nombre" column as a reader takes them: a row's lines joined.
QStringList listedNames(const QString &listing)
{
    static const QRegularExpression row(R"(^\S+ +\S+ +CL\d+ +(.+?)(?: +[\d.,]+){4}$)");
    static const QRegularExpression below(R"(^ +(\S.*)$)");
    QStringList names;
    for (const QString &line : listing.split(u'\n')) {
        if (const QRegularExpressionMatch match = row.match(line); match.hasMatch())
            names.append(match.captured(1));
        else if (const QRegularExpressionMatch more = below.match(line); more.hasMatch() && !names.isEmpty())
            names.last() += u' ' + more.captured(1);
        else if (!names.isEmpty())
            break;
    }
    return names;
}

TEST(PrintGuideVerbTest, PrintsEachDemoGuideWithEveryFieldKnownAndTheListingOnlyWhenAsked)
{
    const testsupport::LocaleScope locale(QLocale(QLocale::Spanish, QLocale::Venezuela));
    const testsupport::ScriptedCommonUtilitiesScope utilities;
    QTemporaryDir data;
    QTemporaryDir printed;
    const marbelisto::DataFolder folder(data.path());
    marbelisto::DemoData({.invoices = 200, .today = QDate(2024, 6, 1)})
        .fill(*marbelisto::SqliteDatabase::create(folder.databaseFile()));
    marbelisto::DataTemplate(VONTARELIS_DATA_TEMPLATE).copyInto(folder.path());
    marbelisto::PrintGuideCommand verb;
    const auto print = [&](const QStringList &arguments) { return verbtest::runVerb(verb, data.path(), arguments, "ADMIN"); };
    const auto pdf = [&](const QString &name) { return printed.filePath(name); };

    const auto framework = marbelisto::Framework::open(data.path(), "ADMIN");
    const int guides = framework->ReadScalarA("SELECT COUNT(*) FROM gdVontarelis", {}).toInt();
    ASSERT_GE(guides, 1);
    for (int n = 1; n <= guides; ++n) {
        const QString guide = pdf(QStringLiteral("g%1.pdf").arg(n));
        const QStringList output = print({QString::number(n), "--listado", "--pdf", guide});
        EXPECT_TRUE(output.filter("Aviso").isEmpty()) << output.join(u'\n').toStdString();
        EXPECT_TRUE(output.contains("Quiere emitir el listado detallado de facturas: sí"));
        EXPECT_TRUE(testsupport::pdfText(guide).contains(QStringLiteral("GUÍA DE DESPACHO N° %1").arg(n, 6, 10, QLatin1Char('0'))));
        // The listing names every customer whole, in the order of its invoices.
        QStringList customers;
        for (auto rows = framework->OpenRecordsetA("SELECT f.NombreCliente FROM gdFacturasGuia g JOIN facturas f ON "
                                                   "f.numero = g.NumeroFactura WHERE g.idGuia = ? ORDER BY f.serie, "
                                                   "f.correlativo", {n});
             !rows->Eof(); rows->MoveNext())
            customers.append(rows->Fields(0).toString());
        const QString listing = testsupport::pdfText(pdf(QStringLiteral("g%1-listado.pdf").arg(n)));
        EXPECT_EQ(listedNames(listing), customers) << listing.toStdString();
        EXPECT_TRUE(listing.contains(QStringLiteral("N° %1").arg(n, 6, 10, QLatin1Char('0'))) &&
                    listing.contains(QStringLiteral("Facturas: %1").arg(customers.size())));
    }
    EXPECT_EQ(testsupport::pdfFilesIn(printed.path()).size(), 2 * guides);
    EXPECT_TRUE(print({"1", "--pdf", pdf("guia.pdf")}).contains("Quiere emitir el listado detallado de facturas: no"));
    EXPECT_EQ(testsupport::pdfFilesIn(printed.path()).size(), 2 * guides + 1);
    // The verb answers its own question and leaves the process's utilities as it found them.
    EXPECT_TRUE(utilities->questions.empty());
    EXPECT_EQ(&hostlibs::CommonUtilities(), &*utilities);

    EXPECT_TRUE(verbtest::verbError(verb, data.path(), {"9999"}).contains("9999"));
}

TEST(PrintFormatTest, ChoiceFollowsTheSettingsAndNeverFallsBackSilently)
{
    testsupport::TestHost host;
    struct : host::IDocument
    {
        bool EvalVar(const QVariant &, QVariant &, QVariant &) override { return false; }
        QVariantMap documentFields() const override { return {}; }
    } document;
    const QString fallback = host.dataPath() + "FormatoDespacho.txt";
    const auto choose = [&] { return host.framework().DeterminarFormato("FormatoX", "FormatosX", fallback, document); };
    for (const char *name : {"A.txt", "B.txt", "Uno.txt"})
        writeFile(host.dataPath() + name, "{NUMERO}\n");

    EXPECT_EQ(choose(), fallback);
    host.ownerExec("INSERT INTO Configuracion (clave, valor) VALUES ('FormatosX', ' A.txt ; B.txt ;')");
    EXPECT_EQ(choose(), host.dataPath() + "A.txt");
    {
        const hostlibs::InteractivePrintScope interactive(true);
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->comboBoxItems(), QStringList({"A.txt", "B.txt"}));
            dialog->setTextValue("B.txt");
            dialog->accept();
        });
        EXPECT_EQ(choose(), host.dataPath() + "B.txt");
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        EXPECT_TRUE(errorOf(choose).contains("cancelada"));
    }
    host.ownerExec("INSERT INTO Configuracion (clave, valor) VALUES ('FormatoX', 'Uno.txt')");
    EXPECT_EQ(choose(), host.dataPath() + "Uno.txt");
    host.ownerExec("UPDATE Configuracion SET valor = 'Falta.txt' WHERE clave = 'FormatoX'");
    EXPECT_TRUE(errorOf(choose).contains(host.dataPath() + "Falta.txt"));
}

TEST(UserReportTest, UnusableDefinitionsFailNamingTheFile)
{
    testsupport::TestHost host;
    QTemporaryDir printed;
    host.setPrinterFolder(printed.path());
    const auto report = [&](const QString &file) {
        return errorOf([&] { host.framework().generarUsrReport(file, "numeroGuia", 42); });
    };
    EXPECT_TRUE(report("falta.rcl").contains(host.dataPath() + "falta.rcl"));

    const QByteArray query = "[consulta]\nSELECT id FROM gdVontarelis WHERE id = :numeroGuia\n";
    const std::pair<QByteArray, const char *> broken[] = {
        {"[titulo]\nT\n" + query, "[columnas]"},
        {query + "[columnas]\nid | Número\n", "línea 4"},
        {query + "[columnas]\nid | Número | 1001\n", "1000"},
        {query + "[columnas]\nid | Número | 8 | arriba\n", "arriba"},
        {query + "[columnas]\nid | Número | 8 | derecha | 0 | contar\n", "suma"},
        {"Informe\n" + query, "línea 1"},
        {query + "[grupos]\n", "[grupos]"},
    };
    for (const auto &[text, problem] : broken) {
        writeFile(host.dataPath() + "roto.rcl", text);
        const QString error = report("roto.rcl");
        EXPECT_TRUE(error.contains(host.dataPath() + "roto.rcl") && error.contains(problem)) << error.toStdString();
    }
    writeFile(host.dataPath() + "sinparametro.rcl", "[consulta]\nSELECT 1 AS uno\n[columnas]\nuno | Uno | 3\n");
    EXPECT_TRUE(report("sinparametro.rcl").contains(":numeroGuia"));
    EXPECT_TRUE(testsupport::pdfFilesIn(printed.path()).isEmpty());
}

TEST(UserReportTest, TextWrapsInItsColumnAndFiguresWidenSoEveryTotalEndsUnderItsColumn)
{
    const testsupport::LocaleScope locale(QLocale(QLocale::English, QLocale::UnitedStates));
    testsupport::TestHost host;
    QTemporaryDir printed;
    host.setPrinterFolder(printed.path());
    writeFile(host.dataPath() + "ancho.rcl",
              "[consulta]\nSELECT 'Distribuidora Oriental del Sur' AS nombre, 123456.5 AS monto, :numeroGuia AS n\n"
              "UNION ALL SELECT 'Mar', 900000.25, 0\n[columnas]\nnombre | Nombre | 14\n"
              "monto | Monto | 8 | derecha | #,##0.00 | suma\nn | N | 2 | derecha\n");
    host.framework().generarUsrReport("ancho.rcl", "numeroGuia", 42);
    const QStringList pdfs = testsupport::pdfFilesIn(printed.path());
    ASSERT_EQ(pdfs.size(), 1);
    const QString text = testsupport::pdfText(pdfs.first());
    EXPECT_TRUE(text.contains(QRegularExpression("\nDistribuidora +123,456.50 +42\nOriental del *\nSur *\nMar +900,000.25 +0\n")))
        << text.toStdString();
    EXPECT_NEAR(testsupport::pdfWordBox(pdfs.first(), "1,023,456.75").right(),
                testsupport::pdfWordBox(pdfs.first(), "900,000.25").right(), 0.01);
}

} // namespace
