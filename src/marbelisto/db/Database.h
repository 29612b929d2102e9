#pragma once

#include "toolkit/Error.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <vector>

class QSqlError;
class QSqlQuery;

namespace marbelisto {

// How the values of a result column reach the component: money as toolkit::Currency, dates
// as QDateTime, a decimal that is no money as double, everything else as the driver gives it.
enum class ColumnKind { Plain, Money, DateTime, Decimal };

// One session with a database engine behind Qt SQL. The component writes SQL Server's
// spelling (IDENT_CURRENT, SCOPE_IDENTITY, dbo.PesoFactura, "?" placeholders); each engine
// turns that into something it runs: SQLite with functions registered on the connection (and
// dbo.PesoFactura written out as its body inside the statement), PostgreSQL with the same
// names as SQL functions in a "dbo" schema.
class Database
{
public:
    virtual ~Database() = default;

    // This session's own connection; every instance has a connection name of its own,
    // so two instances over one database are two sessions.
    virtual QSqlDatabase connection() const = 0;
    // The file, or the server and database (never a password), for the clerk to see.
    virtual QString description() const = 0;

    // The statement as this engine runs it.
    virtual QString nativeSql(const QString &sql) const = 0;
    // A parameter value as this engine binds it.
    virtual QVariant parameter(const QVariant &value) const = 0;
    // The kind of each column of an executed query, in column order.
    virtual std::vector<ColumnKind> columnKinds(const QSqlQuery &query) const = 0;
    // Whether a query may stream its rows (forward only) while other queries run on the
    // same connection before its last row is read, as nested recordsets do.
    virtual bool streamsNestedQueries() const = 0;
    // What a statement that failed on this session raises: the engine's own message, or, when
    // the connection went away with it, that the database cannot be reached.
    virtual toolkit::Error statementError(const QSqlError &error) const = 0;

    virtual void beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;

    // After rows were written in bulk with their keys given (the demo books): the engine numbers
    // the next rows past them and knows the tables' new sizes when it plans a query.
    virtual void settleBulkLoad() = 0;
};

} // namespace marbelisto
