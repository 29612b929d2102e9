#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/GuideLinesCommand.h"
#include "marbelisto/app/GuideVarsCommand.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/DataFolder.h"

#include "support/LocaleScope.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"
#include "toolkit/Error.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

struct VerbRun
{
    int exitCode;
    QStringList lines;
};

// The data folder and, on PostgreSQL, the --db address of the database under test.
struct Place
{
    QString dataPath;
    QString database;
};

// Runs a verb in this process as the command line does after parsing, with the component
// loaded from its plug-in.
VerbRun run(marbelisto::Command &command, const Place &place, const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions({QCommandLineOption(QStringLiteral("data"), QString(), QStringLiteral("DIR")),
                       QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("URL")),
                       QCommandLineOption(QStringLiteral("user"), QString(), QStringLiteral("CODIGO"))});
    parser.addOptions(command.options());
    QStringList line{QStringLiteral("marbelisto"), command.name(), QStringLiteral("--data"), place.dataPath};
    if (!place.database.isEmpty())
        line << QStringLiteral("--db") << place.database;
    if (!parser.parse(line + arguments))
        throw std::runtime_error(parser.errorText().toStdString());
    QString output;
    QTextStream out(&output);
    const int exitCode = command.run(marbelisto::CommandContext(parser, place.dataPath, QStringLiteral("OPERADOR"), out));
    out.flush();
    return {exitCode, output.split(u'\n', Qt::SkipEmptyParts)};
}

QString errorOf(marbelisto::Command &command, const Place &place, const QStringList &arguments)
{
    try {
        run(command, place, arguments);
    } catch (const toolkit::Error &error) {
        return error.description();
    }
    ADD_FAILURE() << "no error";
    return QString();
}

class GuideVerbsTest : public ::testing::Test
{
protected:
    GuideVerbsTest()
    {
        host.addVendedor(QStringLiteral("C01"), QStringLiteral("Pedro Pérez"), true);
        host.addZona(QStringLiteral("Z1"), QStringLiteral("Centro"));
        host.addItem(QStringLiteral("1CEM"), QStringLiteral("Cemento gris"), 42.5);
        host.addItem(QStringLiteral("2ARE"), QStringLiteral("Arena lavada"), 1.25);
        const qint32 vehicle = host.addVehiculo(host.addTipoVehiculo(QStringLiteral("CAMION 350")), QStringLiteral("AB123CD"));
        const qint32 first = host.addFactura(QStringLiteral("A"), 1, QStringLiteral("K1"), QStringLiteral("Cliente"),
                                             100.0, 16.0, 1.0, QDateTime(QDate(2024, 3, 1), QTime(9, 0)));
        const qint32 second = host.addFactura(QStringLiteral("A"), 2, QStringLiteral("K1"), QStringLiteral("Cliente"),
                                              50.0, 8.0, 1.0, QDateTime(QDate(2024, 3, 1), QTime(9, 5)));
        host.addMovimiento(first, QStringLiteral("1CEM"), 10);
        host.addMovimiento(second, QStringLiteral("1CEM"), 4, 1);
        host.addMovimiento(second, QStringLiteral("2ARE"), 20);
        host.exec(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                                 "totalPrecioVenta, totalIVA, vendedor, zona) VALUES ('C01', ?, '2024-03-15 00:00:00', "
                                 "'ANA', 2, 1500.5, 150, 24, '', 'Z1')"),
                  {vehicle});
        guide = host.scalar(QStringLiteral("SELECT MAX(id) FROM gdVontarelis")).toInt();
        host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?), (?, ?)"),
                  {guide, first, guide, second});
    }

    QString number() const { return QString::number(guide); }

    testsupport::LocaleScope locale{QLocale(QLocale::English, QLocale::UnitedStates)};
    testsupport::ScriptedCommonUtilitiesScope utilities;
    Place place() const { return {host.dataPath(), host.databaseSource().address()}; }

    testsupport::TestHost host;
    marbelisto::GuideVarsCommand guideVars;
    marbelisto::GuideLinesCommand guideLines;
    qint32 guide = 0;
};

