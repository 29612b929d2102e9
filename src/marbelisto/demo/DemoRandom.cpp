#include "marbelisto/demo/DemoRandom.h"

#include <cmath>

namespace marbelisto {

int DemoRandom::between(int low, int high)
{
    const std::uint64_t span = std::uint64_t(std::int64_t(high) - low + 1);
    // Multiply-and-shift maps 32 random bits onto the span without a division.
    return int(std::int64_t(low) + std::int64_t((std::uint64_t(m_engine()) * span) >> 32));
}

double DemoRandom::real(double low, double high, int decimals)
{
    const double unit = double(m_engine()) / 4294967296.0;
    const double scale = std::pow(10.0, decimals);
    return std::round((low + (high - low) * unit) * scale) / scale;
}

bool DemoRandom::chance(int percent)
{
    return between(1, 100) <= percent;
}

} // namespace marbelisto
