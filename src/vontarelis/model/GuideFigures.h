#pragma once

#include "toolkit/Currency.h"

#include <QtGlobal>

namespace vontarelis {

// A guide's count, weight and value in the company's currency, named as the guide's properties
// they become. The creation dialog keeps its running totals in one and the review adds the
// linked invoices into another the same way, so the same invoices always give the same figures
// to the last decimal.
struct GuideFigures
{
    // Wider than the guide's 16-bit count, so that a selection beyond it is seen, not wrapped.
    qint32 facturas = 0;
    double totalPeso = 0.0;
    toolkit::Currency totalPrecioVenta;
    toolkit::Currency totalIVA;

    // Adds (signo 1) or takes away (signo -1) one invoice whose amounts are already in the
    // company's currency; each amount is rounded to money, and the weight to the gram, before
    // it is added.
    void add(double peso, double neto, double iva, int signo = 1);

    // A weight in kilograms to the gram, as the screens show it and the guide stores it.
    static double toGrams(double kilos);
};

} // namespace vontarelis
