#include "orderssheet/settings/OrdersSheetSettings.h"
#include "orderssheet/ui/OrdersSheetSummaryChartCtrl.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

#include <QImage>

namespace
{
using D = OSSummaryChartData;

OSSummaryValues Summary(int count, double value, int realCount, double realValue)
{
    OSSummaryValues summary;
    summary.orderCount = count;
    summary.totalValue = value;
    summary.count = realCount;
    summary.value = realValue;
    return summary;
}

TEST(OSSummaryChartDataTest, NoOrdersGiveZerosWithoutDividing)
{
    const D data = D::Compute({}, {});
    for (int series = 0; series < D::kSeriesCount; ++series)
    {
        for (double share : data.Get(series).shares)
        {
            EXPECT_EQ(share, 0.0);
            EXPECT_FALSE(std::isnan(share));
        }
    }
}

TEST(OSSummaryChartDataTest, SharesSignsAndScaling)
{
    // Supply only: its count share 1.0 is drawn at 0.9.
    const D supplyOnly = D::Compute(Summary(4, 400, 2, 100), {});
    EXPECT_DOUBLE_EQ(supplyOnly.Get(D::SupplyBars).shares[D::CountPoint], 0.9);
    EXPECT_DOUBLE_EQ(supplyOnly.Get(D::SupplyLine).shares[D::CountPoint], 0.45);
    EXPECT_DOUBLE_EQ(supplyOnly.Get(D::DemandBars).shares[D::CountPoint], 0.0);

    const D both = D::Compute(Summary(3, 300, 1, 100), Summary(1, 300, 1, 300));
    // Counts: 3 and 1 of 4 (largest 0.75 needs no scaling); demand below the line.
    EXPECT_DOUBLE_EQ(both.Get(D::SupplyBars).shares[D::CountPoint], 0.75);
    EXPECT_DOUBLE_EQ(both.Get(D::DemandBars).shares[D::CountPoint], -0.25);
    // Values: 300 and 300 of 600.
    EXPECT_DOUBLE_EQ(both.Get(D::SupplyBars).shares[D::ValuePoint], 0.5);
    EXPECT_DOUBLE_EQ(both.Get(D::DemandLine).shares[D::ValuePoint], -0.5);
    // Averages: supply 100 (real 100), demand 300 (real 300); divisor 100 + 300.
    EXPECT_DOUBLE_EQ(both.Get(D::SupplyBars).shares[D::AveragePoint], 0.25);
    EXPECT_DOUBLE_EQ(both.Get(D::DemandBars).shares[D::AveragePoint], -0.75);
    for (int series = 0; series < D::kSeriesCount; ++series)
    {
        for (double share : both.Get(series).shares)
            EXPECT_LE(std::fabs(share), 0.9);
    }
    EXPECT_DOUBLE_EQ(both.Get(D::DemandBars).raw[D::AveragePoint], 300);
}

TEST(OSSummaryChartDataTest, ASideThatLostItsOrdersShowsNothing)
{
    const D data = D::Compute(Summary(0, 0, 0, 0), Summary(2, 50, 1, 20));
    for (double share : data.Get(D::SupplyBars).shares)
        EXPECT_EQ(share, 0.0);
    EXPECT_DOUBLE_EQ(data.Get(D::DemandBars).shares[D::CountPoint], -0.9);
}

TEST(OSSummaryChartDataTest, TooltipTexts)
{
    EXPECT_EQ(D::TooltipText(D::SupplyBars, D::CountPoint, QStringLiteral("4")), QStringLiteral("Podaż - liczba zleceń:\n4"));
    EXPECT_EQ(D::TooltipText(D::DemandLine, D::ValuePoint, QStringLiteral("1.50")),
              QStringLiteral("Wartość popytu realnego:\n1.50"));
    EXPECT_EQ(D::TooltipText(D::SupplyLine, D::AveragePoint, QStringLiteral("2")),
              QStringLiteral("Podaż realna - średnia wartość zlecenia:\n2"));
    EXPECT_TRUE(D::TooltipText(4, 0, QStringLiteral("1")).isEmpty());
}

TEST(OrdersSheetSummaryChartCtrlTest, PaintsStyleColoursAndFindsPoints)
{
    TestApplication::Ensure();
    OrdersSheetSettings settings;
    settings.GetStyle()->SetValue(StyleOrdersSheet::ParamChartSellTotalValColor, 0x00FF00);
    OrdersSheetSummaryChartCtrl chart;
    chart.resize(OrdersSheetSummaryChartCtrl::kChartWidth, 200);
    EXPECT_TRUE(chart.TooltipFor(D::SupplyBars, D::CountPoint).isEmpty()) << "no settings, no tooltip";
    chart.SetSettings(&settings);
    chart.Update(Summary(3, 300, 0, 0), Summary(1, 100, 0, 0));

    QImage image(chart.size(), QImage::Format_RGB32);
    chart.render(&image);
    const QPointF supplyBar = OrdersSheetSummaryChartCtrl::PointPosition(chart.size(), D::CountPoint, 0.4);
    EXPECT_EQ(image.pixelColor(supplyBar.toPoint()), QColor(Qt::green)) << "the supply bars in the style's colour";
    const QPointF demandBar = OrdersSheetSummaryChartCtrl::PointPosition(chart.size(), D::CountPoint, -0.2);
    EXPECT_EQ(image.pixelColor(demandBar.toPoint()), QColor(Qt::blue));

    const auto hit = chart.HitTest(supplyBar.toPoint());
    ASSERT_TRUE(hit);
    EXPECT_EQ(*hit, std::make_pair(int(D::SupplyBars), int(D::CountPoint)));
    EXPECT_EQ(chart.TooltipFor(hit->first, hit->second), QStringLiteral("Podaż - liczba zleceń:\n3"));
    EXPECT_FALSE(chart.HitTest(OrdersSheetSummaryChartCtrl::PointPosition(chart.size(), D::CountPoint, 0.85).toPoint()));
}
}
