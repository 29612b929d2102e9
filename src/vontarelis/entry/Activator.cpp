#include "vontarelis/entry/Activator.h"

#include "hostlibs/HostLibraries.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/model/GuiaDespacho.h"

namespace vontarelis {

Activator::Activator(FormFactory forms)
    : m_forms(std::move(forms))
{
}

Activator::~Activator() = default;

void Activator::Go(host::IFramework &f)
{
    show(f, m_frmSelectFacturas, m_forms.newSelectFacturas);
}

std::unique_ptr<host::IGuiaDespacho> Activator::GetGuiaDespacho(host::IFramework &f)
{
    InitHostContext(f);
    return std::make_unique<GuiaDespacho>();
}

void Activator::ControlVontarelis(host::IFramework &f)
{
    show(f, m_frmConfirmarBruvelos, m_forms.newConfirmarBruvelos);
}

void Activator::show(host::IFramework &f, std::unique_ptr<QDialog> &form, const FormFactory::Maker &make)
{
    host::ICommonUtilities &utilities = hostlibs::CommonUtilities();
    utilities.setApplicationName(QStringLiteral("Marbelisto"));
    InitHostContext(f);
    if (!form)
        form = make();
    // Whatever ShowForm leaves in the argument is the instance for the next call.
    utilities.ShowForm(form);
}

} // namespace vontarelis
