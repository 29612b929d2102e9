#include "marbelisto/db/SqlRecordset.h"

#include "marbelisto/db/DatabaseError.h"

#include <QSqlError>
#include <QSqlRecord>

#include <utility>

namespace marbelisto {

namespace {

QStringList namesOf(const QSqlRecord &record)
{
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));
    return names;
}

} // namespace

SqlRecordset::SqlRecordset(QSqlQuery query, std::vector<ColumnKind> kinds)
    : m_query(std::move(query)), m_names(namesOf(m_query.record())), m_kinds(std::move(kinds))
{
    m_kinds.resize(std::size_t(m_names.count()), ColumnKind::Plain);
    fetch();
}

bool SqlRecordset::Eof() const
{
    return m_eof;
}

QVariant SqlRecordset::Fields(const QString &name) const
{
    return Fields(m_names.position(name));
}

QVariant SqlRecordset::Fields(int position) const
{
    m_names.check(position);
    if (m_eof)
        throw FieldNames::noCurrentRecord();
    return m_values.typed(m_query.value(position), m_kinds[std::size_t(position)]);
}

int SqlRecordset::FieldCount() const
{
    return m_names.count();
}

void SqlRecordset::MoveNext()
{
    if (m_eof)
        throw FieldNames::noCurrentRecord();
    fetch();
}

void SqlRecordset::fetch()
{
    m_eof = !m_query.next();
    if (m_eof && m_query.lastError().isValid())
        throw databaseError(m_query.lastError());
}

} // namespace marbelisto
