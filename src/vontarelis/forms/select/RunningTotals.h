#pragma once

#include "toolkit/Currency.h"

#include <QtGlobal>

namespace vontarelis {

// The running totals of the ticked invoices, named as the guide's properties they become.
struct RunningTotals
{
    double totalPeso = 0.0;
    // Wider than the guide's 16-bit count, so that a selection beyond it is seen, not wrapped.
    qint32 facturas = 0;
    toolkit::Currency totalPrecioVenta;
    toolkit::Currency totalIVA;

    // Adds (signo 1) or takes away (signo -1) one invoice; amounts are rounded to money first.
    void add(double peso, double neto, double iva, int signo);
};

} // namespace vontarelis
