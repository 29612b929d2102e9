#include "marbelisto/db/PostgresUrl.h"

#include "marbelisto/db/DatabaseError.h"

#include <QUrl>
#include <QUrlQuery>

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

const QStringList sslModes{QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer"),
                           QStringLiteral("require"), QStringLiteral("verify-ca"), QStringLiteral("verify-full")};

// A value in libpq's connection string, quoted so that spaces, quotes and backslashes stay its own.
QString connectValue(const QString &value)
{
    QString escaped = value;
    escaped.replace(u'\\', QLatin1String("\\\\")).replace(u'\'', QLatin1String("\\'"));
    return u'\'' + escaped + u'\'';
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
    for (const auto &[key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("sslmode") && sslModes.contains(value))
            result.m_sslMode = value;
        else if (key == QLatin1String("sslmode"))
            throw refuse(QStringLiteral("sslmode «%1» no es uno de %2").arg(value, sslModes.join(QLatin1String(", "))));
        // The driver passes its options separated by ";", so a file name holding one cannot go through.
        else if (key == QLatin1String("sslrootcert") && !value.isEmpty() && !value.contains(u';'))
            result.m_sslRootCertificate = value;
        else if (key == QLatin1String("sslrootcert"))
            throw refuse(QStringLiteral("sslrootcert debe nombrar un archivo sin «;»"));
        else
            throw refuse(QStringLiteral("no se admite el parámetro «%1»; sí sslmode y sslrootcert").arg(key));
    }
    return result;
}

bool PostgresUrl::verifiesCertificate() const
{
    return m_sslMode.startsWith(QLatin1String("verify-"));
}

QString PostgresUrl::connectOptions() const
{
    QStringList options;
    if (!m_sslMode.isEmpty())
        options.append(QStringLiteral("sslmode=") + m_sslMode);
    if (!m_sslRootCertificate.isEmpty())
        options.append(QStringLiteral("sslrootcert=") + connectValue(m_sslRootCertificate));
    return options.join(u';');
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

PostgresUrl PostgresUrl::withUser(const QString &user) const
{
    PostgresUrl result = *this;
    result.m_user = user;
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
    QUrlQuery query;
    if (!m_sslMode.isEmpty())
        query.addQueryItem(QStringLiteral("sslmode"), m_sslMode);
    if (!m_sslRootCertificate.isEmpty())
        // A "%" of the name stays one, not the start of an escape.
        query.addQueryItem(QStringLiteral("sslrootcert"), QString(m_sslRootCertificate).replace(u'%', QLatin1String("%25")));
    url.setQuery(query);
    // Fully encoded: a space or another character QUrl's strict reading refuses never goes out as itself.
    return url.toString(QUrl::FullyEncoded);
}

} // namespace marbelisto
