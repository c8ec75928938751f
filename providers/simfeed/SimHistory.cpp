#include "providers/simfeed/SimHistory.h"

#include "providers/simfeed/SimCalendar.h"
#include "providers/simfeed/SimRandom.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace
{
constexpr double kLimit = 0.09;

std::int64_t Ticks(double ticks)
{
    return std::max<std::int64_t>(1, std::llround(ticks));
}

// One bar whose close is known, made from the close before it: open near that close, high and
// low a little beyond the body.
PriceBar MakeBar(const SimInstrument& instrument, double previousClose, double close, double openSwing,
                 double wickSwing, SimRandom& random)
{
    const double open = previousClose * (1.0 + openSwing * random.Normal());
    const double high = std::max(open, close) * (1.0 + wickSwing * std::abs(random.Normal()));
    const double low = std::min(open, close) * (1.0 - wickSwing * std::abs(random.Normal()));
    PriceBar bar;
    const std::int64_t openTicks = Ticks(open);
    const std::int64_t closeTicks = Ticks(close);
    bar.open = instrument.Price(openTicks);
    bar.close = instrument.Price(closeTicks);
    bar.high = instrument.Price(std::max({Ticks(high), openTicks, closeTicks}));
    bar.low = instrument.Price(std::min({Ticks(low), openTicks, closeTicks}));
    return bar;
}
}

std::vector<PriceBar> SimHistory::Bars(const SimInstrument& instrument, std::int64_t lastTicks, const NDateTime& end,
                                       int barSeconds, int count, std::uint64_t seed, int transactionMs)
{
    if (count <= 0 || barSeconds < 0 || !end.IsValid())
        return {};
    const std::uint64_t mixed = seed ^ qHash(instrument.ticker) ^ (static_cast<std::uint64_t>(barSeconds) << 32);
    if (barSeconds >= kSecondsPerDay)
        return DailyBars(instrument, lastTicks, end.ToQDateTime().date(), barSeconds / kSecondsPerDay, count, mixed);
    return IntradayBars(instrument, lastTicks, end, barSeconds, count, mixed, std::max(transactionMs, 10));
}

std::vector<PriceBar> SimHistory::DailyBars(const SimInstrument& instrument, std::int64_t lastTicks,
                                            const QDate& before, int sessionsPerBar, int count, std::uint64_t seed)
{
    SimRandom random(seed);
    std::vector<PriceBar> bars(static_cast<std::size_t>(count));
    const double swing = instrument.dailySwing * std::sqrt(static_cast<double>(sessionsPerBar));
    const double limit = kLimit * sessionsPerBar;
    double close = static_cast<double>(std::max<std::int64_t>(lastTicks, 1));
    QDate day = before;
    for (int i = count - 1; i >= 0; --i)
    {
        QDate first;
        for (int s = 0; s < sessionsPerBar; ++s)
            first = day = SimCalendar::PreviousSessionDay(day);
        const double change = std::clamp(swing * random.Normal(), -limit, limit);
        const double previousClose = std::max(1.0, close / (1.0 + change));
        PriceBar& bar = bars[static_cast<std::size_t>(i)];
        bar = MakeBar(instrument, previousClose, close, swing * 0.2, swing * 0.35, random);
        bar.time = NDateTime(QDateTime(first, QTime(0, 0)));
        // Busy and quiet sessions around the usual volume.
        bar.volume = std::round(instrument.dailyVolume * sessionsPerBar * (0.55 + random.Uniform() * 1.05));
        close = previousClose;
    }
    return bars;
}

std::vector<PriceBar> SimHistory::IntradayBars(const SimInstrument& instrument, std::int64_t lastTicks,
                                               const NDateTime& end, int barSeconds, int count, std::uint64_t seed,
                                               int transactionMs)
{
    SimRandom random(seed);
    const bool transactions = barSeconds == 0;
    const qint64 step = transactions ? transactionMs : barSeconds * 1000LL;
    const qint64 session = SimCalendar::SessionSeconds() * 1000LL;
    const qint64 lastSlot = (session + step - 1) / step - 1;
    // The slot that holds end: its own day's, or one past the last of the session before.
    const QDateTime endTime = end.ToQDateTime();
    QDate day = endTime.date();
    qint64 slot = 0;
    const qint64 intoSession = SimCalendar::SessionOpen().msecsTo(endTime.time());
    if (!SimCalendar::IsSessionDay(day) || intoSession < 0)
    {
        day = SimCalendar::PreviousSessionDay(day);
        slot = lastSlot + 1;
    }
    else
        slot = std::min(intoSession / step, lastSlot + 1);

    const double fraction = static_cast<double>(step) / session;
    const double swing = instrument.dailySwing * std::sqrt(fraction);
    const double volume = instrument.dailyVolume * fraction;
    std::vector<PriceBar> bars(static_cast<std::size_t>(count));
    double close = static_cast<double>(std::max<std::int64_t>(lastTicks, 1));
    for (int i = count - 1; i >= 0; --i)
    {
        if (--slot < 0)
        {
            day = SimCalendar::PreviousSessionDay(day);
            slot = lastSlot;
        }
        const double previousClose = std::max(1.0, close / (1.0 + std::clamp(swing * random.Normal(), -kLimit, kLimit)));
        PriceBar& bar = bars[static_cast<std::size_t>(i)];
        if (transactions)
        {
            // As the live market trades: part of what built up since the transaction before.
            bar.open = bar.high = bar.low = bar.close = instrument.Price(Ticks(close));
            bar.volume = std::max(1.0, std::floor(volume * (0.3 + random.Uniform() * 0.7)));
        }
        else
        {
            bar = MakeBar(instrument, previousClose, close, 0.0, swing * 0.5, random);
            bar.volume = std::max(1.0, std::round(volume * (0.3 + random.Uniform() * 1.4)));
        }
        bar.time = NDateTime(QDateTime(day, SimCalendar::SessionOpen().addMSecs(static_cast<int>(slot * step))));
        close = previousClose;
    }
    return bars;
}
