#pragma once
// How many intervals one bar of a chart may gather at most.

#include "platform/modules/DataRequestParams.h"

class IntervalLimits
{
public:
    // 0 for an interval the charts do not know.
    static int GetLimitMultiplicity(EInterval interval);
};
