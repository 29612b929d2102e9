// A formatted number as a clerk or a label holds it: "text\nlocale". Any text reads as a number
// (never NaN); a number read and written again as plain number text reads back the same.
#include "FuzzInput.h"

#include "toolkit/FormattedNumber.h"
#include "toolkit/PlainNumber.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList input = fuzz::parts(fuzz::text(data, size), 2);
    const QLocale locale = fuzz::locale(input.at(1).toUInt());
    const double value = toolkit::FormattedNumber::read(input.at(0), locale);
    fuzz::check(!std::isnan(value), "a formatted number is never NaN", input.at(0));
    if (!std::isfinite(value))
        return 0;
    // Where the point also groups thousands, "1.234" is the one text documented to read otherwise.
    if (locale.groupSeparator() == QLatin1String("."))
        return 0;
    const QString plain = toolkit::PlainNumber::write(value);
    const double again = toolkit::FormattedNumber::read(plain, locale);
    fuzz::check(again == value, "plain number text reads back as the number",
                QStringLiteral("%1 wrote «%2» read %3").arg(value, 0, 'g', 17).arg(plain).arg(again, 0, 'g', 17));
    return 0;
}
