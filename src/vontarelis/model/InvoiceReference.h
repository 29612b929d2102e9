#pragma once

#include <QString>

namespace vontarelis {

// An invoice's reference, "<serie>-<numero>". As a clerk types it: one to three upper-case letters
// or ASCII digits, a hyphen and a correlative number, nothing before or after.
class InvoiceReference
{
public:
    // "A-000042": the series and the correlative number written with six digits, as every
    // list and print of the component shows an invoice.
    static QString of(const QString &serie, qint32 correlativo);
    static bool isValid(const QString &reference);
    // A valid reference's correlative beyond a Long names no invoice the host can hold.
    static bool fitsInvoiceNumber(const QString &reference);
};

} // namespace vontarelis
