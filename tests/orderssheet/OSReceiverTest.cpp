#include "SheetTestSupport.h"

#include "orderssheet/engine/OSReceiver.h"
#include "platform/modules/CurrentState.h"
#include "platform/modules/SeriesIds.h"
#include "providers/simfeed/SimFeed.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using SheetTest::Item;

namespace
{
std::vector<std::string> Ids(const OSReceiver& receiver)
{
    std::vector<ItemBasicData> records;
    receiver.GetBasicDataArray(records);
    std::vector<std::string> ids;
    for (const ItemBasicData& record : records)
        ids.push_back(std::to_string(record.side) + ":" + (record.orderId.empty() ? record.orderKey : record.orderId));
    return ids;
}

std::vector<ItemBasicData> Records(const OSReceiver& receiver)
{
    std::vector<ItemBasicData> records;
    receiver.GetBasicDataArray(records);
    return records;
}
}

TEST(OSReceiverTest, CountProtocol)
{
    struct Case
    {
        const char* name;
        std::function<void(OSReceiver&)> steps;
        bool complete;
        int expected;
        int received;
        bool allDeleted;
    };
    const Case cases[] = {
        {"fresh receiver", [](OSReceiver&) {}, false, -1, 0, false},
        {"count 0 completes at once", [](OSReceiver& r) { r.OnSetCountItems(0); }, true, 0, 0, false},
        {"two of three", [](OSReceiver& r) {
             r.OnSetCountItems(3);
             r.OnSetNewItem(Item(0, 10.0, 1.0, "a"));
             r.OnSetNewItem(Item(1, 9.0, 1.0, "b"));
         }, false, 3, 2, false},
        {"a delete while incomplete lowers both counts", [](OSReceiver& r) {
             r.OnSetCountItems(3);
             r.OnSetNewItem(Item(0, 10.0, 1.0, "a"));
             r.OnSetNewItem(Item(1, 9.0, 1.0, "b"));
             r.OnDeleteItem(Item(0, 10.0, 1.0, "a"));
         }, false, 2, 1, false},
        {"one more new item then completes", [](OSReceiver& r) {
             r.OnSetCountItems(3);
             r.OnSetNewItem(Item(0, 10.0, 1.0, "a"));
             r.OnSetNewItem(Item(1, 9.0, 1.0, "b"));
             r.OnDeleteItem(Item(0, 10.0, 1.0, "a"));
             r.OnSetNewItem(Item(0, 10.5, 1.0, "c"));
         }, true, 2, 2, false},
        {"a delete while complete leaves the counts", [](OSReceiver& r) {
             r.OnSetCountItems(1);
             r.OnSetNewItem(Item(0, 10.0, 1.0, "a"));
             r.OnDeleteItem(Item(0, 10.0, 1.0, "a"));
         }, true, 1, 1, false},
        {"a new count while orders are held", [](OSReceiver& r) {
             r.OnSetCountItems(1);
             r.OnSetNewItem(Item(1, 9.0, 1.0, "a"));
             r.OnSetCountItems(2);
         }, false, 2, 0, true},
        {"a duplicate still counts", [](OSReceiver& r) {
             r.OnSetCountItems(2);
             r.OnSetNewItem(Item(0, 10.0, 1.0, "a"));
             r.OnSetNewItem(Item(0, 11.0, 2.0, "a"));
         }, true, 2, 2, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        OSReceiver receiver;
        c.steps(receiver);
        EXPECT_EQ(receiver.IfItemsCountComplete(), c.complete);
        EXPECT_EQ(receiver.GetExpectedCount(), c.expected);
        EXPECT_EQ(receiver.GetReceivedCount(), c.received);
        EXPECT_EQ(receiver.IfAllItemsAreDeleted(), c.allDeleted);
    }
}

TEST(OSReceiverTest, NewCountEmptiesBothSidesAndResetKeepsTheCount)
{
    OSReceiver receiver;
    receiver.OnSetCountItems(2);
    receiver.OnSetNewItem(Item(0, 10.0, 1.0, "a"));
    receiver.OnSetNewItem(Item(1, 9.0, 1.0, "b"));
    receiver.OnSetCountItems(0);
    EXPECT_TRUE(Ids(receiver).empty());
    EXPECT_TRUE(receiver.WhetherDataModified());

    receiver.ResetDataState();
    EXPECT_FALSE(receiver.WhetherDataModified());
    EXPECT_FALSE(receiver.IfAllItemsAreDeleted());
    EXPECT_FALSE(receiver.GetAdditionalDataRef().changed);
    EXPECT_TRUE(receiver.IfItemsCountComplete());
    EXPECT_EQ(receiver.GetExpectedCount(), 0);
}

TEST(OSReceiverTest, KeepsTheFieldsOfAnOrder)
{
    OSReceiver receiver;
    receiver.OnSetCountItems(1);
    receiver.OnSetNewItem(DataSheetItemBase(1, 9.5, 9.75, 300.0, true, "id", "key"));
    const std::vector<ItemBasicData> records = Records(receiver);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].side, 1);
    EXPECT_EQ(records[0].orderPrice, 9.5);
    EXPECT_EQ(records[0].sheetPrice, 9.75);
    EXPECT_EQ(records[0].volume, 300.0);
    EXPECT_TRUE(records[0].peg);
    EXPECT_EQ(records[0].orderId, "id");
    EXPECT_EQ(records[0].orderKey, "key");
}

