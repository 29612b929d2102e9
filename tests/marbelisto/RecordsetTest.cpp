#include "support/TestHost.h"

#include "toolkit/Currency.h"
#include "toolkit/Error.h"
#include "toolkit/VariantConvert.h"

#include <gtest/gtest.h>

using testsupport::TestHost;
using toolkit::Currency;

namespace {

const QDateTime march1 = QDateTime(QDate(2024, 3, 1), QTime(0, 0));

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

// Two invoices of one guide that move the same item, one with goods returned.
void seedGuideWithLines(TestHost &host)
{
    host.addCliente(QStringLiteral("CL1"), QStringLiteral("Bodega"), QString(), QString());
    host.addItem(QStringLiteral("HAR"), QStringLiteral("Harina"), 20.0);
    host.addItem(QStringLiteral("ACE"), QStringLiteral("Aceite"), 11.5);
    const qint32 first = host.addFactura(QStringLiteral("A"), 1, QStringLiteral("CL1"), QStringLiteral("Bodega"),
                                         10.0, 1.6, 1.0, march1);
    const qint32 second = host.addFactura(QStringLiteral("A"), 2, QStringLiteral("CL1"), QStringLiteral("Bodega"),
                                          10.0, 1.6, 1.0, march1);
    host.addMovimiento(first, QStringLiteral("HAR"), 3);
    host.addMovimiento(second, QStringLiteral("HAR"), 2, 1);
    host.addMovimiento(second, QStringLiteral("ACE"), 4);
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (7, ?), (7, ?)"),
              {first, second});
}

} // namespace

TEST(Recordset, FieldNamesMatchWithoutCaseAndTheFirstMatchWins)
{
    TestHost host;
    seedGuideWithLines(host);
    const auto rows = host.framework().OpenRecordsetA(
        QStringLiteral("SELECT i.codigo, i.descripcion, i.peso, SUM(Salidas - Entradas) as Unidades, "
                       "SUM((Salidas - Entradas) * peso) As Peso FROM (SELECT * FROM ComprobantesAlmacen C WHERE "
                       "TipoEntidadOrigen = 'FCT' AND EXISTS(SELECT 1 FROM gdFacturasGuia WHERE idGuia = ? AND "
                       "NumeroFactura = c.numeroDocumentoOrigen)) c INNER JOIN detallesMINV d ON d.numeroDocumento = "
                       "c.numero INNER JOIN ItemsInventario i on codigo = d.codigoItem GROUP BY i.codigo, "
                       "i.descripcion, i.peso ORDER BY i.descripcion"),
        {7});
    ASSERT_EQ(rows->FieldCount(), 5);
    ASSERT_FALSE(rows->Eof());
    EXPECT_EQ(rows->Fields(QStringLiteral("CODIGO")).toString(), QStringLiteral("ACE"));
    EXPECT_DOUBLE_EQ(toolkit::toDouble(rows->Fields(QStringLiteral("peso"))), 11.5);
    EXPECT_DOUBLE_EQ(toolkit::toDouble(rows->Fields(QStringLiteral("Peso"))), 11.5);
    EXPECT_DOUBLE_EQ(toolkit::toDouble(rows->Fields(4)), 46.0);
    EXPECT_DOUBLE_EQ(toolkit::toDouble(rows->Fields(QStringLiteral("unidades"))), 4.0);
    rows->MoveNext();
    ASSERT_FALSE(rows->Eof());
    EXPECT_EQ(rows->Fields(0).toString(), QStringLiteral("HAR"));
    EXPECT_DOUBLE_EQ(toolkit::toDouble(rows->Fields(QStringLiteral("Unidades"))), 4.0);
    EXPECT_DOUBLE_EQ(toolkit::toDouble(rows->Fields(4)), 80.0);
    rows->MoveNext();
    EXPECT_TRUE(rows->Eof());
}

