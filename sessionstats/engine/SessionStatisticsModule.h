#pragma once
// The session-statistics module: while its window is shown, the provider "Kelvora OnLine" hands
// it the statistics of the running session, and its worker thread computes what the window
// shows (the top ten of rises, falls, turnover and transactions, and the overall figures) and
// sends the overall figures to the alerts that use them. The application makes one and keeps it
// for the whole run.
//
// Threads: the provider calls SetNewStatistics and OnSessionChange on its own thread; they only
// keep the newest statistics under the lock "SessionStatisticsModule::DataQueue" and post the
// worker a pass. The worker writes the display data under
// "SessionStatisticsModule::DisplayData" and hands the repaint to the main thread, where the
// window copies the data under the same lock.
// The alert module registers arguments from its own thread. Everything else runs on the main
// thread. No lock of the module is held while another is taken, nor while the provider, the
// alert module or the window is called.

#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/IAlertArgumentSource.h"
#include "platform/modules/IGenericModule.h"
#include "platform/modules/ISessionStatisticsModule.h"
#include "platform/modules/IStatisticsSessionReceiver.h"
#include "sessionstats/engine/SessionStatisticsArguments.h"
#include "sessionstats/engine/SessionStatisticsDisplayData.h"
#include "sessionstats/engine/StatisticsClock.h"
#include "styles/engine/IDefaultStyleProvider.h"
#include "styles/engine/ObjectWithStyle.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class DataProcessingThread;
class ISessionStatisticsMediator;
class ISessionStatisticsWindow;
class ProviderBase;

class SessionStatisticsModule : public ObjectWithStyle,
                                public IDefaultStyleProvider,
                                public IGenericModule,
                                public IStatisticsSessionReceiver,
                                public ISessionStatisticsModule,
                                public IAlertArgumentSource
{
public:
    using WindowFactory = std::function<std::shared_ptr<ISessionStatisticsWindow>(SessionStatisticsModule& module)>;

    // Which panes of the window are shown: 1 shown, 0 hidden.
    struct MainWindowSettings
    {
        int topPane = 1;
        int bottomPane = 1;
    };

    static QString ProviderName() { return QStringLiteral("Kelvora OnLine"); }

    explicit SessionStatisticsModule(ISessionStatisticsMediator& mediator,
                                     const StatisticsClock& clock = StatisticsClock::System());
    ~SessionStatisticsModule() override;
    SessionStatisticsModule(const SessionStatisticsModule&) = delete;
    SessionStatisticsModule& operator=(const SessionStatisticsModule&) = delete;

    // How the window is made; without a factory no window can be.
    void SetWindowFactory(WindowFactory factory) { m_windowFactory = std::move(factory); }
    // With the feed kept for the whole run the statistics keep coming while the window is hidden
    // or gone, so the alerts on the session figures hold; the window's show and hide steps then
    // leave the feed alone.
    void KeepFeedForWholeRun(bool keep) { m_feedForWholeRun = keep; }
    const StatisticsClock& Clock() const { return m_clock; }

    // ObjectWithStyle. Part 0 is the style itself, parts 1 to 4 its text styles of rises, falls,
    // turnover and transactions.
    std::shared_ptr<StyleBase> GetStyleToEdit(const std::shared_ptr<StyleBase>& style, int part) const override;
    // The font commands (larger, smaller, restore) change the font of a text style (parameter
    // 12 of parts 1 to 4) or of the overall bar (parameter 15 of part 0); the rest is the base's.
    void ChangeDSParam(int part, int parameter, qint32 value) override;
    // The window re-lays itself out with the style.
    void OnStyleChanged() override;

    // IDefaultStyleProvider and ISessionStatisticsModule: empty until FindWindowStyle ran.
    std::shared_ptr<StyleBase> DefaultStyle() const override { return m_defaultStyle; }

    // IGenericModule
    QString GetFileExtension() const override { return QStringLiteral(".q4SS"); }
    QString GetFileFilter() const override { return QString(); }
    QString GetModuleName() const override { return SessionStatisticsArguments::SourceModuleName(); }
    QString GetDefaultFileName() const override { return QString(); }
    bool CanSaveWindowToFile() const override { return false; }
    // False for any widget but the module's window's, and when the file could not be written.
    bool SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles) override;
    bool SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved) override;
    // Takes the pane flags of the file and, when it holds the window's state, makes the window
    // and gives it that state. False (nothing changed) for a file that cannot be read.
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override;
    // The window is saved through its window files; sessions hold nothing else of the module.
    void SerialisePanelStateToQ5Format(Q5Settings& node) override {}
    void SerialisePanelState(Settings& node) override {}
    void UnserialisePanelState(const Settings& node) override {}
    void PostUnserialisePanelState(const Settings& node, QWidget* activeView) override {}
    bool SerialiseInLastSession(QWidget* window) const override { return true; }
    void OnSessionLoaded(QWidget* activeView) override {}
    // The id the application chose for the window's style (0 until it chose); the style itself
    // is applied by the window.
    int GetFirstNamedWindowStyleId() const override { return StyleId(false); }
    // The named style of the id becomes the module's default style; a new default style when
    // there is none.
    void FindWindowStyle(int styleId) override;

    // Each statistics received makes a pass of the worker that publishes the newest
    // statistics, also while the worker is paused: the passes wait for the next show. Past this
    // many waiting passes no more are made; those waiting still publish the newest.
    static constexpr int kMaxWaitingPasses = 1000;

    // IStatisticsSessionReceiver, provider thread
    // Keeps the statistics, stamped with the time of reception, for the worker and posts it a
    // pass; false when there is no worker to take them.
    bool SetNewStatistics(const SessionStatistics& statistics) override;
    void OnSessionChange() override;

    // ISessionStatisticsModule
    void ToggleWindow() override;
    QWidget* GetWindow() const override;
    bool IsWindowVisible() const override;
    bool IsWindowActive() const override;
    void ToggleTopPane() override;
    void ToggleBottomPane() override;
    bool IsTopPaneVisible() const override { return m_mainWindowSettings.topPane != 0; }
    bool IsBottomPaneVisible() const override { return m_mainWindowSettings.bottomPane != 0; }
    void RefreshStyle() override { OnStyleChanged(); }
    void RestoreDefaults() override;

    // IAlertArgumentSource
    void PublishArgumentValues(std::shared_ptr<const AlertExprArgList> values) override;
    void NotifyArgumentDestroyed(const AlertExprArgDesc& argument) override;
    bool IsArgumentValid(const AlertExprArgDesc& argument) override;
    bool AddArgumentUsage(const AlertExprArgDesc& argument) override;
    void RemoveArgumentUsage(const AlertExprArgDesc& argument) override;

    // At the end of the run: the feed stops and the worker with it, for good.
    void Shutdown();
    // A new worker thread, suspended until the window is shown; a worker that runs is kept.
    // False (logged, no worker) when no thread could be made.
    bool Initialise();
    // Makes the window and its worker when there is no window; false (logged) when it could
    // not be made.
    bool EnsureWindow(QWidget* parent);
    // The window's show step: with the provider running, the worker runs and the statistics
    // come. The hide step stops both; statistics kept meanwhile wait for the next show.
    void OnWindowShown();
    void OnWindowHidden();
    // The window's widget is gone: the module drops the window and the worker; the next toggle
    // makes both anew.
    void OnWindowDestroyed();

    // Worker thread: the newest statistics received (again, when none came since the last pass).
    void ProcessLastSesstionStatistics();
    // Worker thread: a new session; every slot empty, every figure zero.
    void ProcessSessionChange();
    // Worker thread: the values of the registered arguments to the alert module.
    void PublishArgumentsValues();

    // A copy of what the window shows, taken under the display lock; any thread.
    SessionStatisticsDisplayData GetDisplayData() const;

