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
using FrameTimes::Median;
using FrameTimes::Percentile99;
using FrameTimes::ThreadCpuMs;

// The window with its instruments and the feed that quotes them until it is destroyed.
class FedTable
{
public:
    FedTable()
        : m_window(m_consumer, nullptr)
    {
        m_window.resize(1600, 1000);
        for (int index = 0; index < kInstruments; ++index)
        {
            const QString ticker = QStringLiteral("T%1").arg(index, 4, 10, QLatin1Char('0'));
            m_assets.emplace_back(nullptr, QStringLiteral("PL") + ticker, ticker, ticker + QStringLiteral(" SA"), QStringLiteral("GPW"));
        }
        m_window.SetInstruments(m_assets);
        m_feed = std::thread([this] { Feed(); });
    }
    ~FedTable()
    {
        m_feeding.store(false);
        m_feed.join();
    }
    QuoteTableWindow& Window() { return m_window; }

private:
    void Feed()
    {
        std::mt19937 random(7);
        std::uniform_real_distribution<double> step(-0.05, 0.05);
        std::vector<double> prices(kInstruments, 100.0);
        const auto start = std::chrono::steady_clock::now();
        long long sent = 0;
        while (m_feeding.load())
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
            m_window.OnQuote(m_assets[index], quote);
            ++sent;
        }
    }

    // Made before the window.
    QApplication& m_application = Application();
    TableModuleConsumer m_consumer;
    QuoteTableWindow m_window;
    std::vector<Asset> m_assets;
    std::atomic<bool> m_feeding = true;
    std::thread m_feed;
};

void BM_QuoteTableFrames(benchmark::State& state)
{
    FedTable table;
    QuoteTableWindow& window = table.Window();
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
    state.counters["p99_ms"] = Percentile99(frames);
    state.counters["p99_cpu_ms"] = Percentile99(cpuFrames);
}

// The same frames in their three parts, on this thread's CPU clock: taking the feed into the
// table (drain), making the texts of the rows on view that changed (format), and painting
// (paint). The 99th percentiles, and the medians (_p50).
void BM_QuoteTableFrameParts(benchmark::State& state)
{
    FedTable table;
    QuoteTableWindow& window = table.Window();
    QImage body(window.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> drains;
    std::vector<double> formats;
    std::vector<double> paints;
    auto nextFrame = std::chrono::steady_clock::now() + kFrame;
    for (auto _ : state)
    {
        std::this_thread::sleep_until(nextFrame);
        nextFrame += kFrame;
        const auto start = std::chrono::steady_clock::now();
        const double drainStart = ThreadCpuMs();
        benchmark::DoNotOptimize(window.DrainFeed());
        const double formatStart = ThreadCpuMs();
        benchmark::DoNotOptimize(window.FormatFrame());
        const double paintStart = ThreadCpuMs();
        window.render(&body);
        const double end = ThreadCpuMs();
        drains.push_back(formatStart - drainStart);
        formats.push_back(paintStart - formatStart);
        paints.push_back(end - paintStart);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["drain_p99_cpu_ms"] = Percentile99(drains);
    state.counters["format_p99_cpu_ms"] = Percentile99(formats);
    state.counters["paint_p99_cpu_ms"] = Percentile99(paints);
    state.counters["drain_p50_cpu_ms"] = Median(drains);
    state.counters["format_p50_cpu_ms"] = Median(formats);
    state.counters["paint_p50_cpu_ms"] = Median(paints);
}
}

BENCHMARK(BM_QuoteTableFrames)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(400);
BENCHMARK(BM_QuoteTableFrameParts)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(400);
