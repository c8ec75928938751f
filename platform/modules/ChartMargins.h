#pragma once
// The empty space a chart keeps above and below its values and right of its newest bar, in
// percent of the view.

struct ChartMargins
{
    int top = 5;
    int bottom = 5;
    int right = 2;
};
