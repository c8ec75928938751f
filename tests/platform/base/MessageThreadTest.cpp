#include "platform/base/MessageThread.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/base/ThreadEvent.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace
{
constexpr unsigned int kPauseMessage = 0x500;
constexpr unsigned int kStopMessage = 0x501;

// Records what runs on the thread, in order; the hooks let a test act from inside handlers.
class RecordingThread : public MessageThread
{
public:
    RecordingThread()
        : MessageThread(QStringLiteral("RecordingThread"))
    {
    }
    ~RecordingThread() override { Stop(); }

    std::vector<std::string> Journal() const
    {
        const SafeAutoLock lock(m_lock, "RecordingThread::Journal", "MessageThreadTest");
        return m_journal;
    }
    std::vector<ThreadMessage> Handled() const
    {
        const SafeAutoLock lock(m_lock, "RecordingThread::Handled", "MessageThreadTest");
        return m_handled;
    }
    int Ticks(std::uintptr_t id) const
    {
        const SafeAutoLock lock(m_lock, "RecordingThread::Ticks", "MessageThreadTest");
        const auto found = m_ticks.find(id);
        return found == m_ticks.end() ? 0 : found->second;
    }
    // Waits (up to ten seconds) until the condition holds; re-checked after every recorded event.
    bool WaitUntil(const std::function<bool()>& condition)
    {
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (!condition())
        {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            m_changed.WaitFor(100ms);
        }
        return true;
    }
    bool WaitForHandled(std::size_t count)
    {
        return WaitUntil([&] { return Handled().size() >= count; });
    }

    // Set before Start(); they run on the thread.
    bool initResult = true;
    std::function<void()> onInit;
    std::function<void(const ThreadMessage&)> onMessage;
    ThreadEvent exited;

protected:
    bool InitInstance() override
    {
        Record("init");
        if (onInit)
            onInit();
        return initResult;
    }
    void ExitInstance() override
    {
        Record("exit");
        exited.Set();
    }
    bool ProcessMessage(const ThreadMessage& message) override
    {
        if (onMessage)
            onMessage(message);
        {
            const SafeAutoLock lock(m_lock, "RecordingThread::ProcessMessage", "MessageThreadTest");
            m_handled.push_back(message);
            m_journal.push_back("message " + std::to_string(message.message));
        }
        m_changed.Set();
        return true;
    }
    void OnTimer(std::uintptr_t id) override
    {
        {
            const SafeAutoLock lock(m_lock, "RecordingThread::OnTimer", "MessageThreadTest");
            ++m_ticks[id];
        }
        m_changed.Set();
    }

private:
    void Record(const std::string& entry)
    {
        {
            const SafeAutoLock lock(m_lock, "RecordingThread::Record", "MessageThreadTest");
            m_journal.push_back(entry);
        }
        m_changed.Set();
    }

    mutable SafeCriticalSection m_lock{QStringLiteral("RecordingThread::m_lock")};
    std::vector<std::string> m_journal;
    std::vector<ThreadMessage> m_handled;
    std::map<std::uintptr_t, int> m_ticks;
    ThreadEvent m_changed{ThreadEvent::ResetMode::Automatic};
};

std::vector<unsigned int> MessageIds(const std::vector<ThreadMessage>& messages)
{
    std::vector<unsigned int> ids;
    for (const ThreadMessage& message : messages)
        ids.push_back(message.message);
    return ids;
}
}

