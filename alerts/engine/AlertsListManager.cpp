#include "alerts/engine/AlertsListManager.h"

#include "alerts/engine/AlertLog.h"
#include "alerts/engine/AlertModule.h"
#include "alerts/engine/IAlertsMediator.h"
#include "alerts/engine/Prefetch.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/modules/AlertSettingsNode.h"
#include "platform/settings/Settings.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace
{
constexpr const char* kFile = "AlertsListManager";
const QString kSeparator(65, QLatin1Char('='));
}

AlertsListManager::AlertsListManager(AlertModule& module)
    : m_module(module)
{
}

AlertsListManager::~AlertsListManager()
{
    Clear();
}

std::uint32_t AlertsListManager::InsertAlert(const std::shared_ptr<BLAlert>& alert)
{
    std::shared_ptr<BLAlert> replaced;
    const SafeAutoLock lock(m_lock, "AlertsListManager::InsertAlert", kFile);
    if (alert->GetId() == BLAlert::kNoId)
    {
        alert->SetId(++m_lastId);
    }
    else
    {
        const auto found = m_alerts.find(alert->GetId());
        if (found != m_alerts.end() && found->second != alert)
        {
            replaced = found->second;
            m_names.erase(replaced->Name());
            for (const AlertExprArgDesc& argument : replaced->UsedArguments())
                RemoveLink(argument, replaced->GetId());
            // Saving a copy taken before the alert fired must not arm it again.
            if (alert->HasSameDefinition(*replaced))
                alert->TakeFiringState(*replaced);
        }
    }
    const std::uint32_t id = alert->GetId();
    m_alerts[id] = alert;
    for (const AlertExprArgDesc& argument : alert->UsedArguments())
        UpdateLink(argument, id);
    m_names.insert(alert->Name());
    return id;
}

bool AlertsListManager::RemoveAlert(std::uint32_t alertId)
{
    return TakeAlert(alertId) != nullptr;
}

std::shared_ptr<BLAlert> AlertsListManager::TakeAlert(std::uint32_t alertId)
{
    std::shared_ptr<BLAlert> removed;
    const SafeAutoLock lock(m_lock, "AlertsListManager::RemoveAlert", kFile);
    for (auto link = m_links.begin(); link != m_links.end();)
    {
        Unlink(link->second, alertId);
        link = link->second.alerts.empty() ? m_links.erase(link) : std::next(link);
    }
    const auto found = m_alerts.find(alertId);
    if (found == m_alerts.end())
        return nullptr;
    removed = found->second;
    m_module.GetAlertLog().AddLog(AlertLog::eRemoved, removed->GetDescription(BLAlert::kNoSide));
    m_names.erase(removed->Name());
    m_alerts.erase(found);
    return removed;
}

void AlertsListManager::Clear()
{
    // Destroyed after the lock is released: the alerts give their arguments back then.
    decltype(m_links) links;
    decltype(m_alerts) alerts;
    decltype(m_changeRequests) changeRequests;
    const SafeAutoLock lock(m_lock, "AlertsListManager::Clear", kFile);
    links.swap(m_links);
    alerts.swap(m_alerts);
    changeRequests.swap(m_changeRequests);
    m_names.clear();
}

AlertsListManager::CIterator AlertsListManager::Find(std::uint32_t alertId)
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::Find", kFile);
    return CIterator(this, m_alerts.find(alertId));
}

AlertsListManager::CConstIterator AlertsListManager::Find(std::uint32_t alertId) const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::Find", kFile);
    return CConstIterator(this, m_alerts.find(alertId));
}

bool AlertsListManager::Contains(std::uint32_t alertId) const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::Find", kFile);
    return m_alerts.count(alertId) > 0;
}

std::size_t AlertsListManager::Count() const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::Count", kFile);
    return m_alerts.size();
}

std::uint32_t AlertsListManager::LastId() const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::LastId", kFile);
    return m_lastId;
}

