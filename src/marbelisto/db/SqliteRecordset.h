#pragma once

#include "marbelisto/db/QueryRecordset.h"

struct sqlite3_stmt;

namespace marbelisto {

// A query's rows on the embedded engine, read from the engine's own statement. Qt prepares,
// binds and takes the first step; every later step and every value is read here, only the
// values asked for, where Qt turns every column of every row into a QVariant and its text into
// UTF-16 first. The values are Qt's: integers as qint64, reals as double (as the query's
// numerical precision says), text as QString, blobs as QByteArray and NULL as a null QString,
// then typed by their column's kind. Qt's query owns the statement and finalizes it, also when
// the connection closes first.
class SqliteRecordset : public QueryRecordset
{
public:
    // The statement of a query that Qt's SQLite driver ran; null for another engine's.
    static sqlite3_stmt *statementOf(const QSqlQuery &query);

    // query: executed, with a statement (statementOf); kinds: one per column.
    SqliteRecordset(QSqlQuery query, std::vector<ColumnKind> kinds);

private:
    bool advance() override;
    QVariant value(int position) const override;
    QVariant text(int position, ColumnKind kind) const;

    sqlite3_stmt *m_statement;
};

} // namespace marbelisto
