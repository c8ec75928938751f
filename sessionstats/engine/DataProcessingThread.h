#pragma once
// The session-statistics worker thread "DataProcessingThread": it computes what the statistics
// window shows from the statistics the provider delivered, on 1025 (new statistics) and 1026
// (a new session), so neither the provider's thread nor the main thread waits for it. A thread
// made without a module ends as soon as it runs. Every message counts as handled, also one it
// has no work for.

#include "platform/base/MessageThread.h"

class SessionStatisticsModule;

class DataProcessingThread : public MessageThread
{
public:
    static constexpr unsigned kNewStatisticsMessage = 1025;
    static constexpr unsigned kSessionChangeMessage = 1026;

    explicit DataProcessingThread(SessionStatisticsModule* module);
    ~DataProcessingThread() override;

protected:
    bool InitInstance() override;
    bool ProcessMessage(const ThreadMessage& message) override;

private:
    SessionStatisticsModule* const m_module;
};
