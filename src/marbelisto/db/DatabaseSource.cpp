#include "marbelisto/db/DatabaseSource.h"

#include "marbelisto/db/DatabaseError.h"
#include "marbelisto/db/PostgresDatabase.h"
#include "marbelisto/db/SchemaUpgrade.h"
#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/host/DataFolder.h"

#include <QFile>
#include <QFileInfo>

namespace marbelisto {

DatabaseSource DatabaseSource::choose(const QString &address, const QString &dataPath)
{
    const QString chosen = address.isEmpty() ? qEnvironmentVariable(EnvironmentVariable) : address;
    if (chosen.isEmpty())
        return sqliteFile(DataFolder(dataPath).databaseFile());
    if (!PostgresUrl::names(chosen))
        throw databaseError(QStringLiteral("La base de datos se indica como postgresql://usuario@servidor:puerto/base "
                                           "(sin ella se usa la de la carpeta de datos)"));
    return server(PostgresUrl::parse(chosen));
}

DatabaseSource DatabaseSource::sqliteFile(const QString &file)
{
    return DatabaseSource(file, std::nullopt);
}

DatabaseSource DatabaseSource::server(const PostgresUrl &url)
{
    return DatabaseSource(QString(), url);
}

DatabaseSource::DatabaseSource(QString file, std::optional<PostgresUrl> url)
    : m_file(std::move(file)), m_url(std::move(url))
{
}

bool DatabaseSource::mayExist() const
{
    return isServer() || QFileInfo(m_file).isFile();
}

QString DatabaseSource::address() const
{
    return isServer() ? m_url->toString() : QString();
}

QString DatabaseSource::description() const
{
    return isServer() ? m_url->description() : m_file;
}

std::unique_ptr<Database> DatabaseSource::open() const
{
    std::unique_ptr<Database> database =
        isServer() ? std::unique_ptr<Database>(PostgresDatabase::open(*m_url)) : SqliteDatabase::open(m_file);
    SchemaUpgrade::apply(*database);
    return database;
}

std::unique_ptr<Database> DatabaseSource::create(bool replace) const
{
    if (isServer())
        return PostgresDatabase::create(*m_url, replace);
    if (replace)
        discard();
    return SqliteDatabase::create(m_file);
}

void DatabaseSource::discard() const
{
    if (isServer())
        return;
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(m_file + suffix);
}

} // namespace marbelisto