private:
    void RefreshViews();
    void TogglePane(int& flag, void (ISessionStatisticsWindow::*showPane)(bool));
    void Serialise(Settings& tree, bool embedStyles) const;
    bool Unserialise(const Settings& tree, QWidget* parent);
    bool IsOwnWindow(QWidget* window) const;
    bool HasWindowWidget() const;
    void ReleaseWorker();
    void UnregisterReceiver();
    void LogError(const char* where, int line, const QString& text) const;

    ISessionStatisticsMediator& m_mediator;
    const StatisticsClock& m_clock;
    WindowFactory m_windowFactory;
    std::shared_ptr<ISessionStatisticsWindow> m_window;
    MainWindowSettings m_mainWindowSettings;
    std::shared_ptr<StyleBase> m_defaultStyle;
    bool m_feedForWholeRun = false;
    // The provider the receiver is registered with; null while it is not.
    ProviderBase* m_provider = nullptr;
    SessionStatisticsArguments m_arguments;

    // Written by the worker, copied by any thread.
    mutable SafeCriticalSection m_displayLock{QStringLiteral("SessionStatisticsModule::DisplayData")};
    SessionStatisticsDisplayData m_displayData;

    // Guards the members from here to m_worker. Only the newest statistics are kept: a pass
    // processes only the newest, so older ones would only wait to be dropped.
    SafeCriticalSection m_dataQueueLock{QStringLiteral("SessionStatisticsModule::DataQueue")};
    QDateTime m_queuedTime;
    std::shared_ptr<const SessionStatistics> m_queuedStatistics;
    // The 1025s posted since the last session change and not yet processed. Passes posted
    // before a session change run before its reset, so they cannot stand for statistics that
    // come after it.
    int m_waitingPasses = 0;
    std::shared_ptr<DataProcessingThread> m_worker;

    // Lives on the main thread: the worker's repaint requests are delivered there.
    QObject m_mainThreadContext;
    std::atomic<bool> m_refreshPending = false;
};
