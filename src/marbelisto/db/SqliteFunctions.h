#pragma once

#include <memory>

struct sqlite3;
struct sqlite3_context;
struct sqlite3_value;

namespace marbelisto {

class SqliteStatement;

// The SQL Server functions the component's statements call, registered on one SQLite
// connection: IDENT_CURRENT('table'), SCOPE_IDENTITY() and PesoFactura(numero). Their inner
// statements are prepared once per connection, since PesoFactura runs once per row of the
// invoice list. Must go before the connection closes: it unregisters the functions and
// finalizes its statements, which would otherwise keep the connection from closing.
class SqliteFunctions
{
public:
    explicit SqliteFunctions(sqlite3 *handle);
    ~SqliteFunctions();
    SqliteFunctions(const SqliteFunctions &) = delete;
    SqliteFunctions &operator=(const SqliteFunctions &) = delete;

private:
    static void identCurrent(sqlite3_context *context, int argc, sqlite3_value **argv);
    static void scopeIdentity(sqlite3_context *context, int argc, sqlite3_value **argv);
    static void pesoFactura(sqlite3_context *context, int argc, sqlite3_value **argv);

    void registerFunction(const char *name, int argumentCount,
                          void (*function)(sqlite3_context *, int, sqlite3_value **));
    void unregisterFunction(const char *name, int argumentCount);

    sqlite3 *m_handle;
    std::unique_ptr<SqliteStatement> m_sequence;
    std::unique_ptr<SqliteStatement> m_identityTable;
    std::unique_ptr<SqliteStatement> m_weight;
};

} // namespace marbelisto
