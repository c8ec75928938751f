#include "orderssheet/ui/OSSummaryChartData.h"

#include <algorithm>
#include <cmath>

namespace
{
struct Side
{
    double count = 0;
    double value = 0;
    double average = 0;
    double realCount = 0;
    double realValue = 0;
    double realAverage = 0;
};

Side Figures(const OSSummaryValues& summary)
{
    Side side;
    side.count = summary.orderCount;
    side.value = summary.totalValue;
    side.realCount = summary.count;
    side.realValue = summary.value;
    side.average = side.count != 0 ? side.value / side.count : 0;
    side.realAverage = side.realCount != 0 ? side.realValue / side.realCount : 0;
    return side;
}

// Divides the four by the divisor (all 0 when it is 0), then scales them to at most 0.9.
void Share(std::array<double*, 4> group, double divisor)
{
    double largest = 0;
    for (double* member : group)
    {
        *member = divisor != 0 ? *member / divisor : 0;
        largest = std::max(largest, std::fabs(*member));
    }
    if (largest > OSSummaryChartData::kLargest)
    {
        for (double* member : group)
            *member *= OSSummaryChartData::kLargest / largest;
    }
}

const char* const kTooltips[OSSummaryChartData::kPointCount][OSSummaryChartData::kSeriesCount] = {
    {"Podaż - liczba zleceń:\n%1", "Popyt - liczba zleceń:\n%1", "Podaż realna - liczba zleceń:\n%1",
     "Popyt realny - liczba zleceń:\n%1"},
    {"Wartość podaży:\n%1", "Wartość popytu:\n%1", "Wartość podaży realnej:\n%1", "Wartość popytu realnego:\n%1"},
    {"Podaż - średnia wartość zlecenia:\n%1", "Popyt - średnia wartość zlecenia:\n%1",
     "Podaż realna - średnia wartość zlecenia:\n%1", "Popyt realny - średnia wartość zlecenia:\n%1"},
};
}

OSSummaryChartData OSSummaryChartData::Compute(const OSSummaryValues& supplySummary, const OSSummaryValues& demandSummary)
{
    const Side supplyRaw = Figures(supplySummary);
    const Side demandRaw = Figures(demandSummary);
    Side supply = supplyRaw;
    Side demand = demandRaw;
    Share({&supply.count, &supply.realCount, &demand.count, &demand.realCount}, supplyRaw.count + demandRaw.count);
    Share({&supply.value, &supply.realValue, &demand.value, &demand.realValue}, supplyRaw.value + demandRaw.value);
    Share({&supply.average, &supply.realAverage, &demand.average, &demand.realAverage},
          std::max(supplyRaw.average, supplyRaw.realAverage) + std::max(demandRaw.average, demandRaw.realAverage));

    OSSummaryChartData data;
    auto fill = [&data](int series, const Side& shares, const Side& raw, bool real, double sign) {
        SeriesPoints& points = data.m_series[std::size_t(series)];
        points.raw = real ? std::array<double, kPointCount>{raw.realCount, raw.realValue, raw.realAverage}
                          : std::array<double, kPointCount>{raw.count, raw.value, raw.average};
        const std::array<double, kPointCount> drawn =
            real ? std::array<double, kPointCount>{shares.realCount, shares.realValue, shares.realAverage}
                 : std::array<double, kPointCount>{shares.count, shares.value, shares.average};
        for (int point = 0; point < kPointCount; ++point)
            points.shares[std::size_t(point)] = sign * drawn[std::size_t(point)];
    };
    fill(SupplyBars, supply, supplyRaw, false, 1.0);
    fill(DemandBars, demand, demandRaw, false, -1.0);
    fill(SupplyLine, supply, supplyRaw, true, 1.0);
    fill(DemandLine, demand, demandRaw, true, -1.0);
    return data;
}

QString OSSummaryChartData::TooltipText(int series, int point, const QString& number)
{
    if (series < 0 || series >= kSeriesCount || point < 0 || point >= kPointCount)
        return {};
    return QString::fromUtf8(kTooltips[point][series]).arg(number);
}
