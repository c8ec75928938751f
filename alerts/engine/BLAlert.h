#pragma once
// A local alert: a sell side (0) and a buy side (1) of comparisons, its properties, the
// user's Active switch, ExecuteAllowed (cleared while an argument's source is gone), its id in
// the alert list and the argument it was made for (AssociatedArg).
//
// How it fires: a side fires when its arguments have values and fresh ones, and, for an
// alert with one enabled side, when that side was false at its previous test; with both
// sides enabled the sides alternate, buy first. OnlyOnce stops it after its first alert,
// Synchronious makes a side wait for fresh values of all its arguments again after every
// alert. Two deliveries of the same series and value time test it once.
//
// Tests run on the alerts worker thread with the alert list locked; editing and loading run
// on the main thread on copies, which reach the list only through AlertsListManager::InsertAlert.

#include "alerts/engine/AlertProps.h"
#include "alerts/engine/BLDirectAlert.h"
#include "platform/base/OleDate.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/AlertExprArgSnapshot.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class AlertModule;
class Settings;

class alignas(64) BLAlert
{
public:
    static constexpr std::uint32_t kNoId = 0xFFFFFFFF;
    static constexpr unsigned kSellSide = 0;
    static constexpr unsigned kBuySide = 1;
    static constexpr unsigned kNoSide = 2;

    // A new alert takes its properties from the defaults of the general settings.
    explicit BLAlert(AlertModule& module);
    // A copy holds its own uses of its arguments and starts without recent argument times.
    BLAlert(const BLAlert& other);
    BLAlert& operator=(const BLAlert&) = delete;
    ~BLAlert();

    // Where a test reads memory beyond the alert object. The alert list keeps it beside each
    // link, so that the worker asks for all of an alert's memory at once, a value ahead,
    // instead of waiting for the alert object to learn where its comparisons lie.
    struct TestedMemory
    {
        const SimpleExpr* sellExpressions = nullptr;
        const SimpleExpr* buyExpressions = nullptr;
        const void* recentTimes = nullptr;
        std::uint8_t sellExpressionsCount = 0;
        std::uint8_t buyExpressionsCount = 0;
        std::uint32_t recentTimesBytes = 0;
    };
    TestedMemory GetTestedMemory() const;
    // Brings the alert object and the memory noted into the cache. Addresses noted before the
    // alert changed only cost a wasted fetch: a prefetch never faults. The recent value times
    // are noted only once the alert has fired: before, a test does not read them.
    void Prefetch(const TestedMemory& memory) const;
    // Where the ring of recent value times lies and its oldest record, which noting a time
    // reads first.
    void PrefetchRecentTimes() const;

    // The test for an update of one of the alert's arguments.
    void Execute();
    void ExecuteBothSides();
    void ExecuteSide(unsigned side);
    // False when the update must not start a test: the argument cannot fire the side due
    // next, or the same series and time started one already. entry: the registry entry known
    // for the descriptor, or null (SimpleExpr::UsesArgument).
    bool CheckArgumentTime(const AlertExprArgDesc& descriptor, const OleDate& time, const Argument* entry = nullptr);
    // The ring's part of CheckArgumentTime for a time it does not hold yet. capacity: one
    // record per comparison of the alert, as CheckArgumentTime counts them.
    void NoteArgumentTime(const AlertExprArgDesc& descriptor, const OleDate& time, std::size_t capacity);
    void MarkArgumentUpdated(const AlertExprArgDesc& descriptor, const Argument* entry = nullptr);
    void ResetArgumentsUpdated();
    // The argument's source is gone.
    void DeactivateArgUsage(const AlertExprArgDesc& descriptor);
    // Binds a new associated argument like an operand's; nothing for an invalid or equal one.
    void SetAssociatedArg(const AlertExprArgDesc& descriptor);
    // Moves the series-based arguments (the associated one too) of one request to another.
    void UpdateRequestId(std::uint32_t baseSourceId, std::uint32_t newSourceId);
    // Every valid argument: the associated one and the operands' of both sides.
    std::vector<AlertExprArgDesc> UsedArguments() const;
    // Binds again the arguments whose registry entries have gone while the alert was held
    // outside the list (a desktop was loaded meanwhile).
    void RenewArgumentUses();

