#include "platform/base/SafeCriticalSection.h"

#include <utility>

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
