#include "marbelisto/db/QueryRunner.h"

#include "marbelisto/db/Database.h"
#include "marbelisto/db/SqlRecordset.h"
#include "marbelisto/db/SqliteRecordset.h"

#include <QSqlError>

namespace marbelisto {

QueryRunner::QueryRunner(const Database &database) : m_database(database) {}

QSqlQuery QueryRunner::execute(const QString &sql, const QVariantList &parameters) const
{
    QSqlQuery query(m_database.connection());
    query.setForwardOnly(m_database.streamsNestedQueries());
    if (!query.prepare(m_database.nativeSql(sql)))
        throw m_database.statementError(query.lastError());
    for (int i = 0; i < parameters.size(); ++i)
        query.bindValue(i, m_database.parameter(parameters.at(i)));
    if (!query.exec())
        throw m_database.statementError(query.lastError());
    return query;
}

std::unique_ptr<host::IRecordset> QueryRunner::open(const QString &sql, const QVariantList &parameters) const
{
    QSqlQuery query = execute(sql, parameters);
    std::vector<ColumnKind> kinds = m_database.columnKinds(query);
    if (SqliteRecordset::statementOf(query))
        return std::make_unique<SqliteRecordset>(std::move(query), std::move(kinds));
    return std::make_unique<SqlRecordset>(std::move(query), std::move(kinds));
}

qint32 QueryRunner::rowsAffected(const QString &sql, const QVariantList &parameters) const
{
    return qint32(execute(sql, parameters).numRowsAffected());
}

QVariant QueryRunner::scalar(const QString &sql, const QVariantList &parameters) const
{
    const std::unique_ptr<host::IRecordset> rows = open(sql, parameters);
    if (rows->Eof() || rows->FieldCount() == 0)
        return {};
    return rows->Fields(0);
}

} // namespace marbelisto