    // Both sides alike: the alert fires on what the other fires on.
    bool HasSameDefinition(const BLAlert& other) const;
    // Goes on from where the alert it stands in for is: the side generated last, the latest
    // test of each side and the recent value times. A copy that switched OnlyOnce on keeps
    // its own side generated last, which the properties panel sets back to none.
    void TakeFiringState(const BLAlert& replaced);

    // The generated form when side is 0 or 1 (time given when known), else the full form.
    QString GetDescription(unsigned side, const std::optional<OleDate>& time = std::nullopt) const;
    // Appends the values of the arguments of the sell side, then of the buy side.
    void TakeArgumentSnapshots(std::vector<AlertExprArgSnapshot>& snapshots) const;

    // The node tree: "SellAlert", "BuyAlert", "ID", "AssociatedArg" (when valid), "Active",
    // "ExecuteAllowed", "Properties". Faults are logged; reading goes on with the next key.
    void Serialize(Settings& node) const;
    void Unserialize(const Settings& node, const QString& instrument, const QStringList* listedInstruments);

    BLDirectAlert& Side(unsigned side) { return side == kSellSide ? m_sellSide : m_buySide; }
    const BLDirectAlert& Side(unsigned side) const { return side == kSellSide ? m_sellSide : m_buySide; }
    BLDirectAlert& SellSide() { return m_sellSide; }
    BLDirectAlert& BuySide() { return m_buySide; }
    AlertProps& Properties() { return m_properties; }
    const AlertProps& Properties() const { return m_properties; }
    const QString& Name() const { return m_properties.Name(); }

    bool IsNew() const { return m_new; }
    void SetNew(bool isNew) { m_new = isNew; }
    bool IsActive() const { return m_active; }
    void SetActive(bool active) { m_active = active; }
    bool IsExecuteAllowed() const { return m_executeAllowed; }
    void SetExecuteAllowed(bool allowed) { m_executeAllowed = allowed; }
    std::uint32_t GetId() const { return m_id; }
    // Also in both sides and their comparisons.
    void SetId(std::uint32_t id);
    const AlertExprArgDesc& GetAssociatedArg() const { return m_associatedArg; }
    std::size_t RecentArgumentTimesCount() const { return m_recentArgumentTimes.size(); }

private:
    // Reads the firing state without a test.
    friend class AlertTestRecord;

    // A value time of one series (the argument whatever its request); a record to a cache
    // line, so that the ring's records never straddle two.
    struct alignas(64) ArgumentTime
    {
        AlertExprArgDesc series;
        OleDate time;
    };

    bool TestSide(BLDirectAlert& side);
    void Generate(unsigned side);
    void ReleaseAssociatedArg();
    bool BindAssociatedArg(const AlertExprArgDesc& descriptor);

    // What a test reads comes first and together (the alert starts on a line of its own): the
    // first two lines hold all that a test of an alert that never fired reads, the third the
    // recent value times that a test reads once it has; what only editing and generating
    // read follows.
    AlertProps m_properties;
    bool m_active = true;
    bool m_executeAllowed = true;
    BLDirectAlert m_sellSide;
    BLDirectAlert m_buySide;
    // A ring: once full, the oldest record is overwritten at m_oldestTime.
    std::vector<ArgumentTime> m_recentArgumentTimes;
    std::uint32_t m_oldestTime = 0;
    std::uint32_t m_id = kNoId;
    bool m_new = false;
    AlertModule* m_module;
    AlertExprArgDesc m_associatedArg;
    // The registry entry that holds the associated argument's use.
    std::shared_ptr<Argument> m_associatedEntry;
};
