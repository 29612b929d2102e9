// A database made by an earlier version is opened as today's, on the engine under test.
#include "marbelisto/db/Database.h"
#include "marbelisto/db/Schema.h"
#include "support/TestHost.h"

#include <QSignalSpy>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

// What the first version lacked: vehicle capacities, the figures of a review, the rules that
// keep a closed guide closed, the server's notice to the other desks.
void makeOlder(const marbelisto::Database &database)
{
    QSqlQuery query(database.connection());
    QStringList statements;
    if (database.connection().driverName() == QLatin1String("QPSQL")) {
        statements << "DROP FUNCTION gd_guia_cerrada() CASCADE" << "DROP FUNCTION gd_guia_cerrada_enlace() CASCADE"
                   << "DROP FUNCTION gd_aviso_guias() CASCADE";
    } else {
        ASSERT_TRUE(query.exec("SELECT name FROM sqlite_master WHERE type = 'trigger'"));
        while (query.next())
            statements << "DROP TRIGGER " + query.value(0).toString();
    }
    statements << "ALTER TABLE gdTiposVehiculo DROP COLUMN capacidadKg";
    for (const char *column : {"facturasDespacho", "totalPesoDespacho", "totalPrecioVentaDespacho", "totalIVADespacho", "version"})
        statements << QStringLiteral("ALTER TABLE gdVontarelis DROP COLUMN %1").arg(column);
    for (const QString &statement : statements)
        ASSERT_TRUE(query.exec(statement)) << query.lastError().text().toStdString();
}

TEST(SchemaUpgradeTest, OpeningAnOlderDatabaseAddsWhatItLacksOnceAndKeepsItsRows)
{
    testsupport::TestHost host;
    host.addTipoVehiculo("Camión");
    host.exec("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, totalPrecioVenta, "
              "totalIVA, vendedor, zona, Cerrada) VALUES ('C01', 1, '2024-03-15 00:00:00', 'OP', 2, 5, 10, 1, '', '', 1)");
    makeOlder(*host.openDatabase());

    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        const std::unique_ptr<marbelisto::Database> database = host.openDatabase();
        QSqlQuery query(database->connection());
        ASSERT_TRUE(query.exec("SELECT t.nombre, t.capacidadKg, g.facturas, g.facturasDespacho, g.totalPesoDespacho, "
                               "g.totalPrecioVentaDespacho, g.totalIVADespacho, g.version FROM gdTiposVehiculo t, gdVontarelis g"));
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), QStringLiteral("Camión"));
        // First opening: the new columns, empty; the second finds them and keeps what was stored.
        EXPECT_EQ(query.value(1).isNull(), opening == 0);
        EXPECT_EQ(query.value(1).toDouble(), opening == 0 ? 0.0 : 3500.0);
        EXPECT_EQ(query.value(2).toInt(), 2);
        for (int column = 3; column < 7; ++column)
            EXPECT_TRUE(query.value(column).isNull()) << column;
        EXPECT_EQ(query.value(7), QVariant(0)) << "a guide stored before versions starts at 0";
        ASSERT_TRUE(query.exec("UPDATE gdTiposVehiculo SET capacidadKg = 3500"));
        // The guide was closed before the rules came: they keep it so from now on.
        EXPECT_FALSE(query.exec("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (1, 1)"));
        EXPECT_TRUE(query.lastError().databaseText().contains(QStringLiteral("Guía cerrada")))
            << query.lastError().text().toStdString();
        // A change to the links is told to whoever listens.
        QSqlDriver *driver = database->connection().driver();
        if (driver->dbmsType() == QSqlDriver::PostgreSQL) {
            ASSERT_TRUE(driver->subscribeToNotification(QString::fromLatin1(marbelisto::Schema::ChangeChannel)));
            QSignalSpy notices(driver, &QSqlDriver::notification);
            ASSERT_TRUE(query.exec("DELETE FROM gdFacturasGuia WHERE idGuia = 0"));
            EXPECT_TRUE(notices.wait(1000));
        }
    }
}

} // namespace
