#pragma once

#include "vontarelis/host/IRecordset.h"

#include <QSqlQuery>
#include <QVariantList>

#include <memory>

namespace marbelisto {

class Database;

// Runs a statement with "?" placeholders on one database: the text in the engine's
// spelling, each value bound as the engine stores it, and any failure raised as ErrDatabase.
class QueryRunner
{
public:
    explicit QueryRunner(const Database &database);

    // Executed and forward-only.
    QSqlQuery execute(const QString &sql, const QVariantList &parameters) const;
    // On SQLite the rows are read from the engine's statement, elsewhere through Qt.
    std::unique_ptr<host::IRecordset> open(const QString &sql, const QVariantList &parameters) const;
    // Rows the statement changed.
    qint32 rowsAffected(const QString &sql, const QVariantList &parameters) const;
    // First column of the first row; Empty (an invalid QVariant) when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &parameters) const;

private:
    const Database &m_database;
};

} // namespace marbelisto
