#pragma once
// A worker that runs one long operation, Run(), on its own thread: the notification
// threads that sleep on a ThreadEvent and work when woken. The owner asks it to stop;
// Run() polls IsStopRequested() and returns.

#include <QString>

#include <atomic>
#include <mutex>
#include <thread>

class PlainThread
{
public:
    explicit PlainThread(QString name);
    // Requests a stop and joins. A derived class whose Run() waits on its own event or uses
    // its own members must stop and join in its own destructor (RequestStop, wake, Join):
    // here Run() could no longer be woken and the derived part is already gone.
    virtual ~PlainThread();
    PlainThread(const PlainThread&) = delete;
    PlainThread& operator=(const PlainThread&) = delete;

    const QString& Name() const { return m_name; }

    // Clears the stop request and runs Run() on a new thread. False while a run is still
    // going (or from Run() itself) or when no thread can be made. A thread whose Run() returned can be started again.
    bool Start();
    // True from Start() until Run() returns.
    bool IsRunning() const { return m_running.load(); }
    void RequestStop() { m_stopRequested.store(true); }
    bool IsStopRequested() const { return m_stopRequested.load(); }
    // Waits until Run() has returned. Does nothing when called from Run() itself.
    void Join();

protected:
    virtual void Run() = 0;

private:
    void Main();
    bool IsOwnThread() const { return m_ownThreadId.load() == std::this_thread::get_id(); }

    const QString m_name;
    std::atomic<bool> m_running = false;
    std::atomic<bool> m_stopRequested = false;
    // Set by the thread itself while Run() goes, so Join() and Start() from inside never wait on it.
    std::atomic<std::thread::id> m_ownThreadId;
    std::mutex m_threadMutex;
    std::thread m_thread;
};
