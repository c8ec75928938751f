#pragma once
// One bar of a price chart: the time its interval began, its open, high, low and close, and
// the volume traded in it.

#include "platform/modules/NDateTime.h"

struct PriceBar
{
    NDateTime time;
    double open = 0.0;
    double high = 0.0;
    double low = 0.0;
    double close = 0.0;
    double volume = 0.0;
};
