#pragma once

#include <QByteArray>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

namespace marbelisto {

// One statement prepared on first use and kept for the life of the connection, run with
// one argument taken straight from a function call's argument.
class SqliteStatement
{
public:
    SqliteStatement(sqlite3 *handle, QByteArray sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // Binds the argument and steps to the first row; false with no row. Raises nothing:
    // on an engine error ok() turns false and the connection's message tells why.
    bool first(sqlite3_value *argument);
    sqlite3_stmt *handle() const { return m_statement; }
    bool ok() const { return m_ok; }
    // Makes the statement ready for the next run; call after reading the row.
    void reset();

private:
    sqlite3 *m_handle;
    QByteArray m_sql;
    sqlite3_stmt *m_statement = nullptr;
    bool m_ok = true;
};

} // namespace marbelisto