TEST(OSReceiverTest, RebuildsTheBookFromOutOfOrderAndDuplicateUpdates)
{
    OSReceiver receiver;
    receiver.OnSetCountItems(2);
    receiver.OnSetNewItem(Item(0, 10.0, 1.0, "b"));
    // A change of an order not seen yet brings it in; the counts are the new items' only.
    receiver.OnUpdateItem(Item(0, 10.5, 7.0, "a"));
    receiver.OnSetNewItem(Item(0, 11.0, 9.0, "b"));
    EXPECT_TRUE(receiver.IfItemsCountComplete());
    // Gone twice, and gone before it came: nothing more happens.
    receiver.OnDeleteItem(Item(1, 0.0, 0.0, "x"));
    receiver.OnDeleteItem(Item(0, 0.0, 0.0, "a"));
    receiver.OnDeleteItem(Item(0, 0.0, 0.0, "a"));
    receiver.OnUpdateItem(Item(0, 10.25, 3.0, "b"));
    // Orders without an id are told apart by key.
    receiver.OnSetNewItem(DataSheetItemBase(1, 9.0, 9.0, 1.0, false, "", "k1"));
    receiver.OnUpdateItem(DataSheetItemBase(1, 9.0, 9.0, 4.0, false, "", "k1"));

    const std::vector<ItemBasicData> records = Records(receiver);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].orderId, "b");
    EXPECT_EQ(records[0].sheetPrice, 10.25);
    EXPECT_EQ(records[0].volume, 3.0);
    EXPECT_EQ(records[1].orderKey, "k1");
    EXPECT_EQ(records[1].volume, 4.0);
}

TEST(OSReceiverTest, OrdersWithAndWithoutIdsMixSafely)
{
    // Keys and ids are never compared with each other, so a record is always found again,
    // also after an update changed the key of one with an id.
    OSReceiver receiver;
    receiver.OnSetCountItems(0);
    const char* keys[] = {"m", "a", "z", "c", "q"};
    for (int i = 0; i < 5; ++i)
    {
        receiver.OnSetNewItem(DataSheetItemBase(0, 10.0 + i, 10.0 + i, 1.0, false, "", keys[i]));
        receiver.OnSetNewItem(DataSheetItemBase(0, 20.0 + i, 20.0 + i, 1.0, false, std::string(1, 'b' + i), keys[i]));
    }
    receiver.OnUpdateItem(DataSheetItemBase(0, 25.0, 25.0, 2.0, false, "b", "zz"));
    EXPECT_EQ(Records(receiver).size(), 10u);
    for (int i = 0; i < 5; ++i)
    {
        receiver.OnDeleteItem(DataSheetItemBase(0, 0.0, 0.0, 0.0, false, "", keys[i]));
        receiver.OnDeleteItem(DataSheetItemBase(0, 0.0, 0.0, 0.0, false, std::string(1, 'b' + i), "?"));
    }
    EXPECT_TRUE(Records(receiver).empty());
}

