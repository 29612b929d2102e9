#pragma once

#include <QString>

namespace marbelisto {

// Where a PostgreSQL database lives: "postgresql://user@host:port/dbname" (user and port
// optional), with libpq's "?sslmode=...&sslrootcert=..." where the connection is encrypted. A
// password in the address is refused: it would show in the process list and in logs, so libpq
// takes it from PGPASSFILE, ~/.pgpass or PGPASSWORD instead.
class PostgresUrl
{
public:
    static constexpr int DefaultPort = 5432;

    // True for text that names the PostgreSQL engine at all (its scheme), well formed or not.
    static bool names(const QString &text);
    // Raises with a Spanish message when the address is not one of the form above.
    static PostgresUrl parse(const QString &text);

    QString user() const { return m_user; }
    QString host() const { return m_host; }
    int port() const { return m_port; }
    QString databaseName() const { return m_databaseName; }
    // Empty where the address leaves them to libpq's defaults (sslmode "prefer").
    QString sslMode() const { return m_sslMode; }
    QString sslRootCertificate() const { return m_sslRootCertificate; }
    // Whether the server must show a certificate signed for it.
    bool verifiesCertificate() const;
    // The address's settings as libpq's connection options, for QSqlDatabase::setConnectOptions.
    QString connectOptions() const;

    // "host:port/dbname", for messages: never a password.
    QString server() const;
    // "PostgreSQL host:port/dbname", the database as the clerk is shown it.
    QString description() const;
    // The same server with another database, as the one a fresh test database is made from.
    PostgresUrl withDatabase(const QString &databaseName) const;
    // The same database as another login.
    PostgresUrl withUser(const QString &user) const;
    QString toString() const;

private:
    QString m_user;
    QString m_host;
    int m_port = DefaultPort;
    QString m_databaseName;
    QString m_sslMode;
    QString m_sslRootCertificate;
};

} // namespace marbelisto
