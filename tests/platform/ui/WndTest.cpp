#include "platform/ui/Wnd.h"
#include "tests/support/ui/TestApplication.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace
{
constexpr std::uint32_t kTestMessage = WM_APP + 7;

class RecordingWindow : public QWidget, public Wnd
{
public:
    RecordingWindow()
        : Wnd(this)
    {
        OnCommand(501, [this] { ++commands; });
    }

    std::vector<WindowMessage> received;
    std::vector<std::uint32_t> ticks;
    int commands = 0;
    std::uint32_t killOnTick = 0;

protected:
    LResult WindowProc(const WindowMessage& message) override
    {
        if (message.message != kTestMessage)
            return Wnd::WindowProc(message);
        received.push_back(message);
        return 42;
    }

    void OnTimer(std::uint32_t id) override
    {
        ticks.push_back(id);
        if (id == killOnTick)
            KillTimer(id);
    }
};

class WndTest : public ::testing::Test
{
protected:
    void SetUp() override { TestApplication::Ensure(); }
};
}

TEST_F(WndTest, PostsFromTenThreadsArriveOnceAndInOrderPerThread)
{
    constexpr int kThreads = 10;
    constexpr int kPerThread = 2000;
    RecordingWindow window;
    const WndHandle handle = window.GetSafeHwnd();

    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
    {
        threads.emplace_back([handle, t] {
            for (int i = 0; i < kPerThread; ++i)
                ASSERT_TRUE(Wnd::PostMessage(handle, kTestMessage, static_cast<WParam>(t), i));
        });
    }
    // Deliver while the threads still post, so delivery and posting overlap.
    TestApplication::ProcessEventsUntil([&] { return window.received.size() == std::size_t{kThreads} * kPerThread; });
    for (std::thread& thread : threads)
        thread.join();
    QCoreApplication::sendPostedEvents();

    ASSERT_EQ(window.received.size(), std::size_t{kThreads} * kPerThread);
    std::vector<LParam> next(kThreads, 0);
    for (const WindowMessage& message : window.received)
    {
        ASSERT_LT(message.wParam, WParam{kThreads});
        EXPECT_EQ(message.lParam, next[message.wParam]) << "thread " << message.wParam;
        next[message.wParam] = message.lParam + 1;
    }
}

TEST_F(WndTest, PostingToADestroyedWindowIsRefused)
{
    auto window = std::make_unique<RecordingWindow>();
    const WndHandle handle = window->GetSafeHwnd();
    auto payload = std::make_shared<QString>(QStringLiteral("dane"));
    ASSERT_TRUE(Wnd::PostMessage(handle, kTestMessage, 0, 0, payload));
    ASSERT_EQ(payload.use_count(), 2);

    window.reset();
    // The message still pending died with the window, and so did its copy of the payload.
    EXPECT_EQ(payload.use_count(), 1);
    EXPECT_FALSE(Wnd::IsWindow(handle));
    EXPECT_EQ(Wnd::FromHandle(handle), nullptr);
    EXPECT_FALSE(Wnd::PostMessage(handle, kTestMessage, 0, 0, payload));
    EXPECT_EQ(payload.use_count(), 1);
    QCoreApplication::sendPostedEvents();
}

