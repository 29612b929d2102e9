#pragma once

#include "vontarelis/data/GuideStops.h"
#include "vontarelis/model/GuideFigures.h"

#include <QList>
#include <QString>

#include <limits>
#include <memory>

namespace vontarelis {

class GuiaDespacho;
class VehicleEntry;

// What "Procesar" stores, and nothing else: a new or changed vehicle, one gdVontarelis row and
// one gdFacturasGuia link per ticked invoice numbered with its stop, all in one transaction.
class GuideRegistration
{
public:
    // The guide counts its invoices in 16 bits; a larger selection must be refused before store.
    static constexpr qint32 MaximoFacturas = std::numeric_limits<qint16>::max();

    struct Request
    {
        QString codigoConductor;
        QString codigoVendedor;
        QString zona;
        GuideFigures totals;
        // Invoice numbers in grid order.
        QList<qint32> facturas;
        // The same invoices by stop, in delivery order.
        QList<GuideStops::Stop> paradas;
    };

    // Opens the transaction, writes and commits; the guide comes back stored and numbered.
    // An error leaves the transaction open for the caller's trap to abort.
    static std::unique_ptr<GuiaDespacho> store(const Request &request, VehicleEntry &vehicle);
};

} // namespace vontarelis
