#include "sessionstats/engine/DataProcessingThread.h"

#include "SessionStatisticsFakes.h"

#include "sessionstats/engine/SessionStatisticsModule.h"

#include <gtest/gtest.h>

namespace
{
// Hands the thread's messages over on the test thread.
class DirectThread : public DataProcessingThread
{
public:
    using DataProcessingThread::DataProcessingThread;
    using DataProcessingThread::ProcessMessage;
};

constexpr unsigned kMessages[] = {DataProcessingThread::kNewStatisticsMessage,
                                  DataProcessingThread::kSessionChangeMessage, 1100};
}

TEST(DataProcessingThreadTest, WithoutAModuleTheThreadEndsAtOnce)
{
    DataProcessingThread thread(nullptr);
    ASSERT_TRUE(thread.Start());

    EXPECT_TRUE(WaitUntil([&thread] { return !thread.IsRunning(); }));
    EXPECT_FALSE(thread.PostThreadMessage(DataProcessingThread::kNewStatisticsMessage));
    EXPECT_EQ(thread.Name(), QStringLiteral("DataProcessingThread"));
}

TEST(DataProcessingThreadTest, WithoutAModuleEveryMessageIsHandledByDoingNothing)
{
    DirectThread thread(nullptr);
    for (unsigned message : kMessages)
        EXPECT_TRUE(thread.ProcessMessage({message, 0, 0})) << message;
}

TEST(DataProcessingThreadTest, EveryMessageIsHandledAndOnlyItsOwnRunAPass)
{
    FakeSessionStatisticsMediator mediator;
    ManualClock clock;
    SessionStatisticsModule module(mediator, clock);
    module.SetNewStatistics(MakeStatistics(1, {QStringLiteral("PKO")}));
    DirectThread thread(&module);

    const std::uint64_t revisions[] = {1, 2, 2};
    for (std::size_t i = 0; i < std::size(kMessages); ++i)
    {
        EXPECT_TRUE(thread.ProcessMessage({kMessages[i], 0, 0})) << kMessages[i];
        EXPECT_EQ(module.GetDisplayData().revision, revisions[i]) << kMessages[i];
    }
}
