#pragma once
// The cloud alerts' page of the general settings (group 11): the notification channels and the
// once flag a new cloud alert gets, the e-mail address and telephone number the server
// notifies, the SMS code that confirms a new number, and the account's login. The values come
// from the account data the server last sent; saving sends the changes to the server as
// requests instead of writing a file. Main thread.

#include "cloud/engine/CloudAlertsGeneralSettingsBase.h"
#include "core/settings/GeneralSettingsGroupManagerBase.h"

#include <QString>

#include <memory>

class CloudMessageManager;

class CloudAlertsGeneralSettingsGroup : public CloudAlertsGeneralSettingsBase, public GeneralSettingsGroupManagerBase
{
public:
    static constexpr unsigned kGroupId = 11;

    // The manager outlives the group.
    explicit CloudAlertsGeneralSettingsGroup(CloudMessageManager& messageManager);

    // A tree made anew from the account data, whatever fromCurrent says.
    void BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent) override;
    // Queues the contact changes and always the notification defaults; writes no file. False
    // only without a node.
    bool SaveGroup(std::shared_ptr<Settings> node) override;
    unsigned GetGroupId() const override { return kGroupId; }
    QString GetSettingsFilePath(bool current) const override;
    QString GetGroupName() const override { return QStringLiteral("Root"); }

private:
    CloudMessageManager& m_messageManager;
};
