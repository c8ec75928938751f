#pragma once
// The standard edition's step of the chart command target: after the interval popup closed
// with apply, the active chart takes the interval the popup holds and fetches its data again.

#include "charts/ui/CmdTargetChartProcessor.h"

class CmdTargetChartProcessorQ4Classic : public CmdTargetChartProcessor
{
public:
    void ApplyIntervalChange() override;
};
