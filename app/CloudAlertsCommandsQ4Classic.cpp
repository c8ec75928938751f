#include "app/CloudAlertsCommandsQ4Classic.h"

#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudAlertManager.h"
#include "cloud/engine/CloudManager.h"

namespace
{
// A change of the alert is on its way to the server: it cannot change again until answered.
constexpr std::int32_t kStatusModified = 1;
constexpr std::int32_t kStatusResent = 2;
}

CloudAlertManager* CloudAlertsCommandsQ4Classic::Manager()
{
    return dynamic_cast<CloudAlertManager*>(CloudManager::Instance().GetAlertManager().get());
}

std::optional<ICloudAlertsCommands::CloudAlertState> CloudAlertsCommandsQ4Classic::CheckIfAlertExist(
    std::uint32_t alertId) const
{
    const CloudAlertManager* manager = Manager();
    const std::shared_ptr<CloudAlertData> alert =
        manager ? manager->CheckIfAlertExist(static_cast<std::int32_t>(alertId)) : nullptr;
    if (!alert)
        return std::nullopt;
    CloudAlertState state;
    state.name = alert->name;
    state.notifications = alert->notifications;
    state.once = alert->once;
    state.editable = alert->status != kStatusModified && alert->status != kStatusResent
                     && (alert->buyDefined || alert->sellDefined) && alert->instrumentFound;
    return state;
}

void CloudAlertsCommandsQ4Classic::SetSelectedAlertOption(int option, bool on)
{
    if (CloudAlertManager* manager = Manager())
        manager->SetSelectedAlertOption(option, on);
}

bool CloudAlertsCommandsQ4Classic::RenameSelectedAlert(const QString& name)
{
    CloudAlertManager* manager = Manager();
    return manager && manager->RenameSelectedAlert(name);
}

QString CloudAlertsCommandsQ4Classic::GetSelectedAlertName() const
{
    QString name;
    if (const CloudAlertManager* manager = Manager())
        manager->GetSelectedAlertName(name);
    return name;
}

void CloudAlertsCommandsQ4Classic::DeleteSelectedAlert()
{
    if (CloudAlertManager* manager = Manager())
        manager->DeleteSelectedAlert();
}

bool CloudAlertsCommandsQ4Classic::RemoveAllAlerts()
{
    CloudAlertManager* manager = Manager();
    return manager && manager->RemoveAllAlerts();
}

int CloudAlertsCommandsQ4Classic::GetCloudAlertsCount() const
{
    const CloudAlertManager* manager = Manager();
    return manager ? manager->GetCloudAlertsCount() : 0;
}

void CloudAlertsCommandsQ4Classic::ShowDefinitionDlg()
{
    if (CloudAlertManager* manager = Manager())
        manager->ShowDefinitionDlg(true, manager->GetSelectedAlert());
}
