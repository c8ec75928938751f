#include "SheetTestSupport.h"

#include "core/engine/InvalidArgException.h"
#include "orderssheet/engine/OSSheetMode.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "platform/base/SafeAutoLock.h"
#include "providers/simfeed/KelvoraOnLineProvider.h"
#include "tests/support/SimSessionClock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>

using SheetTest::CountingWindow;
using SheetTest::ProcessEventsUntil;
using SheetTest::WindowLog;

namespace
{
class OrdersSheetAssetInstanceTest : public ::testing::Test
{
protected:
    // A window the instance owns; its log outlives it.
    std::shared_ptr<WindowLog> AddWindow(OrdersSheetAssetInstance& to, bool hasHandle = true,
                                         int styleId = IOrdersSheetWindow::kNoStyleId,
                                         CountingWindow** window = nullptr)
    {
        auto log = std::make_shared<WindowLog>();
        auto* made = new CountingWindow(log, hasHandle, styleId);
        to.AddWindow(made);
        if (window)
            *window = made;
        return log;
    }

    SheetTest::SheetProvider provider;
    std::shared_ptr<Asset> asset = std::make_shared<Asset>(&provider, QStringLiteral("PLTEST000001"),
                                                           QStringLiteral("TEST"), QStringLiteral("Test"),
                                                           QStringLiteral("GPW"));
};
}

TEST_F(OrdersSheetAssetInstanceTest, NotifiesEveryWindowWithAHandleOnTheMainThread)
{
    OrdersSheetAssetInstance instance(asset);
    const auto first = AddWindow(instance);
    const auto second = AddWindow(instance);
    const auto hidden = AddWindow(instance, false);
    // Notifications that pile up before the main thread takes them make one.
    instance.NotifyRefresh();
    instance.NotifyRefresh();
    EXPECT_EQ(first->newData.load(), 0);
    ProcessEventsUntil([&] { return first->newData.load() > 0 && second->newData.load() > 0; });
    ProcessEventsUntil([] { return false; }, 50);
    EXPECT_EQ(first->newData.load(), 1);
    EXPECT_EQ(second->newData.load(), 1);
    EXPECT_EQ(hidden->newData.load(), 0);
}

TEST_F(OrdersSheetAssetInstanceTest, ANotificationForAGoneInstanceIsDropped)
{
    std::shared_ptr<WindowLog> log;
    {
        OrdersSheetAssetInstance instance(asset);
        log = AddWindow(instance);
        instance.NotifyRefresh();
    }
    EXPECT_TRUE(log->deleted.load());
    ProcessEventsUntil([] { return false; }, 50);
    EXPECT_EQ(log->newData.load(), 0);
}

TEST_F(OrdersSheetAssetInstanceTest, WindowsComeAndGo)
{
    OrdersSheetAssetInstance instance(asset);
    EXPECT_THROW(instance.AddWindow(nullptr), InvalidArgException);
    EXPECT_THROW(OrdersSheetAssetInstance(nullptr), InvalidArgException);
    CountingWindow* kept = nullptr;
    CountingWindow* closed = nullptr;
    const auto keptLog = AddWindow(instance, true, 0, &kept);
    const auto closedLog = AddWindow(instance, true, 17, &closed);
    EXPECT_EQ(instance.GetFirstNamedWindowStyleId(), 17);

    instance.PublishArgumentValues(SheetTest::EmptyArgumentList());
    EXPECT_EQ(keptLog->argumentLists.load(), 1);
    EXPECT_EQ(closedLog->argumentLists.load(), 1);

    EXPECT_FALSE(instance.RemoveWindow(closed));
    EXPECT_TRUE(closedLog->deleted.load());
    EXPECT_EQ(instance.GetFirstNamedWindowStyleId(), IOrdersSheetWindow::kNoStyleId);
    EXPECT_TRUE(instance.DetachWindow(kept));
    EXPECT_FALSE(keptLog->deleted.load());
    EXPECT_TRUE(instance.GetWindows().IsEmpty());
    delete kept;
}

TEST_F(OrdersSheetAssetInstanceTest, WithoutProviderThereIsNothingToStart)
{
    OrdersSheetAssetInstance instance(std::make_shared<Asset>(nullptr, QString(), QStringLiteral("NONE"), QString(),
                                                              QString()));
    CountingWindow* window = nullptr;
    AddWindow(instance, true, 0, &window);
    EXPECT_FALSE(instance.Start());
    EXPECT_EQ(instance.GetReceiver(), nullptr);
    EXPECT_FALSE(instance.SubscribeReceiver(window));
    instance.RequestRefresh();
    instance.UnsubscribeReceiver(window);
    EXPECT_FALSE(instance.IsReceiverSubscribed());
}

