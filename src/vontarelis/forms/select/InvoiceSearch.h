#pragma once

#include "vontarelis/forms/select/InvoiceRow.h"

#include <QString>

#include <deque>

namespace vontarelis {

// The invoices that may still go on a guide: not dispatched, on no guide yet, of an existing
// customer, optionally only of one zone and of one assigned salesperson; oldest first. Each
// comes with its customer's code and route position, which order the guide's stops.
class InvoiceSearch
{
public:
    struct Result
    {
        // A deque grows without moving what it holds: a long list is never copied while read.
        std::deque<InvoiceRow> rows;
        // The reference ("A-000042") of an invoice whose amounts cannot be converted, because
        // its rate and the company's are both 0; the search stops there.
        QString sinTasa;
    };

    // An empty code means no filter on it.
    static QString sql(const QString &zona, const QString &vendedor);
    // Reads the whole result; a database error travels to the caller.
    static Result read(const QString &zona, const QString &vendedor);
    // "A-000042": the series and the correlative number written with six digits.
    static QString referencia(const QString &serie, qint32 correlativo);
};

} // namespace vontarelis
