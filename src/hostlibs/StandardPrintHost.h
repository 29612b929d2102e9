#pragma once

#include "hostlibs/IPrintHost.h"

namespace hostlibs {

// The host maker's own arrangement: the printer setting is the row "Impresora" of the host's
// settings table Configuracion, and warnings go to the application's log.
class StandardPrintHost : public IPrintHost
{
public:
    static inline const QString SettingKey = QStringLiteral("Impresora");

    QString printerSetting(host::IFramework *framework) override;
    void printed(const PrintResult &result) override;
};

} // namespace hostlibs
