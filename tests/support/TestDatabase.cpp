#include "support/TestDatabase.h"

#include "marbelisto/host/DataFolder.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <stdexcept>

namespace testsupport {

namespace {

// One administrative session per test program and server, on the database the address names.
QSqlDatabase server(const marbelisto::PostgresUrl &url)
{
    const QString serverConnection = QStringLiteral("marbelisto-test-server-") + url.server();
    if (QSqlDatabase::contains(serverConnection))
        return QSqlDatabase::database(serverConnection);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), serverConnection);
    db.setHostName(url.host());
    db.setPort(url.port());
    db.setUserName(url.user());
    db.setDatabaseName(url.databaseName());
    if (!db.open())
        throw std::runtime_error("cannot reach the test server " + url.server().toStdString() + ": " +
                                 db.lastError().text().toStdString());
    return db;
}

void run(const marbelisto::PostgresUrl &url, const QString &sql)
{
    QSqlQuery query(server(url));
    if (!query.exec(sql))
        throw std::runtime_error(sql.toStdString() + ": " + query.lastError().text().toStdString());
}

std::optional<marbelisto::PostgresUrl> freshServerDatabase()
{
    if (!TestDatabase::postgresRequested())
        return std::nullopt;
    const marbelisto::PostgresUrl url = marbelisto::PostgresUrl::parse(TestDatabase::serverAddress());
    const QString name = QStringLiteral("marbelisto_test_%1").arg(QUuid::createUuid().toString(QUuid::Id128));
    run(url, QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(name));
    return url.withDatabase(name);
}

} // namespace

bool TestDatabase::postgresRequested()
{
    return qEnvironmentVariable("MARBELISTO_TEST_ENGINE") == QLatin1String("postgresql");
}

QString TestDatabase::serverAddress()
{
    return qEnvironmentVariable("MARBELISTO_TEST_DB");
}

TestDatabase::TestDatabase(const QString &folder)
    : m_source(marbelisto::DatabaseSource::sqliteFile(marbelisto::DataFolder(folder).databaseFile())),
      m_workstation(m_source)
{
    const std::optional<marbelisto::PostgresUrl> database = freshServerDatabase();
    if (database) {
        m_source = marbelisto::DatabaseSource::server(*database);
        m_workstation = marbelisto::DatabaseSource::server(database->withUser(QString::fromLatin1(WorkstationLogin)));
        m_server = marbelisto::PostgresUrl::parse(serverAddress());
        m_databaseName = database->databaseName();
    }
}

// Sessions a test left open are ended with the database.
TestDatabase::~TestDatabase()
{
    if (!m_server)
        return;
    QSqlQuery query(server(*m_server));
    query.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_databaseName));
}

} // namespace testsupport
