#pragma once
// The local alerts' general-settings group (id 10, "Alerty lokalne"): the outgoing mail
// server and the destination address, how long an alert window stays, the buy and sell
// sounds, and the properties a new alert starts with. Files "current_default.q4sAM" and
// "base_default.q4sAM" of the folder "AlertsModule", root "AlertsGenerallSettings", state
// version 2 (older files are upgraded on reading).
//
// The alert module makes the group with itself as owner and reads the values when it uses
// them, possibly off the main thread; the values are copied under the group's lock.

#include "core/settings/AlertsGeneralSettingsValues.h"
#include "core/settings/GeneralSettingsGroupManagerBase.h"
#include "platform/base/SafeCriticalSection.h"

#include <QString>

class IAlertsGeneralSettingsOwner;

class AlertsGeneralSettingsGroup : public GeneralSettingsGroupManagerBase
{
public:
    static constexpr unsigned kGroupId = 10;

    // The owner is told after each save; null when nobody needs telling.
    explicit AlertsGeneralSettingsGroup(IAlertsGeneralSettingsOwner* owner);
    ~AlertsGeneralSettingsGroup() override;

    void BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent) override;
    // Writes the node, takes its values, and has the owner set its mail sender up again.
    bool SaveGroup(std::shared_ptr<Settings> node) override;
    unsigned GetGroupId() const override { return kGroupId; }
    QString GetSettingsFilePath(bool current) const override;
    QString GetGroupName() const override { return QStringLiteral("AlertsGenerallSettings"); }

    // A copy of the values read last; any thread.
    AlertsGeneralSettingsValues GetValues() const;
    // Takes the node's values; missing keys read as empty, 0 or false.
    void ReadValues(const Settings& node);

protected:
    // The factory node with empty sounds pointed at the program's own sounds.
    std::shared_ptr<Settings> LoadFabricSettingsNode() const override;

private:
    IAlertsGeneralSettingsOwner* m_owner;
    mutable SafeCriticalSection m_valuesLock{QStringLiteral("AlertsGeneralSettingsGroup::values")};
    AlertsGeneralSettingsValues m_values;
};
