#include "marbelisto/db/PostgresDatabase.h"

#include "marbelisto/db/DatabaseError.h"
#include "marbelisto/db/ParameterText.h"
#include "marbelisto/db/Schema.h"

#include "toolkit/Currency.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimeZone>
#include <QSqlDriver>
#include <QUuid>

#include <libpq-fe.h>

namespace marbelisto {

namespace {

// Spanish order, blind to case: accents stay within their letter and ñ follows n.
const char *const collation =
    "CREATE COLLATION espanol_ci (provider = icu, locale = 'es-u-ks-level2', deterministic = false)";

// Every object lives in the schema "dbo", first on each session's search path, so that
// SQL Server's qualified names (dbo.PesoFactura, dbo.facturas) and the bare ones both resolve.
const char *const schema = "CREATE SCHEMA dbo";

const char *const extras[] = {
    // This session's latest generated key, never another workstation's; NULL before any.
    "CREATE FUNCTION SCOPE_IDENTITY() RETURNS bigint LANGUAGE plpgsql VOLATILE AS $$\n"
    "BEGIN\n"
    "  RETURN lastval();\n"
    "EXCEPTION WHEN object_not_in_prerequisite_state THEN\n"
    "  RETURN NULL;\n"
    "END $$",

    // An invoice's net weight: what its warehouse voucher took out minus what came back,
    // times each item's unit weight; 0 for an invoice without voucher.
    // The invoice load calls it once per row: PL/pgSQL keeps the plan of its query, where a
    // SQL function that cannot be inlined sets its query up on every call.
    "CREATE FUNCTION dbo.PesoFactura(factura bigint) RETURNS double precision LANGUAGE plpgsql STABLE\n"
    "PARALLEL SAFE AS $$\n"
    "BEGIN\n"
    "  RETURN (SELECT COALESCE(SUM((d.Salidas - d.Entradas) * i.peso), 0.0)::double precision\n"
    "    FROM ComprobantesAlmacen c\n"
    "    INNER JOIN detallesMINV d ON d.numeroDocumento = c.numero\n"
    "    INNER JOIN ItemsInventario i ON i.codigo = d.codigoItem\n"
    "    WHERE c.TipoEntidadOrigen = 'FCT' AND c.numeroDocumentoOrigen = factura);\n"
    "END $$",
};

// Rows written with their keys given leave a sequence behind; it moves on past the highest
// key, and an empty table keeps the seed for IDENT_CURRENT.
const char *const continueSequences =
    "DO $$\n"
    "DECLARE c record; mayor bigint;\n"
    "BEGIN\n"
    "  FOR c IN SELECT a.attrelid::regclass AS tabla, a.attname AS columna,\n"
    "                  pg_get_serial_sequence(a.attrelid::regclass::text, a.attname) AS secuencia\n"
    "           FROM pg_attribute a JOIN pg_class r ON r.oid = a.attrelid\n"
    "           WHERE r.relnamespace = 'dbo'::regnamespace AND r.relkind = 'r' AND a.attnum > 0\n"
    "             AND NOT a.attisdropped\n"
    "             AND pg_get_serial_sequence(a.attrelid::regclass::text, a.attname) IS NOT NULL LOOP\n"
    "    EXECUTE format('SELECT MAX(%I) FROM %s', c.columna, c.tabla) INTO mayor;\n"
    "    IF mayor IS NOT NULL THEN PERFORM setval(c.secuencia, mayor, true); END IF;\n"
    "  END LOOP;\n"
    "END $$";

QString connectionFailure(const QSqlDatabase &db)
{
    const QString engineText = db.lastError().databaseText().trimmed();
    return engineText.isEmpty() ? db.lastError().text() : engineText;
}

// PostgreSQL's type id of numeric, as the driver gives it for a field.
constexpr int numericType = 1700;

} // namespace

std::unique_ptr<PostgresDatabase> PostgresDatabase::open(const PostgresUrl &url)
{
    std::unique_ptr<PostgresDatabase> database(new PostgresDatabase(url));
    if (!database->holdsSchema())
        throw databaseError(QStringLiteral("La base de datos «%1» del servidor PostgreSQL no tiene las tablas de "
                                           "Marbelisto; créelas con «marbelisto init --db %2»")
                                .arg(url.server(), url.toString()));
    return database;
}

std::unique_ptr<PostgresDatabase> PostgresDatabase::create(const PostgresUrl &url, bool replace)
{
    std::unique_ptr<PostgresDatabase> database(new PostgresDatabase(url));
    if (database->holdsSchema() && !replace)
        throw databaseError(QStringLiteral("La base de datos «%1» ya tiene las tablas de Marbelisto; no se "
                                           "sobrescribe (use --force para borrarla y empezar de cero)")
                                .arg(url.server()));
    database->beginTransaction();
    try {
        if (replace)
            database->run(QStringLiteral("DROP SCHEMA IF EXISTS dbo CASCADE"));
        database->run(QString::fromUtf8(schema));
        database->run(QString::fromUtf8(collation));
        for (const QString &statement : Schema::postgres().statements())
            database->run(statement);
        for (const char *extra : extras)
            database->run(QString::fromUtf8(extra));
        database->commitTransaction();
    } catch (...) {
        database->rollbackTransaction();
        throw;
    }
    return database;
}

PostgresDatabase::PostgresDatabase(const PostgresUrl &url)
    : m_url(url),
      m_connectionName(QStringLiteral("marbelisto-%1").arg(QUuid::createUuid().toString(QUuid::WithoutBraces)))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
    db.setHostName(url.host());
    db.setPort(url.port());
    db.setDatabaseName(url.databaseName());
    // No password here: libpq reads PGPASSFILE, ~/.pgpass or PGPASSWORD by itself.
    db.setUserName(url.user());
    // The window runs its statements on its own thread: a server that stops answering (a cable
    // pulled, a machine off) must fail within seconds, not after the system's TCP timeouts.
    const QString encryption = url.connectOptions();
    db.setConnectOptions(QStringLiteral("connect_timeout=5;keepalives_idle=5;keepalives_interval=2;"
                                        "keepalives_count=3;tcp_user_timeout=10000;application_name=marbelisto")
                         + (encryption.isEmpty() ? QString() : u';' + encryption));
    // numeric arrives as its decimal text, so money reads back exact at any size.
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!db.open()) {
        const QString reason = connectionFailure(db);
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        if (url.verifiesCertificate() && reason.contains(QLatin1String("certificate")))
            throw databaseError(QStringLiteral("No se pudo conectar con el servidor PostgreSQL «%1»: no presentó un "
                                               "certificado válido para el nombre «%2» firmado por la autoridad de "
                                               "confianza (sslmode=%3). Revise el nombre del servidor en la dirección "
                                               "y el archivo sslrootcert.")
                                    .arg(url.server(), url.host(), url.sslMode()),
                                reason);
        throw databaseError(QStringLiteral("No se pudo conectar con el servidor PostgreSQL «%1»: %2")
                                .arg(url.server(), reason));
    }
    prepareSession();
}

