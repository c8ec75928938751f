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
    for (;;)
    {
        const std::uint32_t before = m_holderSequence.load(std::memory_order_acquire);
        if (before % 2 != 0)
        {
            PauseBriefly();
            continue;
        }
        const Holder holder{m_holderFunction.load(std::memory_order_relaxed),
                            m_holderFile.load(std::memory_order_relaxed)};
        std::atomic_thread_fence(std::memory_order_acquire);
        if (m_holderSequence.load(std::memory_order_relaxed) == before)
            return holder;
    }
}

void SafeCriticalSection::PublishHolder(const Holder& holder)
{
    const std::uint32_t sequence = m_holderSequence.load(std::memory_order_relaxed);
    m_holderSequence.store(sequence + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    m_holderFunction.store(holder.function, std::memory_order_relaxed);
    m_holderFile.store(holder.file, std::memory_order_relaxed);
    m_holderSequence.store(sequence + 2, std::memory_order_release);
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
    m_holders.push_back({function, file});
    PublishHolder(m_holders.back());
}

void SafeCriticalSection::Unlock()
{
    m_holders.pop_back();
    PublishHolder(m_holders.empty() ? Holder() : m_holders.back());
    m_mutex.unlock();
}
