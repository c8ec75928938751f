#include "sessionstats/engine/DataProcessingThread.h"

#include "sessionstats/engine/SessionStatisticsModule.h"

DataProcessingThread::DataProcessingThread(SessionStatisticsModule* module)
    : MessageThread(QStringLiteral("DataProcessingThread"))
    , m_module(module)
{
}

DataProcessingThread::~DataProcessingThread()
{
    Stop();
}

bool DataProcessingThread::InitInstance()
{
    return m_module != nullptr;
}

bool DataProcessingThread::ProcessMessage(const ThreadMessage& message)
{
    // Every message posted here is this thread's own, whether or not it has work for it.
    if (!m_module)
        return true;
    switch (message.message)
    {
    case kNewStatisticsMessage:
        m_module->ProcessLastSesstionStatistics();
        break;
    case kSessionChangeMessage:
        m_module->ProcessSessionChange();
        break;
    default:
        break;
    }
    return true;
}
