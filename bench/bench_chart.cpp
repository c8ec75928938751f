// A chart of 100,000 one-minute candles with its average and volume, in a 1600 x 1000 window.
// BM_ChartPanZoomFrames: every frame first pans or zooms (the shown range walks through the whole
// history and its width swings between 60 and 2,000 bars), then lays the chart out and paints it,
// as the window's paint event does. p99_ms is the 99th percentile of the frame times on the wall
// clock, p99_cpu_ms the same on this thread's CPU clock.
// BM_ChartAppendTick: one live transaction handed over by the feed on the provider's thread and
// folded into the bars on the main thread (every 60th starts a new bar); the time is per tick.

#include "bench/FrameTimes.h"
#include "modulelibs/chart/ChartBars.h"
#include "modulelibs/chart/ChartDocument.h"
#include "modulelibs/chart/ChartFeed.h"
#include "modulelibs/chart/ChartLayout.h"
#include "modulelibs/chart/ChartPainter.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <vector>

namespace
{
constexpr int kCandles = 100000;
constexpr double kMinute = 1.0 / 1440.0;
constexpr double kFirstDay = 46000.0;

using FrameTimes::Application;
using FrameTimes::Percentile99;
using FrameTimes::ThreadCpuMs;

ChartDocument MakeDocument()
{
    ChartDocument document = ChartDocument::Standard(QStringLiteral("Kelvora OnLine"), QStringLiteral("KGHM"),
                                                     QStringLiteral("GPW"), DataRequestParams(DataRequestParams::kMinute, 1, kCandles),
                                                     ShowedRange(0, 120), 3);
    document.formations.push_back(ChartFormation::Make(FormationParam::kFiboRetracement,
                                                       {{kFirstDay + 10.0, 100.0}, {kFirstDay + 60.0, 120.0}}));
    document.formations.push_back(ChartFormation::Make(FormationParam::kGannFan,
                                                       {{kFirstDay + 20.0, 90.0}, {kFirstDay + 40.0, 110.0}}));
    return document;
}

ChartBars MakeBars(const DataRequestParams& request)
{
    ChartBars bars(request);
    std::vector<PriceBar> history;
    history.reserve(kCandles + 1000);
    std::mt19937 random(11);
    std::uniform_real_distribution<double> step(-0.4, 0.4);
    double price = 100.0;
    for (int index = 0; index < kCandles; ++index)
    {
        PriceBar bar;
        bar.time = NDateTime::FromDayCount(kFirstDay + index * kMinute);
        bar.open = price;
        price = std::max(1.0, price + step(random));
        bar.close = price;
        bar.high = std::max(bar.open, bar.close) + 0.2;
        bar.low = std::min(bar.open, bar.close) - 0.2;
        bar.volume = 100.0 + index % 700;
        history.push_back(bar);
    }
    bars.SetHistory(std::move(history));
    return bars;
}

void BM_ChartPanZoomFrames(benchmark::State& state)
{
    Application();
    ChartDocument document = MakeDocument();
    const ChartBars bars = MakeBars(document.request);
    const QRect client(0, 0, 1600, 1000);
    QImage body(client.size(), QImage::Format_ARGB32_Premultiplied);
    const ChartOverlay overlay;
    std::vector<double> frames;
    std::vector<double> cpuFrames;
    int frame = 0;
    for (auto _ : state)
    {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuMs();
        // Pans across the whole history while the zoom swings from narrow to wide.
        document.range.barCount = 60 + static_cast<int>(970.0 * (1.0 + std::sin(frame * 0.05)));
        document.range.rightOffset = (frame * 397) % (kCandles - document.range.barCount);
        const ChartLayout layout(document, bars, client);
        QPainter painter(&body);
        ChartPainter(document, bars, layout).Paint(painter, client, overlay);
        painter.end();
        const double elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        frames.push_back(elapsed);
        cpuFrames.push_back(ThreadCpuMs() - cpuStart);
        state.SetIterationTime(elapsed / 1000.0);
        ++frame;
    }
    state.counters["p99_ms"] = Percentile99(frames);
    state.counters["p99_cpu_ms"] = Percentile99(cpuFrames);
}

void BM_ChartAppendTick(benchmark::State& state)
{
    Application();
    ChartBars bars = MakeBars(DataRequestParams(DataRequestParams::kMinute, 1, kCandles));
    bars.Reserve(kCandles + static_cast<int>(state.max_iterations / 60) + 16);
    ChartFeed feed(nullptr, [&bars](std::vector<Transaction> transactions) {
        for (const Transaction& transaction : transactions)
            bars.AppendTick(transaction.time.ToDayCount(), transaction.price, transaction.volume);
    });
    Transaction transaction;
    transaction.price = 100.0;
    transaction.volume = 10.0;
    double time = kFirstDay + kCandles * kMinute;
    for (auto _ : state)
    {
        time += kMinute / 60.0;
        transaction.time = NDateTime::FromDayCount(time);
        transaction.price += (transaction.id++ % 2 == 0) ? 0.01 : -0.005;
        feed.OnTransaction(Asset(), transaction);
        feed.Drain();
    }
    benchmark::DoNotOptimize(bars.Count());
}
}

BENCHMARK(BM_ChartPanZoomFrames)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1000);
BENCHMARK(BM_ChartAppendTick)->Unit(benchmark::kMicrosecond);
