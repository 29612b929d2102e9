#pragma once

#include "vontarelis/host/ICompany.h"
#include "vontarelis/host/IFramework.h"
#include "vontarelis/host/ITheme.h"
#include "vontarelis/model/Vehiculo.h"

#include <memory>

// The component's shared context: the host of the latest entry-point call and what derives
// from it. Overwritten by every call; everything in the component reads it from here.
namespace vontarelis {

extern host::IFramework *gHost;
extern std::shared_ptr<host::ICompany> gEmpresa;
extern double gTipoCambio;
extern std::shared_ptr<host::ITheme> gTemaUI;
// The vehicle whose print variables were asked for last; InitHostContext leaves it alone.
extern Vehiculo gVehiculoActual;

// Refuses a host that makes no company object or gives no theme; what was set before the
// refusal keeps its new value, the rest its old one.
void InitHostContext(host::IFramework &f);
// gHost and gEmpresa, with a clear error while no entry point has set them.
host::IFramework &CurrentHost();
host::ICompany &CurrentEmpresa();
// The host's business object for "Empresa", "usuario" or "Factura".
std::shared_ptr<host::IHostObject> CreateHostObject(const QString &className);

} // namespace vontarelis
