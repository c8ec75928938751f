#pragma once
// Every local alert definition of the run, keyed by alert id, with the links from each alert
// argument to the alerts that use it, the set of names and the id counter (ids are never
// reused in a run). The worker thread runs the alerts linked to an updated argument here;
// the main thread inserts, edits, removes, loads and saves alerts. Beside each link lies a
// test record of the alert (AlertTestRecord), which every operation here that changes an
// alert makes anew: an alert in the list changes only through the list.
//
// Every operation holds the lock "AlertsListManager::AlertsList" (re-entrant) for its whole
// duration; the registry's locks come after it. Alerts that leave the list are destroyed only
// after the lock is released, since their destructors give their arguments back to the
// registry, which removes links under this lock again.

#include "alerts/engine/AlertTestRecord.h"
#include "alerts/engine/BLAlert.h"
#include "alerts/engine/IAlertLinks.h"
#include "platform/base/ConstIteratorInternalMap.h"
#include "platform/base/IteratorInternalMap.h"
#include "platform/base/OleDate.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/AlertExprArgValue.h"
#include "platform/modules/IAlertModule.h"

#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <unordered_map>
#include <vector>

class AlertModule;
class Settings;

class AlertsListManager : public IAlertLinks
{
public:
    // Boolean selectors of the alert properties.
    enum EBoolParam
    {
        eWindow = 0,
        eSound = 1,
        eMail = 2,
        eActive = 3,
        eOnlyOnce = 4,
        eSynchronious = 5,
        eExecuteAllowed = 6,
    };
    // String selectors.
    enum EStringParam
    {
        eAssociatedArgName = 7,
        eName = 8,
    };

    // A request-id change seen by the worker thread, waiting for the main thread to re-bind
    // the alerts of the request.
    struct ChangeRequest
    {
        std::uint32_t baseSourceId = 0;
        std::uint32_t newSourceId = 0;
    };

    // Walks over the alerts in ascending id order. A walk must hold LinksLock() (the list's
    // lock) while it runs, or the worker may change the alerts under it. What a test reads
    // (comparisons, sides, flags, firing state) is not changed through it: the test records
    // would not follow; a copy is edited and inserted instead.
    class CIterator : public IteratorInternalMap<AlertsListManager, std::uint32_t, std::shared_ptr<BLAlert>>
    {
    public:
        using IteratorInternalMap::IteratorInternalMap;

    private:
        friend class AlertsListManager;
        CIterator(AlertsListManager* owner, Container::iterator position)
            : IteratorInternalMap(owner, position)
        {
        }
    };
    class CConstIterator
        : public ConstIteratorInternalMap<AlertsListManager, std::uint32_t, std::shared_ptr<BLAlert>>
    {
    public:
        using ConstIteratorInternalMap::ConstIteratorInternalMap;

    private:
        friend class AlertsListManager;
        CConstIterator(const AlertsListManager* owner, Container::const_iterator position)
            : ConstIteratorInternalMap(owner, position)
        {
        }
    };

    explicit AlertsListManager(AlertModule& module);
    ~AlertsListManager() override;
    AlertsListManager(const AlertsListManager&) = delete;
    AlertsListManager& operator=(const AlertsListManager&) = delete;

    // A new alert (id kNoId) gets the next id; an edited copy replaces the alert of its id.
    // Links and the name set follow. A copy whose comparisons and sides were not changed goes
    // on from the firing state of the alert it replaces, which may have fired since the copy
    // was taken. Returns the alert's id.
    std::uint32_t InsertAlert(const std::shared_ptr<BLAlert>& alert);
    // False for an unknown id.
    bool RemoveAlert(std::uint32_t alertId);
    // Removes the alert as RemoveAlert does and gives it to the caller; empty for an unknown id.
    std::shared_ptr<BLAlert> TakeAlert(std::uint32_t alertId);
    // Empties the list; the id counter keeps its value.
    void Clear();

    // At the alert, or at the end; hold LinksLock() while using it.
    CIterator Find(std::uint32_t alertId);
    CConstIterator Find(std::uint32_t alertId) const;
    bool Contains(std::uint32_t alertId) const;
    std::size_t Count() const;
    std::uint32_t LastId() const;
    std::vector<std::uint32_t> Ids() const;
    std::optional<std::uint32_t> FindIdByName(const QString& name) const;
    // A copy for editing; empty for an unknown id.
    std::shared_ptr<BLAlert> CloneAlert(std::uint32_t alertId) const;

    // Selector eAssociatedArgName or eName; empty for anything else.
    QString GetAlertStringParam(std::uint32_t alertId, int selector) const;
    // Renames the alert; false (nothing changed) for an unknown id, an empty name or a name
    // another alert has.
    bool SetAlertStringParam(std::uint32_t alertId, const QString& name);
    bool GetAlertBoolParam(std::uint32_t alertId, int selector) const;
    // Inverts the property and writes an edit line to the alert log. Active changes only while
    // ExecuteAllowed is set; ExecuteAllowed never changes here.
    void ToggleAlertBoolParam(std::uint32_t alertId, int selector);

    bool AlertNameAvailable(const QString& name) const;
    // The first "Alert (n)" that no local and no cloud alert has.
    QString GetNewAlertName() const;
    bool IsLocalAlertEditable(std::uint32_t alertId) const;
    std::vector<BasicAlertInfo> GatherAssociatedAlertsInfo(const AlertExprArgDesc& descriptor) const;

    // IAlertLinks: drops the argument's whole link entry.
    SafeCriticalSection& LinksLock() override { return m_lock; }
    void RemoveLink(const AlertExprArgDesc& descriptor) override;
    void RemoveLink(const AlertExprArgDesc& descriptor, std::uint32_t alertId);
    void UpdateLink(const AlertExprArgDesc& descriptor, std::uint32_t alertId);
    std::size_t LinkCount(const AlertExprArgDesc& descriptor) const;

