#pragma once
// The arithmetic of an orders-sheet window's panes, apart from the widgets that apply it: the
// panes' sizes when they are made, the window's width limits, the mode toggle, the right
// column's heights that keep the chart centred on the left column's split, the re-centring
// of the orders pane, which splitters may be dragged, and the keys of saved pane sizes.
//
// Panes: 1100 the complex pane (orders), 1101 the second table, 1105 a gap, 1102 the supply
// summary, 1104 the chart, 1103 the demand summary; the right column is 128 pixels wide.

#include <QSize>
#include <QString>

#include <map>

namespace OrdersSheetPaneGeometry
{
enum PaneId : int
{
    kComplexPane = 1100,
    kSecondTablePane = 1101,
    kSupplySummaryPane = 1102,
    kDemandSummaryPane = 1103,
    kChartPane = 1104,
    kGapPane = 1105,
};

inline constexpr int kRightColumnWidth = 128;
inline constexpr int kNarrowWidth = 133;
inline constexpr int kUnlimited = 100000;

// Width by height of each pane for a host client area of width by height.
std::map<int, QSize> CreationSizes(int width, int height, bool chartVisible);

// The host's minimum and maximum widths.
int MinimumWidth(bool ordersPaneVisible, bool summaryVisible, int complexPaneMinWidth);
int MaximumWidth(bool ordersPaneVisible);

// The mode a toggle gives: 2 from 1, 1 from anything else.
int ToggledMode(int mode);
// Whether a border fraction may be stored (0..1 inclusive; not a number is refused).
bool IsValidBorder(double value);

// The right column's heights; none is negative.
struct RightColumn
{
    int supply = 0;  // pane 1102
    int chart = 0;   // pane 1104
    int demand = 0;  // pane 1103
    int rememberedChart = -1;  // the chart height to come back to; -1 when none
};

// The left split moved: y is pane 1100's height, chart the chart's height (the remembered one
// when larger), hostHeight the host's client height.
RightColumn AfterLeftSplitMoved(int y, int chart, int remembered, int hostHeight, bool wideSplitters);
// The chart's upper edge moved to give pane 1102 the height top.
RightColumn AfterChartTopMoved(int y, int top, int hostHeight, bool wideSplitters);
// The chart's lower edge moved: d is pane 1101's height, bottom pane 1103's.
RightColumn AfterChartBottomMoved(int d, int bottom, int hostHeight, bool wideSplitters);

// Pane 1100's height that centres the split below the current-value row.
int CentredOrdersHeight(int hostHeight, int currValueRowHeight);
// Whether the splitter of the pane may be dragged.
bool IsSplitterMovable(int paneId, bool chartVisible);

// "PaneData_X_1102" and "PaneData_Y_1102" for pane 1102.
QString PaneSizeKey(bool width, int paneId);
}
