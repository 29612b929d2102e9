// Plain number text as hidden grid cells hold it. Any text reads (never NaN); every finite
// double, taken bit for bit from the input, is written and read back exactly.
#include "FuzzInput.h"

#include "toolkit/PlainNumber.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const double read = toolkit::PlainNumber::read(fuzz::text(data, size));
    fuzz::check(!std::isnan(read), "plain number text is never NaN", fuzz::text(data, size));

    double value = 0;
    if (size < sizeof value)
        return 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0;
    const QString written = toolkit::PlainNumber::write(value);
    const double again = toolkit::PlainNumber::read(written);
    fuzz::check(again == value, "a written number reads back exactly",
                QStringLiteral("%1 wrote «%2» read %3").arg(value, 0, 'g', 17).arg(written).arg(again, 0, 'g', 17));
    return 0;
}
