#pragma once

#include "vontarelis/forms/select/InvoiceRow.h"

#include <QString>

#include <functional>

namespace vontarelis {

// The invoices that may still go on a guide: not dispatched, on no guide yet, of an existing
// customer, optionally only of one zone and of one assigned salesperson; oldest first. Each
// comes with its customer's code and route position, which order the guide's stops.
class InvoiceSearch
{
public:
    // An empty code means no filter on it.
    static QString sql(const QString &zona, const QString &vendedor);
    // Hands every row to `add`, in order. It stops at an invoice whose amounts cannot be
    // converted, because its rate and the company's are both 0, and gives that invoice's
    // reference ("A-000042"); else an empty text. A database error travels to the caller.
    static QString read(const QString &zona, const QString &vendedor, const std::function<void(InvoiceRow &&)> &add);
};

} // namespace vontarelis