std::vector<std::uint32_t> AlertsListManager::Ids() const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::Ids", kFile);
    std::vector<std::uint32_t> ids;
    ids.reserve(m_alerts.size());
    for (const auto& [id, alert] : m_alerts)
        ids.push_back(id);
    return ids;
}

std::optional<std::uint32_t> AlertsListManager::FindIdByName(const QString& name) const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::FindIdByName", kFile);
    for (const auto& [id, alert] : m_alerts)
    {
        if (alert->Name() == name)
            return id;
    }
    return std::nullopt;
}

std::shared_ptr<BLAlert> AlertsListManager::CloneAlert(std::uint32_t alertId) const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::CloneAlert", kFile);
    const auto found = m_alerts.find(alertId);
    return found == m_alerts.end() ? nullptr : std::make_shared<BLAlert>(*found->second);
}

QString AlertsListManager::GetAlertStringParam(std::uint32_t alertId, int selector) const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::GetAlertStringParam", kFile);
    const auto found = m_alerts.find(alertId);
    if (found == m_alerts.end())
        return QString();
    if (selector == eAssociatedArgName)
        return found->second->GetAssociatedArg().GetArgumentName();
    if (selector == eName)
        return found->second->Name();
    return QString();
}

bool AlertsListManager::SetAlertStringParam(std::uint32_t alertId, const QString& name)
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::SetAlertStringParam", kFile);
    const auto found = m_alerts.find(alertId);
    if (found == m_alerts.end() || name.isEmpty())
        return false;
    BLAlert& alert = *found->second;
    if (alert.Name() == name)
        return true;
    // Two alerts of one name would share one entry of the name set.
    if (m_names.count(name) > 0)
        return false;
    m_names.erase(alert.Name());
    alert.Properties().SetName(name);
    m_names.insert(name);
    return true;
}

bool AlertsListManager::GetAlertBoolParam(std::uint32_t alertId, int selector) const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::GetAlertBoolParam", kFile);
    const auto found = m_alerts.find(alertId);
    if (found == m_alerts.end())
        return false;
    const BLAlert& alert = *found->second;
    switch (selector)
    {
    case eWindow:
        return alert.Properties().Window();
    case eSound:
        return alert.Properties().Sound();
    case eMail:
        return alert.Properties().Mail();
    case eActive:
        return alert.IsActive() && alert.IsExecuteAllowed();
    case eOnlyOnce:
        return alert.Properties().OnlyOnce();
    case eSynchronious:
        return alert.Properties().Synchronious();
    case eExecuteAllowed:
        return alert.IsExecuteAllowed();
    default:
        return false;
    }
}

void AlertsListManager::ToggleAlertBoolParam(std::uint32_t alertId, int selector)
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::ToggleAlertBoolParam", kFile);
    const auto found = m_alerts.find(alertId);
    if (found == m_alerts.end())
        return;
    BLAlert& alert = *found->second;
    AlertProps& properties = alert.Properties();
    switch (selector)
    {
    case eWindow:
        properties.SetWindow(!properties.Window());
        break;
    case eSound:
        properties.SetSound(!properties.Sound());
        break;
    case eMail:
        properties.SetMail(!properties.Mail());
        break;
    case eActive:
        // An alert that may not run keeps its flag, and the log gets no edit that did not happen.
        if (!alert.IsExecuteAllowed())
            return;
        alert.SetActive(!alert.IsActive());
        break;
    case eOnlyOnce:
        properties.SetOnlyOnce(!properties.OnlyOnce());
        break;
    case eSynchronious:
        properties.SetSynchronious(!properties.Synchronious());
        break;
    default:
        break;
    }
    Refresh(alert);
    m_module.GetAlertLog().AddLog(AlertLog::eEdited, alert.GetDescription(BLAlert::kNoSide));
}

