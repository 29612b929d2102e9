#include "vontarelis/model/Context.h"

#include "toolkit/Error.h"
#include "vontarelis/entry/globales.h"

namespace vontarelis {

host::ICompany &Context::company()
{
    if (!gEmpresa)
        throw toolkit::Error(toolkit::ErrInvalidCall, QStringLiteral("No hay un objeto «Empresa»"),
                             QStringLiteral("globales"));
    return *gEmpresa;
}

} // namespace vontarelis
