#pragma once
// The session-statistics module as the application mediator holds it, and the application as
// the module reaches it (alert module, running provider, main window and log, through the
// mediator of the run). The statistics are computed for the whole run, window or not, so the
// alerts on the session figures hold: the worker starts with the module and the running provider
// "Kelvora OnLine" feeds it until Shutdown, whether the window is shown, hidden or closed. The
// window is made in the active panel on the first toggle; its style kind is registered here.
// Main thread, except what the module's own header allows its threads.

#include "core/mediator/IInProcessSessionStatistics.h"
#include "sessionstats/engine/ISessionStatisticsMediator.h"
#include "sessionstats/engine/SessionStatisticsModule.h"

class SessionStatisticsQ4Classic : public IInProcessSessionStatistics, private ISessionStatisticsMediator
{
public:
    SessionStatisticsQ4Classic();
    ~SessionStatisticsQ4Classic() override;

    // IGenericModule, the module's own answers
    QString GetFileExtension() const override;
    QString GetFileFilter() const override;
    QString GetModuleName() const override;
    QString GetDefaultFileName() const override;
    bool CanSaveWindowToFile() const override;
    bool SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles) override;
    bool SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved) override;
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override;
    void SerialisePanelStateToQ5Format(Q5Settings& node) override;
    void SerialisePanelState(Settings& node) override;
    void UnserialisePanelState(const Settings& node) override;
    void PostUnserialisePanelState(const Settings& node, QWidget* activeView) override;
    bool SerialiseInLastSession(QWidget* window) const override;
    void OnSessionLoaded(QWidget* activeView) override;
    int GetFirstNamedWindowStyleId() const override;
    void FindWindowStyle(int styleId) override;

    // IInProcessSessionStatistics
    ISessionStatisticsModule* GetSessionStatisticsInterface() override { return &m_module; }
    IAlertArgumentSource* GetAlertArgumentSource() override { return &m_module; }
    // Stops the feed and the worker (logged).
    void Shutdown() override;

    SessionStatisticsModule& GetModule() { return m_module; }

private:
    void StartStatistics();

    // ISessionStatisticsMediator
    IAlertModule* GetAlertsInterface() override;
    ProviderBase* GetRunningProvider(const QString& name) override;
    QWidget* GetMainWindow() override;
    void WriteError(const QString& module, const QString& where, int line, const QString& text) override;

    SessionStatisticsModule m_module;
};
