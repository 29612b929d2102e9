// The reference host's side of printing: the print-guide verb on demo books, the choice of a
// print format, and user report definitions that cannot be used.
#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/DataTemplate.h"
#include "marbelisto/app/PrintGuideCommand.h"
#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/DataFolder.h"
#include "marbelisto/host/Framework.h"

#include "hostlibs/HostLibraries.h"
#include "hostlibs/InteractivePrintScope.h"
#include "support/LocaleScope.h"
#include "support/PdfText.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"
#include "toolkit/Error.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QInputDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <gtest/gtest.h>

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

class NoDocument : public host::IDocument
{
public:
    bool EvalVar(const QVariant &, QVariant &, QVariant &) override { return false; }
    QVariantMap documentFields() const override { return {}; }
};

class PrintGuideVerbTest : public ::testing::Test
{
protected:
    PrintGuideVerbTest()
    {
        const marbelisto::DataFolder folder(data.path());
        marbelisto::DemoData({.invoices = 200, .today = QDate(2024, 6, 1)})
            .fill(*marbelisto::SqliteDatabase::create(folder.databaseFile()));
        marbelisto::DataTemplate(QStringLiteral(VONTARELIS_DATA_TEMPLATE)).copyInto(folder.path());
    }

    QStringList run(const QStringList &arguments)
    {
        QCommandLineParser parser;
        parser.addOptions({QCommandLineOption(QStringLiteral("data"), QString(), QStringLiteral("DIR"))});
        parser.addOptions(verb.options());
        if (!parser.parse(QStringList{QStringLiteral("marbelisto"), verb.name(), QStringLiteral("--data"), data.path()} +
                          arguments))
            throw std::runtime_error(parser.errorText().toStdString());
        QString output;
        QTextStream out(&output);
        EXPECT_EQ(verb.run(marbelisto::CommandContext(parser, data.path(), QStringLiteral("ADMIN"), out)), 0);
        out.flush();
        return output.split(u'\n', Qt::SkipEmptyParts);
    }

    QString out(const QString &name) const { return QDir(printed.path()).filePath(name); }

    testsupport::LocaleScope locale{QLocale(QLocale::Spanish, QLocale::Venezuela)};
    testsupport::ScriptedCommonUtilitiesScope utilities;
    QTemporaryDir data;
    QTemporaryDir printed;
    marbelisto::PrintGuideCommand verb;
};

TEST_F(PrintGuideVerbTest, PrintsEachDemoGuideWithEveryFieldKnownAndTheListingOnlyWhenAsked)
{
    const auto framework = marbelisto::Framework::open(data.path(), QStringLiteral("ADMIN"));
    const int guides = framework->ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM gdVontarelis"), {}).toInt();
    ASSERT_GE(guides, 1);
    for (int n = 1; n <= guides; ++n) {
        const QStringList output = run({QString::number(n), QStringLiteral("--pdf"), out(QStringLiteral("g%1.pdf").arg(n))});
        EXPECT_TRUE(output.filter(QStringLiteral("Aviso")).isEmpty()) << output.join(u'\n').toStdString();
        EXPECT_TRUE(output.contains(QStringLiteral("Quiere emitir el listado detallado de facturas: no")));
        EXPECT_TRUE(testsupport::pdfText(out(QStringLiteral("g%1.pdf").arg(n)))
                        .contains(QStringLiteral("GUÍA DE DESPACHO N° %1").arg(n, 6, 10, QLatin1Char('0'))));
    }
    EXPECT_EQ(testsupport::pdfFilesIn(printed.path()).size(), guides);

    const QStringList output = run({QStringLiteral("1"), QStringLiteral("--listado"), QStringLiteral("--pdf"),
                                    out(QStringLiteral("guia.pdf"))});
    EXPECT_TRUE(output.contains(QStringLiteral("Quiere emitir el listado detallado de facturas: sí")));
    const QString listing = testsupport::pdfText(out(QStringLiteral("guia-listado.pdf")));
    EXPECT_TRUE(listing.contains(QStringLiteral("N° 000001"))) << listing.toStdString();
    const int invoices = framework->ReadScalarA(QStringLiteral("SELECT facturas FROM gdVontarelis WHERE id = 1"), {}).toInt();
    EXPECT_TRUE(listing.contains(QStringLiteral("Facturas: %1").arg(invoices))) << listing.toStdString();
    // The verb answers its own question and leaves the process's utilities as it found them.
    EXPECT_TRUE(utilities->questions.empty());
    EXPECT_EQ(&hostlibs::CommonUtilities(), &*utilities);

    EXPECT_TRUE(errorOf([&] { run({QStringLiteral("9999")}); }).contains(QStringLiteral("9999")));
}

