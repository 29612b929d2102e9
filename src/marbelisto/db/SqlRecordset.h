#pragma once

#include "marbelisto/db/Database.h"
#include "vontarelis/host/IRecordset.h"

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

    QSqlQuery m_query;
    QStringList m_names;
    std::vector<ColumnKind> m_kinds;
    bool m_eof = true;
};

} // namespace marbelisto
