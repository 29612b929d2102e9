#include "marbelisto/db/SqlRecordset.h"

#include "marbelisto/db/DatabaseError.h"

#include <QSqlError>

#include <utility>

namespace marbelisto {

SqlRecordset::SqlRecordset(QSqlQuery query, std::vector<ColumnKind> kinds)
    : QueryRecordset(std::move(query), std::move(kinds))
{
    begin(advance());
}

bool SqlRecordset::advance()
{
    if (query().next())
        return true;
    if (query().lastError().isValid())
        throw databaseError(query().lastError());
    return false;
}

QVariant SqlRecordset::value(int position) const
{
    return values().typed(query().value(position), kind(position));
}

} // namespace marbelisto
