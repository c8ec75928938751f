#include "SheetTestSupport.h"

#include "core/engine/InvalidArgException.h"
#include "orderssheet/engine/IOrdersSheetRefreshGuard.h"
#include "orderssheet/engine/OSDataGenerator.h"
#include "orderssheet/engine/OSSheetMode.h"
#include "orderssheet/engine/OrdersDataProcessThread.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

using SheetTest::Item;

namespace
{
class CountingGuard : public IOrdersSheetRefreshGuard
{
public:
    void NotifyRefresh() override { ++refreshes; }

    std::atomic<int> refreshes = 0;
};

// A thread that is never started: each test runs its ticks itself, on the test's thread.
class OrdersDataProcessThreadTest : public ::testing::Test
{
protected:
    OrdersDataProcessThreadTest()
    {
        thread.Attach(instance.GetDataSet(0), instance.GetDataSet(1), *asset);
        receiver = thread.GetReceiver();
    }

    int Rows(int side) const { return instance.GetDataSet(side)->GetRowCount(OSSheetMode::kOrders); }

    SheetTest::SheetProvider provider;
    std::shared_ptr<Asset> asset = std::make_shared<Asset>(&provider, QStringLiteral("PLTEST000001"),
                                                           QStringLiteral("TEST"), QStringLiteral("Test"),
                                                           QStringLiteral("GPW"));
    OrdersSheetAssetInstance instance{asset};
    CountingGuard guard;
    OrdersDataProcessThread thread{&guard};
    std::shared_ptr<OSReceiver> receiver;
};
}

TEST_F(OrdersDataProcessThreadTest, ACompleteEmptyBookRefreshesOnce)
{
    ASSERT_NE(receiver, nullptr);
    EXPECT_EQ(receiver->GetAsset(), *asset);
    receiver->OnSetCountItems(0);
    thread.RunUpdateDataIfNeccesary();
    EXPECT_EQ(guard.refreshes.load(), 1);
    EXPECT_EQ(Rows(0), 0);
    thread.RunUpdateDataIfNeccesary();
    EXPECT_EQ(guard.refreshes.load(), 1);
}

TEST_F(OrdersDataProcessThreadTest, ABookThatNeverCompletesIsNeverShown)
{
    receiver->OnSetCountItems(3);
    receiver->OnSetNewItem(Item(0, 10.0, 1.0, "a"));
    receiver->OnSetNewItem(Item(1, 9.0, 1.0, "b"));
    receiver->OnUpdateItem(Item(1, 9.5, 1.0, "b"));
    thread.RequestRefresh();
    thread.RunUpdateDataIfNeccesary();
    EXPECT_EQ(guard.refreshes.load(), 0);
    EXPECT_EQ(Rows(0), 0);
}

TEST_F(OrdersDataProcessThreadTest, EachSideGetsItsOrdersAndAnEmptiedBookShowsEmpty)
{
    receiver->OnSetCountItems(3);
    receiver->OnSetNewItem(Item(0, 10.0, 1.0, "a"));
    receiver->OnSetNewItem(Item(1, 9.0, 1.0, "b"));
    receiver->OnSetNewItem(Item(1, 8.0, 1.0, "c"));
    thread.RunUpdateDataIfNeccesary();
    EXPECT_EQ(Rows(0), 1);
    EXPECT_EQ(Rows(1), 2);

    receiver->OnSetCountItems(0);
    thread.RunUpdateDataIfNeccesary();
    EXPECT_EQ(guard.refreshes.load(), 2);
    EXPECT_EQ(Rows(0), 0);
    EXPECT_EQ(Rows(1), 0);
}

TEST_F(OrdersDataProcessThreadTest, ARequestedRefreshRegeneratesAnUnchangedBook)
{
    receiver->OnSetCountItems(0);
    thread.RunUpdateDataIfNeccesary();
    thread.RunUpdateDataIfNeccesary();
    EXPECT_EQ(guard.refreshes.load(), 1);
    thread.RequestRefresh();
    thread.RunUpdateDataIfNeccesary();
    EXPECT_EQ(guard.refreshes.load(), 2);
    thread.RunUpdateDataIfNeccesary();
    EXPECT_EQ(guard.refreshes.load(), 2);
}

TEST_F(OrdersDataProcessThreadTest, TheFirstRefreshMarksNothingAndEveryLaterOneMarks)
{
    TableDataSetOrdersSheet* supply = instance.GetDataSet(0);
    receiver->OnSetCountItems(1);
    receiver->OnSetNewItem(Item(0, 10.0, 5.0, "a"));
    thread.RunUpdateDataIfNeccesary();
    EXPECT_FALSE(supply->IsChangeMarking());
    EXPECT_EQ(supply->GetCellState(0, 3, OSSheetMode::kOrders), MatrixDataBufor::eNew);

    receiver->OnUpdateItem(Item(0, 10.0, 7.0, "a"));
    thread.RunUpdateDataIfNeccesary();
    EXPECT_TRUE(supply->IsChangeMarking());
    EXPECT_TRUE(instance.GetDataSet(1)->IsChangeMarking());
    EXPECT_EQ(supply->GetCellState(0, 3, OSSheetMode::kOrders), MatrixDataBufor::eRose);
}

TEST_F(OrdersDataProcessThreadTest, NeedsBothDataSetsAndAProviderForAReceiver)
{
    OrdersDataProcessThread other(&guard);
    EXPECT_THROW(other.Attach(instance.GetDataSet(0), nullptr, *asset), InvalidArgException);
    other.Attach(instance.GetDataSet(0), instance.GetDataSet(1), Asset());
    EXPECT_EQ(other.GetReceiver(), nullptr);
    other.RunUpdateDataIfNeccesary();
    EXPECT_EQ(guard.refreshes.load(), 0);
}

