#pragma once
// The simulated market standing in for the server that evaluates the user's cloud alerts: after
// every step of the feed it checks each alert's buy and sell conditions against the current
// state of the alert's instrument and pushes an event to the registered receiver when a
// condition starts to hold, so once per crossing and not on every step. A condition that
// already holds when it is first seen (or after it was changed) waits for the next crossing; an
// alert that fires only once is spent after its first event. The memory of the crossings goes
// with the receiver.
//
// Threads: the registration comes from any thread, Check from the feed's thread only. The lock
// "SimCloudAlerts::Receiver" is held for each delivery, so once a registration returns the
// previous receiver is not called any more; the receiver must not register while it is called.

#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/CloudAlertCondition.h"
#include "platform/modules/CurrentState.h"
#include "platform/modules/ProviderBase.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <utility>

class AlertReceiver;

class SimCloudAlerts
{
public:
    // The current state of the instrument with that ISIN (or ticker); none for an unknown one.
    using StateOf = std::function<std::optional<CurrentState>(const QString& isin)>;

    // Null drops the receiver.
    void SetReceiver(AlertReceiver* receiver, ProviderBase::CloudAlertConditions alerts);
    // utcTime: the moment of the states as a UTC day count. Feed thread.
    void Check(const StateOf& stateOf, double utcTime);

private:
    struct SideState
    {
        CloudAlertSideCondition condition;
        bool holds = false;
    };
    using SideKey = std::pair<std::int32_t, char>;

    SafeCriticalSection m_lock{QStringLiteral("SimCloudAlerts::Receiver")};
    AlertReceiver* m_receiver = nullptr;
    ProviderBase::CloudAlertConditions m_alerts;
    // Counts the registrations, so that a check never delivers to a later receiver what it
    // worked out for an earlier one.
    std::uint64_t m_registration = 0;

    // Feed thread only.
    std::uint64_t m_checkedRegistration = 0;
    std::map<SideKey, SideState> m_sides;
    std::set<std::int32_t> m_spent;
    std::int32_t m_nextEventId = 1;
};