TEST(OSReceiverTest, AnOrderOfAnUnknownSideCountsButIsNotKept)
{
    OSReceiver receiver;
    receiver.OnSetCountItems(1);
    receiver.OnSetNewItem(Item(2, 10.0, 1.0, "a"));
    receiver.OnUpdateItem(Item(-1, 10.0, 1.0, "b"));
    receiver.OnDeletePage(Item(5, 10.0, 1.0, "0"));
    EXPECT_TRUE(receiver.IfItemsCountComplete());
    EXPECT_TRUE(Records(receiver).empty());
}

TEST(OSReceiverTest, DeletePage)
{
    // Ids give the set order; keys give the time priority at a price.
    auto bookOf = [](int side) {
        auto receiver = std::make_unique<OSReceiver>();
        receiver->OnSetCountItems(0);
        receiver->OnSetNewItem(DataSheetItemBase(side, 10.5, 10.5, 1.0, false, "1", "k05"));
        receiver->OnSetNewItem(DataSheetItemBase(side, 9.5, 9.5, 1.0, false, "2", "k01"));
        receiver->OnSetNewItem(DataSheetItemBase(side, 10.0, 10.0, 1.0, false, "3", "k02"));
        receiver->OnSetNewItem(DataSheetItemBase(side, 10.0, 10.0, 1.0, false, "4", "k04"));
        receiver->OnSetNewItem(DataSheetItemBase(side, 10.0, 10.0, 1.0, false, "5", "k06"));
        receiver->OnSetNewItem(DataSheetItemBase(side, -20.0, -20.0, 1.0, false, "6", "k03"));
        receiver->OnSetNewItem(DataSheetItemBase(side, -100.0, -100.0, 1.0, false, "7", "k07"));
        receiver->OnSetNewItem(DataSheetItemBase(1 - side, 10.0, 10.0, 1.0, false, "8", "k00"));
        receiver->ResetDataState();
        return receiver;
    };
    struct Case
    {
        const char* name;
        int side;
        std::string boundaryId;
        std::vector<std::string> left;
        bool modified;
    };
    const Case cases[] = {
        {"buy side above 10.0, keys up to the boundary's", 1, "4", {"0:8", "1:2", "1:5"}, true},
        {"sell side below 10.0, keys up to the boundary's", 0, "4", {"0:1", "0:5", "1:8"}, true},
        {"a special boundary takes the earlier specials only", 1, "6", {"0:8", "1:1", "1:2", "1:3", "1:4", "1:5", "1:7"},
         true},
        {"id 0 empties the side", 1, "0", {"0:8"}, true},
        {"an id that is no number reads 0", 0, "x", {"1:8"}, true},
        {"an absent boundary changes nothing", 1, "99",
         {"0:8", "1:1", "1:2", "1:3", "1:4", "1:5", "1:6", "1:7"}, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        auto receiver = bookOf(c.side);
        receiver->OnDeletePage(DataSheetItemBase(c.side, 0.0, 0.0, 0.0, false, c.boundaryId, "?"));
        std::vector<std::string> left = Ids(*receiver);
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(receiver->WhetherDataModified(), c.modified);
    }
}

TEST(OSReceiverTest, ExtraData)
{
    struct Case
    {
        const char* name;
        std::function<void(CurrentState&)> first;
        std::function<void(CurrentState&)> second;
        OSAdditionalData expected;
    };
    using namespace SeriesIds;
    const Case cases[] = {
        {"nothing present", [](CurrentState&) {}, [](CurrentState&) {}, {0.0, 0.0, -1.0, -1.0, true}},
        {"all numbers", [](CurrentState& s) {
             s.Set(kUpperLimit, 12.0);
             s.Set(kLowerLimit, 8.0);
             s.Set(kPrice, 10.0);
         }, [](CurrentState&) {}, {8.0, 12.0, 10.0, 0.0, true}},
        {"price, then the opening price", [](CurrentState& s) { s.Set(kPrice, 10.0); },
         [](CurrentState& s) { s.Set(kTheoreticalOpen, 9.5); }, {0.0, 0.0, 0.0, 9.5, true}},
        {"the opening price, then the price", [](CurrentState& s) { s.Set(kTheoreticalOpen, 9.5); },
         [](CurrentState& s) { s.Set(kPrice, 10.0); }, {0.0, 0.0, 10.0, 0.0, true}},
        {"values that went missing", [](CurrentState& s) {
             s.Set(kUpperLimit, 12.0);
             s.Set(kLowerLimit, 8.0);
             s.Set(kPrice, 10.0);
         }, [](CurrentState& s) {
             s.SetMissing(kUpperLimit);
             s.SetMissing(kLowerLimit);
             s.SetMissing(kPrice);
         }, {0.0, 0.0, -1.0, 0.0, true}},
        {"absent series keep their values", [](CurrentState& s) { s.Set(kPrice, 10.0); },
         [](CurrentState&) {}, {0.0, 0.0, 10.0, 0.0, true}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        OSReceiver receiver;
        CurrentState first;
        c.first(first);
        receiver.OnSetExtraData(first);
        CurrentState second;
        c.second(second);
        receiver.OnSetExtraData(second);
        EXPECT_EQ(receiver.GetAdditionalDataRef(), c.expected);
        EXPECT_TRUE(receiver.WhetherDataModified());
    }
}

TEST(OSReceiverTest, FollowsTheSimulatedFeedOrderByOrder)
{
    // One receiver follows every change of the feed; one added later gets the complete book.
    // After the step that delivers it, both hold the same book.
    SimFeedOptions options;
    options.seed = 7;
    options.ticksPerStep = 60;
    SimFeed feed(nullptr, options);
    const Asset asset = feed.Assets().front();
    OSReceiver following;
    ASSERT_TRUE(feed.AddOrdersSheetReceiver(&following, asset));
    const QDateTime start(QDate(2024, 5, 6), QTime(9, 0));
    for (int step = 0; step < 40; ++step)
        feed.Step(NDateTime(start.addSecs(step)));
    OSReceiver late;
    ASSERT_TRUE(feed.AddOrdersSheetReceiver(&late, asset));
    feed.Step(NDateTime(start.addSecs(40)));

    EXPECT_TRUE(following.IfItemsCountComplete());
    EXPECT_TRUE(late.IfItemsCountComplete());
    EXPECT_GT(Records(late).size(), 20u);
    EXPECT_EQ(Records(following), Records(late));
    EXPECT_EQ(following.GetAdditionalDataRef().value3, late.GetAdditionalDataRef().value3);
    feed.RemoveOrdersSheetReceiver(&following, asset);
    feed.RemoveOrdersSheetReceiver(&late, asset);
}

TEST(OSReceiverTest, ProviderThreadsAndACopierShareTheReceiver)
{
    OSReceiver receiver;
    receiver.OnSetCountItems(0);
    std::atomic<bool> stop = false;
    std::vector<std::thread> providers;
    for (int t = 0; t < 3; ++t)
    {
        providers.emplace_back([&receiver, t] {
            for (int i = 0; i < 2000; ++i)
            {
                const std::string id = std::to_string(t * 100 + i % 100);
                receiver.OnSetNewItem(Item(t % 2, 10.0 + i % 7, 1.0, id));
                receiver.OnUpdateItem(Item(t % 2, 10.0 + i % 5, 2.0, id));
                if (i % 3 == 0)
                    receiver.OnDeleteItem(Item(t % 2, 0.0, 0.0, id));
                if (i % 500 == 499)
                    receiver.OnDeletePage(Item(t % 2, 0.0, 0.0, "0"));
                receiver.OnSetExtraData(CurrentState());
            }
        });
    }
    std::thread copier([&] {
        while (!stop.load())
        {
            std::array<std::vector<ItemBasicData>, 2> sides;
            receiver.TakeDataForRefresh(sides);
            EXPECT_LE(sides[0].size() + sides[1].size(), 300u);
        }
    });
    for (std::thread& provider : providers)
        provider.join();
    stop.store(true);
    copier.join();
    EXPECT_LE(Records(receiver).size(), 300u);
}