TEST_F(OrdersDataProcessThreadTest, GoingAwayTakesTheReceiverFromItsProvider)
{
    {
        OrdersDataProcessThread other(&guard);
        other.Attach(instance.GetDataSet(0), instance.GetDataSet(1), *asset);
        ASSERT_TRUE(provider.AddOrdersSheetReceiver(other.GetReceiver().get(), *asset));
    }
    EXPECT_EQ(provider.Removes(), 1);
    EXPECT_EQ(provider.Receiver(), nullptr);
}

// Refreshes over kept records and outputs against the matrices made anew from the receiver's
// book after every refresh and marked by the key index alone, as the table sees them.
TEST_F(OrdersDataProcessThreadTest, RefreshesMatchMatricesMadeAnewFromTheBook)
{
    std::uint64_t now = 1000;
    for (int side : {0, 1})
        instance.GetDataSet(side)->SetTickSource([&now] { return now; });
    std::mt19937 random(37);
    const auto item = [](const ItemBasicData& r) {
        return DataSheetItemBase(r.side, r.orderPrice, r.sheetPrice, r.volume, r.peg, r.orderId, r.orderKey);
    };
    std::vector<ItemBasicData> live;
    receiver->OnSetCountItems(0);
    MatrixDataBufor expected[2][2];
    bool marking = false;
    for (int round = 0; round < 120; ++round)
    {
        SCOPED_TRACE(testing::Message() << "round " << round);
        for (int update = 0; update < 12; ++update)
        {
            const unsigned what = random() % 10;
            if (live.empty() || what < 3)
            {
                for (ItemBasicData record : SheetTest::RandomBook(random, static_cast<int>(random() % 2), 1))
                {
                    record.orderId = record.orderId.empty() ? std::string() : std::to_string(random() % 200);
                    receiver->OnSetNewItem(item(record));
                    live.push_back(record);
                }
                continue;
            }
            ItemBasicData& record = live[random() % live.size()];
            if (what < 8)
            {
                record.volume = 1.0 + static_cast<double>(random() % 300);
                if (what == 7)
                    record.orderPrice = record.sheetPrice = 9.0 + static_cast<int>(random() % 40) * 0.05;
                receiver->OnUpdateItem(item(record));
            }
            else if (what == 8)
            {
                receiver->OnDeleteItem(item(record));
            }
            else if (random() % 20 == 0)
            {
                receiver->OnSetCountItems(0);
                live.clear();
            }
        }
        if (round % 17 == 16)
            thread.RequestRefresh();
        const int refreshes = guard.refreshes.load();
        ++now;
        thread.RunUpdateDataIfNeccesary();
        if (guard.refreshes.load() == refreshes)
            continue;

        std::vector<ItemBasicData> book;
        receiver->GetBasicDataArray(book);
        for (int side : {0, 1})
        {
            TableDataSetOrdersSheet* dataSet = instance.GetDataSet(side);
            std::vector<ItemBasicData> records;
            for (const ItemBasicData& record : book)
                if (record.side == side)
                    records.push_back(record);
            OSDataGenerator::SortRecords(records, side);
            for (int mode : {OSSheetMode::kOrders, OSSheetMode::kOffers})
            {
                SCOPED_TRACE(testing::Message() << "side " << side << " mode " << mode);
                MatrixDataBufor fresh;
                OSDataGenerator(mode, side, records, OSAdditionalData(), fresh).Generate();
                MatrixDataBufor& previous = expected[side][mode == OSSheetMode::kOrders ? 0 : 1];
                if (marking)
                    SheetTest::MarkByKeyIndex(fresh, previous, mode, now);
                previous = fresh;

                const int count = static_cast<int>(fresh.RowCount());
                ASSERT_EQ(dataSet->GetRowCount(mode), count);
                OSTableColumns columns;
                columns.mode = mode;
                for (int index = 0; index < count; ++index)
                {
                    const int row = side == 0 ? index : count - index - 1;
                    const MatrixDataBufor::RowDataBufor& shown = *fresh.Row(index);
                    EXPECT_EQ(dataSet->GetRowKey(row, mode), shown.rowKey);
                    EXPECT_EQ(dataSet->GetRowIdxForRowKey(shown.rowKey, mode), fresh.FindRow(shown.rowKey));
                    EXPECT_EQ(dataSet->GetRowTimeLastUpdate(row, mode), shown.timeLastChange);
                    EXPECT_EQ(dataSet->GetIfRowIsPEGOrder(row, mode), OSSheetMode::IsOrders(mode) && shown.peg);
                    for (int cell = 0; cell < static_cast<int>(shown.Cells().size()); ++cell)
                    {
                        const double value = dataSet->GetCellValue(row, cell, columns);
                        const double expectedValue = shown.Cells()[static_cast<std::size_t>(cell)].value;
                        EXPECT_TRUE(value == expectedValue || (std::isnan(value) && std::isnan(expectedValue)));
                        EXPECT_EQ(dataSet->GetCellState(row, cell, mode), shown.Cells()[static_cast<std::size_t>(cell)].state);
                        EXPECT_EQ(dataSet->GetCellSpecialValue(row, cell, mode), shown.Text(static_cast<std::size_t>(cell)));
                    }
                }
                // The table clears some marks before the next refresh.
                for (int index = 0; index < count; ++index)
                {
                    if (random() % 3 != 0)
                        continue;
                    dataSet->ResetRowChanges(side == 0 ? index : count - index - 1, mode);
                    for (auto& cell : previous.Rows()[static_cast<std::size_t>(index)].Cells())
                        cell.state = MatrixDataBufor::eUnchanged;
                }
            }
        }
        marking = true;
    }
    EXPECT_GT(guard.refreshes.load(), 60);
}
