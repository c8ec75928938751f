#pragma once
// One instrument of the simulated market as the catalogue describes it. Prices are counted in
// ticks, the smallest price step, so that the walk never meets a rounding error.

#include <QString>

#include <cstdint>

struct SimInstrument
{
    QString ticker;
    QString name;
    QString isin;
    QString market;
    std::int64_t referenceTicks = 0;
    int tickHundredths = 1;      // the price step in hundredths of a zloty
    // What a session usually trades, in shares (bonds: pieces); a session's volume strays around it.
    double dailyVolume = 100000.0;
    // The usual spread of a session's change, as a fraction of the price.
    double dailySwing = 0.015;

    double Price(std::int64_t ticks) const { return static_cast<double>(ticks * tickHundredths) / 100.0; }
};
