#include "vontarelis/forms/select/GuideRegistration.h"

#include "toolkit/Error.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/forms/select/VehicleEntry.h"
#include "vontarelis/host/IUser.h"
#include "vontarelis/model/GuiaDespacho.h"

#include <QDate>

namespace vontarelis {

namespace {

QString operadorActual()
{
    const auto usuario = std::dynamic_pointer_cast<host::IUser>(CreateHostObject(QStringLiteral("usuario")));
    if (!usuario)
        throw toolkit::Error(toolkit::ErrCannotCreateObject, QStringLiteral("El anfitrión no creó el objeto «usuario»"),
                             QStringLiteral("frmSelectFacturas"));
    return usuario->codigo();
}

} // namespace

std::unique_ptr<GuiaDespacho> GuideRegistration::store(const Request &request, VehicleEntry &vehicle)
{
    SqlBeginTransaction();
    vehicle.saveIfModified();

    auto guia = std::make_unique<GuiaDespacho>();
    guia->setCodigoConductor(request.codigoConductor);
    guia->setCodigoVendedor(request.codigoVendedor);
    guia->setFacturas(qint16(request.totals.facturas));
    guia->setFecha(QDate::currentDate().startOfDay());
    guia->setIdVehiculo(vehicle.idVehiculo());
    guia->setOperador(operadorActual());
    guia->setTotalIVA(request.totals.totalIVA);
    guia->setTotalPrecioVenta(request.totals.totalPrecioVenta);
    guia->setTotalPeso(request.totals.totalPeso);
    guia->setZona(request.zona);
    guia->startProcess();
    for (const qint32 numero : request.facturas)
        guia->addFactura(numero);
    GuideStops::store(guia->id(), request.paradas);
    SqlCommitTransaction();
    return guia;
}

} // namespace vontarelis