TEST(PrintFormatTest, ChoiceFollowsTheSettingsAndNeverFallsBackSilently)
{
    testsupport::TestHost host;
    host::IFramework &framework = host.framework();
    NoDocument document;
    const QString fallback = host.dataPath() + QStringLiteral("FormatoDespacho.txt");
    const auto choose = [&] {
        return framework.DeterminarFormato(QStringLiteral("FormatoX"), QStringLiteral("FormatosX"), fallback, document);
    };
    for (const char *name : {"A.txt", "B.txt", "Uno.txt"})
        writeFile(host.dataPath() + QString::fromLatin1(name), "{NUMERO}\n");

    EXPECT_EQ(choose(), fallback);
    host.exec(QStringLiteral("INSERT INTO Configuracion (clave, valor) VALUES ('FormatosX', ' A.txt ; B.txt ;')"));
    EXPECT_EQ(choose(), host.dataPath() + QStringLiteral("A.txt"));
    {
        const hostlibs::InteractivePrintScope interactive(true);
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->comboBoxItems(), (QStringList{QStringLiteral("A.txt"), QStringLiteral("B.txt")}));
            dialog->setTextValue(QStringLiteral("B.txt"));
            dialog->accept();
        });
        EXPECT_EQ(choose(), host.dataPath() + QStringLiteral("B.txt"));
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        EXPECT_TRUE(errorOf(choose).contains(QStringLiteral("cancelada")));
    }
    host.exec(QStringLiteral("INSERT INTO Configuracion (clave, valor) VALUES ('FormatoX', 'Uno.txt')"));
    EXPECT_EQ(choose(), host.dataPath() + QStringLiteral("Uno.txt"));
    host.exec(QStringLiteral("UPDATE Configuracion SET valor = 'Falta.txt' WHERE clave = 'FormatoX'"));
    EXPECT_TRUE(errorOf(choose).contains(host.dataPath() + QStringLiteral("Falta.txt")));
}

TEST(UserReportTest, UnusableDefinitionsFailNamingTheFile)
{
    testsupport::TestHost host;
    QTemporaryDir printed;
    host.setPrinterFolder(printed.path());
    const auto report = [&](const QString &file) {
        return errorOf([&] { host.framework().generarUsrReport(file, QStringLiteral("numeroGuia"), 42); });
    };
    EXPECT_TRUE(report(QStringLiteral("falta.rcl")).contains(host.dataPath() + QStringLiteral("falta.rcl")));

    const QByteArray query = "[consulta]\nSELECT id FROM gdVontarelis WHERE id = :numeroGuia\n";
    const QList<std::pair<QByteArray, QString>> broken{
        {"[titulo]\nT\n" + query, QStringLiteral("[columnas]")},
        {query + "[columnas]\nid | Número\n", QStringLiteral("línea 4")},
        {query + "[columnas]\nid | Número | 8 | arriba\n", QStringLiteral("arriba")},
        {query + "[columnas]\nid | Número | 8 | derecha | 0 | contar\n", QStringLiteral("suma")},
        {"Informe\n" + query, QStringLiteral("línea 1")},
        {query + "[grupos]\n", QStringLiteral("[grupos]")},
    };
    for (const auto &[text, problem] : broken) {
        writeFile(host.dataPath() + QStringLiteral("roto.rcl"), text);
        const QString error = report(QStringLiteral("roto.rcl"));
        EXPECT_TRUE(error.contains(host.dataPath() + QStringLiteral("roto.rcl")) && error.contains(problem))
            << error.toStdString();
    }
    writeFile(host.dataPath() + QStringLiteral("sinparametro.rcl"), "[consulta]\nSELECT 1 AS uno\n[columnas]\nuno | Uno | 3\n");
    EXPECT_TRUE(report(QStringLiteral("sinparametro.rcl")).contains(QStringLiteral(":numeroGuia")));
    EXPECT_TRUE(testsupport::pdfFilesIn(printed.path()).isEmpty());
}

} // namespace
