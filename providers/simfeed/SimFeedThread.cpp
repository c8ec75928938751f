#include "providers/simfeed/SimFeedThread.h"

#include "providers/simfeed/SimFeed.h"

#include <utility>

SimFeedThread::SimFeedThread(SimFeed& feed, std::function<void()> afterStep, Clock clock)
    : MessageThread(QStringLiteral("SimFeedThread"))
    , m_feed(feed)
    , m_afterStep(std::move(afterStep))
    , m_clock(clock ? std::move(clock) : Clock(&NDateTime::Now))
{
}

SimFeedThread::~SimFeedThread()
{
    Stop();
}

bool SimFeedThread::StartTicking(std::chrono::milliseconds interval)
{
    if (!Start())
        return false;
    if (SetTimer(kStepTimer, interval) == 0)
    {
        Stop();
        return false;
    }
    return true;
}

bool SimFeedThread::ChangeInterval(std::chrono::milliseconds interval)
{
    return SetTimer(kStepTimer, interval) != 0;
}

void SimFeedThread::OnTimer(std::uintptr_t id)
{
    if (id != kStepTimer)
        return;
    m_feed.Step(m_clock());
    if (m_afterStep)
        m_afterStep();
}
