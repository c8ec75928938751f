#pragma once
// What the summary chart of a sheet draws: for each side the share of the number of orders,
// of the order value and of the average order value, for all orders (bars) and for the real
// orders only (lines); supply above the zero line, demand below, each group scaled to at most
// 0.9. A side without any orders draws nothing rather than its last figures.

#include "orderssheet/engine/OSSummaryValues.h"

#include <QString>

#include <array>

class OSSummaryChartData
{
public:
    enum Series
    {
        SupplyBars = 0,
        DemandBars = 1,
        SupplyLine = 2,
        DemandLine = 3,
    };
    enum Point
    {
        CountPoint = 0,
        ValuePoint = 1,
        AveragePoint = 2,
    };
    static constexpr int kSeriesCount = 4;
    static constexpr int kPointCount = 3;
    static constexpr double kLargest = 0.9;

    // The figures of one series: the shares drawn (signed) and the raw numbers they come from.
    struct SeriesPoints
    {
        std::array<double, kPointCount> shares{};
        std::array<double, kPointCount> raw{};
    };

    static OSSummaryChartData Compute(const OSSummaryValues& supply, const OSSummaryValues& demand);

    const SeriesPoints& Get(int series) const { return m_series[std::size_t(series)]; }
    // The tooltip of a point, with its raw number written as given.
    static QString TooltipText(int series, int point, const QString& number);

private:
    std::array<SeriesPoints, kSeriesCount> m_series{};
};
