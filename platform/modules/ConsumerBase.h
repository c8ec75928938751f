#pragma once
// The consumer of a module library: the library's one object through which the application
// drives its windows (charts, quote tables, details...). The consumer lives in its library for
// the whole run; the application never deletes it. Besides the module operations it hears the
// application's broadcasts; a consumer that has nothing to do for one leaves it as it is.

#include "platform/modules/DSProp.h"
#include "platform/modules/IGenericModule.h"
#include "platform/modules/PluginBase.h"

#include <memory>
#include <set>

class GeneralSettingsGroupManagerBase;
class GeneratedAlertInfo;

class ConsumerBase : public PluginBase, public IGenericModule
{
public:
    // Ends the library's work for good: its windows and threads are gone afterwards.
    virtual void ShutDown() = 0;
    // Redraws the library's windows.
    virtual void Refresh() {}
    // Every data series known to the application, once the providers are loaded.
    virtual void InitAllSeries(const std::set<DSProp>& allSeries) {}
    // False when the library cannot work in this application; it is then unloaded.
    virtual bool IsAccepted() const { return true; }
    virtual void OnAlertGenerated(const std::shared_ptr<GeneratedAlertInfo>& alert) {}
    virtual void OnThemeChanged() {}
    virtual void OnGlobalSettingsChanged() {}
    // The user pressed Escape anywhere in the application.
    virtual void OnEscapeCommand() {}
    // The main frame started its session.
    virtual void OnFrameStarted(QWidget* mainFrame) {}
    // The library's group in the general settings dialog; empty when it has none.
    virtual std::shared_ptr<GeneralSettingsGroupManagerBase> GeneralSettingsGroupManager() const { return {}; }
    // The edition hands a library its group; false from a library that keeps none.
    virtual bool SetGeneralSettingsGroupManager(std::shared_ptr<GeneralSettingsGroupManagerBase> group) { return false; }
};
