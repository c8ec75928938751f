#pragma once
// The simulated market's past: bars made up backwards from an instrument's last price, so that
// a chart opened on the feed has history that ends where the live ticks begin. The same seed,
// instrument and bar length always give the same bars.

#include "platform/modules/NDateTime.h"
#include "platform/modules/PriceBar.h"
#include "providers/simfeed/SimInstrument.h"

#include <cstdint>
#include <vector>

class SimHistory
{
public:
    // count bars of barSeconds (0: one transaction each) ending just before end, the last one
    // closing at lastTicks; oldest first. Prices stay at least one tick above zero.
    static std::vector<PriceBar> Bars(const SimInstrument& instrument, std::int64_t lastTicks, const NDateTime& end,
                                      int barSeconds, int count, std::uint64_t seed);
};
