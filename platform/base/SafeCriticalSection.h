#pragma once
// A named, re-entrant lock for data shared between threads. It remembers which function
// (and source file) holds it, so a hang can be traced to the site that keeps the lock.
// Taken only through SafeAutoLock.

#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

class SafeAutoLock;

class SafeCriticalSection
{
public:
    // The site that holds the lock; both null when the lock is free.
    struct Holder
    {
        const char* function = nullptr;
        const char* file = nullptr;
    };

    explicit SafeCriticalSection(QString name);
    SafeCriticalSection(const SafeCriticalSection&) = delete;
    SafeCriticalSection& operator=(const SafeCriticalSection&) = delete;

    const QString& Name() const { return m_name; }
    // The innermost site of the thread that holds the lock; safe to ask from any thread.
    Holder CurrentHolder() const;

private:
    friend class SafeAutoLock;

    // function and file must outlive the hold (string literals).
    void Lock(const char* function, const char* file);
    void Unlock();

    // Sets the innermost site that other threads read; called by the holder only.
    void PublishHolder(const Holder& holder);

    const QString m_name;
    std::recursive_mutex m_mutex;
    // The holder's own stack of sites, touched only while m_mutex is held.
    std::vector<Holder> m_holders;
    // Its top, for other threads: written by the holder under a sequence count (odd while it
    // changes), so that a reader never pairs one site's function with another's file, and a
    // hold costs no second lock.
    std::atomic<std::uint32_t> m_holderSequence = 0;
    std::atomic<const char*> m_holderFunction = nullptr;
    std::atomic<const char*> m_holderFile = nullptr;
};
