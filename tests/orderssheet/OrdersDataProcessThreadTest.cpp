#include "SheetTestSupport.h"

#include "core/engine/InvalidArgException.h"
#include "orderssheet/engine/IOrdersSheetRefreshGuard.h"
#include "orderssheet/engine/OSSheetMode.h"
#include "orderssheet/engine/OrdersDataProcessThread.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

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
