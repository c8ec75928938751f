#include "SessionStatisticsFakes.h"

#include "platform/modules/AlertPrecision.h"
#include "sessionstats/engine/OverallStatisticsWrapper.h"
#include "sessionstats/engine/SessionStatisticsArguments.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
AlertExprArgDesc Argument(std::uint32_t id, const QString& source = QStringLiteral("SessionStatistics"))
{
    return AlertExprArgDesc(source, id, QStringLiteral("argument %1").arg(id), QString());
}

// Increase {5, 7.5, 7, 10}, decrease {2, 20.25, 8, 30}, no change {3, 0.5, 9, 4}, received at 10:00.
OverallStatisticsWrapper Figures()
{
    OverallStatisticsWrapper overall;
    overall.Update(At(10, 0), MakeStatistics(5));
    return overall;
}

std::vector<std::uint32_t> Ids(const AlertExprArgList& values)
{
    std::vector<std::uint32_t> ids;
    for (std::size_t i = 0; i < values.ArgumentsCount(); ++i)
        ids.push_back(values.ArgDescription(i).GetBaseArgumentSourceID());
    return ids;
}
}

TEST(SessionStatisticsArgumentsTest, ValidAreTheNineFiguresOfThisSource)
{
    for (std::uint32_t id : {1u, 2u, 3u, 11u, 12u, 13u, 21u, 22u, 23u})
        EXPECT_TRUE(SessionStatisticsArguments::IsArgumentValid(Argument(id))) << id;
    // 4, 14, 24: the figures of all instruments; 31 and up: no such figure; 0: no argument.
    for (std::uint32_t id : {0u, 4u, 10u, 14u, 20u, 24u, 31u, 32u, 33u, 41u, 51u, 0xFFFFFFFFu})
        EXPECT_FALSE(SessionStatisticsArguments::IsArgumentValid(Argument(id))) << id;
    EXPECT_FALSE(SessionStatisticsArguments::IsArgumentValid(Argument(1, QStringLiteral("OrdersSheet"))));
    EXPECT_FALSE(SessionStatisticsArguments::IsArgumentValid(AlertExprArgDesc()));
    EXPECT_FALSE(SessionStatisticsArguments::IsArgumentValid(AlertExprArgDesc::SeriesBased(
        QStringLiteral("SessionStatistics"), 1, 1, QString(), QStringLiteral("x"), QString())));
}

TEST(SessionStatisticsArgumentsTest, ValuesFollowGroupAndIndex)
{
    SessionStatisticsArguments arguments;
    const struct
    {
        std::uint32_t id;
        double value;
        int precision;
    } cases[] = {
        {1, 5.0, ePrecision0},   {2, 2.0, ePrecision0},   {3, 3.0, ePrecision0},
        {11, 7.5, ePrecision2},  {12, 20.25, ePrecision2}, {13, 0.5, ePrecision2},
        {21, 10.0, ePrecision2}, {22, 30.0, ePrecision2},  {23, 4.0, ePrecision2},
        // The sums of all instruments, registered though no segment of the bar offers them.
        {4, 10.0, ePrecision0},  {14, 28.25, ePrecision2}, {24, 44.0, ePrecision2},
    };
    for (const auto& c : cases)
        ASSERT_TRUE(arguments.AddArgumentUsage(Argument(c.id)));

    const auto values = arguments.MakeValues(Figures());

    ASSERT_TRUE(values);
    ASSERT_EQ(values->ArgumentsCount(), std::size(cases));
    for (const auto& c : cases)
    {
        std::size_t i = 0;
        while (i < values->ArgumentsCount() && values->ArgDescription(i).GetBaseArgumentSourceID() != c.id)
            ++i;
        ASSERT_LT(i, values->ArgumentsCount()) << c.id;
        EXPECT_DOUBLE_EQ(values->ArgValue(i).Value(), c.value) << c.id;
        EXPECT_EQ(values->ArgValue(i).Precision(), c.precision) << c.id;
        EXPECT_EQ(NDateTime(values->ArgValue(i).Timestamp()), At(10, 0)) << c.id;
    }
}

TEST(SessionStatisticsArgumentsTest, RegisteredOnceInDescriptorOrder)
{
    SessionStatisticsArguments arguments;
    EXPECT_TRUE(arguments.AddArgumentUsage(Argument(23)));
    EXPECT_TRUE(arguments.AddArgumentUsage(Argument(1)));
    EXPECT_TRUE(arguments.AddArgumentUsage(Argument(23)));
    EXPECT_FALSE(arguments.AddArgumentUsage(Argument(2, QStringLiteral("OrdersSheet"))));

    EXPECT_EQ(Ids(*arguments.MakeValues(Figures())), (std::vector<std::uint32_t>{1, 23}));

    arguments.RemoveArgumentUsage(Argument(23));
    EXPECT_EQ(Ids(*arguments.MakeValues(Figures())), (std::vector<std::uint32_t>{1}));
    arguments.RemoveArgumentUsage(Argument(1));
    EXPECT_FALSE(arguments.MakeValues(Figures()));
}

TEST(SessionStatisticsArgumentsTest, RegisteredArgumentsWithoutAFigureAreNotSent)
{
    SessionStatisticsArguments arguments;
    for (std::uint32_t id : {0u, 5u, 10u, 31u, 41u})
        EXPECT_TRUE(arguments.AddArgumentUsage(Argument(id))) << id;
    EXPECT_FALSE(arguments.MakeValues(Figures()));

    EXPECT_TRUE(arguments.AddArgumentUsage(Argument(12)));
    EXPECT_EQ(Ids(*arguments.MakeValues(Figures())), (std::vector<std::uint32_t>{12}));
}

TEST(SessionStatisticsArgumentsTest, IncompleteFiguresGiveZero)
{
    SessionStatisticsArguments arguments;
    arguments.AddArgumentUsage(Argument(11));
    SessionStatistics statistics = MakeStatistics(5);
    statistics.SetGeneralInfo(statistics.GetGeneralIncreaseInfo(), nullptr, statistics.GetGeneralNoChangeInfo());
    OverallStatisticsWrapper overall;
    overall.Update(At(10, 0), statistics);

    const auto values = arguments.MakeValues(overall);

    ASSERT_TRUE(values);
    EXPECT_EQ(values->ArgValue(0).Value(), 0.0);
    EXPECT_EQ(values->ArgValue(0).Precision(), ePrecision2);
}

TEST(SessionStatisticsArgumentsTest, NamePartsOfGroupsAndIndexes)
{
    EXPECT_EQ(SessionStatisticsArguments::GetArgumentGroupName(0), QStringLiteral("Liczba instrumentów"));
    EXPECT_EQ(SessionStatisticsArguments::GetArgumentGroupName(1), QStringLiteral("Obroty instrumentów"));
    EXPECT_EQ(SessionStatisticsArguments::GetArgumentGroupName(2), QStringLiteral("Liczba transakcji instrumentów"));
    EXPECT_EQ(SessionStatisticsArguments::GetArgumentIndexName(0), QStringLiteral("rosnących"));
    EXPECT_EQ(SessionStatisticsArguments::GetArgumentIndexName(1), QStringLiteral("malejących"));
    EXPECT_EQ(SessionStatisticsArguments::GetArgumentIndexName(2), QStringLiteral("bez zmian"));
    for (int other : {-1, 3, 4})
    {
        EXPECT_TRUE(SessionStatisticsArguments::GetArgumentGroupName(other).isEmpty()) << other;
        EXPECT_TRUE(SessionStatisticsArguments::GetArgumentIndexName(other).isEmpty()) << other;
    }
}
