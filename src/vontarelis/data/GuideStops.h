#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace vontarelis {

// The delivery order of a guide: each link carries the number of its stop (gdFacturasGuia.Parada),
// and every invoice of one customer on a guide shares that customer's stop. A link without a
// number (one stored before stops existed) belongs to no stop.
class GuideStops
{
public:
    struct Stop
    {
        qint32 parada = 0;
        // Invoice numbers already linked to the guide.
        QList<qint32> facturas;
    };
    struct Link
    {
        QString codigoCliente;
        // 0: no stop stored.
        qint32 parada = 0;
    };

    // Numbers the guide's links, a few hundred in each statement, inside the caller's
    // transaction; a failure travels to the caller, who aborts.
    static void store(qint32 idGuia, const QList<Stop> &stops);
    // The guide's links by invoice number.
    static QHash<qint32, Link> of(qint32 idGuia);
};

} // namespace vontarelis
