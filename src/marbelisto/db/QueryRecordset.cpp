#include "marbelisto/db/QueryRecordset.h"

#include <QSqlRecord>

#include <utility>

namespace marbelisto {

QueryRecordset::QueryRecordset(QSqlQuery query, std::vector<ColumnKind> kinds)
    : m_query(std::move(query)), m_names(m_query.record()), m_kinds(std::move(kinds))
{
    m_kinds.resize(std::size_t(m_names.count()), ColumnKind::Plain);
}

bool QueryRecordset::Eof() const
{
    return !m_onRow;
}

QVariant QueryRecordset::Fields(const QString &name) const
{
    return Fields(m_names.position(name));
}

QVariant QueryRecordset::Fields(int position) const
{
    m_names.check(position);
    if (!m_onRow)
        throw FieldNames::noCurrentRecord();
    return value(position);
}

int QueryRecordset::FieldCount() const
{
    return m_names.count();
}

void QueryRecordset::MoveNext()
{
    if (!m_onRow)
        throw FieldNames::noCurrentRecord();
    // A step that fails leaves the recordset at its end.
    m_onRow = false;
    m_onRow = advance();
}

} // namespace marbelisto
