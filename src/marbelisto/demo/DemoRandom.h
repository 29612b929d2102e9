#pragma once

#include <QtGlobal>

#include <cstdint>
#include <random>

namespace marbelisto {

// Random numbers that come out the same on every machine for one seed: the engine is
// std::mt19937 (fully specified by the standard) and the ranges are computed here, since
// the standard library's distributions differ between implementations.
class DemoRandom
{
public:
    explicit DemoRandom(std::uint32_t seed) : m_engine(seed) {}

    // A whole number in [low, high].
    int between(int low, int high);
    // A number in [low, high), rounded to the given decimals.
    double real(double low, double high, int decimals);
    // True with the given probability in percent.
    bool chance(int percent);

private:
    std::mt19937 m_engine;
};

} // namespace marbelisto
