#include "marbelisto/demo/BulkInsert.h"

#include "marbelisto/db/Database.h"
#include "marbelisto/db/DatabaseError.h"

#include <QSqlError>

namespace marbelisto {

BulkInsert::BulkInsert(const Database &database, const QString &sql)
    : m_database(database), m_query(database.connection())
{
    if (!m_query.prepare(database.nativeSql(sql)))
        throw databaseError(m_query.lastError());
}

void BulkInsert::row(std::initializer_list<QVariant> values)
{
    int position = 0;
    for (const QVariant &value : values)
        m_query.bindValue(position++, m_database.parameter(value));
    if (!m_query.exec())
        throw databaseError(m_query.lastError());
}

} // namespace marbelisto
