#include "charts/ui/IntervalLimits.h"

int IntervalLimits::GetLimitMultiplicity(EInterval interval)
{
    switch (interval)
    {
    case DataRequestParams::kTick:
        return 1000;
    case DataRequestParams::kMinute:
        return 240;
    case DataRequestParams::kDay:
        return 60;
    default:
        return 0;
    }
}
