#include "support/TestHost.h"

#include "toolkit/Error.h"
#include "toolkit/VariantConvert.h"

#include <gtest/gtest.h>

using testsupport::TestHost;
using toolkit::toLong;

namespace {

QDateTime day(int d)
{
    return QDate(2024, 3, d).startOfDay();
}

qint32 insertGuide(host::IFramework &framework, const QString &driver)
{
    framework.ExecuteSQLA(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, "
                                         "totalPeso, totalPrecioVenta, totalIVA, vendedor, zona) "
                                         "VALUES (?, 1, ?, 'OP', 0, 0, 0, 0, '', '')"),
                          {driver, day(1)});
    return toLong(framework.ReadScalarA(QStringLiteral("SELECT SCOPE_IDENTITY()"), {}));
}

qint32 identCurrent(host::IFramework &framework, const QString &table)
{
    return toLong(framework.ReadScalarA(QStringLiteral("SELECT IDENT_CURRENT('%1')").arg(table), {}));
}

} // namespace

TEST(SqlDialect, IdentCurrentStartsAtTheSeedAndFollowsEveryInsert)
{
    TestHost host;
    EXPECT_EQ(identCurrent(host.framework(), QStringLiteral("gdVontarelis")), 1);
    EXPECT_EQ(identCurrent(host.framework(), QStringLiteral("gdVehiculos")), 1);

    insertGuide(host.framework(), QStringLiteral("C1"));
    insertGuide(host.framework(), QStringLiteral("C2"));
    insertGuide(host.framework(), QStringLiteral("C3"));
    EXPECT_EQ(identCurrent(host.framework(), QStringLiteral("gdVontarelis")), 3);
    EXPECT_EQ(identCurrent(host.framework(), QStringLiteral("GDVONTARELIS")), 3);

    // Deleting rows does not give numbers back.
    host.exec(QStringLiteral("DELETE FROM gdVontarelis"));
    EXPECT_EQ(identCurrent(host.framework(), QStringLiteral("gdVontarelis")), 3);
    EXPECT_EQ(insertGuide(host.framework(), QStringLiteral("C4")), 4);

    // Tables without identity have none to tell.
    EXPECT_TRUE(toolkit::isNull(host.scalar(QStringLiteral("SELECT IDENT_CURRENT('gdFacturasGuia')"))));
    EXPECT_TRUE(toolkit::isNull(host.scalar(QStringLiteral("SELECT IDENT_CURRENT('noSuchTable')"))));
}

TEST(SqlDialect, ScopeIdentityIsEachConnectionsOwnWhileIdentCurrentSeesTheOther)
{
    TestHost host;
    const auto second = host.openSecondConnection();
    EXPECT_TRUE(toolkit::isNull(second->ReadScalarA(QStringLiteral("SELECT SCOPE_IDENTITY()"), {})));

    const qint32 first = insertGuide(host.framework(), QStringLiteral("A"));
    const qint32 other = insertGuide(*second, QStringLiteral("B"));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(other, 2);
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT SCOPE_IDENTITY()"))), 1);
    EXPECT_EQ(identCurrent(host.framework(), QStringLiteral("gdVontarelis")), 2);

    const qint32 third = insertGuide(host.framework(), QStringLiteral("A"));
    EXPECT_EQ(third, 3);
    EXPECT_EQ(toLong(second->ReadScalarA(QStringLiteral("SELECT SCOPE_IDENTITY()"), {})), 2);
    EXPECT_EQ(identCurrent(*second, QStringLiteral("gdVontarelis")), 3);

    // Linking invoices (a table without identity) keeps the guide's identity.
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, 77)"), {third});
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT SCOPE_IDENTITY()"))), third);
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT conductor FROM gdVontarelis WHERE id = ?"), {other}).toString(),
              QStringLiteral("B"));
}

