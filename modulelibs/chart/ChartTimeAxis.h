#pragma once
// The labels under a chart's time axis: which of the shown bars get one and what it reads. Bars
// are labelled at even steps wide enough for a label; a daily chart reads dates, a shorter one
// times, with seconds when the labelled bars lie less than a minute apart (a busy tick chart).
// A label that would read as the one before it is left out, so no text shows twice in a row.

#include "modulelibs/chart/ChartBars.h"

#include <QString>

#include <vector>

namespace ChartTimeAxis
{
struct Label
{
    int bar = 0;
    QString text;
};

struct Labels
{
    // The room a label takes, in pixels.
    int width = 0;
    std::vector<Label> labels;
};

// The labels of the bars first..last, barWidth pixels apart.
Labels Make(const ChartBars& bars, int first, int last, double barWidth, bool daily);
}