TEST_F(OrdersSheetAssetInstanceTest, ClosingOneWindowKeepsTheOtherSubscribed)
{
    provider.series = {DSProp(2, QStringLiteral("Kurs"), 2)};
    OrdersSheetAssetInstance instance(asset);
    ASSERT_TRUE(instance.Start());
    EXPECT_FALSE(instance.Start());
    EXPECT_EQ(instance.GetSeriesProperties().size(), 1u);
    CountingWindow* first = nullptr;
    CountingWindow* second = nullptr;
    AddWindow(instance, true, 0, &first);
    AddWindow(instance, true, 0, &second);

    EXPECT_TRUE(instance.SubscribeReceiver(first));
    EXPECT_TRUE(instance.SubscribeReceiver(second));
    EXPECT_TRUE(instance.SubscribeReceiver(second));
    EXPECT_EQ(provider.Adds(), 1);
    EXPECT_EQ(provider.Receiver(), instance.GetReceiver().get());

    // Hidden, shown again, then closed: the other window still wants the book.
    instance.UnsubscribeReceiver(first);
    EXPECT_TRUE(instance.SubscribeReceiver(first));
    EXPECT_FALSE(instance.RemoveWindow(first));
    EXPECT_EQ(provider.Removes(), 0);
    EXPECT_TRUE(instance.IsReceiverSubscribed());

    instance.UnsubscribeReceiver(second);
    EXPECT_EQ(provider.Removes(), 1);
    EXPECT_FALSE(instance.IsReceiverSubscribed());

    provider.acceptsReceivers.store(false);
    EXPECT_FALSE(instance.SubscribeReceiver(second));
    EXPECT_FALSE(instance.IsReceiverSubscribed());
    provider.acceptsReceivers.store(true);
    EXPECT_TRUE(instance.SubscribeReceiver(second));
    EXPECT_TRUE(instance.RemoveWindow(second));
    EXPECT_EQ(provider.Removes(), 2);
}

TEST_F(OrdersSheetAssetInstanceTest, TheTimerRefreshesAndGoingAwayUnsubscribes)
{
    std::shared_ptr<WindowLog> log;
    {
        OrdersSheetAssetInstance instance(asset);
        ASSERT_TRUE(instance.Start());
        CountingWindow* window = nullptr;
        log = AddWindow(instance, true, 0, &window);
        ASSERT_TRUE(instance.SubscribeReceiver(window));
        IOrdersSheetReceiver* receiver = provider.Receiver();
        ASSERT_NE(receiver, nullptr);
        receiver->OnSetCountItems(1);
        receiver->OnSetNewItem(SheetTest::Item(1, 9.0, 3.0, "a"));
        ASSERT_TRUE(ProcessEventsUntil([&] { return log->newData.load() == 1; }));
        EXPECT_EQ(instance.GetDataSet(1)->GetRowCount(OSSheetMode::kOrders), 1);
        // A refresh that the window asks for arrives although the book is unchanged.
        instance.RequestRefresh();
        ASSERT_TRUE(ProcessEventsUntil([&] { return log->newData.load() == 2; }));
    }
    EXPECT_EQ(provider.Removes(), 1);
    EXPECT_EQ(provider.Receiver(), nullptr);
}

TEST(OrdersSheetSimulatedFeedTest, WindowsOfOneInstrumentFollowTheFeedUntilTheLastCloses)
{
    KelvoraOnLineProvider provider(SessionClock());
    ASSERT_TRUE(provider.AcceptSettingsManager(nullptr));
    SimFeedOptions options = provider.GetOptions();
    options.tickInterval = std::chrono::milliseconds(10);
    options.ticksPerStep = 30;
    provider.ApplyOptions(options);
    const std::vector<Asset> assets = provider.GetAllAssets();
    ASSERT_FALSE(assets.empty());

    std::shared_ptr<WindowLog> firstLog;
    std::shared_ptr<WindowLog> secondLog;
    {
        OrdersSheetAssetInstance instance(std::make_shared<Asset>(assets.front()));
        ASSERT_TRUE(instance.Start());
        instance.AddPriceLevel(1, std::make_shared<PriceLevelElement>(0, 0.02f));
        CountingWindow* first = nullptr;
        CountingWindow* second = nullptr;
        firstLog = std::make_shared<WindowLog>();
        secondLog = std::make_shared<WindowLog>();
        first = new CountingWindow(firstLog);
        second = new CountingWindow(secondLog);
        std::atomic<int> orderRows = 0;
        // As a window does: read both sides under the instance's lock, prune to the row keys.
        second->onNewData = [&] {
            const SafeAutoLock lock(instance.GetLock(), "onNewData", "OrdersSheetAssetInstanceTest");
            int rows = 0;
            for (int side = 0; side < 2; ++side)
            {
                TableDataSetOrdersSheet* dataSet = instance.GetDataSet(side);
                rows += dataSet->GetRowCount(OSSheetMode::kOrders);
                for (int row = -1; row < dataSet->GetRowCount(OSSheetMode::kOffers); ++row)
                    dataSet->GetCellValue(row, 3, OSTableColumns{OSSheetMode::kOffers});
                dataSet->GetSummaryValues(1);
            }
            orderRows.store(rows);
            EXPECT_GE(instance.GetRowKeys().size(), static_cast<qsizetype>(rows));
        };
        instance.AddWindow(first);
        instance.AddWindow(second);
        ASSERT_TRUE(instance.SubscribeReceiver(first));
        ASSERT_TRUE(instance.SubscribeReceiver(second));

        ASSERT_TRUE(ProcessEventsUntil([&] { return firstLog->newData.load() >= 3 && secondLog->newData.load() >= 3; }));
        EXPECT_GT(orderRows.load(), 20);
        EXPECT_TRUE(instance.GetDataSet(0)->GetCurrentValueRecord()->value > 0.0);

        instance.UnsubscribeReceiver(first);
        EXPECT_FALSE(instance.RemoveWindow(first));
        const int before = secondLog->newData.load();
        ASSERT_TRUE(ProcessEventsUntil([&] { return secondLog->newData.load() >= before + 3; }));
        EXPECT_TRUE(instance.IsReceiverSubscribed());
    }
    EXPECT_TRUE(firstLog->deleted.load());
    EXPECT_TRUE(secondLog->deleted.load());
    provider.ShutDown();
}
