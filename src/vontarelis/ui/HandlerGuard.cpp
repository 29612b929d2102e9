#include "vontarelis/ui/HandlerGuard.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/CodeLookupBox.h"
#include "toolkit/Error.h"
#include "toolkit/FocusValidator.h"
#include "toolkit/KeyPreview.h"

#include <QWidget>
#include <QtGlobal>

namespace vontarelis {

void ReportUntrappedError(const QString &location, const std::exception *error) noexcept
{
    try {
        const auto *known = dynamic_cast<const toolkit::Error *>(error);
        // An error that tells the user what happened in its description keeps the technical words
        // for the box's details.
        if (known && !known->details().isEmpty()) {
            hostlibs::CommonUtilities().ShowError(
                known->description(),
                QStringLiteral("%1\n\nError %2 en %3").arg(known->details()).arg(known->number()).arg(location));
            return;
        }
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

void RouteToolkitErrors(QWidget &dialog)
{
    const QString form = dialog.objectName() + QStringLiteral("::");
    for (auto *validator : dialog.findChildren<toolkit::FocusValidator *>())
        validator->setErrorHandler(ErrorReporter(form + QStringLiteral("Validate")));
    for (auto *preview : dialog.findChildren<toolkit::KeyPreview *>())
        preview->setErrorHandler(ErrorReporter(form + QStringLiteral("Form_KeyPress")));
    for (auto *box : dialog.findChildren<toolkit::CodeLookupBox *>())
        box->setErrorHandler(ErrorReporter(form + box->objectName() + QStringLiteral("_Lookup")));
}

} // namespace vontarelis