TEST_F(WndTest, WorkersPostingWhileTheWindowDiesStopSafely)
{
    auto window = std::make_unique<RecordingWindow>();
    const WndHandle handle = window->GetSafeHwnd();
    std::atomic<int> refused{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
    {
        threads.emplace_back([handle, &refused] {
            while (Wnd::PostMessage(handle, kTestMessage, 0, 0, std::make_shared<int>(1)))
                std::this_thread::yield();
            ++refused;
        });
    }
    TestApplication::ProcessEventsUntil([&] { return window->received.size() > 100; });
    window.reset();
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(refused.load(), 4);
    QCoreApplication::sendPostedEvents();
}

TEST_F(WndTest, PayloadTravelsWithThePostedMessage)
{
    RecordingWindow window;
    std::thread worker([handle = window.GetSafeHwnd()] {
        Wnd::PostMessage(handle, kTestMessage, 1, 2, std::make_shared<QString>(QStringLiteral("kurs")));
    });
    worker.join();
    QCoreApplication::sendPostedEvents();

    ASSERT_EQ(window.received.size(), 1u);
    const auto* text = std::any_cast<std::shared_ptr<QString>>(&window.received[0].payload);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(**text, QStringLiteral("kurs"));
}

TEST_F(WndTest, SendMessageRunsNowOnTheOwnerThreadOnly)
{
    RecordingWindow window;
    EXPECT_EQ(window.SendMessage(kTestMessage, 3, 4), 42);
    EXPECT_EQ(window.received.size(), 1u);

    // WM_COMMAND reaches the window's own command table; an unknown id is not handled.
    EXPECT_EQ(window.SendMessage(WM_COMMAND, MakeCommandWParam(501)), 1);
    EXPECT_EQ(window.SendMessage(WM_COMMAND, MakeCommandWParam(502)), 0);
    EXPECT_EQ(window.commands, 1);

    LResult fromWorker = -1;
    std::thread worker([&] { fromWorker = window.SendMessage(kTestMessage); });
    worker.join();
    EXPECT_EQ(fromWorker, 0);
    EXPECT_EQ(window.received.size(), 1u);
}

TEST_F(WndTest, PostedCommandReachesTheCommandTable)
{
    RecordingWindow window;
    std::thread worker([handle = window.GetSafeHwnd()] { Wnd::PostMessage(handle, WM_COMMAND, MakeCommandWParam(501)); });
    worker.join();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.commands, 1);
}

TEST_F(WndTest, TimersTickByIdAndStop)
{
    RecordingWindow window;
    ASSERT_TRUE(window.SetTimer(7, 10));
    ASSERT_TRUE(window.SetTimer(8, 60000));
    EXPECT_TRUE(window.HasTimer(7));

    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&] { return window.ticks.size() >= 2; }));
    EXPECT_EQ(window.ticks[0], 7u);
    EXPECT_EQ(window.ticks[1], 7u);

    EXPECT_TRUE(window.KillTimer(7));
    EXPECT_FALSE(window.KillTimer(7));
    EXPECT_FALSE(window.HasTimer(7));
    const std::size_t ticksAtKill = window.ticks.size();
    TestApplication::ProcessEventsUntil([] { return false; }, 60);
    EXPECT_EQ(window.ticks.size(), ticksAtKill);

    // A long timer is fired by id without waiting; a stopped one cannot be.
    EXPECT_TRUE(window.FireTimer(8));
    EXPECT_EQ(window.ticks.back(), 8u);
    EXPECT_FALSE(window.FireTimer(7));
    EXPECT_FALSE(window.FireTimer(9));
}

TEST_F(WndTest, TimerCanStopItselfFromItsOwnTick)
{
    RecordingWindow window;
    window.killOnTick = 4;
    ASSERT_TRUE(window.SetTimer(4, 10));
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&] { return !window.ticks.empty(); }));
    TestApplication::ProcessEventsUntil([] { return false; }, 60);
    EXPECT_EQ(window.ticks, std::vector<std::uint32_t>{4});
    EXPECT_FALSE(window.HasTimer(4));

    // It can run again afterwards.
    EXPECT_TRUE(window.SetTimer(4, 10));
    EXPECT_TRUE(window.HasTimer(4));
}

TEST_F(WndTest, TimersAreRefusedOffTheOwnerThread)
{
    RecordingWindow window;
    bool set = true;
    std::thread worker([&] { set = window.SetTimer(1, 10); });
    worker.join();
    EXPECT_FALSE(set);
    EXPECT_FALSE(window.HasTimer(1));
}
