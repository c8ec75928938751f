#pragma once
// The kinds of drawn objects (formations) on a chart and the keys of their parameters. A
// parameter is read and written on the active formation as a simple value: a text, a number, a
// whole number, a flag, or a nested shared value (the levels of the Fibonacci and Gann tools).

#include <QVariant>

using SimpleValue = QVariant;

// 0 no tool; the numbers of the drawing-tool commands.
using FormationType = int;

class FormationParam
{
public:
    enum Type
    {
        Name = 0,
        ExtendToBegin = 1,
        ExtendToEnd = 2,
        ShowLabel = 3,
        Angle = 4,
        ShowDescriptions = 5,
        NumericDescriptions = 6,
        FiboLevels = 8,
        TimeZoneMultiplier = 9,
        GannLevels = 10,
        GannDescriptions = 11,
        GannIncrement = 12,
        ChannelType = 14,
        Deviation = 15,
        ChannelPrice = 16,
        OtherPricesAvailable = 17,
        ShowValue = 18,
        PitchforkConnector = 19,
        CycleLength = 20,
        Fill = 21,
        // The chart library's own: the style of the formation and the series it is tied to.
        StyleId = 100,
        SeriesId = 101,
        // Which symbol a symbol formation shows.
        SymbolId = 102,
    };

    static constexpr FormationType kNoTool = 0;
    static constexpr FormationType kSegment = 2;
    static constexpr FormationType kRay = 3;
    static constexpr FormationType kLine = 4;
    static constexpr FormationType kVertical = 5;
    static constexpr FormationType kHorizontal = 6;
    static constexpr FormationType kAngleLine = 7;
    static constexpr FormationType kParallelChannel = 8;
    static constexpr FormationType kPitchfork = 9;
    static constexpr FormationType kFan = 14;
    static constexpr FormationType kTriangle = 15;
    static constexpr FormationType kEllipse = 16;
    static constexpr FormationType kRectangle = 17;
    static constexpr FormationType kCycleLines = 18;
    static constexpr FormationType kGannLine = 19;
    static constexpr FormationType kGannGrid = 20;
    static constexpr FormationType kGannFan = 21;
    static constexpr FormationType kFiboRetracement = 22;
    static constexpr FormationType kFiboFan = 23;
    static constexpr FormationType kFiboArcs = 24;
    static constexpr FormationType kFiboProjection = 25;
    static constexpr FormationType kFiboTimeRange = 26;
    static constexpr FormationType kFiboTimeZones = 27;
    static constexpr FormationType kSymbol = 28;
    static constexpr FormationType kRegressionChannel = 29;
    static constexpr FormationType kText = 30;
    static constexpr FormationType kEraser = 32;
    // The trend line of window files written before the other kinds existed; read as a segment.
    static constexpr FormationType kLegacyTrendLine = 1;
};
