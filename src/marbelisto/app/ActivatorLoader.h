#pragma once

#include "vontarelis/host/IActivator.h"

#include <QStringList>

namespace marbelisto {

// Finds the component among the plug-ins by its registered name, Vontarelis.Activator, and
// loads it. The library stays loaded for the life of the process.
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
    // Deletes the loaded component's instance, and the dialogs it keeps, while the application
    // object still lives: left to the end of the process they would go after the window system
    // and crash. A later load() makes a new instance.
    static void release();
};

} // namespace marbelisto
