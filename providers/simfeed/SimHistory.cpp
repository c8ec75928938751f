#include "providers/simfeed/SimHistory.h"

#include "providers/simfeed/SimRandom.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace
{

constexpr double kSecondsPerDay = 86400.0;

}

std::vector<PriceBar> SimHistory::Bars(const SimInstrument& instrument, std::int64_t lastTicks, const NDateTime& end,
                                       int barSeconds, int count, std::uint64_t seed)
{
    std::vector<PriceBar> bars;
    if (count <= 0 || barSeconds < 0 || !end.IsValid())
        return bars;
    SimRandom random(seed ^ qHash(instrument.ticker) ^ (static_cast<std::uint64_t>(barSeconds) << 32));
    // A bar per transaction is stamped a few seconds apart.
    const double step = (barSeconds > 0 ? barSeconds : 5) / kSecondsPerDay;
    const double endDays = barSeconds > 0 ? std::floor(end.ToDayCount() / step) * step : end.ToDayCount();
    // Longer bars move further: the walk's reach grows with the square root of the bar's length.
    const std::int64_t reach =
        std::max<std::int64_t>(1, static_cast<std::int64_t>(std::sqrt(std::max(barSeconds, 1) / 60.0) * 3.0));
    bars.resize(static_cast<std::size_t>(count));
    std::int64_t close = std::max<std::int64_t>(lastTicks, 1);
    for (int i = count - 1; i >= 0; --i)
    {
        const std::int64_t open = std::max<std::int64_t>(1, close + random.NextInt(-reach, reach));
        const std::int64_t high = std::max(open, close) + random.NextInt(0, reach);
        const std::int64_t low = std::max<std::int64_t>(1, std::min(open, close) - random.NextInt(0, reach));
        PriceBar& bar = bars[static_cast<std::size_t>(i)];
        bar.time = NDateTime::FromDayCount(endDays - (count - i) * step);
        bar.open = instrument.Price(open);
        bar.high = instrument.Price(high);
        bar.low = instrument.Price(low);
        bar.close = instrument.Price(close);
        bar.volume = static_cast<double>(random.NextInt(1, 50) * (barSeconds > 0 ? 20 : 1));
        close = open;
    }
    return bars;
}
