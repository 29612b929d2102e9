#include "vontarelis/model/InvoiceReference.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <charconv>

namespace vontarelis {

QString InvoiceReference::of(const QString &serie, qint32 correlativo)
{
    // Built in one allocation: the selection grid writes one per invoice it lists.
    std::array<char, 16> digits;
    const qsizetype count =
        std::to_chars(digits.data(), digits.data() + digits.size(), qAbs(qint64(correlativo))).ptr - digits.data();
    QString text;
    text.reserve(serie.size() + 2 + std::max<qsizetype>(count, 6));
    text += serie;
    text += u'-';
    if (correlativo < 0)
        text += u'-';
    for (qsizetype padding = count; padding < 6; ++padding)
        text += u'0';
    text += QLatin1StringView(digits.data(), count);
    return text;
}

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
