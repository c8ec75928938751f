#pragma once
// The application as the cloud link reaches it, through the mediator of the run: the default
// provider's cloud login, messages to the user and the ribbon context. The built-in provider
// pushes no cloud alert events, so no provider takes the link's alert receiver.

#include "cloud/engine/ICloudMediator.h"

class CloudMediatorQ4Classic : public ICloudMediator
{
public:
    UserSettings GetUserSettings() override;
    bool SetAlertReceiver(const QString& providerName, AlertReceiver* receiver) override;
    void ShowInfo(const QString& text) override;
    void UpdateRibbonContextWithoutModule() override;
};