bool AlertsListManager::AlertNameAvailable(const QString& name) const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::AlertNameAvailable", kFile);
    return m_names.count(name) == 0;
}

QString AlertsListManager::GetNewAlertName() const
{
    for (int number = 1;; ++number)
    {
        const QString name = QStringLiteral("Alert (%1)").arg(number);
        if (AlertNameAvailable(name) && !m_module.Mediator().CloudAlertExists(name))
            return name;
    }
}

bool AlertsListManager::IsLocalAlertEditable(std::uint32_t alertId) const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::IsLocalAlertEditable", kFile);
    const auto found = m_alerts.find(alertId);
    return found != m_alerts.end() && found->second->SellSide().HasValidArgumentNames()
           && found->second->BuySide().HasValidArgumentNames();
}

std::vector<BasicAlertInfo> AlertsListManager::GatherAssociatedAlertsInfo(const AlertExprArgDesc& descriptor) const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::GatherAssociatedAlertsInfo", kFile);
    std::vector<BasicAlertInfo> alerts;
    const auto found = m_links.find(descriptor);
    if (found == m_links.end())
        return alerts;
    for (const LinkedAlert& linked : found->second.alerts)
        alerts.emplace_back(linked.alert->Name());
    return alerts;
}

void AlertsListManager::RemoveLink(const AlertExprArgDesc& descriptor)
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::RemoveLink", kFile);
    m_links.erase(descriptor);
}

void AlertsListManager::RemoveLink(const AlertExprArgDesc& descriptor, std::uint32_t alertId)
{
    if (alertId == BLAlert::kNoId)
        return;
    const SafeAutoLock lock(m_lock, "AlertsListManager::RemoveLink", kFile);
    const auto link = m_links.find(descriptor);
    if (link == m_links.end())
        return;
    Unlink(link->second, alertId);
    if (link->second.alerts.empty())
        m_links.erase(link);
}

void AlertsListManager::Unlink(Links& links, std::uint32_t alertId)
{
    std::vector<LinkedAlert>& alerts = links.alerts;
    const auto found = std::find_if(alerts.begin(), alerts.end(), [alertId](const LinkedAlert& linked) {
        return linked.alert->GetId() == alertId;
    });
    if (found == alerts.end())
        return;
    links.records.erase(links.records.begin() + (found - alerts.begin()));
    alerts.erase(found);
}

void AlertsListManager::UpdateLink(const AlertExprArgDesc& descriptor, std::uint32_t alertId)
{
    if (alertId == BLAlert::kNoId)
        return;
    const SafeAutoLock lock(m_lock, "AlertsListManager::UpdateLink", kFile);
    const auto alert = m_alerts.find(alertId);
    if (alert == m_alerts.end())
        return;
    Links& links = m_links[descriptor];
    std::vector<LinkedAlert>& alerts = links.alerts;
    // The entry made since, when the one noted has left the registry; the records were made
    // against the one noted.
    if (!links.entry || !links.entry->IsRegistered())
    {
        links.entry = m_module.Arguments().Find(descriptor);
        for (std::size_t i = 0; i < alerts.size(); ++i)
            Refresh(descriptor, links, i);
    }
    const auto linked = std::find_if(alerts.begin(), alerts.end(), [alertId](const LinkedAlert& linkedAlert) {
        return linkedAlert.alert->GetId() == alertId;
    });
    const auto index = static_cast<std::size_t>(linked - alerts.begin());
    if (linked == alerts.end())
    {
        alerts.push_back(LinkedAlert{alert->second, {}});
        links.records.emplace_back();
    }
    // Also an alert linked already: inserted anew in place of itself, it may have changed.
    Refresh(descriptor, links, index);
}

void AlertsListManager::Refresh(const AlertExprArgDesc& descriptor, Links& links, std::size_t index)
{
    LinkedAlert& linked = links.alerts[index];
    links.records[index] = AlertTestRecord(*linked.alert, descriptor, links.entry.get());
    linked.tested = linked.alert->GetTestedMemory();
}

