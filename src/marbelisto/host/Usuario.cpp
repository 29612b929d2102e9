#include "marbelisto/host/Usuario.h"

#include "toolkit/Error.h"

#include <QtGlobal>

#include <pwd.h>
#include <unistd.h>

namespace marbelisto {

QString Usuario::signedIn(const QString &commandLineCode)
{
    if (!commandLineCode.trimmed().isEmpty())
        return commandLineCode.trimmed();
    const QString configured = qEnvironmentVariable("MARBELISTO_USER").trimmed();
    if (!configured.isEmpty())
        return configured;
    // USER and LOGNAME are missing in services and containers and may belong to someone else
    // after su; the account the process runs as is always there.
    const uid_t uid = geteuid();
    const passwd *account = getpwuid(uid);
    const QString name = account ? QString::fromLocal8Bit(account->pw_name).trimmed() : QString();
    if (name.isEmpty())
        throw toolkit::Error(toolkit::ErrInvalidCall,
                             QStringLiteral("No se sabe quién firma las guías: la cuenta %1 del sistema no tiene "
                                            "nombre. Indique el usuario con --user o MARBELISTO_USER.")
                                 .arg(uid),
                             QStringLiteral("Usuario"));
    return name;
}

} // namespace marbelisto
