#pragma once

#include <chrono>
#include <cstdio>

// Wall-clock time since construction, and the one-line report every benchmark prints:
// "name: value unit".
class BenchTimer
{
public:
    BenchTimer() : m_start(std::chrono::steady_clock::now()) {}

    double seconds() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }

    static void report(const char *name, double value, const char *unit)
    {
        std::printf("%s: %.3f %s\n", name, value, unit);
        std::fflush(stdout);
    }

    static void report(const char *name, long long value, const char *unit)
    {
        std::printf("%s: %lld %s\n", name, value, unit);
        std::fflush(stdout);
    }

private:
    std::chrono::steady_clock::time_point m_start;
};
