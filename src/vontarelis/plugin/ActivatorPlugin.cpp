#include "vontarelis/plugin/ActivatorPlugin.h"

namespace vontarelis {

ActivatorPlugin::ActivatorPlugin(QObject *parent)
    : QObject(parent)
{
}

} // namespace vontarelis
