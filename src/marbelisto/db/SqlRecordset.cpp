#include "marbelisto/db/SqlRecordset.h"

#include "marbelisto/db/ColumnValue.h"
#include "marbelisto/db/DatabaseError.h"

#include "toolkit/Error.h"

#include <QSqlError>
#include <QSqlRecord>

#include <utility>

namespace marbelisto {

namespace {

const QString source = QStringLiteral("Marbelisto.Recordset");

} // namespace

SqlRecordset::SqlRecordset(QSqlQuery query, std::vector<ColumnKind> kinds)
    : m_query(std::move(query)), m_kinds(std::move(kinds))
{
    const QSqlRecord record = m_query.record();
    for (int i = 0; i < record.count(); ++i)
        m_names.append(record.fieldName(i));
    m_kinds.resize(std::size_t(m_names.size()), ColumnKind::Plain);
    fetch();
}

bool SqlRecordset::Eof() const
{
    return m_eof;
}

int SqlRecordset::position(const QString &name) const
{
    const auto known = m_positions.constFind(name);
    if (known != m_positions.cend())
        return *known;
    for (int i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i).compare(name, Qt::CaseInsensitive) == 0) {
            m_positions.insert(name, i);
            return i;
        }
    }
    throw toolkit::Error(toolkit::ErrItemNotFound,
                         QStringLiteral("No hay un campo «%1» en el resultado de la consulta").arg(name), source);
}

QVariant SqlRecordset::Fields(const QString &name) const
{
    return Fields(position(name));
}

QVariant SqlRecordset::Fields(int position) const
{
    if (position < 0 || position >= m_names.size())
        throw toolkit::Error(toolkit::ErrItemNotFound,
                             QStringLiteral("No hay un campo número %1 en el resultado de la consulta").arg(position),
                             source);
    if (m_eof)
        throw toolkit::Error(toolkit::ErrNoCurrentRecord,
                             QStringLiteral("No hay registro actual: se llegó al final de los registros"), source);
    return m_values.typed(m_query.value(position), m_kinds[std::size_t(position)]);
}

int SqlRecordset::FieldCount() const
{
    return int(m_names.size());
}

void SqlRecordset::MoveNext()
{
    if (m_eof)
        throw toolkit::Error(toolkit::ErrNoCurrentRecord,
                             QStringLiteral("No hay registro actual: se llegó al final de los registros"), source);
    fetch();
}

void SqlRecordset::fetch()
{
    m_eof = !m_query.next();
    if (m_eof && m_query.lastError().isValid())
        throw databaseError(m_query.lastError());
}

} // namespace marbelisto
