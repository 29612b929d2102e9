#include "vontarelis/model/GuideFigures.h"

namespace vontarelis {

void GuideFigures::add(double peso, double neto, double iva, int signo)
{
    totalPeso += signo * peso;
    facturas += signo > 0 ? 1 : signo < 0 ? -1 : 0;
    totalPrecioVenta += toolkit::Currency::fromDouble(signo * neto);
    totalIVA += toolkit::Currency::fromDouble(signo * iva);
}

} // namespace vontarelis
