#pragma once

#include <QString>

class QWidget;

#include <exception>
#include <functional>
#include <utility>

namespace vontarelis {

// Reports, through CommonUtilities.ReportError, an error that a dialog handler did not trap, or
// through ShowError one that carries details apart from its description.
// Never throws: a report that fails itself is only logged.
void ReportUntrappedError(const QString &location, const std::exception *error) noexcept;

// The error handler to give a toolkit widget that calls back into the form from its own event
// handling (FocusValidator, CodeLookupBox): what such a callback did not trap is reported with
// this location, as Guarded would.
std::function<void(const std::exception &)> ErrorReporter(const QString &location);

// Points every toolkit helper of the dialog that calls back into it at the error report, in one
// call at the end of its construction: its FocusValidator ("frmX::Validate"), its KeyPreview
// ("frmX::Form_KeyPress") and each CodeLookupBox ("frmX::conductor_Lookup").
void RouteToolkitErrors(QWidget &dialog);

// Every handler of a dialog (slot, event override, timer tick, validation callback) is entered
// through here. An error the handler does not trap stops at this boundary and is reported with
// the handler as its location ("frmSelectFacturas::cbCargarFacturas_Click"), so no exception
// crosses Qt's event loop and the dialog stays open and usable.
template <typename Handler>
void Guarded(const QString &location, Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception &error) {
        ReportUntrappedError(location, &error);
    } catch (...) {
        ReportUntrappedError(location, nullptr);
    }
}

// The same for a handler that answers (an event override, a validation): onError is the
// answer when it fails.
template <typename Result, typename Handler>
Result Guarded(const QString &location, Result onError, Handler &&handler) noexcept
{
    try {
        return std::forward<Handler>(handler)();
    } catch (const std::exception &error) {
        ReportUntrappedError(location, &error);
    } catch (...) {
        ReportUntrappedError(location, nullptr);
    }
    return onError;
}

} // namespace vontarelis