void AlertsListManager::Refresh(const BLAlert& alert)
{
    for (const AlertExprArgDesc& argument : alert.UsedArguments())
    {
        const auto link = m_links.find(argument);
        if (link == m_links.end())
            continue;
        std::vector<LinkedAlert>& alerts = link->second.alerts;
        const auto found = std::find_if(alerts.begin(), alerts.end(), [&alert](const LinkedAlert& linked) {
            return linked.alert.get() == &alert;
        });
        if (found != alerts.end())
            Refresh(link->first, link->second, static_cast<std::size_t>(found - alerts.begin()));
    }
}

std::size_t AlertsListManager::LinkCount(const AlertExprArgDesc& descriptor) const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::LinkCount", kFile);
    const auto found = m_links.find(descriptor);
    return found == m_links.end() ? 0 : found->second.alerts.size();
}

std::optional<bool> AlertsListManager::StoreLinkedValue(const AlertExprArgDesc& descriptor, int precision,
                                                        double value)
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::StoreLinkedValue", kFile);
    const auto found = m_links.find(descriptor);
    if (found == m_links.end() || !found->second.entry || !found->second.entry->IsRegistered())
        return std::nullopt;
    // A registered entry is the registry's entry for the descriptor. One that leaves the
    // registry meanwhile either has no user left and refuses the value, or was dropped with
    // the whole registry and takes it as the registry would have just before.
    return found->second.entry->SetValueInUse(precision, value);
}

void AlertsListManager::ExecuteLinkedAlerts(const AlertExprArgDesc& descriptor, const OleDate& time)
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::ExecuteLinkedAlerts", kFile);
    const auto found = m_links.find(descriptor);
    if (found == m_links.end())
        return;
    Links& links = found->second;
    const Argument* entry = links.entry.get();
    const Argument::Reading reading = entry ? entry->Read() : Argument::Reading();
    PrefetchUnlessAsked(links, reading, time);
    for (std::size_t i = 0; i < links.alerts.size(); ++i)
    {
        AlertTestRecord& record = links.records[i];
        switch (record.EffectOf(reading, time))
        {
        case AlertTestRecord::Effect::eNone:
            break;
        case AlertTestRecord::Effect::eNoteTime:
            record.NoteTime(descriptor, time);
            break;
        case AlertTestRecord::Effect::eTest:
        {
            BLAlert& alert = *links.alerts[i].alert;
            alert.MarkArgumentUpdated(descriptor, entry);
            if (alert.CheckArgumentTime(descriptor, time, entry))
                alert.Execute();
            Refresh(descriptor, links, i);
            break;
        }
        }
    }
}

void AlertsListManager::ExecuteLinkedAlerts(const std::vector<const AlertExprArgDesc*>& descriptors,
                                            const OleDate& time)
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::ExecuteLinkedAlerts", kFile);
    std::vector<BLAlert*> toRun;
    std::unordered_set<BLAlert*> added;
    for (const AlertExprArgDesc* descriptor : descriptors)
    {
        const auto found = m_links.find(*descriptor);
        if (found == m_links.end())
            continue;
        const Argument* entry = found->second.entry.get();
        PrefetchUnlessAsked(found->second, entry ? entry->Read() : Argument::Reading(), time);
        for (LinkedAlert& linked : found->second.alerts)
        {
            BLAlert* alert = linked.alert.get();
            alert->MarkArgumentUpdated(*descriptor, entry);
            if (alert->CheckArgumentTime(*descriptor, time, entry) && added.insert(alert).second)
                toRun.push_back(alert);
        }
    }
    for (BLAlert* alert : toRun)
        alert->Execute();
    // Every alert linked to the values may have changed, not only those that ran.
    for (const AlertExprArgDesc* descriptor : descriptors)
    {
        const auto found = m_links.find(*descriptor);
        if (found == m_links.end())
            continue;
        for (std::size_t i = 0; i < found->second.alerts.size(); ++i)
            Refresh(found->first, found->second, i);
    }
}

