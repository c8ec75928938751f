#include "SessionStatisticsFakes.h"

#include "sessionstats/engine/OverallStatisticsWrapper.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace
{
using GeneralData = SessionStatistics::GeneralData;

SessionStatistics WithFigures(std::shared_ptr<GeneralData> increase, std::shared_ptr<GeneralData> decrease,
                              std::shared_ptr<GeneralData> noChange)
{
    SessionStatistics statistics;
    statistics.SetGeneralInfo(std::move(increase), std::move(decrease), std::move(noChange));
    return statistics;
}

void ExpectFigures(const GeneralData* data, std::uint32_t instruments, double turnover, double volume,
                   std::uint32_t transactions)
{
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->instruments, instruments);
    EXPECT_DOUBLE_EQ(data->turnover, turnover);
    EXPECT_DOUBLE_EQ(data->volume, volume);
    EXPECT_EQ(data->transactions, transactions);
}
}

TEST(OverallStatisticsWrapperTest, UpdateTakesTheThreeFiguresAndTheirSum)
{
    const std::uint32_t most = std::numeric_limits<std::uint32_t>::max();
    OverallStatisticsWrapper overall;
    overall.Update(At(10, 15), WithFigures(std::make_shared<GeneralData>(GeneralData{3, 10.5, 100.0, most}),
                                           std::make_shared<GeneralData>(GeneralData{2, 4.5, 50.0, 3}),
                                           std::make_shared<GeneralData>(GeneralData{1, 0.0, 0.0, 0})));

    EXPECT_TRUE(overall.IsComplete());
    EXPECT_EQ(overall.TimeStamp(), At(10, 15));
    ExpectFigures(overall.Data(OverallStatisticsWrapper::eIncrease), 3, 10.5, 100.0, most);
    ExpectFigures(overall.Data(OverallStatisticsWrapper::eDecrease), 2, 4.5, 50.0, 3);
    ExpectFigures(overall.Data(OverallStatisticsWrapper::eNoChange), 1, 0.0, 0.0, 0);
    // Counts are 32-bit sums, as the provider's counts are.
    ExpectFigures(overall.Data(OverallStatisticsWrapper::eOverall), 6, 15.0, 150.0, 2);
    EXPECT_EQ(overall.Data(4), nullptr);
    EXPECT_EQ(overall.Data(-1), nullptr);
}

TEST(OverallStatisticsWrapperTest, MissingFiguresLeaveTheSumMissing)
{
    OverallStatisticsWrapper overall;
    overall.Update(At(10, 0), MakeStatistics(5));
    overall.Update(At(10, 1), WithFigures(std::make_shared<GeneralData>(GeneralData{3, 1.0, 1.0, 1}), nullptr,
                                          std::make_shared<GeneralData>()));

    EXPECT_FALSE(overall.IsComplete());
    EXPECT_NE(overall.Data(OverallStatisticsWrapper::eIncrease), nullptr);
    EXPECT_EQ(overall.Data(OverallStatisticsWrapper::eDecrease), nullptr);
    EXPECT_EQ(overall.Data(OverallStatisticsWrapper::eOverall), nullptr);
}

TEST(OverallStatisticsWrapperTest, ResetBeforeAnyFiguresDoesNothing)
{
    OverallStatisticsWrapper overall;
    overall.Reset(At(11, 0));
    EXPECT_FALSE(overall.TimeStamp().IsValid());
    for (int index = 0; index <= OverallStatisticsWrapper::eOverall; ++index)
        EXPECT_EQ(overall.Data(index), nullptr) << index;
}

TEST(OverallStatisticsWrapperTest, ResetZeroesEveryFigureWithoutTouchingTheProvidersOnes)
{
    const SessionStatistics statistics = MakeStatistics(5);
    OverallStatisticsWrapper overall;
    overall.Update(At(10, 0), statistics);
    const OverallStatisticsWrapper copied = overall;

    overall.Reset(At(11, 30));

    EXPECT_TRUE(overall.IsComplete());
    EXPECT_EQ(overall.TimeStamp(), At(11, 30));
    for (int index = 0; index <= OverallStatisticsWrapper::eOverall; ++index)
        ExpectFigures(overall.Data(index), 0, 0.0, 0.0, 0);
    // Whoever holds the statistics or a copy of the figures still sees them.
    EXPECT_EQ(statistics.GetGeneralIncreaseInfo()->instruments, 5u);
    ExpectFigures(copied.Data(OverallStatisticsWrapper::eIncrease), 5, 7.5, 7.0, 10);
}

TEST(OverallStatisticsWrapperTest, ResetAfterIncompleteFiguresDoesNothing)
{
    const struct
    {
        const char* name;
        bool increase;
        bool decrease;
        bool noChange;
    } cases[] = {
        {"no change missing", true, true, false},
        {"decrease missing", true, false, true},
        {"increase missing", false, true, true},
        {"only the increase", true, false, false},
    };
    const auto some = [](bool present) {
        return present ? std::make_shared<GeneralData>(GeneralData{3, 1.0, 1.0, 1}) : nullptr;
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        OverallStatisticsWrapper overall;
        overall.Update(At(10, 0), WithFigures(some(c.increase), some(c.decrease), some(c.noChange)));

        overall.Reset(At(12, 0));

        EXPECT_FALSE(overall.IsComplete());
        EXPECT_EQ(overall.TimeStamp(), At(10, 0));
        const bool present[] = {c.increase, c.decrease, c.noChange, false};
        for (int index = 0; index <= OverallStatisticsWrapper::eOverall; ++index)
        {
            if (present[index])
                ExpectFigures(overall.Data(index), 3, 1.0, 1.0, 1);
            else
                EXPECT_EQ(overall.Data(index), nullptr) << index;
        }
    }
}
