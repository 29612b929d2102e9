#include "support/FaultyFramework.h"
#include "support/TestHost.h"
#include "toolkit/Raised.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"

#include <gtest/gtest.h>

using namespace vontarelis;
using testerrors::raised;

namespace {

// The real host under the helpers, with the statements it receives on record; the helpers use
// the forms that take a parameter list, never the variadic one.
struct ArrayFormsOnly : testsupport::FaultyFramework
{
    using FaultyFramework::FaultyFramework;
    QVariant ReadScalar(const QString &sql, const QVariantList &) override
    {
        ADD_FAILURE() << "ReadScalar: " << sql.toStdString();
        return {};
    }
};

class SqlHelpers : public testing::Test
{
protected:
    void SetUp() override { InitHostContext(framework); }
    void TearDown() override { gHost = nullptr; }

    testsupport::TestHost host;
    ArrayFormsOnly framework{host.framework()};
};

} // namespace

TEST_F(SqlHelpers, EachHelperHandsTheHostTheValuesOfItsCallAndTransactionsEndAsAsked)
{
    const QString insert = QStringLiteral("INSERT INTO gdTiposVehiculo (nombre) VALUES (?)");
    QString nombre = QStringLiteral("Camión");
    SqlBeginTransaction();
    EXPECT_EQ(SqlExecute(insert, {nombre}), 1);
    SqlAbortTransaction();
    SqlBeginTransaction();
    SqlExecute(insert, {nombre});
    nombre = QStringLiteral("Furgón");  // a field changed between calls goes with the next one
    SqlExecute(insert, {nombre});
    SqlCommitTransaction();

    QStringList stored;
    for (auto rows = SqlOpenRecordset("SELECT nombre FROM gdTiposVehiculo WHERE id > ? ORDER BY id", {0}); !rows->Eof();
         rows->MoveNext())
        stored << rows->Fields(0).toString();
    EXPECT_EQ(stored, QStringList({"Camión", "Furgón"})) << "the aborted insert is gone";
    EXPECT_EQ(SqlExecute("UPDATE gdTiposVehiculo SET capacidadKg = ? WHERE nombre <> ?", {1500, QString()}), 2);
    const QString sum = QStringLiteral("SELECT SUM(capacidadKg) FROM gdTiposVehiculo WHERE nombre IN (?, ?)");
    EXPECT_EQ(SqlReadScalar(sum, {"Camión", "Furgón"}).toDouble(), 3000.0);
    // Whatever the host answers comes back unconverted, a typed null included.
    const QString nothing = QStringLiteral("SELECT MAX(nombre) FROM gdTiposVehiculo WHERE id < ?");
    const QVariant direct = host.framework().ReadScalarA(nothing, {0});
    const QVariant answer = SqlReadScalar(nothing, {0});
    EXPECT_EQ(std::pair(answer.isNull(), answer.metaType()), std::pair(true, direct.metaType()));
}

TEST_F(SqlHelpers, HostErrorsTravelUnchangedAndAListTheSixteenBitIndexCannotWalkNeverReachesTheHost)
{
    const QString sql = QStringLiteral("SELECT precio FROM tablaQueNoExiste WHERE id = ?");
    host::IFramework &real = host.framework();
    const std::pair<toolkit::Error, toolkit::Error> viaHelperAndDirect[] = {
        {raised([&] { SqlReadScalar(sql, {1}); }), raised([&] { real.ReadScalarA(sql, {1}); })},
        {raised([&] { SqlExecute(sql, {1}); }), raised([&] { real.ExecuteSQLA(sql, {1}); })},
        {raised([&] { SqlOpenRecordset(sql, {1}); }), raised([&] { real.OpenRecordsetA(sql, {1}); })},
    };
    for (const auto &[helper, direct] : viaHelperAndDirect) {
        EXPECT_NE(direct.number(), 0);
        EXPECT_EQ(std::tuple(helper.number(), helper.description(), helper.source()),
                  std::tuple(direct.number(), direct.description(), direct.source()));
    }

    const qsizetype sent = framework.statements().size();
    EXPECT_NE(raised([] { SqlReadScalar("SELECT 1", QVariantList(32767, 1)); }).number(), toolkit::ErrOverflow);
    EXPECT_EQ(raised([] { SqlExecute("SELECT 1", QVariantList(32768, 1)); }).number(), toolkit::ErrOverflow);
    EXPECT_EQ(framework.statements().size(), sent + 1) << "the host saw only the first list";
}
