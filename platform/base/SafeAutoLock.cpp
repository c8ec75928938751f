#include "platform/base/SafeAutoLock.h"

SafeAutoLock::SafeAutoLock(SafeCriticalSection& section, const char* function, const char* file)
    : m_section(section)
{
    m_section.Lock(function, file);
}

SafeAutoLock::~SafeAutoLock()
{
    m_section.Unlock();
}
