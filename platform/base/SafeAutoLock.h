#pragma once
// Holds a SafeCriticalSection for the lifetime of a scope and tells the lock which
// function and source file took it.

#include "platform/base/SafeCriticalSection.h"

class SafeAutoLock
{
public:
    // function and file are string literals naming the site, e.g.
    // SafeAutoLock lock(m_lock, "SessionStatisticsModule::SetNewStatistics", "SessionStatisticsModule");
    SafeAutoLock(SafeCriticalSection& section, const char* function, const char* file);
    ~SafeAutoLock();
    SafeAutoLock(const SafeAutoLock&) = delete;
    SafeAutoLock& operator=(const SafeAutoLock&) = delete;

private:
    SafeCriticalSection& m_section;
};
