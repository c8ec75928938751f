// The session-statistics worker fed with the statistics of 1,000 instruments by a provider that
// delivers new statistics after every trade: how many trades per second the module absorbs (the
// worker ends showing the last trade, with the nine alert arguments registered), how long one
// processing pass takes, and how long the window takes to show a frame while trades pour in.

#include "bench/FrameTimes.h"
#include "platform/modules/IAlertModule.h"
#include "platform/modules/SessionStatistics.h"
#include "sessionstats/engine/ISessionStatisticsMediator.h"
#include "sessionstats/engine/SessionStatisticsModule.h"
#include "sessionstats/ui/SessionStatisticsWindow.h"
#include "sessionstats/ui/SessionStatisticsWindowLink.h"
#include "sessionstats/ui/StyleSessionStatistics.h"
#include "tests/support/FakeProvider.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace
{
constexpr int kInstruments = 1000;
constexpr int kTrades = 1024;
// The argument whose value marks the end of a run: unchanged instruments.
constexpr std::uint32_t kMarkerArgument = 3;

// The statistics after each of a run of random trades. Each trade changes one instrument; the
// others keep their shared figures, as a provider's successive statistics do.
class TradeTape
{
public:
    TradeTape()
    {
        std::mt19937 random(7);
        std::vector<std::shared_ptr<AssetStatistics>> instruments;
        std::vector<double> reference;
        for (int i = 0; i < kInstruments; ++i)
        {
            const double price = 10.0 + i % 90;
            reference.push_back(price);
            instruments.push_back(std::make_shared<AssetStatistics>(QStringLiteral("INS%1").arg(i), 0.0, price, 0.0,
                                                                    0.0, 0));
        }
        for (int trade = 0; trade < kTrades; ++trade)
        {
            const std::size_t index = random() % kInstruments;
            const AssetStatistics& before = *instruments[index];
            const double price = std::max(0.01, before.price + (static_cast<int>(random() % 5) - 2) * 0.01);
            const double volume = 1.0 + random() % 500;
            instruments[index] = std::make_shared<AssetStatistics>(
                before.AssetName(), (price / reference[index] - 1.0) * 100.0, price, before.turnover + price * volume,
                before.volume + volume, before.transactions + 1);
            m_statistics.push_back(Rank(instruments));
        }
    }

    const std::vector<SessionStatistics>& Statistics() const { return m_statistics; }

private:
    static SessionStatistics Rank(const std::vector<std::shared_ptr<AssetStatistics>>& instruments)
    {
        auto ranking = [&instruments](auto keep, auto before) {
            SessionStatistics::AssetsList list;
            std::copy_if(instruments.begin(), instruments.end(), std::back_inserter(list), keep);
            std::stable_sort(list.begin(), list.end(), before);
            return list;
        };
        using Entry = std::shared_ptr<AssetStatistics>;
        SessionStatistics statistics;
        statistics.SetHighestAssetsList(AssetStatisticRises, ranking([](const Entry& e) { return e->change > 0.0; },
            [](const Entry& a, const Entry& b) { return a->change > b->change; }));
        statistics.SetHighestAssetsList(AssetStatisticFalls, ranking([](const Entry& e) { return e->change < 0.0; },
            [](const Entry& a, const Entry& b) { return a->change < b->change; }));
        statistics.SetHighestAssetsList(AssetStatisticTurnover, ranking([](const Entry& e) { return e->turnover > 0.0; },
            [](const Entry& a, const Entry& b) { return a->turnover > b->turnover; }));
        statistics.SetHighestAssetsList(AssetStatisticTransactions,
            ranking([](const Entry& e) { return e->transactions > 0; },
                    [](const Entry& a, const Entry& b) { return a->transactions > b->transactions; }));
        auto increase = std::make_shared<SessionStatistics::GeneralData>();
        auto decrease = std::make_shared<SessionStatistics::GeneralData>();
        auto noChange = std::make_shared<SessionStatistics::GeneralData>();
        for (const Entry& instrument : instruments)
        {
            SessionStatistics::GeneralData& general =
                instrument->change > 0.0 ? *increase : instrument->change < 0.0 ? *decrease : *noChange;
            ++general.instruments;
            general.turnover += instrument->turnover;
            general.volume += instrument->volume;
            general.transactions += instrument->transactions;
        }
        statistics.SetGeneralInfo(increase, decrease, noChange);
        return statistics;
    }

    std::vector<SessionStatistics> m_statistics;
};

const TradeTape& Tape()
{
    static const TradeTape tape;
    return tape;
}

// Takes the argument values and remembers the marker argument's last one.
class AlertSink : public IAlertModule
{
public:
    void OnUpdateArgRequestId(const AlertExprArgDesc&, std::uint32_t) override {}
    void OnUpdateArgValue(const AlertExprArgDesc& argument, const AlertExprArgValue& value) override
    {
        Take(argument, value);
    }
    void OnUpdateArgListValues(std::shared_ptr<const AlertExprArgList> values) override
    {
        passes.fetch_add(1, std::memory_order_relaxed);
        for (std::size_t i = 0; i < values->ArgumentsCount(); ++i)
            Take(values->ArgDescription(i), values->ArgValue(i));
    }
    void OnArgDestroyed(const AlertExprArgDesc&) override {}
    void GatherAssociatedAlertsInfo(const AlertExprArgDesc&, std::vector<BasicAlertInfo>&) override {}

    std::atomic<double> marker = -1.0;
    std::atomic<long> passes = 0;

private:
    void Take(const AlertExprArgDesc& argument, const AlertExprArgValue& value)
    {
        if (argument.GetBaseArgumentSourceID() == kMarkerArgument)
            marker.store(value.Value(), std::memory_order_release);
    }
};

class BenchMediator : public ISessionStatisticsMediator
{
public:
    IAlertModule* GetAlertsInterface() override { return &sink; }
    ProviderBase* GetRunningProvider(const QString&) override { return &m_provider; }
    QWidget* GetMainWindow() override { return nullptr; }
    void WriteError(const QString&, const QString&, int, const QString&) override {}

    AlertSink sink;

private:
    FakeProvider m_provider{SessionStatisticsModule::ProviderName()};
};

void RegisterArguments(SessionStatisticsModule& module)
{
    for (std::uint32_t id : {1u, 2u, 3u, 11u, 12u, 13u, 21u, 22u, 23u})
        module.AddArgumentUsage(AlertExprArgDesc(QStringLiteral("SessionStatistics"), id, QStringLiteral("b"), {}));
}

// The provider's thread delivers the statistics of every trade of the tape, then statistics that
// mark the end of the run; the run ends when the worker published the marker.
void BM_AbsorbTradesOf1000Instruments(benchmark::State& state)
{
    const std::vector<SessionStatistics>& tape = Tape().Statistics();
    BenchMediator mediator;
    SessionStatisticsModule module(mediator);
    RegisterArguments(module);
    module.Initialise();
    module.OnWindowShown();
    std::uint32_t run = 0;
    for (auto _ : state)
    {
        for (const SessionStatistics& statistics : tape)
            module.SetNewStatistics(statistics);
        SessionStatistics end = tape.back();
        const auto last = end.GetGeneralNoChangeInfo();
        end.SetGeneralInfo(end.GetGeneralIncreaseInfo(), end.GetGeneralDecreaseInfo(),
                           std::make_shared<SessionStatistics::GeneralData>(
                               SessionStatistics::GeneralData{1000000 + ++run, last->turnover, last->volume,
                                                              last->transactions}));
        module.SetNewStatistics(end);
        while (mediator.sink.marker.load(std::memory_order_acquire) != 1000000.0 + run)
            std::this_thread::yield();
    }
    module.Shutdown();
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(tape.size()));
    state.counters["passes_per_trade"] =
        static_cast<double>(mediator.sink.passes.load()) / static_cast<double>(state.iterations() * tape.size());
}
BENCHMARK(BM_AbsorbTradesOf1000Instruments)->UseRealTime()->Unit(benchmark::kMillisecond);