TEST(Recordset, MoneyArrivesAsCurrencyDatesAsDateTimeAndNullAsTypedNull)
{
    TestHost host;
    host.addCliente(QStringLiteral("CL1"), QStringLiteral("Bodega"), QString(), QString());
    host.addFactura(QStringLiteral("A"), 1, QStringLiteral("CL1"), QStringLiteral("Bodega"),
                    Currency::fromRaw(12345678), Currency::fromRaw(1000000), 0.0,
                    QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15)));

    // Read through a subquery, as the invoice list does: the columns keep their types.
    const auto rows = host.framework().OpenRecordsetA(
        QStringLiteral("SELECT f.precioEfectivo, f.Impuesto1, f.FechaTransaccion, f.tipocambio, f.serie, "
                       "i.precio AS sinPrecio, g.fecha AS sinFecha, g.conductor AS sinConductor "
                       "FROM (SELECT * FROM facturas f WHERE Despachada = 0) f "
                       "LEFT JOIN ItemsInventario i ON i.codigo = 'nada' LEFT JOIN gdVontarelis g ON g.id = -1"),
        {});
    ASSERT_FALSE(rows->Eof());
    const QVariant precio = rows->Fields(QStringLiteral("precioEfectivo"));
    ASSERT_EQ(precio.metaType(), QMetaType::fromType<Currency>());
    EXPECT_EQ(precio.value<Currency>(), Currency::fromRaw(12345678));
    EXPECT_EQ(rows->Fields(QStringLiteral("impuesto1")).value<Currency>(), Currency::fromRaw(1000000));

    const QVariant fecha = rows->Fields(QStringLiteral("FechaTransaccion"));
    ASSERT_EQ(fecha.typeId(), QMetaType::QDateTime);
    EXPECT_EQ(fecha.toDateTime(), QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15)));
    EXPECT_DOUBLE_EQ(toolkit::toDouble(rows->Fields(QStringLiteral("tipocambio"))), 0.0);

    for (const char *name : {"sinPrecio", "sinFecha", "sinConductor"}) {
        const QVariant value = rows->Fields(QString::fromLatin1(name));
        EXPECT_TRUE(toolkit::isNull(value)) << name;
        EXPECT_THROW(toolkit::toText(value), toolkit::Error) << name;
    }
    EXPECT_EQ(rows->Fields(QStringLiteral("sinPrecio")).metaType(), QMetaType::fromType<Currency>());
    EXPECT_EQ(rows->Fields(QStringLiteral("sinFecha")).typeId(), QMetaType::QDateTime);

    // The default registration time is stored in the same form the parameters use.
    host.exec(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                             "totalPrecioVenta, totalIVA, vendedor, zona) VALUES ('C', 1, ?, 'OP', 1, 0, ?, 0, '', '')"),
              {QDate(2024, 3, 5), QVariant::fromValue(Currency::fromRaw(5))});
    const auto guide = host.framework().OpenRecordsetA(QStringLiteral("SELECT * FROM gdVontarelis"), {});
    EXPECT_EQ(guide->Fields(QStringLiteral("fecha")).toDateTime(), QDate(2024, 3, 5).startOfDay());
    const QDateTime registered = guide->Fields(QStringLiteral("horaRegistro")).toDateTime();
    EXPECT_TRUE(registered.isValid());
    EXPECT_LE(qAbs(registered.secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_EQ(guide->Fields(QStringLiteral("totalPrecioVenta")).value<Currency>(), Currency::fromRaw(5));
}

TEST(Recordset, ParametersBindAsTheStoredForms)
{
    TestHost host;
    const auto rows = host.framework().OpenRecordsetA(
        QStringLiteral("SELECT ? AS momento, ? AS dia, typeof(?) AS vacio, ? AS verdad, typeof(?) AS monto, ? AS texto"),
        {QDateTime(QDate(2024, 3, 1), QTime(10, 20, 30)), QDate(2024, 3, 1), QVariant(), true,
         QVariant::fromValue(Currency::fromRaw(15000)), QString()});
    EXPECT_EQ(rows->Fields(QStringLiteral("momento")).toString(), QStringLiteral("2024-03-01 10:20:30"));
    EXPECT_EQ(rows->Fields(QStringLiteral("dia")).toString(), QStringLiteral("2024-03-01"));
    EXPECT_EQ(rows->Fields(QStringLiteral("vacio")).toString(), QStringLiteral("null"));
    EXPECT_EQ(rows->Fields(QStringLiteral("verdad")).toLongLong(), 1);
    EXPECT_EQ(rows->Fields(QStringLiteral("monto")).toString(), QStringLiteral("real"));
    EXPECT_FALSE(toolkit::isNull(rows->Fields(QStringLiteral("texto"))));
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT typeof(?)"), {QDateTime()}).toString(), QStringLiteral("null"));

    // A guide without salesperson stores an empty text, not NULL, in a NOT NULL column.
    host.exec(QStringLiteral("INSERT INTO Zonas (Codigo, Descripcion) VALUES (?, ?)"), {QStringLiteral("Z"), QString()});
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT COUNT(*) FROM Zonas WHERE Descripcion = ''")).toLongLong(), 1);
    // Money keeps its four decimals on the way in and out.
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT precio FROM ItemsInventario")).isValid(), false);
    host.exec(QStringLiteral("INSERT INTO ItemsInventario (codigo, descripcion, precio) VALUES ('X', 'x', ?)"),
              {QVariant::fromValue(Currency::fromRaw(12345))});
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT precio FROM ItemsInventario")).value<Currency>(),
              Currency::fromRaw(12345));
}

