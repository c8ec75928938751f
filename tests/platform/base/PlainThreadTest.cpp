#include "platform/base/PlainThread.h"
#include "platform/base/ThreadEvent.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

using namespace std::chrono_literals;

namespace
{
// Sleeps on its event and counts the times it was woken, as the notification threads do.
class WakeCountingThread : public PlainThread
{
public:
    WakeCountingThread()
        : PlainThread(QStringLiteral("WakeCountingThread"))
    {
    }
    ~WakeCountingThread() override { Stop(); }

    // The event is left signalled by the last stop, so it is reset before each run.
    bool Begin()
    {
        m_wake.Reset();
        return Start();
    }
    void Wake() { m_wake.Set(); }
    void Stop()
    {
        RequestStop();
        m_wake.Set();
        Join();
    }

    std::atomic<int> wakes = 0;
    ThreadEvent woken{ThreadEvent::ResetMode::Automatic};

protected:
    void Run() override
    {
        for (;;)
        {
            m_wake.Wait();
            if (IsStopRequested())
                return;
            m_wake.Reset();
            ++wakes;
            woken.Set();
        }
    }

private:
    ThreadEvent m_wake;
};

class SelfJoiningThread : public PlainThread
{
public:
    SelfJoiningThread()
        : PlainThread(QStringLiteral("SelfJoiningThread"))
    {
    }
    ~SelfJoiningThread() override { Join(); }

    std::atomic<bool> startRefusedInside = false;

protected:
    void Run() override
    {
        Join();
        startRefusedInside = !Start();
    }
};
}

TEST(PlainThreadTest, RunsUntilAskedToStopAndCanBeStartedAgain)
{
    WakeCountingThread thread;
    EXPECT_FALSE(thread.IsRunning());
    ASSERT_TRUE(thread.Begin());
    EXPECT_TRUE(thread.IsRunning());
    EXPECT_FALSE(thread.Start());
    thread.Wake();
    ASSERT_TRUE(thread.woken.WaitFor(5s));
    thread.Stop();
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_EQ(thread.wakes.load(), 1);

    ASSERT_TRUE(thread.Begin());
    EXPECT_FALSE(thread.IsStopRequested());
    thread.Wake();
    ASSERT_TRUE(thread.woken.WaitFor(5s));
    EXPECT_TRUE(thread.IsRunning());
    EXPECT_EQ(thread.wakes.load(), 2);
}

TEST(PlainThreadTest, JoinAndStartFromRunItselfDoNotWait)
{
    SelfJoiningThread thread;
    ASSERT_TRUE(thread.Start());
    thread.Join();
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_TRUE(thread.startRefusedInside.load());
}
