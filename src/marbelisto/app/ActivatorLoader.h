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

    // The folders looked in, in order: the one VONTARELIS_PLUGIN_DIR names, "plugins" beside the
    // program and one level up (a build tree), and the installed plug-in folder.
    static QStringList searchPath();
    // The first plug-in in the search path that offers the component. Raises a toolkit::Error
    // that names every folder searched when none does, or when the one found does not load.
    static host::IActivator &load();
};

} // namespace marbelisto
