#pragma once
// The feed's source of chance: the same seed gives the same numbers on every machine and
// with every standard library (splitmix64, integer arithmetic only).

#include <cstdint>

class SimRandom
{
public:
    explicit SimRandom(std::uint64_t seed)
        : m_state(seed)
    {
    }

    std::uint64_t Next();
    // Uniform in [low, high]; low when high < low.
    std::int64_t NextInt(std::int64_t low, std::int64_t high);
    // True with the chance percent in 100.
    bool Chance(int percent);
    // Uniform in [0, 1).
    double Uniform();
    // Close to the standard normal (mean 0, deviation 1, within ±3.5), from plain arithmetic.
    double Normal();

private:
    std::uint64_t m_state;
};
