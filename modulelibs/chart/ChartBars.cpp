#include "modulelibs/chart/ChartBars.h"

#include <algorithm>
#include <cmath>
#include <utility>

ChartBars::ChartBars(const DataRequestParams& request)
    : m_request(request)
{
}

void ChartBars::SetRequest(const DataRequestParams& request)
{
    m_request = request;
    m_bars.clear();
    m_ticksInLastBar = 0;
}

void ChartBars::SetHistory(std::vector<PriceBar> bars)
{
    m_bars = std::move(bars);
    // History bars of a tick chart are complete.
    m_ticksInLastBar = m_request.multiplicity;
}

double ChartBars::IntervalStart(double dayCount) const
{
    const int seconds = m_request.BarSeconds();
    if (seconds <= 0)
        return dayCount;
    const double length = seconds / 86400.0;
    // A whisker added before flooring keeps a time that lies exactly on a boundary in its own bar.
    return std::floor(dayCount / length + 1e-9) * length;
}

void ChartBars::AppendTick(double dayCount, double price, double volume)
{
    if (!std::isfinite(price) || !std::isfinite(dayCount))
        return;
    const bool tickChart = m_request.BarSeconds() <= 0;
    bool newBar = m_bars.empty();
    if (!newBar)
    {
        if (tickChart)
            newBar = m_ticksInLastBar >= m_request.multiplicity;
        else
            newBar = IntervalStart(dayCount) > m_bars.back().time.ToDayCount() + 1e-9;
    }
    if (newBar)
    {
        PriceBar bar;
        bar.time = NDateTime::FromDayCount(tickChart ? dayCount : IntervalStart(dayCount));
        bar.open = bar.high = bar.low = bar.close = price;
        bar.volume = volume;
        m_bars.push_back(bar);
        m_ticksInLastBar = 1;
        return;
    }
    PriceBar& bar = m_bars.back();
    bar.high = std::max(bar.high, price);
    bar.low = std::min(bar.low, price);
    bar.close = price;
    bar.volume += volume;
    ++m_ticksInLastBar;
}
