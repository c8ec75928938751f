#include "orderssheet/ui/OrdersSheetPaneGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
using namespace OrdersSheetPaneGeometry;

TEST(OrdersSheetPaneGeometryTest, CreationSizes)
{
    const auto shown = CreationSizes(800, 501, true);
    EXPECT_EQ(shown.at(kChartPane), QSize(128, 150));
    EXPECT_EQ(shown.at(kSupplySummaryPane), QSize(128, 175));
    EXPECT_EQ(shown.at(kDemandSummaryPane), QSize(128, 175));
    EXPECT_EQ(shown.at(kComplexPane), QSize(672, 250));
    EXPECT_EQ(shown.at(kSecondTablePane), QSize(672, 250));
    const auto hidden = CreationSizes(800, 501, false);
    EXPECT_EQ(hidden.at(kChartPane).height(), 0);
    EXPECT_EQ(hidden.at(kSupplySummaryPane).height(), 250);
}

TEST(OrdersSheetPaneGeometryTest, WidthRulesModeAndBorder)
{
    struct Case
    {
        bool orders;
        bool summary;
        int minimum;
        int maximum;
    };
    for (const Case& c : {Case{true, true, 133 + 300, kUnlimited}, Case{true, false, 300, kUnlimited},
                          Case{false, true, 133, 133}, Case{false, false, 133, 133}})
    {
        EXPECT_EQ(MinimumWidth(c.orders, c.summary, 300), c.minimum) << c.orders << c.summary;
        EXPECT_EQ(MaximumWidth(c.orders), c.maximum);
    }
    EXPECT_EQ(ToggledMode(1), 2);
    EXPECT_EQ(ToggledMode(2), 1);
    EXPECT_EQ(ToggledMode(0), 1);
    EXPECT_EQ(ToggledMode(7), 1);
    for (double accepted : {0.0, 1.0, 0.25})
        EXPECT_TRUE(IsValidBorder(accepted)) << accepted;
    for (double refused : {1.01, -0.01, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(IsValidBorder(refused)) << refused;
}

TEST(OrdersSheetPaneGeometryTest, RightColumnFollowsTheLeftSplit)
{
    // Normal: the chart (100) is centred on y = 250 of a 500 high host.
    const RightColumn normal = AfterLeftSplitMoved(250, 100, -1, 500, false);
    EXPECT_EQ(normal.supply, 250 - 0 - 50);
    EXPECT_EQ(normal.chart, 100);
    EXPECT_EQ(normal.demand, 500 - 2 - 100 - 200);
    EXPECT_EQ(normal.rememberedChart, -1);

    // The split is too high for half of the chart: the chart shrinks to 2y and is remembered.
    const RightColumn high = AfterLeftSplitMoved(30, 100, -1, 500, true);
    EXPECT_EQ(high.chart, 60);
    EXPECT_EQ(high.rememberedChart, 100);
    EXPECT_EQ(high.supply, 0) << "30 - 1 - 30 is clamped at 0";

    // Too low: twice the room below; a remembered larger chart comes back when it fits.
    const RightColumn low = AfterLeftSplitMoved(480, 60, 100, 500, false);
    EXPECT_EQ(low.chart, 40);
    EXPECT_EQ(low.rememberedChart, 100);
    const RightColumn back = AfterLeftSplitMoved(250, 40, 100, 500, false);
    EXPECT_EQ(back.chart, 100);

    const RightColumn top = AfterChartTopMoved(250, 180, 500, false);
    EXPECT_EQ(top.chart, 140);
    EXPECT_EQ(top.demand, 500 - 2 - 140 - 180);
    const RightColumn bottom = AfterChartBottomMoved(250, 190, 500, false);
    EXPECT_EQ(bottom.chart, 120);
    EXPECT_EQ(bottom.supply, 500 - 2 - 120 - 190);

    // A small window never gets negative heights.
    const RightColumn tiny = AfterChartTopMoved(10, 40, 30, true);
    EXPECT_GE(tiny.supply, 0);
    EXPECT_GE(tiny.chart, 0);
    EXPECT_GE(tiny.demand, 0);
}

TEST(OrdersSheetPaneGeometryTest, RecentringSplittersAndKeys)
{
    EXPECT_EQ(CentredOrdersHeight(501, 18), 270);
    EXPECT_FALSE(IsSplitterMovable(kComplexPane, true));
    for (int pane : {kSupplySummaryPane, kChartPane, kDemandSummaryPane})
    {
        EXPECT_TRUE(IsSplitterMovable(pane, true)) << pane;
        EXPECT_FALSE(IsSplitterMovable(pane, false)) << pane;
    }
    EXPECT_TRUE(IsSplitterMovable(kSecondTablePane, false));
    EXPECT_EQ(PaneSizeKey(true, 1102), QStringLiteral("PaneData_X_1102"));
    EXPECT_EQ(PaneSizeKey(false, 1101), QStringLiteral("PaneData_Y_1101"));
}
}
