#include "toolkit/ShortestFixed.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace toolkit {

namespace {

constexpr double Powers[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};

} // namespace

bool ShortestFixed::covers(double value)
{
    const double magnitude = std::fabs(value);
    return (value == 0.0 && !std::signbit(value)) || (magnitude >= 1e-4 && magnitude < 1e15);
}

ShortestFixed::ShortestFixed(double value)
{
    if (writeFewDecimals(value))
        return;
    std::array<char, 48> digits;
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    if (written.ec != std::errc())
        return;
    m_size = written.ptr - digits.data();
    std::copy(digits.data(), written.ptr, m_digits.begin());
}

bool ShortestFixed::writeFewDecimals(double value)
{
    // Amounts and weights mostly have up to four decimals. When value is exactly the double
    // nearest to whole / 10^decimals, those digits read back to it, and no shorter ones do:
    // below 16 significant digits, two decimals never round to the same double.
    for (int decimals = 0; decimals < int(std::size(Powers)); ++decimals) {
        const double whole = std::rint(value * Powers[decimals]);
        if (!(std::fabs(whole) < 1e15))
            return false;
        if (whole / Powers[decimals] != value)
            continue;
        std::array<char, 24> digits;
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), qint64(std::fabs(whole))).ptr;
        const qsizetype count = end - digits.data();
        char16_t *out = m_digits.data();
        if (std::signbit(value) && whole != 0.0)
            *out++ = u'-';
        const qsizetype integers = count - decimals;
        if (integers <= 0)
            *out++ = u'0';
        else
            out = std::copy(digits.data(), digits.data() + integers, out);
        if (decimals > 0) {
            *out++ = u'.';
            out = std::fill_n(out, std::max<qsizetype>(-integers, 0), u'0');
            out = std::copy(digits.data() + std::max<qsizetype>(integers, 0), end, out);
        }
        m_size = out - m_digits.data();
        return true;
    }
    return false;
}

} // namespace toolkit
