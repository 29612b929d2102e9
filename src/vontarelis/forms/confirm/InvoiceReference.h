#pragma once

#include <QString>

namespace vontarelis {

// An invoice's reference as a clerk types it, "<serie>-<numero>": one to three upper-case letters
// or ASCII digits, a hyphen and a correlative number, nothing before or after.
class InvoiceReference
{
public:
    static bool isValid(const QString &reference);
    // A valid reference's correlative beyond a Long names no invoice the host can hold.
    static bool fitsInvoiceNumber(const QString &reference);
};

} // namespace vontarelis
