#pragma once
// What the alerts engine needs of the rest of the application: the modules that offer alert
// arguments, the product kind, the instruments of the default provider, the names of cloud
// alerts, the defaults of a new alert, the main frame, and for generated alerts the module
// libraries, the popup, the notification settings and a sound player. The application mediator
// implements it; tests give a fake.

#include "core/settings/AlertsGeneralSettingsValues.h"
#include "alerts/engine/AlertPropsDefaults.h"
#include "platform/modules/IAlertArgumentSource.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class GeneratedAlertInfo;
class ISoundPlayer;

class IAlertsMediator
{
public:
    virtual ~IAlertsMediator() = default;

    // The module of that name as a source of alert arguments; null when no module has the
    // name or it offers no arguments.
    virtual IAlertArgumentSource* GetAlertArgumentSource(const QString& moduleName) = 0;
    // The product-kind number of the edition; the alert log writes only for 11.
    virtual int GetProductKind() = 0;
    // Every instrument of the default provider; none when there is no default provider.
    virtual std::optional<QStringList> GetListedInstruments() = 0;
    // True when a cloud alert bears the name.
    virtual bool CloudAlertExists(const QString& name) = 0;
    // Read at the moment a new alert is made.
    virtual AlertPropsDefaults GetNewAlertDefaults() = 0;
    // Posts a window message to the main frame from any thread; false when there is no frame.
    // The frame hands it back on the main thread to AlertModule::ProcessChangeRequests.
    virtual bool PostToMainFrame(unsigned message) = 0;

    // The alerts worker or its announcing thread, one at a time: hands a generated alert to every
    // module library.
    virtual void BroadcastGeneratedAlert(const std::shared_ptr<GeneratedAlertInfo>& alert) = 0;
    // Any thread: announces an alert in a popup on the main thread. side: 0 sell, 1 buy;
    // cloudEvent: false for a local alert.
    virtual void ShowAlertNotification(const QString& name, const QString& argumentName, const QString& valueText,
                                       unsigned side, bool cloudEvent) = 0;
    // Any thread: the settings as they are now.
    virtual AlertsGeneralSettingsValues GetNotificationSettings() = 0;
    // Once, when the module is made; the player is used on the sound thread.
    virtual std::shared_ptr<ISoundPlayer> CreateSoundPlayer() = 0;
};