TEST(Recordset, ReadingPastTheEndOrAnUnknownFieldIsAnError)
{
    TestHost host;
    host.addZona(QStringLiteral("Z1"), QStringLiteral("Centro"));
    const auto rows = host.framework().OpenRecordsetA(QStringLiteral("SELECT Codigo FROM Zonas"), {});
    EXPECT_EQ(errorNumber([&] { rows->Fields(QStringLiteral("Descripcion")); }), toolkit::ErrItemNotFound);
    EXPECT_EQ(errorNumber([&] { rows->Fields(1); }), toolkit::ErrItemNotFound);
    EXPECT_EQ(errorNumber([&] { rows->Fields(-1); }), toolkit::ErrItemNotFound);
    rows->MoveNext();
    ASSERT_TRUE(rows->Eof());
    EXPECT_EQ(errorNumber([&] { rows->Fields(QStringLiteral("codigo")); }), toolkit::ErrNoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rows->MoveNext(); }), toolkit::ErrNoCurrentRecord);

    const auto empty = host.framework().OpenRecordsetA(QStringLiteral("SELECT Codigo FROM Zonas WHERE 1 = 0"), {});
    EXPECT_TRUE(empty->Eof());
    EXPECT_EQ(errorNumber([&] { empty->Fields(0); }), toolkit::ErrNoCurrentRecord);

    // No row: the scalar read answers Empty.
    const QVariant none = host.scalar(QStringLiteral("SELECT Codigo FROM Zonas WHERE Codigo = 'nada'"));
    EXPECT_TRUE(toolkit::isEmpty(none));
    EXPECT_EQ(toolkit::toLong(none), 0);
}

TEST(Recordset, DatabaseErrorsCarryTheEnginesMessage)
{
    TestHost host;
    try {
        host.framework().OpenRecordsetA(QStringLiteral("SELECT * FROM noHay"), {});
        FAIL() << "a query on a missing table ran";
    } catch (const toolkit::Error &error) {
        EXPECT_EQ(error.number(), toolkit::ErrDatabase);
        EXPECT_TRUE(error.description().contains(QStringLiteral("no such table"))) << error.description().toStdString();
    }
    EXPECT_EQ(errorNumber([&] { host.exec(QStringLiteral("INSERT INTO Zonas (Codigo) VALUES (?)"), {1}); }),
              toolkit::ErrDatabase);
    EXPECT_EQ(errorNumber([&] { host.scalar(QStringLiteral("SELECT ?, ?"), {1}); }), toolkit::ErrDatabase);

    host.addZona(QStringLiteral("Z1"), QStringLiteral("Centro"));
    host.addZona(QStringLiteral("Z2"), QStringLiteral("Este"));
    EXPECT_EQ(host.framework().ExecuteSQLA(QStringLiteral("UPDATE Zonas SET Descripcion = 'x'"), {}), 2);
    EXPECT_EQ(host.framework().ExecuteSQLA(QStringLiteral("DELETE FROM Zonas WHERE Codigo = ?"), {QStringLiteral("Z9")}),
              0);
}
