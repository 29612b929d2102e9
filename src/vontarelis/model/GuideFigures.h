#pragma once

#include "toolkit/Currency.h"

#include <QtGlobal>

namespace vontarelis {

// A guide's count, weight and value in the company's currency, added invoice by invoice the way
// the creation dialog adds its ticked rows, so that the same invoices always give the same
// figures, to the last decimal.
struct GuideFigures
{
    qint32 facturas = 0;
    double totalPeso = 0.0;
    toolkit::Currency totalPrecioVenta;
    toolkit::Currency totalIVA;

    // Amounts in the invoice's currency, divided by its rate (the company's when it has none) and
    // rounded to money before they are added.
    void add(double peso, toolkit::Currency precioEfectivo, toolkit::Currency impuesto, double tipoCambio);
};

} // namespace vontarelis
