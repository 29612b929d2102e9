#include "marbelisto/db/SchemaUpgrade.h"

#include "marbelisto/db/Database.h"
#include "marbelisto/db/DatabaseError.h"
#include "marbelisto/db/ReturnsVolumeSchema.h"
#include "marbelisto/db/Schema.h"

#include <QSqlError>
#include <QSqlQuery>

#include <span>

namespace marbelisto {

namespace {

using AddedColumn = ReturnsVolumeSchema::AddedColumn;

// Columns that came after the first version, each NULL (or its default) in the rows that were
// already there.
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

// Delivery stops: the customers' route position and the stop of each link, NULL in older rows.
const AddedColumn stopColumns[] = {
    {"clientes", "ordenRuta", "INTEGER"},
    {"gdFacturasGuia", "Parada", "INTEGER"},
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

// A workstation's role may not change tables: it is told who can, instead of the server's words.
void change(const Database &database, const QString &statement)
{
    QSqlQuery query(database.connection());
    if (query.exec(statement))
        return;
    const QSqlError error = query.lastError();
    if (error.nativeErrorCode() == QLatin1String("42501"))
        throw databaseError(QStringLiteral("La base de datos necesita ponerse al día y este usuario no puede cambiar "
                                           "sus tablas: ábrala una vez con el usuario dueño de las tablas (el que "
                                           "ejecutó «marbelisto init --db»)."),
                            error.databaseText());
    throw databaseError(error);
}

void addColumns(const Database &database, const Schema &schema, std::span<const AddedColumn> columns)
{
    for (const AddedColumn &added : columns) {
        const QString table = QString::fromLatin1(added.table);
        const QString column = QString::fromLatin1(added.column);
        if (!hasColumn(database, table, column))
            change(database, schema.spelled(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                                                .arg(table, column, QString::fromLatin1(added.type))));
    }
}

bool lacks(const Database &database, const Schema::Rules &rules)
{
    if (rules.present.isEmpty())
        return false;
    QSqlQuery query = run(database, rules.present);
    return !query.next() || query.value(0).toInt() == 0;
}

// Rules are never forced onto rows that break them: whoever keeps the database decides.
void refuseBrokenRows(const Database &database, const Schema::Rules &rules)
{
    if (rules.broken.isEmpty())
        return;
    QSqlQuery query = run(database, rules.broken);
    QStringList rows;
    while (query.next())
        rows.append(query.value(0).toString());
    if (!rows.isEmpty())
        throw databaseError(QStringLiteral("La base de datos tiene datos que rompen sus reglas y no se modificó: %1")
                                .arg(rows.join(QLatin1String("; "))));
}

} // namespace

void SchemaUpgrade::apply(Database &database)
{
    const Schema schema = Schema::forDriver(database.connection().driverName());
    addColumns(database, schema, addedColumns);
    addColumns(database, schema, stopColumns);
    addColumns(database, schema, ReturnsVolumeSchema::columns());
    // Probed first: a workstation's role may read a table but never create one.
    for (const ReturnsVolumeSchema::AddedTable &table : ReturnsVolumeSchema::tables()) {
        if (!hasColumn(database, QString::fromLatin1(table.name), QStringLiteral("1")))
            change(database, schema.spelled(QString::fromLatin1(table.statement)));
    }
    for (const Schema::Rules &rules : schema.rules()) {
        if (!lacks(database, rules))
            continue;
        refuseBrokenRows(database, rules);
        // All the rules or none: a database never keeps half of them.
        database.beginTransaction();
        try {
            for (const QString &statement : rules.statements)
                change(database, statement);
            database.commitTransaction();
        } catch (...) {
            database.rollbackTransaction();
            throw;
        }
    }
}

} // namespace marbelisto
