// A quote table of 1,000 instruments, each quoted 10 times a second, in a 1600 x 1000 window.
// The feed runs on its own thread at that rate and hands the window its quotes as a provider
// does; a frame is what the window's timer does every 50 ms on the main thread: take what came
// (the newest state of each instrument), update the table and repaint it. p99_ms is the 99th
// percentile of the frame times on the wall clock, p99_cpu_ms the same on this thread's CPU
// clock. The hand-over keeps only the newest state of each instrument, so what waits for a
// frame is at most one state per instrument however long the run.

#include "bench/FrameTimes.h"
#include "modulelibs/table/QuoteTableWindow.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "platform/modules/SeriesIds.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <random>
#include <thread>
#include <vector>

namespace
{
constexpr int kInstruments = 1000;
constexpr int kQuotesPerSecond = kInstruments * 10;
constexpr auto kFrame = std::chrono::milliseconds(QuoteTableWindow::kDrainIntervalMs);

using FrameTimes::Application;
using FrameTimes::Percentile99;
using FrameTimes::ThreadCpuMs;

void BM_QuoteTableFrames(benchmark::State& state)
{
    Application();
    TableModuleConsumer consumer;
    QuoteTableWindow window(consumer, nullptr);
    window.resize(1600, 1000);
    std::vector<Asset> assets;
    for (int index = 0; index < kInstruments; ++index)
    {
        const QString ticker = QStringLiteral("T%1").arg(index, 4, 10, QLatin1Char('0'));
        assets.emplace_back(nullptr, QStringLiteral("PL") + ticker, ticker, ticker + QStringLiteral(" SA"), QStringLiteral("GPW"));
    }
    window.SetInstruments(assets);

    std::atomic<bool> feeding = true;
    std::thread feed([&] {
        std::mt19937 random(7);
        std::uniform_real_distribution<double> step(-0.05, 0.05);
        std::vector<double> prices(kInstruments, 100.0);
        const auto start = std::chrono::steady_clock::now();
        long long sent = 0;
        while (feeding.load())
        {
            const auto due = start + std::chrono::microseconds(sent * 1000000 / kQuotesPerSecond);
            std::this_thread::sleep_until(due);
            const int index = static_cast<int>(sent % kInstruments);
            prices[index] += step(random);
            CurrentState quote;
            quote.Set(SeriesIds::kPrice, prices[index]);
            quote.Set(SeriesIds::kChange, prices[index] - 100.0);
            quote.Set(SeriesIds::kVolume, static_cast<double>(sent % 500));
            quote.Set(SeriesIds::kBidPrice1, prices[index] - 0.01);
            quote.Set(SeriesIds::kAskPrice1, prices[index] + 0.01);
            window.OnQuote(assets[index], quote);
            ++sent;
        }
    });

    QImage body(window.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> frames;
    std::vector<double> cpuFrames;
    auto nextFrame = std::chrono::steady_clock::now() + kFrame;
    for (auto _ : state)
    {
        std::this_thread::sleep_until(nextFrame);
        nextFrame += kFrame;
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuMs();
        benchmark::DoNotOptimize(window.DrainFeed());
        window.render(&body);
        const double elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        frames.push_back(elapsed);
        cpuFrames.push_back(ThreadCpuMs() - cpuStart);
        state.SetIterationTime(elapsed / 1000.0);
    }
    feeding.store(false);
    feed.join();
    state.counters["p99_ms"] = Percentile99(frames);
    state.counters["p99_cpu_ms"] = Percentile99(cpuFrames);
}
}

BENCHMARK(BM_QuoteTableFrames)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(400);
