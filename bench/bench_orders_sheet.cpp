// The orders sheet's processing: how long the row matrices of a book take to make, and what one
// instrument's 100 ms refresh cycle costs while its provider delivers 1,000 book updates a
// second (100 updates, then the tick's refresh of both sides). A cycle's share of one core is
// its time divided by 100 ms.

#include "orderssheet/engine/IOrdersSheetRefreshGuard.h"
#include "orderssheet/engine/OSDataGenerator.h"
#include "orderssheet/engine/OSSheetMode.h"
#include "orderssheet/engine/OrdersDataProcessThread.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "tests/support/FakeProvider.h"

#include <QTimeZone>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
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

class NoGuard : public IOrdersSheetRefreshGuard
{
public:
    void NotifyRefresh() override { ++refreshes; }

    long refreshes = 0;
};

// One 100 ms cycle: 100 updates of a book of levels a side (most change a volume, the others
// replace an order), then the tick's refresh, on this thread.
void BM_RefreshCycle(benchmark::State& state)
{
    const int levels = static_cast<int>(state.range(0));
    const int ordersPerLevel = static_cast<int>(state.range(1));
    FakeProvider provider(QStringLiteral("Bench"));
    auto asset = std::make_shared<Asset>(&provider, QStringLiteral("PLBENCH00001"), QStringLiteral("BENCH"),
                                         QStringLiteral("Bench"), QStringLiteral("GPW"));
    OrdersSheetAssetInstance instance(asset);
    instance.AddPriceLevel(1, std::make_shared<PriceLevelElement>(0, 0.02f));
    NoGuard guard;
    OrdersDataProcessThread thread(&guard);
    thread.Attach(instance.GetDataSet(0), instance.GetDataSet(1), *asset);
    OSReceiver& receiver = *thread.GetReceiver();

    std::vector<std::vector<ItemBasicData>> live = {Book(0, levels, ordersPerLevel), Book(1, levels, ordersPerLevel)};
    receiver.OnSetCountItems(static_cast<int>(live[0].size() + live[1].size()));
    auto item = [](const ItemBasicData& r) {
        return DataSheetItemBase(r.side, r.orderPrice, r.sheetPrice, r.volume, r.peg, r.orderId, r.orderKey);
    };
    for (const auto& side : live)
        for (const ItemBasicData& record : side)
            receiver.OnSetNewItem(item(record));
    thread.RunUpdateDataIfNeccesary();

    std::mt19937 random(5);
    long sequence = 5000000;
    for (auto _ : state)
    {
        for (int update = 0; update < 100; ++update)
        {
            auto& side = live[random() % 2];
            ItemBasicData& record = side[random() % side.size()];
            if (random() % 4 != 0)
            {
                record.volume = 10.0 * (1 + random() % 50);
                receiver.OnUpdateItem(item(record));
                continue;
            }
            receiver.OnDeleteItem(item(record));
            record.orderKey = record.orderId = OrderKey(sequence++);
            receiver.OnSetNewItem(item(record));
        }
        thread.RunUpdateDataIfNeccesary();
    }
    state.counters["refreshes"] = static_cast<double>(guard.refreshes);
    state.counters["orders"] = static_cast<double>(live[0].size() + live[1].size());
}
}

BENCHMARK(BM_OrdersMatrix)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OffersMatrix)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefreshCycle)->Args({10, 3})->Args({100, 3})->Args({1000, 1})->Unit(benchmark::kMicrosecond);
