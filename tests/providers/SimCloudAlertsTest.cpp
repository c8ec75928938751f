#include "platform/modules/AlertEventGenerate.h"
#include "platform/modules/AlertReceiver.h"
#include "platform/modules/SeriesIds.h"
#include "providers/simfeed/SimCloudAlerts.h"

#include <atomic>
#include <map>
#include <mutex>
#include <thread>
#include <vector>
#include <gtest/gtest.h>

namespace
{
class Recorder : public AlertReceiver
{
public:
    void OnAlertEvent(const AlertEventGenerate& event) override
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_events.push_back(event);
    }
    void OnAlertsModified() override {}
    QString GetReceiverText() const override { return QString(); }

    std::vector<AlertEventGenerate> Events() const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_events;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<AlertEventGenerate> m_events;
};

const QString kIsin = QStringLiteral("PLTEST000001");
constexpr double kTime = 45000.5;

CloudAlertSideCondition Price(std::int32_t op, double level)
{
    return CloudAlertSideCondition{true, 1, op, level};
}

CloudAlertCondition Alert(std::int32_t id, CloudAlertSideCondition buy, CloudAlertSideCondition sell = {},
                          bool once = false)
{
    return CloudAlertCondition{id, kIsin, once, buy, sell};
}

// A market of one instrument whose price and change the test sets before each check.
class SimCloudAlertsTest : public ::testing::Test
{
protected:
    void Register(std::vector<CloudAlertCondition> conditions)
    {
        alerts = std::move(conditions);
        watch.SetReceiver(&receiver, [this] { return alerts; });
    }

    // One check per price, the change following the price.
    void Walk(std::initializer_list<double> prices)
    {
        for (double price : prices)
        {
            state.Set(SeriesIds::kPrice, price);
            state.Set(SeriesIds::kChange, price - 10.0);
            watch.Check(
                [this](const QString& isin) { return isin == kIsin ? std::optional<CurrentState>(state) : std::nullopt; },
                kTime);
        }
    }

    std::vector<char> Sides() const
    {
        std::vector<char> sides;
        for (const AlertEventGenerate& event : receiver.Events())
            sides.push_back(event.sideLetter);
        return sides;
    }

    SimCloudAlerts watch;
    Recorder receiver;
    std::vector<CloudAlertCondition> alerts;
    CurrentState state;
};
}

TEST_F(SimCloudAlertsTest, AnEventForEachCrossingWithTheAlertsSidePriceAndTime)
{
    Register({Alert(5, Price(0, 10.0), Price(1, 9.0))});
    Walk({9.5, 10.5, 11.0, 10.5, 9.5, 10.25, 8.5, 8.0, 9.5, 8.75});
    EXPECT_EQ(Sides(), (std::vector<char>{'B', 'B', 'S', 'S'}));
    const std::vector<AlertEventGenerate> events = receiver.Events();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].eventId, 1);
    EXPECT_EQ(events[3].eventId, 4);
    EXPECT_EQ(events[0].alertId, 5);
    EXPECT_FLOAT_EQ(events[0].price, 10.5F);
    EXPECT_FLOAT_EQ(events[2].price, 8.5F);
    EXPECT_DOUBLE_EQ(events[0].time, kTime);
}

TEST_F(SimCloudAlertsTest, AConditionThatHoldsWhenFirstSeenOrChangedWaitsForTheNextCrossing)
{
    Register({Alert(1, Price(0, 10.0))});
    Walk({11.0, 12.0});
    EXPECT_TRUE(receiver.Events().empty());
    alerts = {Alert(1, Price(0, 10.5))};
    Walk({11.0, 10.0, 11.0});
    EXPECT_EQ(Sides(), (std::vector<char>{'B'}));
}

TEST_F(SimCloudAlertsTest, AnAlertOfOneEventIsSpentAfterIt)
{
    Register({Alert(1, Price(0, 10.0), Price(1, 10.0), true), Alert(2, Price(1, 10.0))});
    Walk({10.0, 11.0, 9.0, 11.0, 9.0});
    std::vector<std::int32_t> ids;
    for (const AlertEventGenerate& event : receiver.Events())
        ids.push_back(event.alertId);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{1, 2, 2}));
}

