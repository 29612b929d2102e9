#pragma once

#include "vontarelis/entry/FormFactory.h"
#include "vontarelis/host/IActivator.h"

#include <QDialog>

#include <memory>

namespace vontarelis {

// The component's entry class: sets the host context, then shows a dialog or hands out a guide.
// Each dialog is made on first use and kept for the life of the activator.
class Activator : public host::IActivator
{
public:
    explicit Activator(FormFactory forms = FormFactory::standard());
    ~Activator() override;

    void Go(host::IFramework &f) override;
    std::unique_ptr<host::IGuiaDespacho> GetGuiaDespacho(host::IFramework &f) override;
    void ControlVontarelis(host::IFramework &f) override;

private:
    static void show(host::IFramework &f, std::unique_ptr<QDialog> &form, const FormFactory::Maker &make);

    FormFactory m_forms;
    std::unique_ptr<QDialog> m_frmSelectFacturas;
    std::unique_ptr<QDialog> m_frmConfirmarBruvelos;
};

} // namespace vontarelis
