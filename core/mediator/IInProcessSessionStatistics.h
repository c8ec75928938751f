#pragma once
// The session statistics module as the application mediator holds it: a module of the
// application ("SessionStatistics") with its own face, a source of alert arguments, and the
// stop of its worker thread before it is released.

#include "platform/modules/IGenericModule.h"

class IAlertArgumentSource;
class ISessionStatisticsModule;

class IInProcessSessionStatistics : public IGenericModule
{
public:
    virtual ISessionStatisticsModule* GetSessionStatisticsInterface() = 0;
    virtual IAlertArgumentSource* GetAlertArgumentSource() = 0;
    // Stops the module's worker thread.
    virtual void Shutdown() = 0;
};
