// A database file made before vehicle types had a capacity is opened as today's.
#include "marbelisto/db/Database.h"
#include "marbelisto/db/DatabaseSource.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(SchemaUpgradeTest, OpeningAnOlderFileAddsTheCapacityColumnOnceAndKeepsTheTypes)
{
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("antigua.db"));
    {
        QSqlDatabase old = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("antigua"));
        old.setDatabaseName(file);
        ASSERT_TRUE(old.open());
        QSqlQuery query(old);
        ASSERT_TRUE(query.exec(QStringLiteral("CREATE TABLE gdTiposVehiculo (id INTEGER PRIMARY KEY, nombre TEXT NOT NULL)")));
        ASSERT_TRUE(query.exec(QStringLiteral("INSERT INTO gdTiposVehiculo VALUES (1, 'Camión')")));
        old.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("antigua"));

    for (int opening = 0; opening < 2; ++opening) {
        const std::unique_ptr<marbelisto::Database> database =
            marbelisto::DatabaseSource::sqliteFile(file).open();
        QSqlQuery query(database->connection());
        ASSERT_TRUE(query.exec(QStringLiteral("SELECT nombre, capacidadKg FROM gdTiposVehiculo"))) << opening;
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), QStringLiteral("Camión"));
        // First opening: the new column, empty; the second finds it and keeps what was stored.
        EXPECT_EQ(query.value(1).isNull(), opening == 0) << opening;
        EXPECT_EQ(query.value(1).toDouble(), opening == 0 ? 0.0 : 3500.0) << opening;
        ASSERT_TRUE(query.exec(QStringLiteral("UPDATE gdTiposVehiculo SET capacidadKg = 3500 WHERE id = 1")));
    }
}

} // namespace
