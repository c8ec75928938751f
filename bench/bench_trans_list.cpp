// The transaction list under a heavy feed: 50,000 transactions a second reach one window. A
// frame is one repaint interval of the window (FeedWindow::kRepaintMs): the provider's thread
// hands that interval's transactions to the window's feed link (not timed: that is the
// provider's thread), then the window takes them, keeps the newest and paints its visible rows
// into a 1600 x 1000 image as a repaint does (timed). The p99_ms counter is the 99th percentile
// of the frame times on the wall clock, p99_cpu_ms the same on this thread's CPU clock (which
// other programs on a busy machine do not inflate); trades_per_s the rate the frames absorbed.

#include "bench/FrameTimes.h"
#include "modulelibs/translist/TransListModule.h"
#include "modulelibs/translist/TransListWindow.h"
#include "modulelibs/windows/FeedLink.h"
#include "platform/modules/TransListCons.h"
#include "styles/engine/StyleKinds.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace
{
constexpr int kTradesPerSecond = 50000;
constexpr int kTradesPerFrame = kTradesPerSecond * FeedWindow::kRepaintMs / 1000;

void BM_TransListAbsorbsAndRepaints(benchmark::State& state)
{
    FrameTimes::Application();
    TransListWindow window(*GetTransListConsumer(), StyleKinds::DefaultStyle(TransListWindow::kStyleType), nullptr);
    window.resize(1600, 1000);
    QImage image(window.size(), QImage::Format_RGB32);
    // A window on screen has painted before the feed reaches it: fonts and glyphs are loaded.
    window.PaintInto(image);
    FeedLink link;
    const Asset asset;
    std::uint64_t id = 0;
    double price = 100.0;
    std::vector<double> frames;
    std::vector<double> cpuFrames;
    for (auto _ : state)
    {
        // The provider's thread: its transactions wait in the link when the repaint comes.
        state.PauseTiming();
        const NDateTime now = NDateTime::Now();
        for (int i = 0; i < kTradesPerFrame; ++i)
        {
            Transaction trade;
            trade.id = ++id;
            trade.time = now;
            price += (id % 7 < 3) ? 0.01 : -0.01;
            trade.price = price;
            trade.volume = static_cast<double>(id % 500 + 1);
            trade.initiator = id % 2 ? Transaction::Initiator::Buyer : Transaction::Initiator::Seller;
            link.OnTransaction(asset, trade);
        }
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        const double startCpu = FrameTimes::ThreadCpuMs();
        FeedLink::Batch batch = link.Take();
        window.AbsorbTransactions(std::move(batch.transactions));
        window.PaintInto(image);
        frames.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        cpuFrames.push_back(FrameTimes::ThreadCpuMs() - startCpu);
    }
    state.counters["p99_ms"] = FrameTimes::Percentile99(frames);
    state.counters["p99_cpu_ms"] = FrameTimes::Percentile99(cpuFrames);
    state.counters["trades_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kTradesPerFrame, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TransListAbsorbsAndRepaints)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();
}
