#pragma once

#include "marbelisto/db/DatabaseSource.h"

#include <optional>

namespace testsupport {

// The engine the tests of this run use: SQLite unless the run's environment says
// MARBELISTO_TEST_ENGINE=postgresql; then MARBELISTO_TEST_DB names the server
// ("postgresql://user@host:port/dbname", password from PGPASSFILE or PGPASSWORD), on which
// every test gets a fresh database of its own, dropped when the test ends.
class TestDatabase
{
public:
    static bool postgresRequested();
    // Empty when no server is named: the PostgreSQL run then skips.
    static QString serverAddress();

    // A new, empty database for a test whose data folder is folder.
    explicit TestDatabase(const QString &folder);
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    const marbelisto::DatabaseSource &source() const { return m_source; }

private:
    marbelisto::DatabaseSource m_source;
    // The server the database was made on, and its name there.
    std::optional<marbelisto::PostgresUrl> m_server;
    QString m_databaseName;
};

} // namespace testsupport
