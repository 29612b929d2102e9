#pragma once

#include "vontarelis/host/IActivator.h"

#include <QStringList>

namespace marbelisto {

// Finds the component among the plug-ins by its registered name, Vontarelis.Activator, and
// loads it. The plug-in stays loaded for the life of the process.
class ActivatorLoader
{
public:
    static constexpr const char *DirectoryVariable = "VONTARELIS_PLUGIN_DIR";

    // VONTARELIS_PLUGIN_DIR when set; otherwise "plugins" beside the program and one level up.
    static QStringList searchPath();
    // Raises a toolkit::Error when no plug-in in the search path offers the component.
    static host::IActivator &load();
};

} // namespace marbelisto
