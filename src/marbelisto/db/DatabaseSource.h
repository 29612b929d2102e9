#pragma once

#include "marbelisto/db/Database.h"
#include "marbelisto/db/PostgresUrl.h"

#include <memory>
#include <optional>

namespace marbelisto {

// Which engine and database a session uses: the data folder's SQLite file by default, or a
// PostgreSQL database named by --db or by the environment variable MARBELISTO_DB.
class DatabaseSource
{
public:
    static constexpr const char *EnvironmentVariable = "MARBELISTO_DB";

    // address: the --db text, empty when not given. Raises on an address that is no
    // "postgresql://" one.
    static DatabaseSource choose(const QString &address, const QString &dataPath);
    static DatabaseSource sqliteFile(const QString &file);
    static DatabaseSource server(const PostgresUrl &url);

    bool isServer() const { return m_url.has_value(); }
    // For SQLite, whether the file is there; a server's database is only known by connecting.
    bool mayExist() const;
    // The PostgreSQL address as --db takes it; empty for SQLite.
    QString address() const;
    // The SQLite file; empty for a server.
    QString file() const { return m_file; }
    // The file, or the server and database (never a password), for messages.
    QString description() const;

    // A new session on the database, which holds the schema.
    std::unique_ptr<Database> open() const;
    // The whole schema in a new SQLite file or an empty PostgreSQL database. Raises when there
    // is one already, unless replace, which drops it first.
    std::unique_ptr<Database> create(bool replace) const;
    // What create left behind after a failure: the SQLite file goes; a server rolled it back.
    void discard() const;

private:
    DatabaseSource(QString file, std::optional<PostgresUrl> url);

    QString m_file;
    std::optional<PostgresUrl> m_url;
};

} // namespace marbelisto
