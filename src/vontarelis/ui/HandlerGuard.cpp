#include "vontarelis/ui/HandlerGuard.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/Error.h"

#include <QtGlobal>

namespace vontarelis {

void ReportUntrappedError(const QString &location, const std::exception *error) noexcept
{
    try {
        const auto *known = dynamic_cast<const toolkit::Error *>(error);
        const qint32 number = known ? known->number() : toolkit::ErrInvalidCall;
        const QString description = known ? known->description()
                                  : error ? QString::fromLocal8Bit(error->what())
                                          : QStringLiteral("Error desconocido");
        hostlibs::CommonUtilities().ReportError(0, number, description, location);
    } catch (...) {
        qWarning("No se pudo informar un error en %s", qUtf8Printable(location));
    }
}

std::function<void(const std::exception &)> ErrorReporter(const QString &location)
{
    return [location](const std::exception &error) { ReportUntrappedError(location, &error); };
}

} // namespace vontarelis
