#include "support/TestHost.h"

#include "toolkit/Currency.h"
#include "toolkit/Error.h"
#include "toolkit/VariantConvert.h"

#include <gtest/gtest.h>

using testsupport::TestHost;
using toolkit::Currency;

namespace {

template<typename Call>
qint32 errorNumber(Call call)
{
    try {
        call();
    } catch (const toolkit::Error &error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(Recordset, FieldNamesMatchWithoutCaseAndTheFirstMatchWins)
{
    TestHost host;
    // As the guide-lines query names the unit weight "peso" and the line weight "Peso".
    const auto rows = host.framework().OpenRecordsetA(
        QStringLiteral("SELECT 'ACE' AS codigo, 11.5 AS peso, 46.0 AS Peso UNION ALL SELECT 'HAR', 20, 80"), {});
    ASSERT_EQ(rows->FieldCount(), 3);
    EXPECT_EQ(rows->Fields(QStringLiteral("CODIGO")).toString(), QStringLiteral("ACE"));
    EXPECT_DOUBLE_EQ(toolkit::toDouble(rows->Fields(QStringLiteral("Peso"))), 11.5);
    EXPECT_DOUBLE_EQ(toolkit::toDouble(rows->Fields(2)), 46.0);
    rows->MoveNext();
    EXPECT_DOUBLE_EQ(toolkit::toDouble(rows->Fields(QStringLiteral("peso"))), 20.0);
    rows->MoveNext();
    EXPECT_TRUE(rows->Eof());
    // Past the end, or a field that is not there, is an error.
    EXPECT_EQ(errorNumber([&] { rows->Fields(QStringLiteral("codigo")); }), toolkit::ErrNoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rows->MoveNext(); }), toolkit::ErrNoCurrentRecord);
    const auto one = host.framework().OpenRecordsetA(QStringLiteral("SELECT 1 AS Codigo"), {});
    EXPECT_EQ(errorNumber([&] { one->Fields(QStringLiteral("Descripcion")); }), toolkit::ErrItemNotFound);
    EXPECT_EQ(errorNumber([&] { one->Fields(1); }), toolkit::ErrItemNotFound);
    const auto empty = host.framework().OpenRecordsetA(QStringLiteral("SELECT 1 WHERE 1 = 0"), {});
    EXPECT_TRUE(empty->Eof());
    EXPECT_EQ(errorNumber([&] { empty->Fields(0); }), toolkit::ErrNoCurrentRecord);
    // No row: the scalar read answers Empty.
    EXPECT_TRUE(toolkit::isEmpty(host.scalar(QStringLiteral("SELECT 1 WHERE 1 = 0"))));
}

TEST(Recordset, MoneyArrivesAsCurrencyDatesAsDateTimeAndNullAsTypedNull)
{
    TestHost host;
    host.addFactura(QStringLiteral("A"), 1, QStringLiteral("CL1"), QStringLiteral("Bodega"), Currency::fromRaw(12345678),
                    Currency::fromRaw(1000000), 0.0, QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15)));

    // Read through a subquery, as the invoice list does: the columns keep their types.
    const auto rows = host.framework().OpenRecordsetA(
        QStringLiteral("SELECT f.precioEfectivo, f.FechaTransaccion, i.precio AS sinPrecio, g.fecha AS sinFecha, "
                       "g.conductor AS sinConductor FROM (SELECT * FROM facturas f WHERE Despachada = 0) f "
                       "LEFT JOIN ItemsInventario i ON i.codigo = 'nada' LEFT JOIN gdVontarelis g ON g.id = -1"),
        {});
    ASSERT_FALSE(rows->Eof());
    const QVariant precio = rows->Fields(QStringLiteral("precioEfectivo"));
    ASSERT_EQ(precio.metaType(), QMetaType::fromType<Currency>());
    EXPECT_EQ(precio.value<Currency>(), Currency::fromRaw(12345678));
    const QVariant fecha = rows->Fields(QStringLiteral("FechaTransaccion"));
    ASSERT_EQ(fecha.typeId(), QMetaType::QDateTime);
    EXPECT_EQ(fecha.toDateTime(), QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15)));

    for (const char *name : {"sinPrecio", "sinFecha", "sinConductor"}) {
        const QVariant value = rows->Fields(QString::fromLatin1(name));
        EXPECT_TRUE(toolkit::isNull(value)) << name;
        EXPECT_THROW(toolkit::toText(value), toolkit::Error) << name;
    }
    EXPECT_EQ(rows->Fields(QStringLiteral("sinPrecio")).metaType(), QMetaType::fromType<Currency>());
    EXPECT_EQ(rows->Fields(QStringLiteral("sinFecha")).typeId(), QMetaType::QDateTime);

    // Date-time and money parameters find the row they stored; the registration time is the database's.
    host.exec(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                             "totalPrecioVenta, totalIVA, vendedor, zona) VALUES ('C', 1, ?, 'OP', 1, 0, ?, 0, '', '')"),
              {QDate(2024, 3, 5).startOfDay(), QVariant::fromValue(Currency::fromRaw(5))});
    const auto guide = host.framework().OpenRecordsetA(
        QStringLiteral("SELECT * FROM gdVontarelis WHERE fecha = ? AND totalPrecioVenta = ?"),
        {QDate(2024, 3, 5).startOfDay(), QVariant::fromValue(Currency::fromRaw(5))});
    ASSERT_FALSE(guide->Eof());
    EXPECT_EQ(guide->Fields(QStringLiteral("fecha")).toDateTime(), QDate(2024, 3, 5).startOfDay());
    EXPECT_LE(qAbs(guide->Fields(QStringLiteral("horaRegistro")).toDateTime().secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_EQ(guide->Fields(QStringLiteral("totalPrecioVenta")).value<Currency>(), Currency::fromRaw(5));
}

// SQLite keeps amounts as doubles and dates as text; the server has types of its own.
TEST(Recordset, StoredAmountsAndDatesReadAsTheTextOfTheirValueSays)
{
    TestHost host;
    if (host.databaseSource().isServer())
        GTEST_SKIP() << "amounts and dates as SQLite stores them";
    host.exec(QStringLiteral("CREATE TABLE montos (n INTEGER PRIMARY KEY, monto MONEY, dia DATETIME)"));
    // Four places and fewer read exactly; more places round half to even on the shortest text;
    // beyond 2^33 the spacing of doubles is wide enough that only the text decides.
    const QList<double> amounts = {0.0,    -0.0,         0.1,          1234.5678,     -1234.5678,  0.00015,
                                   0.00025, 2.675,       1.0 / 3.0,    8589934591.9999, 8589934592.125,
                                   922337203685.4775,   -7e-5,        123456789.0001};
    for (int i = 0; i < amounts.size(); ++i)
        host.exec(QStringLiteral("INSERT INTO montos VALUES (?, ?, ?)"),
                  {i, amounts.at(i), i % 2 ? QStringLiteral("2024-03-05 14:30:15") : QStringLiteral("2024-03-05")});
    host.exec(QStringLiteral("INSERT INTO montos VALUES (100, '12.5', 'mañana')"));

    const auto rows = host.framework().OpenRecordsetA(QStringLiteral("SELECT monto, dia FROM montos ORDER BY n"), {});
    for (const double amount : amounts) {
        ASSERT_FALSE(rows->Eof());
        const QVariant monto = rows->Fields(0);
        ASSERT_EQ(monto.metaType(), QMetaType::fromType<Currency>()) << amount;
        EXPECT_EQ(monto.value<Currency>(), Currency::fromDouble(amount)) << amount;
        rows->MoveNext();
    }
    EXPECT_EQ(rows->Fields(0).value<Currency>(), Currency::fromRaw(125000));
    // Text that is no date reaches the reader as text.
    EXPECT_EQ(rows->Fields(1), QVariant(QStringLiteral("mañana")));
    rows->MoveNext();
    EXPECT_TRUE(rows->Eof());

    // The same stored moment read again on later rows is the same local time.
    const auto dates = host.framework().OpenRecordsetA(QStringLiteral("SELECT dia FROM montos WHERE n < 6 ORDER BY n"), {});
    for (int i = 0; i < 6; ++i, dates->MoveNext()) {
        const QDateTime dia = dates->Fields(0).toDateTime();
        EXPECT_EQ(dia.timeSpec(), Qt::LocalTime);
        EXPECT_EQ(dia, i % 2 ? QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15)) : QDate(2024, 3, 5).startOfDay());
    }
}

