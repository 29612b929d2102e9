#pragma once

#include <QString>

namespace hostlibs {

// Where a print goes, decided from the host's printer setting. A setting is a folder when it is
// an absolute path or starts with "./" (under the data folder) or "~/" (under the home folder):
// every print then becomes a PDF file there, interactive or not, and nothing modal opens.
// Anything else names a printer ("\\server\printer" included): an interactive print shows the
// preview, and a non-interactive one goes to that printer or, without a name, to the system's
// default printer.
class PrintDestination
{
public:
    enum class Kind { Preview, Printer, PdfFolder };

    // Raises, in words a user understands and before anything is drawn, when the named printer
    // is unknown to this machine or a non-interactive print has nowhere to go.
    static PrintDestination resolve(const QString &setting, bool interactive, const QString &dataFolder);

    Kind kind() const { return m_kind; }
    // The printer's name (empty: the system's choice) or the folder's absolute path.
    QString name() const { return m_name; }

private:
    PrintDestination(Kind kind, const QString &name) : m_kind(kind), m_name(name) {}

    Kind m_kind;
    QString m_name;
};

} // namespace hostlibs
