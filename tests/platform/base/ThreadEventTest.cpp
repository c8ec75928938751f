#include "platform/base/ThreadEvent.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

TEST(ThreadEventTest, ManualEventStaysSignalledAutomaticReleasesOneWait)
{
    struct Case
    {
        ThreadEvent::ResetMode mode;
        bool secondWaitPasses;
    };
    for (const Case& c : {Case{ThreadEvent::ResetMode::Manual, true}, Case{ThreadEvent::ResetMode::Automatic, false}})
    {
        ThreadEvent event(c.mode);
        EXPECT_FALSE(event.WaitFor(0ms));
        event.Set();
        EXPECT_TRUE(event.WaitFor(0ms));
        EXPECT_EQ(event.WaitFor(0ms), c.secondWaitPasses);
        event.Set();
        event.Reset();
        EXPECT_FALSE(event.WaitFor(0ms));
    }
}

TEST(ThreadEventTest, WaitForGivesUpAfterTheTimeout)
{
    ThreadEvent event;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(event.WaitFor(30ms));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 30ms);
}

TEST(ThreadEventTest, ManualSetReleasesEveryWaiterAutomaticSetOnlyOne)
{
    ThreadEvent manual(ThreadEvent::ResetMode::Manual);
    std::vector<std::thread> manualWaiters;
    for (int i = 0; i < 3; ++i)
        manualWaiters.emplace_back([&] { manual.Wait(); });
    manual.Set();
    for (std::thread& waiter : manualWaiters)
        waiter.join();

    ThreadEvent automatic(ThreadEvent::ResetMode::Automatic);
    std::atomic<int> released = 0;
    std::thread first([&] { automatic.Wait(); ++released; });
    std::thread second([&] { automatic.Wait(); ++released; });
    automatic.Set();
    while (released.load() == 0)
        std::this_thread::yield();
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(released.load(), 1);
    automatic.Set();
    first.join();
    second.join();
    EXPECT_EQ(released.load(), 2);
}
