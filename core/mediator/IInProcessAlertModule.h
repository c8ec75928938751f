#pragma once
// The local alerts module as the application mediator holds it: a module of the application
// with the face through which argument sources deliver values, its general-settings group and
// the removal of one alert, and the messages it posts to the main frame.

#include "platform/modules/IGenericModule.h"

#include <QString>

#include <memory>

class GeneralSettingsGroupManagerBase;
class IAlertModule;
class QWidget;
class Settings;

class IInProcessAlertModule : public IGenericModule
{
public:
    virtual IAlertModule* GetAlertsInterface() = 0;
    // The group with id 10.
    virtual std::shared_ptr<GeneralSettingsGroupManagerBase> GetGeneralSettingsGroup() = 0;
    virtual void RemoveAlert(const QString& alertId) = 0;
    // Before a desktop that holds alerts is loaded: no alerts, no arguments, nothing queued.
    virtual void ClearAll() = 0;
    // Whether the module's node of a loaded session lists alerts that replace the module's.
    virtual bool StateHoldsAlerts(const Settings& moduleState) const = 0;
    // After a desktop is loaded: the alerts whose argument sources are gone; true when any went.
    virtual bool RemoveIncompleteAlerts() = 0;
    // The alert definition dialog while it is shown; null otherwise. It follows the current
    // panel view.
    virtual QWidget* GetShownAlertDefinitionDlg() = 0;
    // Main thread, for every message of the main frame: true when it was the module's
    // change-request message, now handled.
    virtual bool ProcessChangeRequests(unsigned message) = 0;
};
