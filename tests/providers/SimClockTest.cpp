#include "providers/simfeed/SimClock.h"

#include <QDateTime>

#include <gtest/gtest.h>

// A start named for the feed gives a clock that runs from it; none, or one that is no date and
// time, leaves the feed on the wall clock, and the latter says why.
TEST(SimClockTest, AStartGivesAClockRunningFromItAndAnythingElseTheWallClock)
{
    QString problem;
    const SimFeedThread::Clock clock = SimClock::FromStart(QStringLiteral("2026-12-10T10:00:00"), &problem);
    ASSERT_TRUE(clock);
    EXPECT_TRUE(problem.isEmpty());
    const QDateTime start(QDate(2026, 12, 10), QTime(10, 0));
    const NDateTime first = clock();
    EXPECT_GE(first, NDateTime(start));
    EXPECT_LT(first, NDateTime(start.addSecs(60)));
    EXPECT_GE(clock(), first);

    EXPECT_FALSE(SimClock::FromStart(QString(), &problem));
    EXPECT_TRUE(problem.isEmpty());
    for (const QString& wrong : {QStringLiteral("jutro"), QStringLiteral("2026-13-40T10:00:00")})
    {
        problem.clear();
        EXPECT_FALSE(SimClock::FromStart(wrong, &problem)) << wrong.toStdString();
        EXPECT_TRUE(problem.contains(QLatin1String("Q4_SIM_START"))) << wrong.toStdString();
    }
}
