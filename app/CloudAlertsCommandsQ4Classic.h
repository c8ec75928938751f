#pragma once
// The cloud alert manager as the ribbon's alerts commands reach it in the standard edition:
// the manager that the cloud object holds, found anew on each call. Main thread only.

#include "alerts/ui/ICloudAlertsCommands.h"

class CloudAlertManager;

class CloudAlertsCommandsQ4Classic : public ICloudAlertsCommands
{
public:
    // The cloud object's alert manager; null when there is none.
    static CloudAlertManager* Manager();

    std::optional<CloudAlertState> CheckIfAlertExist(std::uint32_t alertId) const override;
    void SetSelectedAlertOption(int option, bool on) override;
    bool RenameSelectedAlert(const QString& name) override;
    QString GetSelectedAlertName() const override;
    void DeleteSelectedAlert() override;
    bool RemoveAllAlerts() override;
    int GetCloudAlertsCount() const override;
    void ShowDefinitionDlg() override;
};