void PostgresDatabase::prepareSession() const
{
    run(QStringLiteral("SET search_path = dbo, public"));
    useLocalTimeZone();
}

// The driver closes a connection once it notices the server is gone; until then libpq knows.
bool PostgresDatabase::lost(const QSqlDatabase &db) const
{
    if (!db.isOpen())
        return true;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "PGconn*") != 0)
        return false;
    PGconn *connection = *static_cast<PGconn *const *>(handle.constData());
    return connection && PQstatus(connection) == CONNECTION_BAD;
}

void PostgresDatabase::reconnect(QSqlDatabase &db) const
{
    db.close();
    if (!db.open())
        throw unreachableServer(m_url, connectionFailure(db));
    prepareSession();
}

PostgresDatabase::~PostgresDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

// The default of horaRegistro and the dates the component binds are the workstation's wall
// time, as on SQLite; the server's own zone may be another.
void PostgresDatabase::useLocalTimeZone() const
{
    const QByteArray zone = QTimeZone::systemTimeZoneId();
    QSqlQuery query(connection());
    if (!zone.isEmpty() && query.exec(QStringLiteral("SET TIME ZONE %1").arg(quotedText(QString::fromUtf8(zone)))))
        return;
    // A zone the server does not know by name: its present offset serves.
    const int minutes = QDateTime::currentDateTime().offsetFromUtc() / 60;
    run(QStringLiteral("SET TIME ZONE INTERVAL '%1%2:%3' HOUR TO MINUTE")
            .arg(minutes < 0 ? u'-' : u'+')
            .arg(qAbs(minutes) / 60, 2, 10, QLatin1Char('0'))
            .arg(qAbs(minutes) % 60, 2, 10, QLatin1Char('0')));
}

