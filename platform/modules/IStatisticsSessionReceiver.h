#pragma once
// The sink through which a provider hands the session statistics to whoever registered it. A
// provider calls it on its own thread, never on the main thread.

class SessionStatistics;

class IStatisticsSessionReceiver
{
public:
    virtual ~IStatisticsSessionReceiver() = default;

    // New statistics of the running session; false when the receiver could not take them.
    virtual bool SetNewStatistics(const SessionStatistics& statistics) = 0;
    // A new session began: statistics received before belong to the previous one.
    virtual void OnSessionChange() = 0;
};
