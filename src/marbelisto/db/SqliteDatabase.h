#pragma once

#include "marbelisto/db/Database.h"

#include <memory>

struct sqlite3;

namespace marbelisto {

class SpanishCollation;
class SqliteFunctions;

// The embedded engine: one database file, opened through Qt's QSQLITE driver, with the
// SQL Server functions the component calls and the Spanish collation of the schema's names
// and descriptions registered on the connection.
//
// Parameters: Currency binds as its decimal value, QDateTime as "yyyy-MM-dd HH:mm:ss" text
// (the form of the column defaults), QDate as "yyyy-MM-dd", bool as 0 or 1. Empty (an
// invalid QVariant), a typed null and an invalid date bind as NULL; a null QString binds as an
// empty text, since an empty field of the component means '' and not NULL.
//
// Result columns declared MONEY arrive as Currency, DATE/DATETIME/TIMESTAMP as QDateTime.
class SqliteDatabase : public Database
{
public:
    static constexpr int BusyTimeoutMs = 10000;

    // An existing database file; raises when there is none.
    static std::unique_ptr<SqliteDatabase> open(const QString &file);
    // A new database file with the whole schema; raises when the file already exists.
    static std::unique_ptr<SqliteDatabase> create(const QString &file);

    ~SqliteDatabase() override;
    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;

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
    // SQLite numbers past the highest key by itself and plans without statistics.
    void settleBulkLoad() override {}

private:
    explicit SqliteDatabase(const QString &file);

    void run(const QString &sql);
    sqlite3 *handle() const;

    QString m_connectionName;
    std::unique_ptr<SpanishCollation> m_collation;
    std::unique_ptr<SqliteFunctions> m_functions;
};

} // namespace marbelisto
