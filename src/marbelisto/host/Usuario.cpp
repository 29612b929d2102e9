#include "marbelisto/host/Usuario.h"

#include <QtGlobal>

namespace marbelisto {

QString Usuario::signedIn(const QString &commandLineCode)
{
    if (!commandLineCode.trimmed().isEmpty())
        return commandLineCode.trimmed();
    for (const char *variable : {"MARBELISTO_USER", "USER", "LOGNAME", "USERNAME"}) {
        const QString code = qEnvironmentVariable(variable).trimmed();
        if (!code.isEmpty())
            return code;
    }
    return {};
}

} // namespace marbelisto