TEST(SqlDialect, PesoFacturaNetsReturnsAndIgnoresOtherVouchers)
{
    TestHost host;
    host.addZona(QStringLiteral("Z1"), QStringLiteral("Centro"));
    host.addCliente(QStringLiteral("CL1"), QStringLiteral("Bodega La Esquina"), QStringLiteral("Z1"), QString());
    host.addItem(QStringLiteral("ARROZ"), QStringLiteral("Arroz 1 kg"), 1.0);
    host.addItem(QStringLiteral("ACEITE"), QStringLiteral("Aceite 900 ml"), 0.92);
    const qint32 withReturns = host.addFactura(QStringLiteral("A"), 1, QStringLiteral("CL1"), QStringLiteral("Bodega"),
                                               100.0, 16.0, 1.0, day(1));
    const qint32 withoutVoucher = host.addFactura(QStringLiteral("A"), 2, QStringLiteral("CL1"),
                                                  QStringLiteral("Bodega"), 50.0, 8.0, 1.0, day(2));
    host.addMovimiento(withReturns, QStringLiteral("ARROZ"), 24);
    host.addMovimiento(withReturns, QStringLiteral("ACEITE"), 12, 2);
    host.addMovimiento(withReturns, QStringLiteral("ARROZ"), 0, 4);
    // A voucher of another kind of document with the same number does not count.
    host.exec(QStringLiteral("INSERT INTO ComprobantesAlmacen (numero, TipoEntidadOrigen, numeroDocumentoOrigen, fecha) "
                             "VALUES (900, 'NDE', ?, '2024-03-01')"),
              {withReturns});
    host.exec(QStringLiteral("INSERT INTO detallesMINV (numeroDocumento, codigoItem, Salidas) VALUES (900, 'ARROZ', 1000)"));

    EXPECT_DOUBLE_EQ(toolkit::toDouble(host.scalar(QStringLiteral("SELECT dbo.PesoFactura(?)"), {withReturns})),
                     (24 - 4) * 1.0 + (12 - 2) * 0.92);
    EXPECT_DOUBLE_EQ(toolkit::toDouble(host.scalar(QStringLiteral("SELECT DBO.PesoFactura(?)"), {withoutVoucher})), 0.0);
    EXPECT_DOUBLE_EQ(toolkit::toDouble(host.scalar(QStringLiteral("SELECT PesoFactura(12345)"))), 0.0);
}

TEST(SqlDialect, DboPrefixGoesButTextInLiteralsStays)
{
    TestHost host;
    host.addZona(QStringLiteral("Z1"), QStringLiteral("see dbo.table"));
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT Descripcion FROM dbo.Zonas WHERE Descripcion = 'see dbo.table'"))
                  .toString(),
              QStringLiteral("see dbo.table"));
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT 'it''s dbo.x' || Descripcion FROM Dbo.zonas")).toString(),
              QStringLiteral("it's dbo.xsee dbo.table"));
    // A name that merely ends in "dbo" is no prefix.
    host.exec(QStringLiteral("CREATE TABLE turbo (x INTEGER)"));
    host.exec(QStringLiteral("INSERT INTO turbo (x) VALUES (7)"));
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT turbo.x FROM turbo"))), 7);
}

TEST(SqlDialect, StringDbQuotesSoThatAnyTextStaysData)
{
    TestHost host;
    host.addZona(QStringLiteral("Z1"), QStringLiteral("Centro"));
    const QStringList names = {QStringLiteral("O'Brien"), QStringLiteral("x' OR '1'='1"), QStringLiteral("''"),
                               QStringLiteral("a;--b"), QString()};
    for (const QString &name : names) {
        const QString literal = host.framework().StringDB(name);
        EXPECT_EQ(host.scalar(QStringLiteral("SELECT ") + literal).toString(), name) << literal.toStdString();
        EXPECT_FALSE(host.scalar(QStringLiteral("SELECT Codigo FROM Zonas WHERE Descripcion = ") + literal).isValid())
            << literal.toStdString();
    }
    EXPECT_EQ(host.framework().StringDB(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
}

TEST(SqlDialect, AnInvoiceGoesOnOneGuideOnly)
{
    TestHost host;
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (1, 10)"));
    try {
        host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (2, 10)"));
        FAIL() << "a second link of invoice 10 was accepted";
    } catch (const toolkit::Error &error) {
        EXPECT_EQ(error.number(), toolkit::ErrDatabase);
        EXPECT_TRUE(error.description().contains(QStringLiteral("UNIQUE"))) << error.description().toStdString();
        EXPECT_TRUE(error.description().contains(QStringLiteral("NumeroFactura"))) << error.description().toStdString();
    }

    // A guide that fails halfway leaves nothing behind once aborted.
    host.framework().StartTransaction();
    const qint32 guide = insertGuide(host.framework(), QStringLiteral("C1"));
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, 11)"), {guide});
    EXPECT_THROW(host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, numeroFactura) VALUES (?, 10)"), {guide}),
                 toolkit::Error);
    host.framework().AbortTransaction();
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdVontarelis"))), 0);
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia"))), 1);
    // Aborting again, with nothing open, is harmless.
    host.framework().AbortTransaction();

    // Committed work is seen by another session.
    host.framework().StartTransaction();
    const qint32 kept = insertGuide(host.framework(), QStringLiteral("C2"));
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, 11)"), {kept});
    host.framework().CommitTransaction();
    const auto second = host.openSecondConnection();
    EXPECT_EQ(toLong(second->ReadScalarA(QStringLiteral("SELECT idGuia FROM gdFacturasGuia WHERE NumeroFactura = 11"),
                                         {})),
              kept);
}
