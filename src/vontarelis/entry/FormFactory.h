#pragma once

#include <QDialog>

#include <functional>
#include <memory>

namespace vontarelis {

// How the entry points make the component's two dialogs.
struct FormFactory
{
    using Maker = std::function<std::unique_ptr<QDialog>()>;

    Maker newSelectFacturas;
    Maker newConfirmarBruvelos;

    // The component's own dialogs.
    static FormFactory standard();
};

} // namespace vontarelis