TEST_F(GuideVerbsTest, GuideVarsPrintsTheTextOfEachNameOrSinValorAskingTheSiteScriptFirst)
{
    QFile script(host.dataPath() + QStringLiteral("evGuiaDespacho.js"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("function EvalVar(doc, name) { if (name === 'NUMERO') return { value: doc.id, text: 'GD-' + doc.id }; }");
    script.close();
    const VerbRun vars = run(guideVars, place(),
                             QStringList{number()} + QStringLiteral("NUMERO numero nombreConductor PESO TOTALGENERAL "
                                                                    "PLACAS EMPRESA NOEXISTE ZONA").split(u' '));
    EXPECT_EQ(vars.exitCode, 0);
    EXPECT_EQ(vars.lines, (QStringList{
                               QStringLiteral("NUMERO\tGD-%1").arg(guide),
                               QStringLiteral("numero\t%1").arg(guide, 6, 10, QLatin1Char('0')),
                               QStringLiteral("nombreConductor\tPedro Pérez"),
                               QStringLiteral("PESO\t1,500.500"),
                               QStringLiteral("TOTALGENERAL\t174.00"),
                               QStringLiteral("PLACAS\tAB123CD"),
                               QStringLiteral("EMPRESA\tDistribuidora de Prueba, C.A."),
                               QStringLiteral("NOEXISTE\tsin valor"),
                               QStringLiteral("ZONA\tCentro"),
                           }));
}

TEST_F(GuideVerbsTest, GuideLinesPrintsCodeDescriptionUnitsAndTotalWeight)
{
    const VerbRun lines = run(guideLines, place(), {number()});
    EXPECT_EQ(lines.exitCode, 0);
    EXPECT_EQ(lines.lines, (QStringList{QStringLiteral("2ARE\tArena lavada\t20\t25"),
                                        QStringLiteral("1CEM\tCemento gris\t13\t552.5")}));
}

// Either verb ends with an error, which the command line prints and turns into a non-zero status.
TEST_F(GuideVerbsTest, AnUnknownGuideOrAWrongLineIsAClearError)
{
    const QString unknown = QStringLiteral("No existe la guía de despacho número %1").arg(guide + 1);
    EXPECT_EQ(errorOf(guideVars, place(), {QString::number(guide + 1), QStringLiteral("NUMERO")}), unknown);
    EXPECT_EQ(errorOf(guideLines, place(), {QString::number(guide + 1)}), unknown);
    EXPECT_EQ(errorOf(guideLines, place(), {QStringLiteral("siete")}),
              QStringLiteral("«siete» no es un número de guía de despacho"));
    EXPECT_TRUE(errorOf(guideVars, place(), {number()}).startsWith(QStringLiteral("Uso: ")));
}

TEST_F(GuideVerbsTest, TheVerbsReadTheGuidesOfTheDemoBooks)
{
    QTemporaryDir demo;
    const marbelisto::DataFolder folder(demo.path());
    const testsupport::TestDatabase books(demo.path());
    {
        const auto database = books.source().create(false);
        marbelisto::DemoData({.invoices = 120, .today = QDate(2024, 6, 1)}).fill(*database);
        database->settleBulkLoad();
    }
    const Place demoPlace{folder.path(), books.source().address()};
    const VerbRun vars = run(guideVars, demoPlace, QStringLiteral("1 NUMERO FECHA TIPO NFACTURAS").split(u' '));
    ASSERT_EQ(vars.lines.size(), 4);
    EXPECT_EQ(vars.lines.mid(0, 2), (QStringList{QStringLiteral("NUMERO\t000001"), QStringLiteral("FECHA\t05/31/2024")}));
    EXPECT_TRUE(vars.lines.filter(QStringLiteral("sin valor")).isEmpty()) << "the vehicle type and the count answer";

    const VerbRun lines = run(guideLines, demoPlace, {QStringLiteral("1")});
    ASSERT_FALSE(lines.lines.isEmpty());
    for (const QString &line : lines.lines)
        EXPECT_EQ(line.split(u'\t').size(), 4) << line.toStdString();
}

} // namespace
