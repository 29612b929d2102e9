#pragma once

#include <QString>

namespace marbelisto {

// An invoice's net weight on SQLite: what its warehouse voucher took out minus what came back,
// times each item's unit weight; 0 for an invoice without voucher. The same body serves the
// registered function dbo.PesoFactura and the subquery a statement's call is written out as.
class InvoiceWeight
{
public:
    // The body as a statement with the invoice number as parameter ?1.
    static QString statement();
    // Every call dbo.PesoFactura(expr) outside string literals written out as its body, a
    // correlated subquery: SQLite then runs it inside the statement rather than calling back
    // into the host once a row, which costs about a tenth of a long invoice list.
    static QString inlineCalls(const QString &sql);
};

} // namespace marbelisto
