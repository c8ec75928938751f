#pragma once
// The names under which the chart intervals are offered to the user.

#include "platform/modules/DataRequestParams.h"

#include <QString>

class IntervalTranslator
{
public:
    // Empty for an interval the charts do not know.
    static QString TranslateInterwalToLabel(EInterval interval);
};
