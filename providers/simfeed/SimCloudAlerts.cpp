#include "providers/simfeed/SimCloudAlerts.h"

#include "platform/base/SafeAutoLock.h"
#include "platform/modules/AlertEventGenerate.h"
#include "platform/modules/AlertReceiver.h"
#include "platform/modules/SeriesIds.h"

#include <cmath>
#include <utility>
#include <vector>

namespace
{
const char* const kFile = "SimCloudAlerts.cpp";

// The value a condition's item type compares; none when the state lacks it.
std::optional<double> ItemValue(const CurrentState& state, std::int32_t itemType)
{
    struct Item
    {
        ESeriesID series;
        bool absolute;
    };
    static const std::map<std::int32_t, Item> kItems = {
        {1, {SeriesIds::kPrice, false}},         {2, {SeriesIds::kBidPrice1, false}},
        {3, {SeriesIds::kAskPrice1, false}},     {4, {SeriesIds::kChange, false}},
        {5, {SeriesIds::kChange, true}},         {6, {SeriesIds::kChangePercent, false}},
        {7, {SeriesIds::kChangePercent, true}},  {8, {SeriesIds::kVolume, false}},
        {9, {SeriesIds::kTurnover, false}},
    };
    const auto item = kItems.find(itemType);
    if (item == kItems.end())
        return std::nullopt;
    const ValueCS* value = state.Find(item->second.series);
    if (!value || !value->HasValue())
        return std::nullopt;
    const double number = value->GetDouble();
    return item->second.absolute ? std::fabs(number) : number;
}

// None for an operator the alert does not know.
std::optional<bool> Holds(double value, std::int32_t op, double level)
{
    switch (op)
    {
    case 0:
        return value > level;
    case 1:
        return value < level;
    case 2:
        return value >= level;
    case 3:
        return value <= level;
    case 4:
        return value == level;
    case 5:
        return value != level;
    default:
        return std::nullopt;
    }
}
}

void SimCloudAlerts::SetReceiver(AlertReceiver* receiver, ProviderBase::CloudAlertConditions alerts)
{
    const SafeAutoLock lock(m_lock, "SimCloudAlerts::SetReceiver", kFile);
    m_receiver = receiver;
    m_alerts = receiver ? std::move(alerts) : nullptr;
    ++m_registration;
}

void SimCloudAlerts::Check(const StateOf& stateOf, double utcTime)
{
    ProviderBase::CloudAlertConditions alerts;
    std::uint64_t registration = 0;
    {
        const SafeAutoLock lock(m_lock, "SimCloudAlerts::Check", kFile);
        if (m_receiver)
            alerts = m_alerts;
        registration = m_registration;
    }
    if (registration != m_checkedRegistration)
    {
        m_checkedRegistration = registration;
        m_sides.clear();
        m_spent.clear();
    }
    if (!alerts)
        return;

    std::vector<AlertEventGenerate> events;
    std::map<SideKey, SideState> sides;
    for (const CloudAlertCondition& alert : alerts())
    {
        if (m_spent.count(alert.alertId) > 0)
            continue;
        const std::optional<CurrentState> state = stateOf(alert.isin);
        if (!state)
            continue;
        for (const auto& [letter, condition] : {std::pair{'B', alert.buy}, std::pair{'S', alert.sell}})
        {
            if (!condition.defined)
                continue;
            const SideKey key{alert.alertId, letter};
            const auto before = m_sides.find(key);
            const std::optional<double> value = ItemValue(*state, condition.itemType);
            const std::optional<bool> holds = value ? Holds(*value, condition.op, condition.value) : std::nullopt;
            if (!holds)
            {
                // A value missing for a moment does not make a crossing.
                if (before != m_sides.end() && before->second.condition == condition)
                    sides.emplace(key, before->second);
                continue;
            }
            sides[key] = SideState{condition, *holds};
            const bool crossed = *holds && before != m_sides.end() && before->second.condition == condition
                                 && !before->second.holds;
            if (!crossed)
                continue;
            AlertEventGenerate event;
            event.eventId = m_nextEventId++;
            event.alertId = alert.alertId;
            event.sideLetter = letter;
            event.time = utcTime;
            event.price = static_cast<float>(state->GetDouble(SeriesIds::kPrice));
            events.push_back(event);
            if (alert.once)
            {
                m_spent.insert(alert.alertId);
                break;
            }
        }
    }
    m_sides = std::move(sides);
    if (events.empty())
        return;
    const SafeAutoLock lock(m_lock, "SimCloudAlerts::Check", kFile);
    if (!m_receiver || m_registration != registration)
        return;
    for (const AlertEventGenerate& event : events)
        m_receiver->OnAlertEvent(event);
}
