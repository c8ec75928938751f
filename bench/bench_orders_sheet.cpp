// The orders sheet's processing: how long the row matrices of a book take to make, and what one
// instrument's 100 ms refresh cycle costs while its provider delivers 1,000 book updates a
// second: 100 updates delivered to the receiver, then the refresh of both sides.
// BM_SheetFrame adds the window: each frame is a cycle's refresh, then the sheet's panes
// (both tables, the current-value row, the summaries and the chart) take the new data and
// repaint, offscreen; it reports the 99th percentile of the frame times.
//
// BM_RefreshCycle runs the cycle as the program does: this thread, as the provider's, delivers
// the updates, and the started processing thread refreshes on its own 100 ms timer. A cycle's
// cost is the whole process's CPU time over it, so it includes the thread's wake-ups and the
// caches it finds cold after 100 ms; its share of one core is that time divided by 100 ms.
// BM_RefreshCycleBackToBack runs the same updates and refreshes one after another on this
// thread: the work alone, with warm caches.

#include "orderssheet/engine/IOrdersSheetRefreshGuard.h"
#include "orderssheet/engine/OSDataGenerator.h"
#include "orderssheet/engine/OSSheetMode.h"
#include "orderssheet/engine/OrdersDataProcessThread.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "orderssheet/settings/OrdersSheetSettings.h"
#include "orderssheet/ui/OrdersSheetPaneManager.h"
#include "bench/FrameTimes.h"
#include "tests/support/FakeProvider.h"

#include <QElapsedTimer>
#include <QImage>

#include <QTimeZone>

#include <benchmark/benchmark.h>

#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <vector>

