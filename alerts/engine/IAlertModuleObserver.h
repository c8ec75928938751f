#pragma once
// What the windows of the alerts (the defined-alerts and history grids, the definition
// dialog) learn from the alert module. All calls come on the main thread, except
// OnArgumentDestroyed, which comes on the alerts worker thread.

#include "platform/modules/AlertExprArgDesc.h"

#include <cstdint>

class IAlertModuleObserver
{
public:
    virtual ~IAlertModuleObserver() = default;

    // A new alert entered the list.
    virtual void OnAlertAdded(std::uint32_t alertId) = 0;
    // An alert was replaced by its edited copy, or alerts changed their state.
    virtual void OnAlertsChanged() = 0;
    // The alert left the list; its rows go.
    virtual void OnAlertRemoved(std::uint32_t alertId) = 0;
    virtual void OnAllAlertsRemoved() = 0;
    // The argument's source is gone; the alerts that used it can no longer fire.
    virtual void OnArgumentDestroyed(const AlertExprArgDesc& argument) = 0;
};
