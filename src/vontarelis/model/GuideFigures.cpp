#include "vontarelis/model/GuideFigures.h"

#include <cmath>

namespace vontarelis {

namespace {

qint64 gramsOf(double kilos)
{
    return std::llround(kilos * 1000.0);
}

} // namespace

void GuideFigures::add(double peso, double neto, double iva, int signo)
{
    // Summed as a whole count of grams: thousands of invoices add no float noise, and the
    // total is always the sum of the weights as shown.
    totalPeso = double(gramsOf(totalPeso) + signo * gramsOf(peso)) / 1000.0;
    facturas += signo > 0 ? 1 : signo < 0 ? -1 : 0;
    totalPrecioVenta += toolkit::Currency::fromDouble(signo * neto);
    totalIVA += toolkit::Currency::fromDouble(signo * iva);
}

double GuideFigures::toGrams(double kilos)
{
    return double(gramsOf(kilos)) / 1000.0;
}

} // namespace vontarelis
