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

    double Price(std::int64_t ticks) const { return static_cast<double>(ticks * tickHundredths) / 100.0; }
};
