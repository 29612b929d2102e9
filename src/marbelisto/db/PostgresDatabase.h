#pragma once

#include "marbelisto/db/Database.h"
#include "marbelisto/db/PostgresUrl.h"

#include <memory>

namespace marbelisto {

// The shared engine: a PostgreSQL database that several workstations use at once, through
// Qt's QPSQL driver. The SQL Server names the component calls are SQL objects created with
// the schema (IDENT_CURRENT, SCOPE_IDENTITY, dbo.PesoFactura), so statements run unchanged;
// identifiers are unquoted and fold to lower case, so their letter case never matters.
//
// Parameters: Currency binds as its exact decimal text, QDateTime and QDate as local wall time
// (the session runs in the workstation's time zone), bool as 0 or 1; a null QString binds as
// an empty text, as on SQLite. A text with U+0000, which PostgreSQL cannot store, is refused.
//
// A connection the server dropped is opened again for the next operation outside a
// transaction; inside one, the transaction is lost with it (the server rolled it back) and
// rolling back afterwards is no error. While the server cannot be reached, every operation
// raises ErrNoConnection naming the server, with libpq's own words as the details.
//
// Result columns of type numeric(19,4) arrive as Currency, timestamps as QDateTime. Every
// statement is prepared on the server, so only queries and data changes pass through it.
class PostgresDatabase : public Database
{
public:
    // An existing database that holds the schema; raises naming the server when it cannot
    // be reached or holds no schema.
    static std::unique_ptr<PostgresDatabase> open(const PostgresUrl &url);
    // The whole schema in an existing database. Raises when the database already holds it,
    // unless replace, which drops what was there first.
    static std::unique_ptr<PostgresDatabase> create(const PostgresUrl &url, bool replace = false);

    ~PostgresDatabase() override;
    PostgresDatabase(const PostgresDatabase &) = delete;
    PostgresDatabase &operator=(const PostgresDatabase &) = delete;

    QSqlDatabase connection() const override;
    QString description() const override;
    QString nativeSql(const QString &sql) const override;
    QVariant parameter(const QVariant &value) const override;
    std::vector<ColumnKind> columnKinds(const QSqlQuery &query) const override;
    bool streamsNestedQueries() const override;
    toolkit::Error statementError(const QSqlError &error) const override;

    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    void settleBulkLoad() override;

    bool holdsSchema() const;
    const PostgresUrl &url() const { return m_url; }

private:
    explicit PostgresDatabase(const PostgresUrl &url);

    void run(const QString &sql) const;
    void prepareSession() const;
    void useLocalTimeZone() const;
    bool lost(const QSqlDatabase &db) const;
    void reconnect(QSqlDatabase &db) const;

    PostgresUrl m_url;
    QString m_connectionName;
    bool m_inTransaction = false;
};

} // namespace marbelisto
