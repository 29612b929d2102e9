#include "marbelisto/db/SqliteDatabase.h"

#include "marbelisto/db/DatabaseError.h"
#include "marbelisto/db/DboPrefix.h"
#include "marbelisto/db/InvoiceWeight.h"
#include "marbelisto/db/ParameterText.h"
#include "marbelisto/db/Schema.h"
#include "marbelisto/db/SpanishCollation.h"
#include "marbelisto/db/SqliteFunctions.h"

#include "hostlibs/PrivateFiles.h"
#include "toolkit/Currency.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlResult>
#include <QUuid>

#include <sqlite3.h>

namespace marbelisto {

namespace {

template<typename Handle>
Handle *nativeHandle(const QVariant &handle, const char *typeName)
{
    if (!handle.isValid() || qstrcmp(handle.typeName(), typeName) != 0)
        throw databaseError(QStringLiteral("El controlador de SQLite no expone su conexión"));
    return *static_cast<Handle *const *>(handle.constData());
}

ColumnKind kindOfDeclaredType(const char *declared)
{
    if (!declared)
        return ColumnKind::Plain;
    const QByteArray type = QByteArray(declared).toUpper();
    if (type.contains("MONEY"))
        return ColumnKind::Money;
    if (type.startsWith("DATE") || type.contains("TIMESTAMP"))
        return ColumnKind::DateTime;
    return ColumnKind::Plain;
}

} // namespace

std::unique_ptr<SqliteDatabase> SqliteDatabase::open(const QString &file)
{
    if (!QFileInfo(file).isFile())
        throw databaseError(QStringLiteral("No existe la base de datos «%1»").arg(file));
    return std::unique_ptr<SqliteDatabase>(new SqliteDatabase(file));
}

std::unique_ptr<SqliteDatabase> SqliteDatabase::create(const QString &file)
{
    if (QFileInfo::exists(file))
        throw databaseError(QStringLiteral("La base de datos «%1» ya existe").arg(file));
    // SQLite would make the file 0644; its -wal, -shm and journal take the mode of the file.
    QFile privateFile(file);
    if (!hostlibs::PrivateFiles::openNew(privateFile))
        throw databaseError(QStringLiteral("No se pudo crear la base de datos «%1»: %2").arg(file, privateFile.errorString()));
    privateFile.close();
    std::unique_ptr<SqliteDatabase> database(new SqliteDatabase(file));
    // Readers never wait for the writer, so one workstation's query does not stall another's guide.
    database->run(QStringLiteral("PRAGMA journal_mode=WAL"));
    database->beginTransaction();
    for (const QString &statement : Schema::sqlite().statements())
        database->run(statement);
    database->commitTransaction();
    return database;
}

SqliteDatabase::SqliteDatabase(const QString &file)
    : m_connectionName(QStringLiteral("marbelisto-%1").arg(QUuid::createUuid().toString(QUuid::WithoutBraces)))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw databaseError(error);
    }
    // SQLite leaves foreign keys unchecked unless each connection asks.
    run(QStringLiteral("PRAGMA foreign_keys=ON"));
    m_collation = std::make_unique<SpanishCollation>(handle());
    m_functions = std::make_unique<SqliteFunctions>(handle());
}

SqliteDatabase::~SqliteDatabase()
{
    m_functions.reset();
    m_collation.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase SqliteDatabase::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QString SqliteDatabase::description() const
{
    return connection().databaseName();
}

QString SqliteDatabase::nativeSql(const QString &sql) const
{
    return DboPrefix::strip(InvoiceWeight::inlineCalls(sql));
}

QVariant SqliteDatabase::parameter(const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return value;
    if (value.metaType() == QMetaType::fromType<toolkit::Currency>())
        return value.value<toolkit::Currency>().toDouble();
    return plainParameter(value, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

std::vector<ColumnKind> SqliteDatabase::columnKinds(const QSqlQuery &query) const
{
    std::vector<ColumnKind> kinds;
    if (!query.result())
        return kinds;
    auto *statement = nativeHandle<sqlite3_stmt>(query.result()->handle(), "sqlite3_stmt*");
    if (!statement)
        return kinds;
    const int count = sqlite3_column_count(statement);
    kinds.reserve(std::size_t(count));
    for (int column = 0; column < count; ++column)
        kinds.push_back(kindOfDeclaredType(sqlite3_column_decltype(statement, column)));
    return kinds;
}

// Each SQLite statement steps on its own, so an open one does not hold the connection.
bool SqliteDatabase::streamsNestedQueries() const
{
    return true;
}

toolkit::Error SqliteDatabase::statementError(const QSqlError &error) const
{
    return databaseError(error);
}

// IMMEDIATE takes the write lock at once: two workstations that both mean to write
// then queue up instead of deadlocking halfway through a guide.
void SqliteDatabase::beginTransaction()
{
    run(QStringLiteral("BEGIN IMMEDIATE"));
}

void SqliteDatabase::commitTransaction()
{
    run(QStringLiteral("COMMIT"));
}

// SQLite may already have rolled back by itself after some errors; aborting then is no error.
void SqliteDatabase::rollbackTransaction()
{
    if (sqlite3_get_autocommit(handle()))
        return;
    run(QStringLiteral("ROLLBACK"));
}

void SqliteDatabase::run(const QString &sql)
{
    QSqlQuery query(connection());
    if (!query.exec(sql))
        throw databaseError(query.lastError());
}

sqlite3 *SqliteDatabase::handle() const
{
    return nativeHandle<sqlite3>(connection().driver()->handle(), "sqlite3*");
}

} // namespace marbelisto
