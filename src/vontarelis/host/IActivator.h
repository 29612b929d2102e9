#pragma once

#include "vontarelis/host/IFramework.h"
#include "vontarelis/host/IGuiaDespacho.h"

#include <QtPlugin>

#include <memory>

namespace host {

// The component's entry class as the host loads it. Every operation first takes f as the
// component's host context.
class IActivator
{
public:
    virtual ~IActivator() = default;

    // Shows the guide-creation dialog; returns when the user closes it.
    virtual void Go(IFramework &f) = 0;
    // A new, empty guide for the host to load, fill or print.
    virtual std::unique_ptr<IGuiaDespacho> GetGuiaDespacho(IFramework &f) = 0;
    // Shows the guide-review dialog; returns when the user closes it.
    virtual void ControlVontarelis(IFramework &f) = 0;
};

} // namespace host

#define VontarelisActivator_iid "Vontarelis.Activator"
Q_DECLARE_INTERFACE(host::IActivator, VontarelisActivator_iid)
