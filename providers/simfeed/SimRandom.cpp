#include "providers/simfeed/SimRandom.h"

std::uint64_t SimRandom::Next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::int64_t SimRandom::NextInt(std::int64_t low, std::int64_t high)
{
    if (high <= low)
        return low;
    const std::uint64_t span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<std::int64_t>(Next() % span);
}

bool SimRandom::Chance(int percent)
{
    return NextInt(0, 99) < percent;
}

double SimRandom::Uniform()
{
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

double SimRandom::Normal()
{
    // Four uniforms add up to a bell of variance 1/3 around 2.
    const double sum = Uniform() + Uniform() + Uniform() + Uniform();
    return (sum - 2.0) * 1.7320508075688772;
}
