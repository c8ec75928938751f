#pragma once
// An event a thread sleeps on until another thread signals it. A manual-reset event stays
// signalled (releasing every waiter) until Reset; an automatic one releases a single
// waiter and falls back to not signalled.

#include <chrono>
#include <condition_variable>
#include <mutex>

class ThreadEvent
{
public:
    enum class ResetMode
    {
        Manual,
        Automatic
    };

    explicit ThreadEvent(ResetMode mode = ResetMode::Manual, bool signalled = false);
    ThreadEvent(const ThreadEvent&) = delete;
    ThreadEvent& operator=(const ThreadEvent&) = delete;

    void Set();
    void Reset();
    void Wait();
    // True when the event was signalled within the timeout.
    bool WaitFor(std::chrono::milliseconds timeout);

private:
    const ResetMode m_mode;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_signalled;
};
