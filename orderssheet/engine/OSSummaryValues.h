#pragma once
// The summary of one side of a sheet for its summary pane and chart: the side's totals and the
// figures of one of its price levels (zeros when the side has no level of that id).

struct OSSummaryValues
{
    double totalValue = 0.0;
    int orderCount = 0;
    int specialCount = 0;
    int count = 0;
    double value = 0.0;
    double limit = 0.0;

    friend bool operator==(const OSSummaryValues& a, const OSSummaryValues& b) = default;
};
