#include "marbelisto/db/SchemaUpgrade.h"

#include "marbelisto/db/Database.h"
#include "marbelisto/db/DatabaseError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace marbelisto {

namespace {

bool hasColumn(const Database &database, const QString &table, const QString &column)
{
    QSqlQuery probe(database.connection());
    return probe.exec(QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0").arg(column, table));
}

void run(const Database &database, const QString &statement)
{
    QSqlQuery query(database.connection());
    if (!query.exec(statement))
        throw databaseError(query.lastError());
}

} // namespace

void SchemaUpgrade::apply(Database &database)
{
    // Vehicle types learnt their load capacity in kilograms; a type without one stays NULL.
    if (!hasColumn(database, QStringLiteral("gdTiposVehiculo"), QStringLiteral("capacidadKg")))
        run(database, QStringLiteral("ALTER TABLE gdTiposVehiculo ADD COLUMN capacidadKg DOUBLE PRECISION"));
}

} // namespace marbelisto
