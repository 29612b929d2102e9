#pragma once

#include "marbelisto/db/ColumnValue.h"
#include "marbelisto/db/Database.h"
#include "marbelisto/db/FieldNames.h"
#include "vontarelis/host/IRecordset.h"

#include <QSqlQuery>

#include <vector>

namespace marbelisto {

// A query's rows, streamed forward from the engine one at a time through Qt. Valid while the
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

    QSqlQuery m_query;
    FieldNames m_names;
    std::vector<ColumnKind> m_kinds;
    mutable ColumnValue m_values;
    bool m_eof = true;
};

} // namespace marbelisto
