#include "support/TestHost.h"
#include "toolkit/Error.h"
#include "toolkit/VariantConvert.h"

#include <gtest/gtest.h>

namespace {

using testsupport::TestHost;
using toolkit::toLong;

void insertGuide(host::IFramework &framework)
{
    framework.ExecuteSQLA(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, "
                                         "totalPeso, totalPrecioVenta, totalIVA, vendedor, zona) "
                                         "VALUES ('C01', 1, ?, 'ANA', 2, 1, 1, 0, '', 'Z1')"),
                          {QDateTime(QDate(2024, 3, 15), QTime(0, 0))});
}

} // namespace

// The server ends the session in the middle of a registration, as when it restarts.
TEST(ServerLoss, TheHalfWrittenGuideRollsBackAndTheNextOperationReconnects)
{
    TestHost host;
    if (!host.databaseSource().isServer())
        GTEST_SKIP() << "an embedded SQLite file cannot go away";
    host::IFramework &workstation = host.framework();
    const auto other = host.openSecondConnection();
    const qint32 session = toLong(workstation.ReadScalarA(QStringLiteral("SELECT pg_backend_pid()"), {}));
    const QDateTime day = QDate(2024, 3, 1).startOfDay();
    const qint32 first = host.addFactura(QStringLiteral("A"), 1, QStringLiteral("CL1"), QStringLiteral("Bodega"), 1.0, 0.0, 1.0, day);
    const qint32 second = host.addFactura(QStringLiteral("A"), 2, QStringLiteral("CL1"), QStringLiteral("Bodega"), 1.0, 0.0, 1.0, day);

    workstation.StartTransaction();
    insertGuide(workstation);
    const qint32 guide = toLong(workstation.ReadScalarA(QStringLiteral("SELECT SCOPE_IDENTITY()"), {}));
    workstation.ExecuteSQLA(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)"), {guide, first});
    ASSERT_TRUE(other->ReadScalarA(QStringLiteral("SELECT pg_terminate_backend(?, 10000)"), {session}).toBool());
    EXPECT_THROW(workstation.ExecuteSQLA(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)"),
                                         {guide, second}),
                 toolkit::Error);
    EXPECT_NO_THROW(workstation.AbortTransaction());

    EXPECT_EQ(toLong(other->ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM gdVontarelis"), {})), 0);
    EXPECT_EQ(toLong(other->ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia"), {})), 0);
    EXPECT_NE(toLong(workstation.ReadScalarA(QStringLiteral("SELECT pg_backend_pid()"), {})), session);
    workstation.StartTransaction();
    insertGuide(workstation);
    workstation.CommitTransaction();
    EXPECT_EQ(toLong(other->ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM gdVontarelis"), {})), 1);
}
