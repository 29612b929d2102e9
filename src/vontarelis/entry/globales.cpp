#include "vontarelis/entry/globales.h"

#include "toolkit/Error.h"

namespace vontarelis {

namespace {

constexpr qint32 ErrObjectNotSet = 91;

} // namespace

host::IFramework *gHost = nullptr;
std::shared_ptr<host::ICompany> gEmpresa;
double gTipoCambio = 0.0;
std::shared_ptr<host::ITheme> gTemaUI;
Vehiculo gVehiculoActual;

void InitHostContext(host::IFramework &f)
{
    gHost = &f;
    auto empresa = std::dynamic_pointer_cast<host::ICompany>(CreateHostObject(QStringLiteral("Empresa")));
    if (!empresa)
        throw toolkit::Error(toolkit::ErrCannotCreateObject, QStringLiteral("El anfitrión no creó el objeto «Empresa»"),
                             QStringLiteral("globales::InitHostContext"));
    gEmpresa = std::move(empresa);
    gTipoCambio = gEmpresa->tipoCambio();
    auto tema = gHost->TemaUI();
    if (!tema)
        throw toolkit::Error(ErrObjectNotSet, QStringLiteral("El anfitrión no dio su tema visual («TemaUI»)"),
                             QStringLiteral("globales::InitHostContext"));
    gTemaUI = std::move(tema);
}

host::IFramework &CurrentHost()
{
    if (!gHost)
        throw toolkit::Error(toolkit::ErrInvalidCall, QStringLiteral("No hay un objeto anfitrión"),
                             QStringLiteral("globales"));
    return *gHost;
}

host::ICompany &CurrentEmpresa()
{
    if (!gEmpresa)
        throw toolkit::Error(toolkit::ErrInvalidCall, QStringLiteral("No hay un objeto «Empresa»"),
                             QStringLiteral("globales"));
    return *gEmpresa;
}

std::shared_ptr<host::IHostObject> CreateHostObject(const QString &className)
{
    return CurrentHost().CrearObjeto(className);
}

} // namespace vontarelis
