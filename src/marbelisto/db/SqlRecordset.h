#pragma once

#include "marbelisto/db/QueryRecordset.h"

namespace marbelisto {

// A query's rows read through Qt, as far as the engine has them.
class SqlRecordset : public QueryRecordset
{
public:
    // query: executed; kinds: one per column.
    SqlRecordset(QSqlQuery query, std::vector<ColumnKind> kinds);

private:
    bool advance() override;
    QVariant value(int position) const override;
};

} // namespace marbelisto
