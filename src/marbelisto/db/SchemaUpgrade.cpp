#include "marbelisto/db/SchemaUpgrade.h"

#include "marbelisto/db/Database.h"
#include "marbelisto/db/DatabaseError.h"
#include "marbelisto/db/Schema.h"

#include <QSqlError>
#include <QSqlQuery>

namespace marbelisto {

namespace {

// Columns that came after the first version, each NULL (or its default) in the rows that were
// already there.
struct AddedColumn
{
    const char *table;
    const char *column;
    const char *type;
};

const AddedColumn addedColumns[] = {
    // Vehicle types learnt their load capacity in kilograms; a type without one stays NULL.
    {"gdTiposVehiculo", "capacidadKg", "$REAL"},
    // The figures of the invoices that travelled, written by a review; NULL until one.
    {"gdVontarelis", "facturasDespacho", "INTEGER"},
    {"gdVontarelis", "totalPesoDespacho", "$REAL"},
    {"gdVontarelis", "totalPrecioVentaDespacho", "$MONEY"},
    {"gdVontarelis", "totalIVADespacho", "$MONEY"},
    // Counts the reviews that changed the guide, so that a review never overwrites another's.
    {"gdVontarelis", "version", "INTEGER NOT NULL DEFAULT 0"},
};

bool hasColumn(const Database &database, const QString &table, const QString &column)
{
    QSqlQuery probe(database.connection());
    return probe.exec(QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0").arg(column, table));
}

QSqlQuery run(const Database &database, const QString &statement)
{
    QSqlQuery query(database.connection());
    if (!query.exec(statement))
        throw databaseError(query.lastError());
    return query;
}

bool hasRules(const Database &database, const QString &present)
{
    QSqlQuery query = run(database, present);
    return query.next() && query.value(0).toInt() > 0;
}

// All the rules or none: a database never keeps half of them.
void addRules(Database &database, const QStringList &rules, const QString &present)
{
    if (rules.isEmpty() || hasRules(database, present))
        return;
    database.beginTransaction();
    try {
        for (const QString &statement : rules)
            run(database, statement);
        database.commitTransaction();
    } catch (...) {
        database.rollbackTransaction();
        throw;
    }
}

} // namespace

void SchemaUpgrade::apply(Database &database)
{
    const Schema schema = Schema::forDriver(database.connection().driverName());
    for (const AddedColumn &added : addedColumns) {
        const QString table = QString::fromLatin1(added.table);
        const QString column = QString::fromLatin1(added.column);
        if (!hasColumn(database, table, column))
            run(database, schema.spelled(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                                             .arg(table, column, QString::fromLatin1(added.type))));
    }
    addRules(database, schema.closedGuideRules(), schema.closedGuideRulesPresent());
    addRules(database, schema.changeNoticeRules(), schema.changeNoticeRulesPresent());
}

} // namespace marbelisto