void AlertsListManager::PrefetchLinks(const AlertExprArgDesc& descriptor) const
{
    const auto found = m_links.find(descriptor);
    if (found == m_links.end())
        return;
    const Links& links = found->second;
    PrefetchBytes(links.records.data(), links.records.size() * sizeof(AlertTestRecord));
}

void AlertsListManager::PrefetchLinkedAlerts(const AlertExprArgDesc& descriptor, const AlertExprArgValue& upcoming) const
{
    const auto found = m_links.find(descriptor);
    if (found == m_links.end())
        return;
    found->second.prefetchedAt = ++m_prefetches;
    Prefetch(found->second, Argument::Reading{true, true, upcoming.Value()}, upcoming.Timestamp());
}

void AlertsListManager::PrefetchUnlessAsked(const Links& links, const Argument::Reading& value,
                                            const OleDate& time) const
{
    if (links.prefetchedAt == 0 || m_prefetches - links.prefetchedAt > 1)
        Prefetch(links, value, time);
}

void AlertsListManager::Prefetch(const Links& links, const Argument::Reading& value, const OleDate& time)
{
    for (std::size_t i = 0; i < links.alerts.size(); ++i)
    {
        const AlertTestRecord& record = links.records[i];
        switch (record.EffectOf(value, time))
        {
        case AlertTestRecord::Effect::eNone:
            break;
        case AlertTestRecord::Effect::eNoteTime:
            record.PrefetchNoting();
            break;
        case AlertTestRecord::Effect::eTest:
            links.alerts[i].alert->Prefetch(links.alerts[i].tested);
            break;
        }
    }
}

void AlertsListManager::DeactivateArgUsage(const AlertExprArgDesc& descriptor)
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::DeactivateArgUsage", kFile);
    const auto found = m_links.find(descriptor);
    if (found == m_links.end())
        return;
    // A copy: giving the argument back may remove its link entry meanwhile.
    const std::vector<LinkedAlert> alerts = found->second.alerts;
    for (const LinkedAlert& linked : alerts)
    {
        linked.alert->DeactivateArgUsage(descriptor);
        Refresh(*linked.alert);
    }
    // The alerts that stay linked to the argument no longer name it among their arguments.
    const auto left = m_links.find(descriptor);
    if (left == m_links.end())
        return;
    for (std::size_t i = 0; i < left->second.alerts.size(); ++i)
        Refresh(left->first, left->second, i);
}

std::vector<std::shared_ptr<BLAlert>> AlertsListManager::CopyAlertsOfRequest(std::uint32_t baseSourceId)
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::CopyAlertsOfRequest", kFile);
    std::vector<std::shared_ptr<BLAlert>> originals;
    std::set<std::uint32_t> ids;
    for (const auto& [descriptor, links] : m_links)
    {
        if (!descriptor.IsSeriesBased() || descriptor.GetBaseArgumentSourceID() != baseSourceId)
            continue;
        // An alert linked through several arguments of the request is re-bound once.
        for (const LinkedAlert& linked : links.alerts)
        {
            if (ids.insert(linked.alert->GetId()).second)
                originals.push_back(linked.alert);
        }
    }
    std::sort(originals.begin(), originals.end(),
              [](const std::shared_ptr<BLAlert>& a, const std::shared_ptr<BLAlert>& b) { return a->GetId() < b->GetId(); });
    // Copied after the walk: a copy takes uses of its arguments, which may change the links.
    std::vector<std::shared_ptr<BLAlert>> copies;
    copies.reserve(originals.size());
    for (const std::shared_ptr<BLAlert>& original : originals)
        copies.push_back(std::make_shared<BLAlert>(*original));
    return copies;
}

