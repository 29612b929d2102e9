#include "vontarelis/model/GuideFigures.h"

#include "vontarelis/entry/globales.h"

namespace vontarelis {

void GuideFigures::add(double peso, toolkit::Currency precioEfectivo, toolkit::Currency impuesto, double tipoCambio)
{
    const double tasa = tipoCambio == 0.0 ? gTipoCambio : tipoCambio;
    ++facturas;
    totalPeso += peso;
    totalPrecioVenta += toolkit::Currency::fromDouble(precioEfectivo.toDouble() / tasa);
    totalIVA += toolkit::Currency::fromDouble(impuesto.toDouble() / tasa);
}

} // namespace vontarelis
