#include "platform/base/SafeCriticalSection.h"

#include <utility>

namespace
{
// Most holds are shorter than a sleep and a wake-up: a taker that finds the lock held tries
// again this many times before it sleeps.
constexpr int kTriesBeforeSleeping = 100;

void PauseBriefly()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}
}

SafeCriticalSection::SafeCriticalSection(QString name)
    : m_name(std::move(name))
{
}

SafeCriticalSection::Holder SafeCriticalSection::CurrentHolder() const
{
    const std::lock_guard guard(m_holdersMutex);
    return m_holders.empty() ? Holder() : m_holders.back();
}

void SafeCriticalSection::Lock(const char* function, const char* file)
{
    bool locked = m_mutex.try_lock();
    for (int tries = 1; !locked && tries < kTriesBeforeSleeping; ++tries)
    {
        PauseBriefly();
        locked = m_mutex.try_lock();
    }
    if (!locked)
        m_mutex.lock();
    const std::lock_guard guard(m_holdersMutex);
    m_holders.push_back({function, file});
}

void SafeCriticalSection::Unlock()
{
    {
        const std::lock_guard guard(m_holdersMutex);
        m_holders.pop_back();
    }
    m_mutex.unlock();
}
