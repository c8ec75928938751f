#pragma once
// The parameters of a drawn object (formation) on a chart, each kept as a simple value: the
// points it is anchored at (bar time as a day count, price), and whether its line runs on past
// its points.

#include <QVariant>

using SimpleValue = QVariant;

// 0 no tool; 1 trend line.
using FormationType = int;

class FormationParam
{
public:
    enum Type
    {
        BeginTime = 0,
        BeginValue = 1,
        EndTime = 2,
        EndValue = 3,
        ExtendLeft = 4,
        ExtendRight = 5,
        StyleId = 6,
    };

    static constexpr FormationType kNoTool = 0;
    static constexpr FormationType kTrendLine = 1;
};
