#pragma once
// The edition's step of the chart command target: applying the interval the interval popup
// holds. The edition factory makes it.

#include "platform/ui/CmdTarget.h"

class CmdTargetChartProcessor : public CmdTarget
{
public:
    virtual void ApplyIntervalChange() = 0;
};
