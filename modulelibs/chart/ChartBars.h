#pragma once
// The bars of one chart: its history from the provider, then each live transaction folded into
// the newest bar or starting a new one when its interval is over (a tick chart starts a new bar
// every multiplicity transactions). Main thread only; the window hands ticks over from the
// provider's thread itself.

#include "platform/modules/DataRequestParams.h"
#include "platform/modules/PriceBar.h"

#include <vector>

class ChartBars
{
public:
    explicit ChartBars(const DataRequestParams& request = {});

    const DataRequestParams& Request() const { return m_request; }
    // Drops every bar: the bars of another interval are not these.
    void SetRequest(const DataRequestParams& request);
    void SetHistory(std::vector<PriceBar> bars);
    // A transaction older than the newest bar's interval is folded into the newest bar.
    void AppendTick(double dayCount, double price, double volume);

    int Count() const { return static_cast<int>(m_bars.size()); }
    const PriceBar& At(int index) const { return m_bars[static_cast<std::size_t>(index)]; }
    const std::vector<PriceBar>& All() const { return m_bars; }
    void Reserve(int count) { m_bars.reserve(static_cast<std::size_t>(count)); }

private:
    // The start of the interval that holds the time, as a day count.
    double IntervalStart(double dayCount) const;

    DataRequestParams m_request;
    std::vector<PriceBar> m_bars;
    // Transactions in the newest bar of a tick chart.
    int m_ticksInLastBar = 0;
};
