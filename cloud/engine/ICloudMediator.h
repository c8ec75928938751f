#pragma once
// What the cloud link needs of the rest of the application: the login of the default data
// provider, the registration of its alert receiver at the online quotation provider, messages
// to the user and the ribbon context. The application mediator implements it; tests give a fake.

#include "platform/modules/UserSettings.h"

#include <QString>

class AlertReceiver;

class ICloudMediator
{
public:
    virtual ~ICloudMediator() = default;

    // The login and password the default data provider signs in with; both empty without a
    // provider. Main thread.
    virtual UserSettings GetUserSettings() = 0;
    // Gives the receiver to the running provider of that name (compared without regard to
    // case), or takes the registered one back with null. False when no such provider runs or it
    // takes no receiver. Called on the cloud's worker thread; once a call with null returns the
    // provider no longer calls the old receiver.
    virtual bool SetAlertReceiver(const QString& providerName, AlertReceiver* receiver) = 0;
    // A message to the user; any thread (off the main thread it waits for the main thread).
    virtual void ShowInfo(const QString& text) = 0;
    // The main frame selects the contextual ribbon tabs of no module. Main thread.
    virtual void UpdateRibbonContextWithoutModule() = 0;
};
