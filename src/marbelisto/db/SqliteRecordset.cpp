#include "marbelisto/db/SqliteRecordset.h"

#include "marbelisto/db/DatabaseError.h"

#include <QByteArrayView>
#include <QSqlResult>

#include <sqlite3.h>

#include <utility>

namespace marbelisto {

sqlite3_stmt *SqliteRecordset::statementOf(const QSqlQuery &query)
{
    if (!query.result())
        return nullptr;
    const QVariant handle = query.result()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3_stmt*") != 0)
        return nullptr;
    return *static_cast<sqlite3_stmt *const *>(handle.constData());
}

SqliteRecordset::SqliteRecordset(QSqlQuery query, std::vector<ColumnKind> kinds)
    : QueryRecordset(std::move(query), std::move(kinds)), m_statement(statementOf(this->query()))
{
    // Qt's first step left the first row on the statement, or reset it when there was none.
    begin(m_statement && sqlite3_data_count(m_statement) != 0);
}

QVariant SqliteRecordset::value(int position) const
{
    const ColumnKind kind = this->kind(position);
    switch (sqlite3_column_type(m_statement, position)) {
    case SQLITE_INTEGER:
        return values().typed(QVariant(qlonglong(sqlite3_column_int64(m_statement, position))), kind);
    case SQLITE_FLOAT:
        switch (query().numericalPrecisionPolicy()) {
        case QSql::LowPrecisionInt32:
            return values().typed(QVariant(sqlite3_column_int(m_statement, position)), kind);
        case QSql::LowPrecisionInt64:
            return values().typed(QVariant(qlonglong(sqlite3_column_int64(m_statement, position))), kind);
        default:
            return values().typed(QVariant(sqlite3_column_double(m_statement, position)), kind);
        }
    case SQLITE_NULL:
        return values().typed(QVariant(QMetaType::fromType<QString>()), kind);
    case SQLITE_BLOB:
        return values().typed(QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(m_statement, position)),
                                                  sqlite3_column_bytes(m_statement, position))),
                              kind);
    default:
        return text(position, kind);
    }
}

QVariant SqliteRecordset::text(int position, ColumnKind kind) const
{
    if (kind == ColumnKind::DateTime) {
        // A stored date is plain ASCII and needs no QString on its way to QDateTime.
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, position));
        const QByteArrayView stored(bytes, sqlite3_column_bytes(m_statement, position));
        if (const QVariant moment = values().storedDateTime(stored); moment.isValid())
            return moment;
    }
    // Stored text is UTF-8: one decoding into the QString, where asking SQLite for UTF-16
    // would make it translate into a buffer of its own first.
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, position));
    return values().typed(QVariant(QString::fromUtf8(bytes, sqlite3_column_bytes(m_statement, position))), kind);
}

bool SqliteRecordset::advance()
{
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    // The engine's message about the failed step, taken before the reset.
    const QString message =
        result == SQLITE_DONE ? QString() : QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement)));
    // Done or failed, the statement lets go of the database until it is finalized.
    sqlite3_reset(m_statement);
    if (result != SQLITE_DONE)
        throw databaseError(message);
    return false;
}

} // namespace marbelisto
