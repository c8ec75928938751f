// Fan-out of the simulated feed: how many ticks per second it makes and delivers when 100
// receivers follow every instrument. A delivery is one tick (transaction, order book and
// current state) handed to one receiver.

#include "platform/modules/CurrentState.h"
#include "platform/modules/IQuotesReceiver.h"
#include "platform/modules/SeriesIds.h"
#include "providers/simfeed/SimFeed.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <benchmark/benchmark.h>
#include <vector>

namespace
{
class Subscriber : public IQuotesReceiver
{
public:
    void OnQuote(const Asset& asset, const CurrentState& state) override
    {
        ++quotes;
        sum += state.GetDouble(SeriesIds::kPrice);
    }

    long quotes = 0;
    double sum = 0.0;
};

void BM_FeedFanOut(benchmark::State& state)
{
    const auto subscriberCount = static_cast<std::size_t>(state.range(0));
    SimFeedOptions options;
    options.ticksPerStep = 100;
    options.statisticsEverySteps = 0;
    SimFeed feed(nullptr, options);
    std::vector<Subscriber> subscribers(subscriberCount);
    for (Subscriber& subscriber : subscribers)
        for (const Asset& asset : feed.Assets())
            feed.AddQuotesReceiver(&subscriber, asset);

    const QDateTime start(QDate(2024, 5, 6), QTime(9, 0));
    long steps = 0;
    for (auto _ : state)
        feed.Step(NDateTime(start.addMSecs(steps++)));

    long deliveries = 0;
    for (const Subscriber& subscriber : subscribers)
    {
        deliveries += subscriber.quotes;
        benchmark::DoNotOptimize(subscriber.sum);
    }
    const double ticks = static_cast<double>(steps) * options.ticksPerStep;
    state.counters["ticks"] = benchmark::Counter(ticks, benchmark::Counter::kIsRate);
    state.counters["deliveries"] = benchmark::Counter(static_cast<double>(deliveries), benchmark::Counter::kIsRate);
}
}

BENCHMARK(BM_FeedFanOut)->Arg(100)->Unit(benchmark::kMicrosecond);
