#pragma once

#include "marbelisto/db/ColumnValue.h"
#include "marbelisto/db/Database.h"
#include "marbelisto/db/FieldNames.h"
#include "vontarelis/host/IRecordset.h"

#include <QSqlQuery>

#include <vector>

namespace marbelisto {

// What the engines' recordsets share: the query, its column names and kinds, and the checks the
// interface promises (a field that is not there, no row past the end). Each engine steps its
// rows and reads its values its own way. Valid while the connection that ran the query is open.
class QueryRecordset : public host::IRecordset
{
public:
    bool Eof() const final;
    // The first column whose name matches without regard to case.
    QVariant Fields(const QString &name) const final;
    QVariant Fields(int position) const final;
    int FieldCount() const final;
    void MoveNext() final;

protected:
    // query: executed; kinds: one per column.
    QueryRecordset(QSqlQuery query, std::vector<ColumnKind> kinds);

    // Moves to the next row and says whether there is one; raises the engine's error.
    virtual bool advance() = 0;
    // The current row's value at a position that exists.
    virtual QVariant value(int position) const = 0;
    // For the engine's constructor: whether the query stands on its first row.
    void begin(bool onRow) { m_onRow = onRow; }

    QSqlQuery &query() { return m_query; }
    const QSqlQuery &query() const { return m_query; }
    ColumnKind kind(int position) const { return m_kinds[std::size_t(position)]; }
    ColumnValue &values() const { return m_values; }

private:
    QSqlQuery m_query;
    FieldNames m_names;
    std::vector<ColumnKind> m_kinds;
    mutable ColumnValue m_values;
    bool m_onRow = false;
};

} // namespace marbelisto
