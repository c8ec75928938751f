#include "orderssheet/ui/OrdersSheetPaneGeometry.h"

#include <algorithm>
#include <cmath>

namespace OrdersSheetPaneGeometry
{
namespace
{
int Gap(bool wideSplitters)
{
    return wideSplitters ? 2 : 1;
}

// The last pane takes what is left; every height is at least 0 in a small window.
RightColumn Column(int supply, int chart, int demand, int remembered)
{
    return RightColumn{std::max(0, supply), std::max(0, chart), std::max(0, demand), remembered};
}
}

std::map<int, QSize> CreationSizes(int width, int height, bool chartVisible)
{
    const int chart = chartVisible ? int(height * 0.3) : 0;
    const int half = int((height - chart) * 0.5);
    const int left = std::max(0, width - kRightColumnWidth);
    return {
        {kGapPane, QSize(10, height)},
        {kSupplySummaryPane, QSize(kRightColumnWidth, half)},
        {kChartPane, QSize(kRightColumnWidth, chart)},
        {kDemandSummaryPane, QSize(kRightColumnWidth, half)},
        {kComplexPane, QSize(left, int(height * 0.5))},
        {kSecondTablePane, QSize(left, int(height * 0.5))},
    };
}

int MinimumWidth(bool ordersPaneVisible, bool summaryVisible, int complexPaneMinWidth)
{
    int width = !ordersPaneVisible || summaryVisible ? kNarrowWidth : 0;
    if (ordersPaneVisible)
        width += complexPaneMinWidth;
    return width;
}

int MaximumWidth(bool ordersPaneVisible)
{
    return ordersPaneVisible ? kUnlimited : kNarrowWidth;
}

int ToggledMode(int mode)
{
    return mode == 1 ? 2 : 1;
}

bool IsValidBorder(double value)
{
    return value >= 0.0 && value <= 1.0;
}

RightColumn AfterLeftSplitMoved(int y, int chart, int remembered, int hostHeight, bool wideSplitters)
{
    const int g = Gap(wideSplitters);
    int h = std::max(chart, remembered);
    int rememberedChart = -1;
    const int below = hostHeight - y;
    if (h / 2 > y)
    {
        rememberedChart = h;
        h = 2 * y;
    }
    else if (h / 2 > below)
    {
        rememberedChart = h;
        h = 2 * below;
    }
    const int supply = y - int(g * 0.5) - int(h * 0.5);
    return Column(supply, h, hostHeight - 2 * g - h - std::max(0, supply), rememberedChart);
}

RightColumn AfterChartTopMoved(int y, int top, int hostHeight, bool wideSplitters)
{
    const int g = Gap(wideSplitters);
    const int h = std::max(0, 2 * (y - int(g * 0.5) - top));
    return Column(top, h, hostHeight - 2 * g - h - top, -1);
}

RightColumn AfterChartBottomMoved(int d, int bottom, int hostHeight, bool wideSplitters)
{
    const int g = Gap(wideSplitters);
    const int h = std::max(0, 2 * (d - int(g * 0.5) - bottom));
    return Column(hostHeight - 2 * g - h - bottom, h, bottom, -1);
}

int CentredOrdersHeight(int hostHeight, int currValueRowHeight)
{
    return int(hostHeight * 0.5 + currValueRowHeight + 2);
}

bool IsSplitterMovable(int paneId, bool chartVisible)
{
    if (paneId == kComplexPane)
        return false;
    if (paneId == kSupplySummaryPane || paneId == kDemandSummaryPane || paneId == kChartPane)
        return chartVisible;
    return true;
}

QString PaneSizeKey(bool width, int paneId)
{
    return QString::asprintf("PaneData_%s_%d", width ? "X" : "Y", paneId);
}
}
