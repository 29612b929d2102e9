#pragma once

#include "marbelisto/db/ColumnValue.h"
#include "marbelisto/db/Database.h"
#include "marbelisto/db/FieldNames.h"
#include "vontarelis/host/IRecordset.h"

#include <QSqlQuery>

#include <vector>

struct sqlite3_stmt;

namespace marbelisto {

// A query's rows on the embedded engine, read from the engine's own statement. Qt prepares,
// binds and takes the first step; every later step and every value is read here, only the
// values asked for, where Qt turns every column of every row into a QVariant and its text into
// UTF-16 first. The values are Qt's: integers as qint64, reals as double (as the query's
// numerical precision says), text as QString, blobs as QByteArray and NULL as a null QString,
// then typed by their column's kind. Valid while the connection that ran the query is open.
class SqliteRecordset : public host::IRecordset
{
public:
    // The statement of a query that Qt's SQLite driver ran; null for another engine's.
    static sqlite3_stmt *statementOf(const QSqlQuery &query);

    // query: executed, with a statement (statementOf); kinds: one per column.
    SqliteRecordset(QSqlQuery query, std::vector<ColumnKind> kinds);

    bool Eof() const override;
    // The first column whose name matches without regard to case.
    QVariant Fields(const QString &name) const override;
    QVariant Fields(int position) const override;
    int FieldCount() const override;
    void MoveNext() override;

private:
    QVariant value(int position) const;
    QVariant text(int position, ColumnKind kind) const;
    void step();

    // Owns the statement: Qt finalizes it, also when the connection closes first.
    QSqlQuery m_query;
    sqlite3_stmt *m_statement;
    FieldNames m_names;
    std::vector<ColumnKind> m_kinds;
    mutable ColumnValue m_values;
    bool m_eof;
};

} // namespace marbelisto
