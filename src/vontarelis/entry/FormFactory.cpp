#include "vontarelis/entry/FormFactory.h"

#include "toolkit/Error.h"
#include "vontarelis/forms/confirm/frmConfirmarBruvelos.h"

namespace vontarelis {

namespace {

FormFactory::Maker unavailable(const QString &formName)
{
    return [formName]() -> std::unique_ptr<QDialog> {
        throw toolkit::Error(toolkit::ErrCannotCreateObject,
                             QStringLiteral("El formulario %1 todavía no está disponible").arg(formName),
                             QStringLiteral("Activator"));
    };
}

} // namespace

FormFactory FormFactory::standard()
{
    return FormFactory{unavailable(QStringLiteral("frmSelectFacturas")),
                       [] { return std::unique_ptr<QDialog>(std::make_unique<frmConfirmarBruvelos>()); }};
}

} // namespace vontarelis
