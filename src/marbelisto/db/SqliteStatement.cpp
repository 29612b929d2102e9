#include "marbelisto/db/SqliteStatement.h"

#include <sqlite3.h>

#include <utility>

namespace marbelisto {

SqliteStatement::SqliteStatement(sqlite3 *handle, QByteArray sql) : m_handle(handle), m_sql(std::move(sql)) {}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

bool SqliteStatement::first(sqlite3_value *argument)
{
    m_ok = true;
    if (!m_statement && sqlite3_prepare_v3(m_handle, m_sql.constData(), int(m_sql.size()), SQLITE_PREPARE_PERSISTENT,
                                           &m_statement, nullptr) != SQLITE_OK) {
        m_ok = false;
        return false;
    }
    sqlite3_bind_value(m_statement, 1, argument);
    const int step = sqlite3_step(m_statement);
    m_ok = step == SQLITE_ROW || step == SQLITE_DONE;
    return step == SQLITE_ROW;
}

void SqliteStatement::reset()
{
    if (!m_statement)
        return;
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

} // namespace marbelisto
