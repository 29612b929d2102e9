#pragma once

#include "hostlibs/IPrintHost.h"

namespace hostlibs {

// The host maker's own arrangement: the printer setting is the row "Impresora" of the host's
// settings table Configuracion, warnings go to the application's log, and a print into a
// folder is told to the user with the file's path, as a notice that asks for no key.
class StandardPrintHost : public IPrintHost
{
public:
    static inline const QString SettingKey = QStringLiteral("Impresora");

    QString printerSetting(host::IFramework *framework) override;
    void printed(const PrintResult &result) override;
};

} // namespace hostlibs
