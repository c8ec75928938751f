#pragma once
// The application as the cloud link reaches it, through the mediator of the run: the default
// provider's cloud login, the alert receiver's registration at the running provider (which is
// told the user's cloud alerts from the cloud alert manager), messages to the user and the
// ribbon context.

#include "cloud/engine/ICloudMediator.h"

class CloudMediatorQ4Classic : public ICloudMediator
{
public:
    UserSettings GetUserSettings() override;
    bool SetAlertReceiver(const QString& providerName, AlertReceiver* receiver) override;
    void ShowInfo(const QString& text) override;
    void UpdateRibbonContextWithoutModule() override;
};
