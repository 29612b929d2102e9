#pragma once

#include "marbelisto/db/DatabaseSource.h"

#include <optional>

namespace testsupport {

// The engine the tests of this run use: SQLite unless the run's environment says
// MARBELISTO_TEST_ENGINE=postgresql; then MARBELISTO_TEST_DB names the server
// ("postgresql://user@host:port/dbname", password from PGPASSFILE or PGPASSWORD), on which
// every test gets a fresh database of its own, dropped when the test ends. Its tables belong to
// that address's user; the workstations reach them as WorkstationLogin, a member of the
// workstations' role that scripts/pg-cluster.sh creates with its password.
class TestDatabase
{
public:
    static constexpr const char *WorkstationLogin = "puesto";

    static bool postgresRequested();
    // Empty when no server is named: the PostgreSQL run then skips.
    static QString serverAddress();

    // A new, empty database for a test whose data folder is folder.
    explicit TestDatabase(const QString &folder);
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    // As the owner of the tables, who creates them.
    const marbelisto::DatabaseSource &source() const { return m_source; }
    // As a workstation: on SQLite the same file.
    const marbelisto::DatabaseSource &workstationSource() const { return m_workstation; }

private:
    marbelisto::DatabaseSource m_source;
    marbelisto::DatabaseSource m_workstation;
    // The server the database was made on, and its name there.
    std::optional<marbelisto::PostgresUrl> m_server;
    QString m_databaseName;
};

} // namespace testsupport
