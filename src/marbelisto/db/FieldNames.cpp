#include "marbelisto/db/FieldNames.h"

namespace marbelisto {

namespace {

const QString source = QStringLiteral("Marbelisto.Recordset");

} // namespace

FieldNames::FieldNames(const QSqlRecord &record)
{
    for (int i = 0; i < record.count(); ++i)
        m_names.append(record.fieldName(i));
}

int FieldNames::position(const QString &name) const
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

void FieldNames::check(int position) const
{
    if (position < 0 || position >= m_names.size())
        throw toolkit::Error(toolkit::ErrItemNotFound,
                             QStringLiteral("No hay un campo número %1 en el resultado de la consulta").arg(position),
                             source);
}

toolkit::Error FieldNames::noCurrentRecord()
{
    return toolkit::Error(toolkit::ErrNoCurrentRecord,
                          QStringLiteral("No hay registro actual: se llegó al final de los registros"), source);
}

} // namespace marbelisto
