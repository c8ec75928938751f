#pragma once
// What the session-statistics window shows: the top ten of each statistic kind and the overall
// figures. The module's worker thread computes it; the window takes copies of it on the main
// thread, so the two never share anything that changes.

#include "platform/modules/EAssetStatisticType.h"
#include "sessionstats/engine/AssetStatisticsContainer.h"
#include "sessionstats/engine/OverallStatisticsWrapper.h"

#include <array>
#include <cstdint>

struct SessionStatisticsDisplayData
{
    // By EAssetStatisticType.
    std::array<AssetStatisticsContainer, kAssetStatisticTypes> highest;
    OverallStatisticsWrapper overall;
    // Counts the processed statistics and session changes, so a view can tell new data from old.
    std::uint64_t revision = 0;
};
