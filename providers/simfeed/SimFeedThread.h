#pragma once
// The thread on which the feed ticks: a step of the market at every timer tick, at the time its
// clock tells (the wall clock unless given another), with all its deliveries, and after it the
// provider's report of a new last quote time.

#include "platform/base/MessageThread.h"

#include "platform/modules/NDateTime.h"

#include <chrono>
#include <functional>

class SimFeed;

class SimFeedThread : public MessageThread
{
public:
    using Clock = std::function<NDateTime()>;

    // afterStep runs on the thread after every step; clock is asked on the thread.
    SimFeedThread(SimFeed& feed, std::function<void()> afterStep, Clock clock = {});
    ~SimFeedThread() override;

    // Starts the thread ticking every interval; false when it cannot.
    bool StartTicking(std::chrono::milliseconds interval);
    // From any thread; false when the thread does not run.
    bool ChangeInterval(std::chrono::milliseconds interval);

protected:
    void OnTimer(std::uintptr_t id) override;

private:
    static constexpr std::uintptr_t kStepTimer = 1;

    SimFeed& m_feed;
    std::function<void()> m_afterStep;
    Clock m_clock;
};
