#include "marbelisto/db/SqliteFunctions.h"

#include "marbelisto/db/InvoiceWeight.h"
#include "marbelisto/db/SqliteStatement.h"

#include <sqlite3.h>

namespace marbelisto {

namespace {

SqliteFunctions &self(sqlite3_context *context)
{
    return *static_cast<SqliteFunctions *>(sqlite3_user_data(context));
}

void reportError(sqlite3_context *context)
{
    sqlite3_result_error(context, sqlite3_errmsg(sqlite3_context_db_handle(context)), -1);
}

// Reads a one-value answer of a statement and leaves the statement ready for the next call.
class Answer
{
public:
    Answer(SqliteStatement &statement, sqlite3_value *argument)
        : m_statement(statement), m_found(statement.first(argument))
    {
    }
    ~Answer() { m_statement.reset(); }
    Answer(const Answer &) = delete;
    Answer &operator=(const Answer &) = delete;

    bool failed() const { return !m_statement.ok(); }
    bool found() const { return m_found; }
    sqlite3_value *value() const { return sqlite3_column_value(m_statement.handle(), 0); }

private:
    SqliteStatement &m_statement;
    bool m_found;
};

} // namespace

SqliteFunctions::SqliteFunctions(sqlite3 *handle)
    : m_handle(handle),
      m_sequence(std::make_unique<SqliteStatement>(
          handle, "SELECT seq FROM sqlite_sequence WHERE name = ?1 COLLATE NOCASE")),
      // Identity tables are the AUTOINCREMENT ones; the others have no identity at all.
      m_identityTable(std::make_unique<SqliteStatement>(
          handle, "SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?1 COLLATE NOCASE "
                  "AND sql LIKE '%AUTOINCREMENT%'")),
      m_weight(std::make_unique<SqliteStatement>(handle, InvoiceWeight::statement().toUtf8()))
{
    registerFunction("IDENT_CURRENT", 1, &SqliteFunctions::identCurrent);
    registerFunction("SCOPE_IDENTITY", 0, &SqliteFunctions::scopeIdentity);
    registerFunction("PesoFactura", 1, &SqliteFunctions::pesoFactura);
}

SqliteFunctions::~SqliteFunctions()
{
    unregisterFunction("IDENT_CURRENT", 1);
    unregisterFunction("SCOPE_IDENTITY", 0);
    unregisterFunction("PesoFactura", 1);
}

void SqliteFunctions::registerFunction(const char *name, int argumentCount,
                                       void (*function)(sqlite3_context *, int, sqlite3_value **))
{
    sqlite3_create_function_v2(m_handle, name, argumentCount, SQLITE_UTF8, this, function, nullptr, nullptr, nullptr);
}

void SqliteFunctions::unregisterFunction(const char *name, int argumentCount)
{
    sqlite3_create_function_v2(m_handle, name, argumentCount, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr, nullptr);
}

// SQL Server answers the seed (1) for an identity table that never had a row, the last
// identity any session generated otherwise, and NULL for a table without identity.
void SqliteFunctions::identCurrent(sqlite3_context *context, int, sqlite3_value **argv)
{
    SqliteFunctions &functions = self(context);
    {
        const Answer sequence(*functions.m_sequence, argv[0]);
        if (sequence.failed())
            return reportError(context);
        if (sequence.found())
            return sqlite3_result_value(context, sequence.value());
    }
    const Answer table(*functions.m_identityTable, argv[0]);
    if (table.failed())
        return reportError(context);
    if (table.found())
        return sqlite3_result_int64(context, 1);
    sqlite3_result_null(context);
}

// The identity that this connection's own latest insert generated; NULL before any.
// Tables without identity are WITHOUT ROWID, so inserting into them leaves it alone,
// as SQL Server's SCOPE_IDENTITY ignores them.
void SqliteFunctions::scopeIdentity(sqlite3_context *context, int, sqlite3_value **)
{
    const sqlite3_int64 identity = sqlite3_last_insert_rowid(sqlite3_context_db_handle(context));
    if (identity == 0)
        return sqlite3_result_null(context);
    sqlite3_result_int64(context, identity);
}

void SqliteFunctions::pesoFactura(sqlite3_context *context, int, sqlite3_value **argv)
{
    const Answer weight(*self(context).m_weight, argv[0]);
    if (weight.failed())
        return reportError(context);
    sqlite3_result_value(context, weight.value());
}

} // namespace marbelisto
