#pragma once
// A worker thread fed with thread messages: any thread posts (message, wParam, lParam)
// and the worker handles them one by one, in posting order, in ProcessMessage(). The
// worker also runs timers (OnTimer) and the InitInstance/ExitInstance steps of its
// lifetime. Used by the alerts worker, the orders-sheet and statistics processing
// threads and the cloud HTTP thread.
//
// Lifetime: Start() once (running, or suspended until the first Resume()), Pause() and
// Resume() as needed, Stop() once. A thread that stopped or ended never starts again.
// Stop() lets the handler that runs finish, drops every message still queued without
// handling it, kills the timers, runs ExitInstance() on the thread and joins it; from
// then on PostThreadMessage() fails. A thread stopped before its first Resume() runs
// neither InitInstance() nor ExitInstance(). Called on the thread itself (in a handler)
// Stop() does not wait: the thread ends as soon as the handler returns.
// A class that overrides any handler must call Stop() in its own destructor: once the
// derived part is destroyed its handlers must no longer run. The base destructor only
// stops what is left. Never destroy the object on its own thread.

#include <QString>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

// Messages carry plain integers; a dropped message owns nothing.
struct ThreadMessage
{
    unsigned int message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

class MessageThread
{
public:
    enum class StartMode
    {
        Running,
        Suspended    // InitInstance and everything after it wait for the first Resume()
    };

    explicit MessageThread(QString name);
    virtual ~MessageThread();
    MessageThread(const MessageThread&) = delete;
    MessageThread& operator=(const MessageThread&) = delete;

    const QString& Name() const { return m_name; }

    // False when already started, stopped, or no thread can be made.
    bool Start(StartMode mode = StartMode::Running);
    // While paused, messages queue and timers wait; nothing is handled. The handler that
    // runs finishes first. Both false when the thread is not running.
    bool Pause();
    bool Resume();
    void Stop();

    // From any thread; false when the thread is not running (not started, stopping or ended).
    bool PostThreadMessage(unsigned int message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

    // A periodic timer whose OnTimer(id) runs on the thread. Setting a timer again replaces
    // it and restarts its period; a tick that falls due while the previous one still runs
    // is not repeated later. Returns the id, or 0 when the id is 0 or the thread is not
    // running. Intervals under 1 ms count as 1 ms.
    std::uintptr_t SetTimer(std::uintptr_t id, std::chrono::milliseconds interval);
    // False when no such timer runs.
    bool KillTimer(std::uintptr_t id);

    // Started, not stopping, not ended: posts are accepted.
    bool IsRunning() const;
    // Stop() was called; long handlers check this to give up early.
    bool IsStopping() const;

protected:
    // On the thread before the first message; false ends the thread at once (ExitInstance still runs).
    virtual bool InitInstance();
    // On the thread after the last message, whenever InitInstance ran.
    virtual void ExitInstance();
    // On the thread, for each message in posting order; true when the message was this
    // thread's own. The loop needs no answer; an override hands the messages it does not
    // know to the base, which knows none.
    virtual bool ProcessMessage(const ThreadMessage& message);
    virtual void OnTimer(std::uintptr_t id);

private:
    enum class State
    {
        NotStarted,
        Running,
        Ended
    };

    struct Timer
    {
        std::chrono::milliseconds interval;
        std::chrono::steady_clock::time_point due;
    };

    void Main();
    void RunLoop(std::unique_lock<std::mutex>& lock);
    void FireDueTimers(std::unique_lock<std::mutex>& lock);
    std::chrono::steady_clock::time_point NextTimerDue() const;
    bool IsAccepting() const { return m_state == State::Running && !m_stopRequested; }
    bool CanDispatch() const { return !m_stopRequested && !m_paused; }

    const QString m_name;
    // Guards the members from here to m_threadId.
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    State m_state = State::NotStarted;
    bool m_stopRequested = false;
    bool m_paused = false;
    std::deque<ThreadMessage> m_messages;
    std::map<std::uintptr_t, Timer> m_timers;
    std::thread::id m_threadId;
    // Guards m_thread, so Start() and several Stop() callers never touch it at once.
    std::mutex m_joinMutex;
    std::thread m_thread;
};
