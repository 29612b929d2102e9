// A number mask and a value: "mask\nvalue\nlocale". Any mask formats without failing; a mask of
// digit places with plain literal text around them writes a number that reads back, in the same
// locale, as the value rounded to the mask's decimals.
#include "FuzzInput.h"

#include "toolkit/Currency.h"
#include "toolkit/FormattedNumber.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/NumberMask.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

// Letters (no exponent "E"), blanks, "$" and the point of an abbreviation ("Bs.") around the
// digit places: literal text that can hold no part of a number. A letter right before a number
// that may start at its decimal point ("Bs#.00" writes "Bs.50") makes that point an abbreviation's.
bool readableMask(const QString &mask)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral(
        "(?:[A-DF-Za-df-z$ ]|(?<=[A-Za-z])\\.)*[0#][0#,.]*(?<![.,])[A-DF-Za-df-z$ ]*")));
    const toolkit::NumberMask sections(mask);
    const toolkit::NumberMask::Section &section = sections.positive();
    const bool pointAfterLetter = section.minInteger == 0 && !section.prefix.isEmpty() && section.prefix.back().isLetter();
    return pattern.match(mask).hasMatch() && !pointAfterLetter;
}

// Where the point groups thousands, "0.125" without decimals is plain text by design: a mask
// that pads to four digits writes 125 so.
bool ambiguous(const QString &written, const QLocale &locale)
{
    static const QRegularExpression loneZero(QStringLiteral("(^|[^0-9])0\\.[0-9]{3}($|[^0-9,])"));
    return locale.groupSeparator() == QLatin1String(".") && loneZero.match(written).hasMatch();
}

void checkReadBack(const QString &written, double value, const QString &mask, const QLocale &locale)
{
    const int decimals = toolkit::NumberMask(mask).positive().maxDecimals;
    if (ambiguous(written, locale))
        return;
    const double read = toolkit::FormattedNumber::read(written, locale);
    const double tolerance = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 4 * std::numeric_limits<double>::epsilon() * std::fabs(value);
    fuzz::check(std::fabs(read - value) <= tolerance, "a masked number reads back as its value",
                QStringLiteral("mask «%1» locale %2 value %3 wrote «%4» read %5")
                    .arg(mask, locale.name())
                    .arg(value, 0, 'g', 17)
                    .arg(written)
                    .arg(read, 0, 'g', 17));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList input = fuzz::parts(fuzz::text(data, size), 3);
    const QString &mask = input.at(0);
    bool isNumber = false;
    const double value = input.at(1).toDouble(&isNumber);
    const QLocale locale = fuzz::locale(input.at(2).toUInt());

    const QString written = toolkit::NumberFormat::format(value, mask, locale);
    if (!isNumber || !std::isfinite(value) || !readableMask(mask))
        return 0;
    checkReadBack(written, value, mask, locale);
    if (std::fabs(value) < 9e14) {
        const toolkit::Currency money = toolkit::Currency::fromDouble(value);
        checkReadBack(toolkit::NumberFormat::format(money, mask, locale), money.toDouble(), mask, locale);
    }
    return 0;
}
