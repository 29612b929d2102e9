#pragma once

#include "toolkit/Currency.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace vontarelis {

// One invoice that may still travel, as the search read it: amounts in the invoice's own
// currency and the rate that converts them to the company's base currency (never 0).
struct InvoiceRow
{
    QString serie;
    qint32 correlativo = 0;
    qint32 numero = 0;
    toolkit::Currency precioEfectivo;
    toolkit::Currency impuesto;
    double tasa = 1.0;
    QDateTime fecha;
    QString nombreCliente;
    double peso = 0.0;
    // The customer's code and its place on the delivery route.
    QString codigoCliente;
    std::optional<qint32> ordenRuta;
};

} // namespace vontarelis
