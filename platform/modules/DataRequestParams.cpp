#include "platform/modules/DataRequestParams.h"

int DataRequestParams::BarSeconds() const
{
    switch (interval)
    {
    case kMinute:
        return 60 * multiplicity;
    case kDay:
        return 86400 * multiplicity;
    default:
        return 0;
    }
}

bool DataRequestParams::IsValid() const
{
    return (interval == kTick || interval == kMinute || interval == kDay) && multiplicity > 0 && multiplicity <= 1000
           && historyCount >= 0 && historyCount <= 1000000;
}
