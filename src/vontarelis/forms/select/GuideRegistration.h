#pragma once

#include "vontarelis/forms/select/RunningTotals.h"

#include <QList>
#include <QString>

#include <memory>

namespace vontarelis {

class GuiaDespacho;
class VehicleEntry;

// What "Procesar" stores, and nothing else: a new or changed vehicle, one gdVontarelis row and
// one gdFacturasGuia link per ticked invoice, all in one transaction.
class GuideRegistration
{
public:
    struct Request
    {
        QString codigoConductor;
        QString codigoVendedor;
        QString zona;
        RunningTotals totals;
        // Invoice numbers in grid order.
        QList<qint32> facturas;
    };

    // Opens the transaction, writes and commits; the guide comes back stored and numbered.
    // An error leaves the transaction open for the caller's trap to abort.
    static std::unique_ptr<GuiaDespacho> store(const Request &request, VehicleEntry &vehicle);
};

} // namespace vontarelis
