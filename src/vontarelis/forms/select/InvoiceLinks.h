#pragma once

#include <QList>
#include <QMap>

namespace vontarelis {

// Which invoices are on a guide already, and on which: what the unique link refuses when
// another workstation registered an invoice while it was ticked here.
class InvoiceLinks
{
public:
    // Invoice number to guide number, for those of the given invoices that are linked.
    static QMap<qint32, qint32> guiasDe(const QList<qint32> &facturas);
};

} // namespace vontarelis
