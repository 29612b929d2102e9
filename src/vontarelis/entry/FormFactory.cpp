#include "vontarelis/entry/FormFactory.h"

#include "vontarelis/forms/confirm/frmConfirmarBruvelos.h"
#include "vontarelis/forms/select/frmSelectFacturas.h"

namespace vontarelis {

FormFactory FormFactory::standard()
{
    return FormFactory{[] { return std::unique_ptr<QDialog>(std::make_unique<frmSelectFacturas>()); },
                       [] { return std::unique_ptr<QDialog>(std::make_unique<frmConfirmarBruvelos>()); }};
}

} // namespace vontarelis