TEST_F(SimCloudAlertsTest, ConditionsCompareTheirItemWithTheirOperator)
{
    struct Case
    {
        CloudAlertSideCondition condition;
        bool fires;  // when the price goes from 10 to 8
    };
    const Case cases[] = {
        {{true, 1, 1, 9.0}, true},    // price < 9
        {{true, 1, 3, 8.0}, true},    // price <= 8
        {{true, 1, 4, 8.0}, true},    // price = 8
        {{true, 1, 2, 9.0}, false},   // price >= 9 held before
        {{true, 4, 1, -1.0}, true},   // change < -1
        {{true, 5, 0, 1.0}, true},    // |change| > 1
        {{true, 2, 0, 0.0}, false},   // no best bid in the state
        {{true, 1, 6, 9.0}, false},   // unknown operator
        {{false, 1, 1, 9.0}, false},  // side not in use
    };
    for (const Case& c : cases)
    {
        SimCloudAlerts caseWatch;
        Recorder caseReceiver;
        std::vector<CloudAlertCondition> caseAlerts = {Alert(1, c.condition)};
        caseWatch.SetReceiver(&caseReceiver, [&] { return caseAlerts; });
        for (double price : {10.0, 8.0})
        {
            CurrentState priced;
            priced.Set(SeriesIds::kPrice, price);
            priced.Set(SeriesIds::kChange, price - 10.0);
            caseWatch.Check([&](const QString&) { return std::optional<CurrentState>(priced); }, kTime);
        }
        EXPECT_EQ(caseReceiver.Events().size(), c.fires ? 1u : 0u)
            << "item " << c.condition.itemType << " operator " << c.condition.op;
    }
}

TEST_F(SimCloudAlertsTest, NothingAfterTheReceiverIsDroppedAndANewOneStartsAfresh)
{
    Register({Alert(1, Price(0, 10.0)), CloudAlertCondition{2, QStringLiteral("NIEMA"), false, Price(0, 0.0), {}}});
    Walk({9.0, 11.0});
    ASSERT_EQ(receiver.Events().size(), 1u);
    watch.SetReceiver(nullptr, nullptr);
    Walk({9.0, 11.0});
    EXPECT_EQ(receiver.Events().size(), 1u);

    // The crossing memory went with the old receiver: the first price seen is a new start.
    Recorder next;
    watch.SetReceiver(&next, [this] { return alerts; });
    Walk({11.0, 9.0, 11.0});
    EXPECT_EQ(next.Events().size(), 1u);
    EXPECT_EQ(receiver.Events().size(), 1u);
}

// The feed's thread checks while another thread registers and drops receivers: once a drop
// returns, the dropped receiver (destroyed right after) is never called.
TEST(SimCloudAlertsThreadsTest, ADroppedReceiverIsNeverCalledAgain)
{
    SimCloudAlerts watch;
    std::atomic<bool> stop = false;
    std::thread feed([&] {
        CurrentState state;
        for (int step = 0; !stop.load(); ++step)
        {
            state.Set(SeriesIds::kPrice, step % 2 == 0 ? 9.0 : 11.0);
            watch.Check([&](const QString&) { return std::optional<CurrentState>(state); }, kTime);
        }
    });
    int delivered = 0;
    for (int round = 0; round < 200; ++round)
    {
        auto receiver = std::make_unique<Recorder>();
        watch.SetReceiver(receiver.get(), [] { return std::vector<CloudAlertCondition>{Alert(1, Price(0, 10.0))}; });
        while (receiver->Events().empty())
            std::this_thread::yield();
        watch.SetReceiver(nullptr, nullptr);
        const std::size_t count = receiver->Events().size();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        EXPECT_EQ(receiver->Events().size(), count);
        delivered += static_cast<int>(count);
    }
    stop.store(true);
    feed.join();
    EXPECT_GE(delivered, 200);
}