TEST(MessageThreadTest, HandlesEveryMessageOnceOnItsThreadInEachProducersOrder)
{
    constexpr int kProducers = 4;
    constexpr int kMessages = 2000;
    RecordingThread thread;
    std::thread::id handlerThread;
    bool oneHandlerThread = true;
    thread.onMessage = [&](const ThreadMessage&) {
        if (handlerThread == std::thread::id())
            handlerThread = std::this_thread::get_id();
        oneHandlerThread = oneHandlerThread && handlerThread == std::this_thread::get_id();
    };
    ASSERT_TRUE(thread.Start());

    std::vector<std::thread> producers;
    for (int p = 0; p < kProducers; ++p)
    {
        producers.emplace_back([&thread, p] {
            for (int i = 0; i < kMessages; ++i)
                ASSERT_TRUE(thread.PostThreadMessage(0x401, p, i));
        });
    }
    for (std::thread& producer : producers)
        producer.join();
    ASSERT_TRUE(thread.WaitForHandled(kProducers * kMessages));
    thread.Stop();

    const std::vector<ThreadMessage> handled = thread.Handled();
    ASSERT_EQ(handled.size(), std::size_t(kProducers * kMessages));
    std::vector<std::intptr_t> next(kProducers, 0);
    for (const ThreadMessage& message : handled)
    {
        ASSERT_LT(message.wParam, std::uintptr_t(kProducers));
        ASSERT_EQ(message.lParam, next[message.wParam]) << "producer " << message.wParam;
        ++next[message.wParam];
    }
    EXPECT_TRUE(oneHandlerThread);
    EXPECT_NE(handlerThread, std::this_thread::get_id());
}

TEST(MessageThreadTest, AcceptsPostsAndTimersOnlyWhileRunning)
{
    RecordingThread thread;
    EXPECT_FALSE(thread.PostThreadMessage(1));
    EXPECT_FALSE(thread.IsRunning());
    ASSERT_TRUE(thread.Start());
    EXPECT_FALSE(thread.Start());
    EXPECT_TRUE(thread.IsRunning());
    EXPECT_EQ(thread.SetTimer(0, 10ms), 0u);
    EXPECT_FALSE(thread.KillTimer(3));
    EXPECT_TRUE(thread.PostThreadMessage(1));
    ASSERT_TRUE(thread.WaitForHandled(1));

    thread.Stop();
    EXPECT_TRUE(thread.IsStopping());
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_FALSE(thread.PostThreadMessage(2));
    EXPECT_EQ(thread.SetTimer(3, 10ms), 0u);
    EXPECT_FALSE(thread.Pause());
    EXPECT_FALSE(thread.Resume());
    EXPECT_FALSE(thread.Start());
    EXPECT_EQ(thread.Journal(), (std::vector<std::string>{"init", "message 1", "exit"}));
}

TEST(MessageThreadTest, SuspendedStartRunsNothingUntilResumed)
{
    RecordingThread thread;
    ASSERT_TRUE(thread.Start(MessageThread::StartMode::Suspended));
    EXPECT_TRUE(thread.PostThreadMessage(1));
    std::this_thread::sleep_for(30ms);
    EXPECT_TRUE(thread.Journal().empty());
    ASSERT_TRUE(thread.Resume());
    ASSERT_TRUE(thread.WaitForHandled(1));
    EXPECT_EQ(thread.Journal(), (std::vector<std::string>{"init", "message 1"}));

    RecordingThread neverResumed;
    ASSERT_TRUE(neverResumed.Start(MessageThread::StartMode::Suspended));
    neverResumed.Stop();
    EXPECT_TRUE(neverResumed.Journal().empty());
}

TEST(MessageThreadTest, FailedInitInstanceEndsTheThread)
{
    RecordingThread thread;
    thread.initResult = false;
    ASSERT_TRUE(thread.Start());
    ASSERT_TRUE(thread.exited.WaitFor(10s));
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_FALSE(thread.PostThreadMessage(1));
    thread.Stop();
    EXPECT_EQ(thread.Journal(), (std::vector<std::string>{"init", "exit"}));
}

