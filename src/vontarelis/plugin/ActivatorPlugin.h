#pragma once

#include "vontarelis/entry/Activator.h"
#include "vontarelis/host/IActivator.h"

#include <QObject>

namespace vontarelis {

// The component as the host loads it: the entry class under the name Vontarelis.Activator.
class ActivatorPlugin : public QObject, public Activator
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VontarelisActivator_iid FILE "vontarelis.json")
    Q_INTERFACES(host::IActivator)

public:
    explicit ActivatorPlugin(QObject *parent = nullptr);
};

} // namespace vontarelis