QSqlDatabase PostgresDatabase::connection() const
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!m_inTransaction && lost(db))
        reconnect(db);
    return db;
}

QString PostgresDatabase::description() const
{
    return m_url.description();
}

QString PostgresDatabase::nativeSql(const QString &sql) const
{
    return sql;
}

QVariant PostgresDatabase::parameter(const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return value;
    if (value.metaType() == QMetaType::fromType<toolkit::Currency>())
        return value.value<toolkit::Currency>().toPlainText();
    // PostgreSQL text cannot hold U+0000; said plainly rather than as the driver's broken literal.
    if (value.typeId() == QMetaType::QString && value.toString().contains(QChar(0)))
        throw databaseError(QStringLiteral("PostgreSQL no admite el carácter nulo (U+0000) dentro de un texto"));
    // Timestamps are stored in the workstation's time, to the millisecond.
    if (value.typeId() == QMetaType::QDateTime && value.toDateTime().isValid())
        return value.toDateTime().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    return plainParameter(value, QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

std::vector<ColumnKind> PostgresDatabase::columnKinds(const QSqlQuery &query) const
{
    const QSqlRecord record = query.record();
    std::vector<ColumnKind> kinds;
    kinds.reserve(std::size_t(record.count()));
    for (int column = 0; column < record.count(); ++column) {
        const QSqlField field = record.field(column);
        if (field.metaType().id() == QMetaType::QDateTime || field.metaType().id() == QMetaType::QDate)
            kinds.push_back(ColumnKind::DateTime);
        // numeric(19,4): the driver reports the scale as the field's precision. Other numerics
        // (a sum, an average) read as the double SQLite would give.
        else if (field.typeID() == numericType)
            kinds.push_back(field.precision() == 4 ? ColumnKind::Money : ColumnKind::Decimal);
        else
            kinds.push_back(ColumnKind::Plain);
    }
    return kinds;
}

// A forward-only QPSQL query reads its rows one by one from the connection, and any other
// query run before its last row discards the rest of them; a buffered result stays whole.
bool PostgresDatabase::streamsNestedQueries() const
{
    return false;
}

toolkit::Error PostgresDatabase::statementError(const QSqlError &error) const
{
    if (!lost(QSqlDatabase::database(m_connectionName, false)))
        return databaseError(error);
    const QString engineText = error.databaseText().trimmed();
    return unreachableServer(m_url, engineText.isEmpty() ? error.text() : engineText);
}

void PostgresDatabase::beginTransaction()
{
    run(QStringLiteral("BEGIN"));
    m_inTransaction = true;
}

void PostgresDatabase::commitTransaction()
{
    m_inTransaction = false;
    run(QStringLiteral("COMMIT"));
}

// Outside a transaction PostgreSQL only warns, so a rollback after a failed commit is harmless;
// on a lost connection the server has rolled back already.
void PostgresDatabase::rollbackTransaction()
{
    m_inTransaction = false;
    if (lost(QSqlDatabase::database(m_connectionName, false)))
        return;
    run(QStringLiteral("ROLLBACK"));
}

void PostgresDatabase::settleBulkLoad()
{
    run(QString::fromUtf8(continueSequences));
    run(QStringLiteral("ANALYZE"));
}

bool PostgresDatabase::holdsSchema() const
{
    QSqlQuery query(connection());
    if (!query.exec(QStringLiteral("SELECT to_regclass('dbo.gdvontarelis') IS NOT NULL")) || !query.next())
        throw databaseError(query.lastError());
    return query.value(0).toBool();
}

void PostgresDatabase::run(const QString &sql) const
{
    QSqlQuery query(connection());
    if (!query.exec(sql))
        throw statementError(query.lastError());
}

} // namespace marbelisto
