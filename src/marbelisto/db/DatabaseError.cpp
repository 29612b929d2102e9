#include "marbelisto/db/DatabaseError.h"

#include "marbelisto/db/PostgresUrl.h"

#include <QSqlError>

namespace marbelisto {

namespace {
const QString source = QStringLiteral("Marbelisto.Database");
}

toolkit::Error databaseError(const QSqlError &error)
{
    // The engine's text names the constraint or the syntax problem; Qt's own text only says
    // which step failed, so it serves when the engine said nothing.
    const QString engineText = error.databaseText().trimmed();
    // A workstation's role meeting what only the tables' owner may do (settings, the host's tables).
    if (error.nativeErrorCode() == QLatin1String("42501"))
        return databaseError(QStringLiteral("El usuario de esta conexión no tiene permiso para esta operación en el "
                                            "servidor; pídasela al usuario dueño de las tablas (el que ejecutó "
                                            "«marbelisto init --db»)."),
                             engineText);
    return databaseError(engineText.isEmpty() ? error.driverText() : engineText);
}

toolkit::Error databaseError(const QString &message, const QString &details)
{
    return toolkit::Error(toolkit::ErrDatabase, message, source, details);
}

toolkit::Error unreachableServer(const PostgresUrl &url, const QString &engineText)
{
    return toolkit::Error(toolkit::ErrNoConnection,
                          QStringLiteral("No hay conexión con el servidor PostgreSQL «%1». Revise la red o el servidor "
                                         "y vuelva a intentarlo.")
                              .arg(url.server()),
                          source, engineText);
}

} // namespace marbelisto
