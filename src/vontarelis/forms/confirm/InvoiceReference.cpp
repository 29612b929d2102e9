#include "vontarelis/forms/confirm/InvoiceReference.h"

#include <QRegularExpression>

namespace vontarelis {

bool InvoiceReference::isValid(const QString &reference)
{
    // Whole text only ("$" alone would let a trailing line feed through), ASCII digits only.
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral("[A-Z0-9]{1,3}-[0-9]+")));
    return pattern.match(reference).hasMatch();
}

bool InvoiceReference::fitsInvoiceNumber(const QString &reference)
{
    bool fits = false;
    reference.section(QLatin1Char('-'), 1).toInt(&fits);
    return fits;
}

} // namespace vontarelis