    // Worker thread: stores a delivered value in the registry entry the argument's links hold,
    // as ArgumentsListManager::UpdateArgument would, without looking the argument up there
    // again; false when the argument is not in use. Empty when the links hold no entry that
    // is still registered: the value goes through the registry then.
    std::optional<bool> StoreLinkedValue(const AlertExprArgDesc& descriptor, int precision, double value);
    // Worker thread: tests the alerts linked to one updated argument, or to several updated
    // together (each alert once, with all of them fresh).
    void ExecuteLinkedAlerts(const AlertExprArgDesc& descriptor, const OleDate& time);
    void ExecuteLinkedAlerts(const std::vector<const AlertExprArgDesc*>& descriptors, const OleDate& time);
    // Worker thread, holding LinksLock(): asks for what testing the alerts linked to an
    // argument reads, so that it is in the cache when the argument's value comes up. The
    // records of the linked alerts are asked for a value earlier, since the rest is found
    // through them; the value coming up tells which alerts it touches beyond their records.
    void PrefetchLinks(const AlertExprArgDesc& descriptor) const;
    void PrefetchLinkedAlerts(const AlertExprArgDesc& descriptor, const AlertExprArgValue& upcoming) const;
    // Worker thread: the argument's source is gone.
    void DeactivateArgUsage(const AlertExprArgDesc& descriptor);
    // Worker thread: records the request-id change for the main thread. A request that
    // changes again before the main thread got to it goes straight to its latest id.
    void CollectAlertsForChangeRequest(std::uint32_t baseSourceId, std::uint32_t newSourceId);
    // Main thread: copies of the alerts linked to series-based arguments of the request, each
    // once, in id order. They are taken when the alerts are re-bound, not when the worker saw
    // the change, so that an edit saved in between is what gets re-bound.
    std::vector<std::shared_ptr<BLAlert>> CopyAlertsOfRequest(std::uint32_t baseSourceId);
    // Main thread: the recorded requests in their order, taken out of the list.
    std::vector<ChangeRequest> TakeChangeRequests();

    // After a workspace is loaded: removes every alert whose argument sources are gone; false
    // when any was removed.
    bool RemoveIncompleteAlerts();

    // The diagnostic dump: one block per alert in id order, nothing for an empty list.
    void LogAlertsState(QString& out) const;

    // One unnamed child per alert, in id order; false for an invalid node.
    bool Serialise(Settings& node) const;
    // Adds the alerts of the node (the session's "AllAlerts"); the id counter moves past every
    // id read. False (logged, nothing read) for an invalid node.
    bool Unserialise(const Settings& node);

private:
    friend class IteratorInternalMap<AlertsListManager, std::uint32_t, std::shared_ptr<BLAlert>>;
    friend class ConstIteratorInternalMap<AlertsListManager, std::uint32_t, std::shared_ptr<BLAlert>>;
    std::map<std::uint32_t, std::shared_ptr<BLAlert>>& InternalContainer() { return m_alerts; }
    const std::map<std::uint32_t, std::shared_ptr<BLAlert>>& InternalContainer() const { return m_alerts; }

    AlertModule& m_module;
    // An alert linked to an argument, with where its latest test read memory, so that the
    // worker can ask for it before it needs it (BLAlert::TestedMemory).
    struct LinkedAlert
    {
        std::shared_ptr<BLAlert> alert;
        BLAlert::TestedMemory tested;
    };

    // The alerts linked to one argument, with the argument's registry entry as the linking
    // found it (or null): the operands that hold their uses on it are told from the others
    // without reading their descriptors.
    struct Links
    {
        std::shared_ptr<Argument> entry;
        std::vector<LinkedAlert> alerts;
        // One for each of alerts, in their order, made anew whenever its alert may have changed.
        std::vector<AlertTestRecord> records;
        // The number of the PrefetchLinkedAlerts call that asked for these alerts last; 0 for none.
        mutable std::uint64_t prefetchedAt = 0;
    };

    // Asks for the memory that testing the linked alerts with the value and time reads, all
    // of it at once: of the alerts that will test, their whole tested memory, of those that
    // only note the time, their ring.
    static void Prefetch(const Links& links, const Argument::Reading& value, const OleDate& time);
    // A test asks for its alerts' memory itself unless the worker asked for it a value ahead,
    // that is by one of the last two PrefetchLinkedAlerts calls: asking again only costs.
    void PrefetchUnlessAsked(const Links& links, const Argument::Reading& value, const OleDate& time) const;
    // The record and tested memory of the link's index-th alert, anew from the alert.
    static void Refresh(const AlertExprArgDesc& descriptor, Links& links, std::size_t index);
    // The same in every link of the alert.
    void Refresh(const BLAlert& alert);
    // Drops the alert from the link, when it is linked there.
    static void Unlink(Links& links, std::uint32_t alertId);

    // Hashed: the worker looks an argument up for every value it tests.
    std::unordered_map<AlertExprArgDesc, Links, AlertExprArgDescHash> m_links;
    std::set<QString> m_names;
    std::map<std::uint32_t, std::shared_ptr<BLAlert>> m_alerts;
    std::uint32_t m_lastId = 0;
    std::vector<ChangeRequest> m_changeRequests;
    // PrefetchLinkedAlerts calls so far; worker thread, under the lock.
    mutable std::uint64_t m_prefetches = 0;
    mutable SafeCriticalSection m_lock{QStringLiteral("AlertsListManager::AlertsList")};
};
