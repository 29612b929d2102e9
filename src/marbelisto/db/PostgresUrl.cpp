#include "marbelisto/db/PostgresUrl.h"

#include "marbelisto/db/DatabaseError.h"

#include <QUrl>

namespace marbelisto {

namespace {

bool hasScheme(const QUrl &url)
{
    return url.scheme() == QLatin1String("postgresql") || url.scheme() == QLatin1String("postgres");
}

// An IPv6 address stands in brackets, so that its colons are not taken for the port's.
QString hostText(const QString &host)
{
    return host.contains(u':') ? u'[' + host + u']' : host;
}

} // namespace

bool PostgresUrl::names(const QString &text)
{
    return text.startsWith(QLatin1String("postgresql:"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("postgres:"), Qt::CaseInsensitive);
}

PostgresUrl PostgresUrl::parse(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const auto refuse = [](const QString &why) {
        return databaseError(QStringLiteral("Dirección de base de datos no válida: %1. "
                                            "La forma es postgresql://usuario@servidor:puerto/base")
                                 .arg(why));
    };
    if (!url.isValid() || !hasScheme(url))
        throw refuse(QStringLiteral("no empieza por postgresql://"));
    // The address is echoed in messages, so the password is neither kept nor shown.
    if (!url.password().isEmpty())
        throw databaseError(QStringLiteral("La dirección de la base de datos no debe llevar la contraseña: "
                                           "póngala en PGPASSFILE (o ~/.pgpass) o en PGPASSWORD"));
    if (url.host().isEmpty())
        throw refuse(QStringLiteral("falta el servidor"));
    PostgresUrl result;
    result.m_user = url.userName();
    result.m_host = url.host();
    result.m_port = url.port(DefaultPort);
    result.m_databaseName = url.path().mid(1);
    if (result.m_databaseName.isEmpty() || result.m_databaseName.contains(u'/'))
        throw refuse(QStringLiteral("falta el nombre de la base de datos"));
    return result;
}

QString PostgresUrl::server() const
{
    return QStringLiteral("%1:%2/%3").arg(hostText(m_host)).arg(m_port).arg(m_databaseName);
}

QString PostgresUrl::description() const
{
    return QStringLiteral("PostgreSQL ") + server();
}

PostgresUrl PostgresUrl::withDatabase(const QString &databaseName) const
{
    PostgresUrl result = *this;
    result.m_databaseName = databaseName;
    return result;
}

QString PostgresUrl::toString() const
{
    // Written by QUrl, so that a name holding "@", "/" or "%" reads back as itself.
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setUserName(m_user, QUrl::DecodedMode);
    url.setHost(m_host);
    url.setPort(m_port);
    url.setPath(u'/' + m_databaseName, QUrl::DecodedMode);
    return url.toString();
}

} // namespace marbelisto