TEST(MessageThreadTest, TimersTickByIdUntilKilled)
{
    RecordingThread thread;
    thread.onInit = [&] { thread.SetTimer(9, 2ms); };
    ASSERT_TRUE(thread.Start());
    EXPECT_EQ(thread.SetTimer(7, 1h), 7u);
    EXPECT_EQ(thread.SetTimer(7, 2ms), 7u);
    ASSERT_TRUE(thread.WaitUntil([&] { return thread.Ticks(7) >= 3 && thread.Ticks(9) >= 3; }));

    EXPECT_TRUE(thread.KillTimer(7));
    EXPECT_FALSE(thread.KillTimer(7));
    // A tick of 7 may have been running while it was killed; one more tick of 9 means it is over.
    const int ticksOf9 = thread.Ticks(9);
    ASSERT_TRUE(thread.WaitUntil([&] { return thread.Ticks(9) > ticksOf9; }));
    const int ticksOf7 = thread.Ticks(7);
    ASSERT_TRUE(thread.WaitUntil([&] { return thread.Ticks(9) >= ticksOf9 + 4; }));
    EXPECT_EQ(thread.Ticks(7), ticksOf7);
}

TEST(MessageThreadTest, PausedThreadKeepsMessagesAndTimersUntilResumed)
{
    RecordingThread thread;
    thread.onMessage = [&](const ThreadMessage& message) {
        if (message.message == kPauseMessage)
            thread.Pause();
    };
    ASSERT_TRUE(thread.Start());
    thread.SetTimer(5, 1ms);
    ASSERT_TRUE(thread.WaitUntil([&] { return thread.Ticks(5) >= 1; }));
    ASSERT_TRUE(thread.PostThreadMessage(kPauseMessage));
    ASSERT_TRUE(thread.WaitForHandled(1));
    const int ticks = thread.Ticks(5);
    EXPECT_TRUE(thread.PostThreadMessage(2));
    EXPECT_TRUE(thread.PostThreadMessage(3));
    EXPECT_TRUE(thread.IsRunning());
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(thread.Handled().size(), 1u);
    EXPECT_EQ(thread.Ticks(5), ticks);

    ASSERT_TRUE(thread.Resume());
    ASSERT_TRUE(thread.WaitForHandled(3));
    EXPECT_EQ(MessageIds(thread.Handled()), (std::vector<unsigned int>{kPauseMessage, 2, 3}));
    EXPECT_TRUE(thread.WaitUntil([&] { return thread.Ticks(5) > ticks; }));
}

TEST(MessageThreadTest, StopFinishesTheRunningHandlerAndDropsQueuedMessages)
{
    RecordingThread thread;
    ThreadEvent started;
    ThreadEvent gate;
    bool stoppingSeenInHandler = false;
    thread.onMessage = [&](const ThreadMessage& message) {
        if (message.message != 1)
            return;
        started.Set();
        gate.Wait();
        stoppingSeenInHandler = thread.IsStopping();
    };
    ASSERT_TRUE(thread.Start());
    for (unsigned int id = 1; id <= 3; ++id)
        ASSERT_TRUE(thread.PostThreadMessage(id));
    ASSERT_TRUE(started.WaitFor(10s));

    std::thread stopper([&] { thread.Stop(); });
    while (thread.IsRunning())
        std::this_thread::yield();
    EXPECT_FALSE(thread.PostThreadMessage(4));
    gate.Set();
    stopper.join();

    EXPECT_TRUE(stoppingSeenInHandler);
    EXPECT_EQ(thread.Journal(), (std::vector<std::string>{"init", "message 1", "exit"}));
}

TEST(MessageThreadTest, StopFromItsOwnHandlerEndsTheThreadWithoutWaiting)
{
    RecordingThread thread;
    thread.onMessage = [&](const ThreadMessage& message) {
        if (message.message == kStopMessage)
            thread.Stop();
    };
    ASSERT_TRUE(thread.Start(MessageThread::StartMode::Suspended));
    ASSERT_TRUE(thread.PostThreadMessage(kStopMessage));
    ASSERT_TRUE(thread.PostThreadMessage(2));
    ASSERT_TRUE(thread.Resume());
    ASSERT_TRUE(thread.exited.WaitFor(10s));
    EXPECT_FALSE(thread.PostThreadMessage(3));
    EXPECT_EQ(MessageIds(thread.Handled()), (std::vector<unsigned int>{kStopMessage}));
}
