// The module's processing steps, run on the test thread: what a pass takes, what it shows and
// what it sends to the alert module.

#include "SessionStatisticsFakes.h"

#include "sessionstats/engine/SessionStatisticsModule.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
AlertExprArgDesc Argument(std::uint32_t id)
{
    return AlertExprArgDesc(QStringLiteral("SessionStatistics"), id, QStringLiteral("argument"), QString());
}

QStringList Leaders(const SessionStatisticsDisplayData& data)
{
    QStringList names;
    for (const AssetStatisticsContainer& container : data.highest)
        names.append(container.Slot(0).AssetName());
    return names;
}

bool AllSlotsEmpty(const SessionStatisticsDisplayData& data)
{
    for (const AssetStatisticsContainer& container : data.highest)
        for (std::size_t i = 0; i < AssetStatisticsContainer::kSlots; ++i)
            if (container.Slot(i).Instrument() || container.Slot(i).IsChanged())
                return false;
    return true;
}

class SessionStatisticsModuleFeedTest : public testing::Test
{
protected:
    void SetUp() override { mediator.alerts = &alerts; }

    FakeSessionStatisticsMediator mediator;
    ManualClock clock;
    FakeAlertModule alerts;
    SessionStatisticsModule module{mediator, clock};
};

class QueuedStatisticsTest : public SessionStatisticsModuleFeedTest, public testing::WithParamInterface<int>
{
};
}

TEST_P(QueuedStatisticsTest, EveryPassTakesTheNewestReceived)
{
    const int received = GetParam();
    for (int i = 1; i <= received; ++i)
    {
        clock.SetNow(At(9, i));
        // No worker runs here: the statistics wait for the passes the test makes.
        EXPECT_FALSE(module.SetNewStatistics(MakeStatistics(i, InstrumentNames(3, QStringLiteral("S%1-").arg(i)))));
    }
    module.AddArgumentUsage(Argument(1));
    clock.SetNow(At(12, 0));

    for (int pass = 1; pass <= 3; ++pass)
    {
        module.ProcessLastSesstionStatistics();
        const SessionStatisticsDisplayData data = module.GetDisplayData();
        if (received == 0)
        {
            EXPECT_EQ(data.revision, 0u);
            EXPECT_TRUE(AllSlotsEmpty(data));
            continue;
        }
        const QString leader = QStringLiteral("S%1-0").arg(received);
        EXPECT_EQ(Leaders(data), QStringList({leader, leader, leader, leader})) << "pass " << pass;
        EXPECT_EQ(data.overall.Data(OverallStatisticsWrapper::eIncrease)->instruments,
                  static_cast<std::uint32_t>(received));
        // Stamped when received, not when processed.
        EXPECT_EQ(data.overall.TimeStamp(), At(9, received));
        // The same list again marks nothing new.
        EXPECT_EQ(data.highest[0].Slot(0).IsChanged(), pass == 1);
    }

    const std::vector<FakeAlertModule::Received> values = alerts.Values();
    ASSERT_EQ(values.size(), received == 0 ? 0u : 3u);
    for (const FakeAlertModule::Received& value : values)
    {
        EXPECT_EQ(value.value.Value(), static_cast<double>(received));
        EXPECT_EQ(NDateTime(value.value.Timestamp()), At(9, received));
    }
}

INSTANTIATE_TEST_SUITE_P(Received, QueuedStatisticsTest, testing::Values(0, 1, 3));

TEST_F(SessionStatisticsModuleFeedTest, SessionChangeEmptiesEverySlotAndZeroesTheFigures)
{
    module.SetNewStatistics(MakeStatistics(5, InstrumentNames(12)));
    module.ProcessLastSesstionStatistics();
    module.AddArgumentUsage(Argument(2));
    clock.SetNow(At(13, 0));

    module.OnSessionChange();
    module.ProcessSessionChange();

    SessionStatisticsDisplayData data = module.GetDisplayData();
    EXPECT_TRUE(AllSlotsEmpty(data));
    EXPECT_EQ(data.overall.TimeStamp(), At(13, 0));
    for (int index = 0; index <= OverallStatisticsWrapper::eOverall; ++index)
    {
        ASSERT_NE(data.overall.Data(index), nullptr);
        EXPECT_EQ(data.overall.Data(index)->instruments, 0u);
        EXPECT_EQ(data.overall.Data(index)->turnover, 0.0);
    }

    // The statistics of the old session are gone: a pass finds nothing.
    const std::uint64_t revision = data.revision;
    module.ProcessLastSesstionStatistics();
    data = module.GetDisplayData();
    EXPECT_EQ(data.revision, revision);
    EXPECT_TRUE(AllSlotsEmpty(data));
    EXPECT_TRUE(alerts.Values().empty());
}

TEST_F(SessionStatisticsModuleFeedTest, NewInstrumentsAreMarkedWithTheTickOfThePass)
{
    module.SetNewStatistics(MakeStatistics(1, InstrumentNames(10)));
    clock.tick = 4242;
    module.ProcessLastSesstionStatistics();

    const SessionStatisticsDisplayData data = module.GetDisplayData();
    EXPECT_TRUE(data.highest[3].Slot(9).IsChanged());
    EXPECT_EQ(data.highest[3].Slot(9).ChangeTime(), 4242u);
}

TEST_F(SessionStatisticsModuleFeedTest, ThePassUsesTheCopyTakenOnReception)
{
    SessionStatistics statistics = MakeStatistics(1, {QStringLiteral("KEPT")});
    module.SetNewStatistics(statistics);
    statistics.SetHighestAssetsList(AssetStatisticRises, {std::make_shared<AssetStatistics>()});

    module.ProcessLastSesstionStatistics();

    EXPECT_EQ(module.GetDisplayData().highest[0].Slot(0).AssetName(), QStringLiteral("KEPT"));
}

TEST_F(SessionStatisticsModuleFeedTest, OneArgumentGoesAloneSeveralGoInOneList)
{
    module.SetNewStatistics(MakeStatistics(5));

    module.ProcessLastSesstionStatistics();
    EXPECT_EQ(alerts.SingleCalls() + alerts.ListCalls(), 0);

    module.AddArgumentUsage(Argument(23));
    module.ProcessLastSesstionStatistics();
    EXPECT_EQ(alerts.SingleCalls(), 1);
    EXPECT_EQ(alerts.ListCalls(), 0);

    module.AddArgumentUsage(Argument(1));
    module.ProcessLastSesstionStatistics();
    EXPECT_EQ(alerts.SingleCalls(), 1);
    EXPECT_EQ(alerts.ListCalls(), 1);
    const std::vector<FakeAlertModule::Received> values = alerts.Values();
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[1].argument.GetBaseArgumentSourceID(), 1u);
    EXPECT_EQ(values[2].argument.GetBaseArgumentSourceID(), 23u);
    EXPECT_EQ(values[2].value.Value(), 4.0);
}

TEST_F(SessionStatisticsModuleFeedTest, WithoutAnAlertModuleNothingIsSent)
{
    mediator.alerts = nullptr;
    module.AddArgumentUsage(Argument(1));
    module.SetNewStatistics(MakeStatistics(5));

    module.ProcessLastSesstionStatistics();
    module.NotifyArgumentDestroyed(Argument(1));

    EXPECT_TRUE(alerts.Values().empty());
    EXPECT_EQ(alerts.Destroyed(), 0);
    mediator.alerts = &alerts;
    module.NotifyArgumentDestroyed(Argument(1));
    EXPECT_EQ(alerts.Destroyed(), 1);
}
