#pragma once
// The links from alert arguments to the alerts that use them, as the argument registry sees
// them: when an argument falls out of use its links go. The registry takes LinksLock() before
// its own lock (the alert list's lock comes first in the lock order).

#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/AlertExprArgDesc.h"

class IAlertLinks
{
public:
    virtual ~IAlertLinks() = default;

    virtual SafeCriticalSection& LinksLock() = 0;
    virtual void RemoveLink(const AlertExprArgDesc& argument) = 0;
};
