#pragma once

#include "marbelisto/db/ColumnValue.h"
#include "marbelisto/db/Database.h"
#include "vontarelis/host/IRecordset.h"

#include <QHash>
#include <QSqlQuery>
#include <QStringList>

#include <vector>

namespace marbelisto {

// A query's rows, streamed forward from the engine one at a time. Valid while the
// connection that ran the query is open.
class SqlRecordset : public host::IRecordset
{
public:
    // query: executed, forward-only; kinds: one per column.
    SqlRecordset(QSqlQuery query, std::vector<ColumnKind> kinds);

    bool Eof() const override;
    // The first column whose name matches without regard to case.
    QVariant Fields(const QString &name) const override;
    QVariant Fields(int position) const override;
    int FieldCount() const override;
    void MoveNext() override;

private:
    void fetch();
    int position(const QString &name) const;

    QSqlQuery m_query;
    QStringList m_names;
    // Callers ask for the same few names on every row: each spelling is matched once.
    mutable QHash<QString, int> m_positions;
    std::vector<ColumnKind> m_kinds;
    mutable ColumnValue m_values;
    bool m_eof = true;
};

} // namespace marbelisto
