#pragma once
// The settings of the simulated feed: where its random walk starts and how fast it ticks.

#include "providers/simfeed/SimOrderBook.h"

#include <chrono>
#include <cstdint>

struct SimFeedOptions
{
    std::uint64_t seed = 20240506;
    std::chrono::milliseconds tickInterval{250};
    // Instrument ticks in one step; with the interval this is the feed's rate.
    int ticksPerStep = 8;
    int statisticsEverySteps = 4;
    // Order-book levels a side that quote receivers get.
    int bookLevels = SimOrderBook::kRequiredLevels;
};