// One pass of the worker over statistics of 1,000 instruments that changed since the last
// pass, without a worker thread.
void BM_ProcessingPassOf1000Instruments(benchmark::State& state)
{
    const std::vector<SessionStatistics>& tape = Tape().Statistics();
    BenchMediator mediator;
    SessionStatisticsModule module(mediator);
    RegisterArguments(module);
    std::size_t next = 0;
    for (auto _ : state)
    {
        module.SetNewStatistics(tape[next]);
        module.ProcessLastSesstionStatistics();
        next = (next + 1) % tape.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ProcessingPassOf1000Instruments);

// The window shows a frame (takes the newest data, fits its texts, paints everything) while the
// provider's thread delivers the statistics of trade after trade: as fast as it can (argument 0) or
// at the offered rate a second, in one batch a millisecond. Counters: the 99th percentile of the
// frame times and the trades delivered per second meanwhile.
void BM_WindowFramesWhileTradesArrive(benchmark::State& state)
{
    FrameTimes::Application();
    StyleSessionStatistics::RegisterKind();

    const std::vector<SessionStatistics>& tape = Tape().Statistics();
    BenchMediator mediator;
    SessionStatisticsModule module(mediator);
    RegisterArguments(module);
    module.SetWindowFactory([](SessionStatisticsModule& owner) { return std::make_shared<SessionStatisticsWindowLink>(owner); });
    module.ToggleWindow();
    auto* window = static_cast<SessionStatisticsWindow*>(module.GetWindow());

    std::atomic<bool> stop = false;
    std::atomic<long> trades = 0;
    const long offeredPerSecond = state.range(0);
    std::thread provider([&] {
        const long perBatch = offeredPerSecond > 0 ? std::max(1L, offeredPerSecond / 1000) : 1;
        auto tick = std::chrono::steady_clock::now();
        std::size_t next = 0;
        while (!stop.load(std::memory_order_relaxed))
        {
            for (long i = 0; i < perBatch; ++i, next = (next + 1) % tape.size())
                module.SetNewStatistics(tape[next]);
            trades.fetch_add(perBatch, std::memory_order_relaxed);
            if (offeredPerSecond > 0)
            {
                tick += std::chrono::milliseconds(1);
                std::this_thread::sleep_until(tick);
            }
        }
    });
    std::vector<double> frames;
    QElapsedTimer total;
    total.start();
    for (auto _ : state)
    {
        QElapsedTimer frame;
        frame.start();
        QCoreApplication::processEvents();
        window->RefreshViews();
        const QImage picture = window->grab().toImage();
        benchmark::DoNotOptimize(picture.constBits());
        frames.push_back(frame.nsecsElapsed() / 1e6);
    }
    const double seconds = total.nsecsElapsed() / 1e9;
    stop = true;
    provider.join();
    module.Shutdown();
    std::sort(frames.begin(), frames.end());
    state.counters["p99_frame_ms"] = frames.empty() ? 0.0 : frames[std::min(frames.size() - 1, frames.size() * 99 / 100)];
    state.counters["trades_per_second"] = seconds > 0 ? trades.load() / seconds : 0.0;
}
BENCHMARK(BM_WindowFramesWhileTradesArrive)->Arg(0)->Arg(500000)->Iterations(300)->UseRealTime()->Unit(benchmark::kMillisecond);
}
