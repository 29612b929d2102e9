#pragma once

#include <QString>

namespace hostlibs {

// Where a print goes, decided from the host's printer setting. A setting that is a path (it
// has a path separator) names a folder: every print becomes a PDF file there, interactive or
// not, and nothing modal opens. Otherwise an interactive print shows the preview, and a
// non-interactive one goes to the printer the setting names or, without one, to the system's
// default printer.
class PrintDestination
{
public:
    enum class Kind { Preview, Printer, PdfFolder };

    // Raises, in words a user understands, when a non-interactive print has nowhere to go.
    static PrintDestination resolve(const QString &setting, bool interactive);

    Kind kind() const { return m_kind; }
    // The printer's name (empty: the system's choice) or the folder.
    QString name() const { return m_name; }

private:
    PrintDestination(Kind kind, const QString &name) : m_kind(kind), m_name(name) {}

    Kind m_kind;
    QString m_name;
};

} // namespace hostlibs