namespace
{
constexpr double kTick = 0.01;

// An order key as exchanges make them: its UTC time, then a sequence number.
std::string OrderKey(long sequence)
{
    char key[64];
    std::snprintf(key, sizeof(key), "20240506%02ld%02ld%02ld/%08ld", 9 + sequence / 3600 % 8, sequence / 60 % 60,
                  sequence % 60, sequence);
    return key;
}

// levels a side, ordersPerLevel at each, around 100.00.
std::vector<ItemBasicData> Book(int side, int levels, int ordersPerLevel)
{
    std::vector<ItemBasicData> records;
    long sequence = side * 1000000L;
    for (int level = 0; level < levels; ++level)
    {
        for (int order = 0; order < ordersPerLevel; ++order)
        {
            ItemBasicData record;
            record.side = side;
            record.orderKey = OrderKey(sequence++);
            record.orderId = record.orderKey;
            record.sheetPrice = record.orderPrice = 100.0 + (side == 0 ? 1 : -1) * (level + 1) * kTick;
            record.volume = 10.0 * (1 + order);
            records.push_back(record);
        }
    }
    return records;
}

void BM_OrdersMatrix(benchmark::State& state)
{
    std::vector<ItemBasicData> records = Book(0, static_cast<int>(state.range(0)), 1);
    OSDataGenerator::SortRecords(records, 0);
    const QTimeZone zone("Europe/Warsaw");
    for (auto _ : state)
    {
        MatrixDataBufor matrix;
        OSDataGenerator(OSSheetMode::kOrders, 0, records, OSAdditionalData(), matrix, zone).GenerateForOrdersMode();
        benchmark::DoNotOptimize(matrix.RowCount());
    }
}

void BM_OffersMatrix(benchmark::State& state)
{
    std::vector<ItemBasicData> records = Book(0, static_cast<int>(state.range(0)), 1);
    OSDataGenerator::SortRecords(records, 0);
    for (auto _ : state)
    {
        MatrixDataBufor matrix;
        // Each run reverses the records; two keep them as they were.
        OSDataGenerator(OSSheetMode::kOffers, 0, records, OSAdditionalData(), matrix).GenerateForOffersMode();
        OSDataGenerator(OSSheetMode::kOffers, 0, records, OSAdditionalData(), matrix).GenerateForOffersMode();
        benchmark::DoNotOptimize(matrix.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

double ThreadCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double ProcessCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// Counts the processing thread's refreshes, notes that thread's CPU time at each, and lets this
// thread wait for the next one.
class RefreshCounter : public IOrdersSheetRefreshGuard
{
public:
    void NotifyRefresh() override
    {
        const double processingCpu = ThreadCpuMicroseconds();
        {
            const std::lock_guard lock(m_mutex);
            ++m_refreshes;
            m_processingCpu = processingCpu;
        }
        m_refreshed.notify_all();
    }

    long Refreshes() const
    {
        const std::lock_guard lock(m_mutex);
        return m_refreshes;
    }

    // The processing thread's CPU time at its last refresh.
    double ProcessingCpu() const
    {
        const std::lock_guard lock(m_mutex);
        return m_processingCpu;
    }

    // False when no refresh comes within a few periods.
    bool WaitBeyond(long refreshes)
    {
        std::unique_lock lock(m_mutex);
        return m_refreshed.wait_for(lock, 10 * OrdersDataProcessThread::kRefreshPeriod,
                                    [&] { return m_refreshes > refreshes; });
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_refreshed;
    long m_refreshes = 0;
    double m_processingCpu = 0.0;
};

// An instrument with a book of levels a side, ordersPerLevel at each, in its receiver, and the
// provider's updates of a cycle: most change a volume, the others replace an order.
class CycleBench
{
public:
    CycleBench(int levels, int ordersPerLevel)
        : m_live{Book(0, levels, ordersPerLevel), Book(1, levels, ordersPerLevel)}
    {
        m_instance.AddPriceLevel(1, std::make_shared<PriceLevelElement>(0, 0.02f));
        m_thread.Attach(m_instance.GetDataSet(0), m_instance.GetDataSet(1), *m_asset);
        m_receiver = m_thread.GetReceiver();
        m_receiver->OnSetCountItems(static_cast<int>(Orders()));
        for (const auto& side : m_live)
            for (const ItemBasicData& record : side)
                m_receiver->OnSetNewItem(Item(record));
    }

    OrdersDataProcessThread& Thread() { return m_thread; }
    OrdersSheetAssetInstance& Instance() { return m_instance; }
    RefreshCounter& Counter() { return m_counter; }
    std::size_t Orders() const { return m_live[0].size() + m_live[1].size(); }

    void DeliverUpdates()
    {
        for (int update = 0; update < 100; ++update)
        {
            auto& side = m_live[m_random() % 2];
            ItemBasicData& record = side[m_random() % side.size()];
            if (m_random() % 4 != 0)
            {
                record.volume = 10.0 * (1 + m_random() % 50);
                m_receiver->OnUpdateItem(Item(record));
                continue;
            }
            m_receiver->OnDeleteItem(Item(record));
            record.orderKey = record.orderId = OrderKey(m_sequence++);
            m_receiver->OnSetNewItem(Item(record));
        }
    }

private:
    static DataSheetItemBase Item(const ItemBasicData& r)
    {
        return DataSheetItemBase(r.side, r.orderPrice, r.sheetPrice, r.volume, r.peg, r.orderId, r.orderKey);
    }

    FakeProvider m_provider{QStringLiteral("Bench")};
    std::shared_ptr<Asset> m_asset = std::make_shared<Asset>(&m_provider, QStringLiteral("PLBENCH00001"),
                                                             QStringLiteral("BENCH"), QStringLiteral("Bench"),
                                                             QStringLiteral("GPW"));
    OrdersSheetAssetInstance m_instance{m_asset};
    RefreshCounter m_counter;
    OrdersDataProcessThread m_thread{&m_counter};
    std::shared_ptr<OSReceiver> m_receiver;
    std::vector<std::vector<ItemBasicData>> m_live;
    std::mt19937 m_random{5};
    long m_sequence = 5000000;
};

void BM_RefreshCycle(benchmark::State& state)
{
    CycleBench bench(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (!bench.Thread().Start() || !bench.Counter().WaitBeyond(0))
    {
        state.SkipWithError("the processing thread does not refresh");
        return;
    }
    const long refreshesBefore = bench.Counter().Refreshes();
    const double processingBefore = bench.Counter().ProcessingCpu();
    const double cpuBefore = ProcessCpuMicroseconds();
    double delivery = 0.0;
    for (auto _ : state)
    {
        const long refreshes = bench.Counter().Refreshes();
        const double deliveryStart = ThreadCpuMicroseconds();
        bench.DeliverUpdates();
        delivery += ThreadCpuMicroseconds() - deliveryStart;
        if (!bench.Counter().WaitBeyond(refreshes))
        {
            state.SkipWithError("the processing thread stopped refreshing");
            break;
        }
    }
    const double cycles = static_cast<double>(state.iterations());
    const double cpuPerCycle = (ProcessCpuMicroseconds() - cpuBefore) / cycles;
    bench.Thread().Stop();
    state.counters["core_share_pct"] = cpuPerCycle / 1000.0;
    // The provider's thread delivering the updates, and the processing thread (its refresh and
    // its timer's wake-ups), each in microseconds a cycle.
    state.counters["delivery_us"] = delivery / cycles;
    state.counters["processing_us"] = (bench.Counter().ProcessingCpu() - processingBefore) / cycles;
    state.counters["refreshes_per_cycle"] = static_cast<double>(bench.Counter().Refreshes() - refreshesBefore) / cycles;
    state.counters["orders"] = static_cast<double>(bench.Orders());
}

void BM_RefreshCycleBackToBack(benchmark::State& state)
{
    CycleBench bench(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    bench.Thread().RunUpdateDataIfNeccesary();
    for (auto _ : state)
    {
        bench.DeliverUpdates();
        bench.Thread().RunUpdateDataIfNeccesary();
    }
    state.counters["refreshes"] = static_cast<double>(bench.Counter().Refreshes());
    state.counters["orders"] = static_cast<double>(bench.Orders());
}
}

void BM_SheetFrame(benchmark::State& state)
{
    FrameTimes::Application();
    CycleBench bench(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    OrdersSheetSettings settings;
    OrdersSheetPaneManager panes(settings, nullptr, 1, nullptr);
    panes.resize(1000, 800);
    panes.SetDataSets(bench.Instance().GetDataSet(0), bench.Instance().GetDataSet(1));
    QImage image(panes.size(), QImage::Format_ARGB32_Premultiplied);
    bench.Thread().RunUpdateDataIfNeccesary();
    std::vector<double> frames;
    std::vector<double> repaints;
    std::vector<double> frameCpu;
    for (auto _ : state)
    {
        const double cpuStart = FrameTimes::ThreadCpuMs();
        QElapsedTimer frame;
        frame.start();
        bench.DeliverUpdates();
        bench.Thread().RunUpdateDataIfNeccesary();
        const qint64 refreshed = frame.nsecsElapsed();
        panes.RefreshAll();
        panes.render(&image);
        const qint64 painted = frame.nsecsElapsed();
        frames.push_back(painted / 1e6);
        frameCpu.push_back(FrameTimes::ThreadCpuMs() - cpuStart);
        repaints.push_back((painted - refreshed) / 1e6);
    }
    state.counters["frame_p99_ms"] = FrameTimes::Percentile99(frames);
    state.counters["repaint_p99_ms"] = FrameTimes::Percentile99(repaints);
    // This thread's CPU time: the frame's own work, without the time other processes took the core.
    state.counters["frame_cpu_p99_ms"] = FrameTimes::Percentile99(frameCpu);
    state.counters["orders"] = static_cast<double>(bench.Orders());
}

BENCHMARK(BM_OrdersMatrix)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OffersMatrix)->Arg(1000)->Unit(benchmark::kMicrosecond);
// Each cycle lasts the timer's 100 ms, so a few dozen make a figure; the CPU column is the
// whole process's.
BENCHMARK(BM_RefreshCycle)
    ->Args({10, 3})
    ->Args({100, 3})
    ->Args({1000, 1})
    ->Iterations(30)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefreshCycleBackToBack)->Args({10, 3})->Args({100, 3})->Args({1000, 1})->Unit(benchmark::kMicrosecond);
// A frame per 100 ms cycle of 1,000 updates a second: 1,000 price levels a side.
BENCHMARK(BM_SheetFrame)->Args({1000, 1})->Args({1000, 3})->Iterations(300)->Unit(benchmark::kMillisecond);
