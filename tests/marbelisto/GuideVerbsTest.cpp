#include "marbelisto/app/GuideLinesCommand.h"
#include "marbelisto/app/GuideVarsCommand.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/DataFolder.h"

#include "VerbRun.h"
#include "support/LocaleScope.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

using verbtest::runVerb;
using verbtest::verbError;

namespace {

class GuideVerbsTest : public ::testing::Test
{
protected:
    GuideVerbsTest()
    {
        host.addVendedor("C01", "Pedro Pérez", true);
        host.addZona("Z1", "Centro");
        host.addItem("1CEM", "Cemento gris", 42.5);
        host.addItem("2ARE", "Arena lavada", 1.25);
        const qint32 vehicle = host.addVehiculo(host.addTipoVehiculo("CAMION 350"), "AB123CD");
        const qint32 first = host.addFactura("A", 1, "K1", "Cliente", 100.0, 16.0, 1.0, QDateTime(QDate(2024, 3, 1), QTime(9, 0)));
        const qint32 second = host.addFactura("A", 2, "K1", "Cliente", 50.0, 8.0, 1.0, QDateTime(QDate(2024, 3, 1), QTime(9, 5)));
        host.addMovimiento(first, "1CEM", 10);
        host.addMovimiento(second, "1CEM", 4, 1);
        host.addMovimiento(second, "2ARE", 20);
        host.exec("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, totalPrecioVenta, "
                  "totalIVA, vendedor, zona) VALUES ('C01', ?, '2024-03-15 00:00:00', 'ANA', 2, 1500.5, 150, 24, '', 'Z1')",
                  {vehicle});
        guide = host.scalar("SELECT MAX(id) FROM gdVontarelis").toInt();
        host.exec("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?), (?, ?)", {guide, first, guide, second});
    }

    // The guide's number, or another, after the --db of the database under test.
    QStringList on(qint32 number) const
    {
        return verbtest::dbOption(host.databaseSource()) << QString::number(number);
    }

    testsupport::LocaleScope locale{QLocale(QLocale::English, QLocale::UnitedStates)};
    testsupport::ScriptedCommonUtilitiesScope utilities;
    testsupport::TestHost host;
    marbelisto::GuideVarsCommand guideVars;
    marbelisto::GuideLinesCommand guideLines;
    qint32 guide = 0;
};

TEST_F(GuideVerbsTest, GuideVarsPrintsTheTextOfEachNameAskingTheSiteScriptFirstAndGuideLinesEachGoodsLine)
{
    QFile script(host.dataPath() + "evGuiaDespacho.js");
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("function EvalVar(doc, name) { if (name === 'NUMERO') return { value: doc.id, text: 'GD-' + doc.id }; }");
    script.close();
    EXPECT_EQ(runVerb(guideVars, host.dataPath(),
                      on(guide) + QString("NUMERO numero nombreConductor PESO TOTALGENERAL PLACAS EMPRESA NOEXISTE ZONA").split(u' ')),
              QStringList({QStringLiteral("NUMERO\tGD-%1").arg(guide), QStringLiteral("numero\t%1").arg(guide, 6, 10, QLatin1Char('0')),
                           "nombreConductor\tPedro Pérez", "PESO\t1,500.500", "TOTALGENERAL\t174.00", "PLACAS\tAB123CD",
                           "EMPRESA\tDistribuidora de Prueba, C.A.", "NOEXISTE\tsin valor", "ZONA\tCentro"}));
    EXPECT_EQ(runVerb(guideLines, host.dataPath(), on(guide)),
              QStringList({"2ARE\tArena lavada\t20\t25", "1CEM\tCemento gris\t13\t552.5"}));
}

// Either verb ends with an error, which the command line prints and turns into a non-zero status.
TEST_F(GuideVerbsTest, AnUnknownGuideOrAWrongLineIsAClearError)
{
    const QString unknown = QStringLiteral("No existe la guía de despacho número %1").arg(guide + 1);
    EXPECT_EQ(verbError(guideVars, host.dataPath(), on(guide + 1) << "NUMERO"), unknown);
    EXPECT_EQ(verbError(guideLines, host.dataPath(), on(guide + 1)), unknown);
    EXPECT_EQ(verbError(guideLines, host.dataPath(), verbtest::dbOption(host.databaseSource()) << "siete"),
              u"«siete» no es un número de guía de despacho"_s);
    EXPECT_TRUE(verbError(guideVars, host.dataPath(), on(guide)).startsWith("Uso: "));
}

TEST_F(GuideVerbsTest, TheVerbsReadTheGuidesOfTheDemoBooks)
{
    QTemporaryDir demo;
    const testsupport::TestDatabase books(demo.path());
    {
        const auto database = books.source().create(false);
        marbelisto::DemoData({.invoices = 120, .today = QDate(2024, 6, 1)}).fill(*database);
        database->settleBulkLoad();
    }
    const QStringList first = verbtest::dbOption(books.source()) << "1";
    const QStringList vars = runVerb(guideVars, demo.path(), first + QString("NUMERO FECHA TIPO NFACTURAS").split(u' '));
    ASSERT_EQ(vars.size(), 4);
    EXPECT_EQ(vars.mid(0, 2), QStringList({"NUMERO\t000001", "FECHA\t05/31/2024"}));
    EXPECT_TRUE(vars.filter("sin valor").isEmpty()) << "the vehicle type and the count answer";

    const QStringList lines = runVerb(guideLines, demo.path(), first);
    ASSERT_FALSE(lines.isEmpty());
    for (const QString &line : lines)
        EXPECT_EQ(line.split(u'\t').size(), 4) << line.toStdString();
}

} // namespace
