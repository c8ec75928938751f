#pragma once
// The cloud module as the application reaches it: one object for the whole run, outliving the
// release of the other modules. Main thread only.

#include <cstdint>
#include <memory>
#include <string>

class GeneralSettingsGroupManagerBase;
class IGenericModule;
class QWidget;

class ICloudModule
{
public:
    virtual ~ICloudModule() = default;

    // The manager of the cloud alerts, a module of the application; null when there is none.
    virtual IGenericModule* GetCloudAlertManager() = 0;
    // The cloud alerts' page of the general settings; null when there is none.
    virtual std::shared_ptr<GeneralSettingsGroupManagerBase> GetGeneralSettingsGroup() = 0;
    // A new address of the cloud server (8-bit text).
    virtual void SetServerNewIp(std::string address) = 0;
    // Ends the cloud's HTTP thread.
    virtual void ReleaseHttpThread() = 0;
    // The cloud alert definition dialog once it was first shown; null before. It follows the
    // current panel view.
    virtual QWidget* GetAlertDefinitionDlg() = 0;
    // Main thread, for every message of the main frame: true when it was a message of the
    // cloud link, now handled.
    virtual bool PreTranslateMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};
