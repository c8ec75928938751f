#pragma once
// What the session-statistics module needs of the rest of the application: the alert module
// that takes its argument values, the running provider that delivers the statistics, the main
// window that parents its window, and the log. The application mediator implements it; tests
// give a fake. GetAlertsInterface and WriteError may be called from any thread, the rest only
// from the main thread.

#include <QString>

class IAlertModule;
class ProviderBase;
class QWidget;

class ISessionStatisticsMediator
{
public:
    virtual ~ISessionStatisticsMediator() = default;

    // Null when the application has no alert module.
    virtual IAlertModule* GetAlertsInterface() = 0;
    // The provider of that name (compared without regard to case) when it is loaded and
    // running; null otherwise.
    virtual ProviderBase* GetRunningProvider(const QString& name) = 0;
    // Null when there is no main window.
    virtual QWidget* GetMainWindow() = 0;
    // module is the text the module logs under, where the class and operation.
    virtual void WriteError(const QString& module, const QString& where, int line, const QString& text) = 0;
};
