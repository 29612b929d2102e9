#pragma once

#include <QSqlQuery>
#include <QVariant>

#include <initializer_list>

namespace marbelisto {

class Database;

// One insert statement prepared once and run for many rows.
class BulkInsert
{
public:
    BulkInsert(const Database &database, const QString &sql);

    void row(std::initializer_list<QVariant> values);

private:
    const Database &m_database;
    QSqlQuery m_query;
};

} // namespace marbelisto
