#include "sessionstats/engine/DataProcessingThread.h"

#include "SessionStatisticsFakes.h"

#include <gtest/gtest.h>

TEST(DataProcessingThreadTest, WithoutAModuleTheThreadEndsAtOnce)
{
    DataProcessingThread thread(nullptr);
    ASSERT_TRUE(thread.Start());

    EXPECT_TRUE(WaitUntil([&thread] { return !thread.IsRunning(); }));
    EXPECT_FALSE(thread.PostThreadMessage(DataProcessingThread::kNewStatisticsMessage));
    EXPECT_EQ(thread.Name(), QStringLiteral("DataProcessingThread"));
}