void AlertsListManager::CollectAlertsForChangeRequest(std::uint32_t baseSourceId, std::uint32_t newSourceId)
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::CollectAlertsForChangeRequest", kFile);
    for (ChangeRequest& request : m_changeRequests)
    {
        // Through the id in between, the alerts would take and give back a use nobody serves.
        if (request.baseSourceId == baseSourceId)
        {
            request.newSourceId = newSourceId;
            return;
        }
    }
    m_changeRequests.push_back(ChangeRequest{baseSourceId, newSourceId});
}

std::vector<AlertsListManager::ChangeRequest> AlertsListManager::TakeChangeRequests()
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::TakeChangeRequests", kFile);
    return std::exchange(m_changeRequests, {});
}

bool AlertsListManager::RemoveIncompleteAlerts()
{
    decltype(m_alerts) alerts;
    {
        const SafeAutoLock lock(m_lock, "AlertsListManager::RemoveIncompleteAlerts", kFile);
        alerts = m_alerts;
    }
    bool complete = true;
    for (const auto& [id, alert] : alerts)
    {
        bool hasSources = true;
        {
            // Checked under the lock (the worker may release the alert's arguments meanwhile)
            // and removed after it: the windows take their own locks before this one.
            const SafeAutoLock lock(m_lock, "AlertsListManager::RemoveIncompleteAlerts", kFile);
            hasSources = alert->SellSide().HasArgumentSources() && alert->BuySide().HasArgumentSources();
        }
        if (!hasSources)
        {
            m_module.RemoveIncompleteAlertAndLog(id);
            complete = false;
        }
    }
    return complete;
}

void AlertsListManager::LogAlertsState(QString& out) const
{
    const SafeAutoLock lock(m_lock, "AlertsListManager::LogAlertsState", kFile);
    for (const auto& [id, alert] : m_alerts)
    {
        out += QStringLiteral("\n\n") + kSeparator + QStringLiteral("\nTAlertId\tAlertName\tOnlyOnce\n");
        out += QStringLiteral("%1\t%2\t%3\n")
                   .arg(QString::number(id), alert->Name(), QString::number(int(alert->Properties().OnlyOnce())));
        out += QStringLiteral("SellSide:\n");
        alert->SellSide().LogState(out);
        out += QStringLiteral("\nBuySide:\n");
        alert->BuySide().LogState(out);
        out += kSeparator + QStringLiteral("\n");
    }
}

bool AlertsListManager::Serialise(Settings& node) const
{
    if (!node.IsValid())
        return false;
    const SafeAutoLock lock(m_lock, "AlertsListManager::Serialise", kFile);
    for (const auto& [id, alert] : m_alerts)
        alert->Serialize(node.AddUnnamed());
    return true;
}

bool AlertsListManager::Unserialise(const Settings& node)
{
    if (!node.IsValid())
    {
        AlertSettingsNode::WriteError("AlertsListManager::Unserialise", __LINE__,
                                      QStringLiteral("Moduł alertów: niepoprawna gałąź stanu zdefiniowanych alertów"));
        return false;
    }
    std::optional<QStringList> instruments = m_module.Mediator().GetListedInstruments();
    if (instruments)
        std::sort(instruments->begin(), instruments->end());
    const QStringList* listed = instruments ? &*instruments : nullptr;
    const SafeAutoLock lock(m_lock, "AlertsListManager::Unserialise", kFile);
    ConstSettingsIterator children = node.IteratorUnnamed(1);
    while (children.Iterate())
    {
        auto alert = std::make_shared<BLAlert>(m_module);
        alert->Unserialize(children.Node(), QString(), listed);
        // An alert stored without an id comes in as new; the counter must never wrap to it.
        const std::uint32_t id = InsertAlert(alert);
        if (id != BLAlert::kNoId && id > m_lastId)
            m_lastId = id + 1;
    }
    return true;
}
