#pragma once

#include <QString>

namespace host {
class IFramework;
}

namespace hostlibs {

struct PrintResult;

// What the print library asks of the host it prints for: the printer setting, and where the
// account of each print goes (its warnings are for the host's log).
class IPrintHost
{
public:
    virtual ~IPrintHost() = default;

    // A printer's name, a folder for PDF files, or empty. framework may be null.
    virtual QString printerSetting(host::IFramework *framework) = 0;
    virtual void printed(const PrintResult &result) = 0;
};

} // namespace hostlibs
