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
    switch (message.message)
    {
    case kNewStatisticsMessage:
        m_module->ProcessLastSesstionStatistics();
        return true;
    case kSessionChangeMessage:
        m_module->ProcessSessionChange();
        return true;
    default:
        return MessageThread::ProcessMessage(message);
    }
}