// numeric(19,4) holds fifteen whole digits, where a double keeps only about eleven with the places.
TEST(Recordset, OnTheServerEveryAmountOfTheColumnsRangeReadsBackExactly)
{
    TestHost host;
    if (!host.databaseSource().isServer())
        GTEST_SKIP() << "SQLite keeps amounts as doubles";
    const QList<qint64> amounts = {999999999999999999, -999999999999999999, 123456789012345678, 1, -1, 0, 50000};
    for (int i = 0; i < amounts.size(); ++i)
        host.ownerExec(QStringLiteral("INSERT INTO ItemsInventario (codigo, descripcion, precio) VALUES (?, 'x', ?)"),
                       {QStringLiteral("M%1").arg(i), QVariant::fromValue(Currency::fromRaw(amounts.at(i)))});
    const auto rows = host.framework().OpenRecordsetA(
        QStringLiteral("SELECT precio FROM ItemsInventario WHERE codigo LIKE 'M%' ORDER BY codigo"), {});
    for (const qint64 amount : amounts) {
        ASSERT_FALSE(rows->Eof());
        EXPECT_EQ(rows->Fields(0).value<Currency>(), Currency::fromRaw(amount)) << amount;
        rows->MoveNext();
    }
    // A sum is no column of money: it reads as the number it is, as on SQLite.
    const QVariant sum = host.scalar(QStringLiteral("SELECT SUM(precio) FROM ItemsInventario WHERE codigo IN ('M5', 'M6')"));
    EXPECT_EQ(sum.typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(sum.toDouble(), 5.0);
}

TEST(Recordset, AnEngineErrorWhileStepping)
{
    TestHost host;
    if (host.databaseSource().isServer())
        GTEST_SKIP() << "an overflow that SQLite finds row by row";
    // The second row fails inside the engine, after the first was read.
    const auto rows = host.framework().OpenRecordsetA(
        QStringLiteral("SELECT CASE WHEN value = 2 THEN abs(-9223372036854775807 - 1) ELSE value END "
                       "FROM (SELECT 1 AS value UNION ALL SELECT 2)"),
        {});
    ASSERT_FALSE(rows->Eof());
    EXPECT_EQ(rows->Fields(0).toLongLong(), 1);
    EXPECT_EQ(errorNumber([&] { rows->MoveNext(); }), toolkit::ErrDatabase);
    EXPECT_TRUE(rows->Eof());
}
