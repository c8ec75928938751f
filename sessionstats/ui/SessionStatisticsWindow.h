#pragma once
// The session-statistics window, hosted in a panel: the statistics tab window with its five
// grids above, the overall bar below, either of which the module's pane flags hide. The window
// sizes itself to its content: the columns follow the style's fonts, the height the grids'
// rows and the bar. While shown it runs a 100 ms timer that re-lays it out after a style
// change, and its tab window's 50 ms redraw timer. The module's worker hands it new data
// through RefreshViews, which copies the module's display data on this thread.
// Main thread only.

#include "platform/modules/ModuleWndBase.h"
#include "sessionstats/engine/SessionStatisticsDisplayData.h"

#include <QTimer>

#include <array>
#include <memory>

class OverallWnd;
class Q5Settings;
class SessionStatisticsContextMenu;
class SessionStatisticsModule;
class SessionStatisticsTabWnd;
class Settings;

class SessionStatisticsWindow : public ModuleWndBase
{
    Q_OBJECT

public:
    static constexpr int kLayoutTimerId = 1;
    static constexpr int kLayoutPeriodMs = 100;

    explicit SessionStatisticsWindow(SessionStatisticsModule& module, QWidget* parent = nullptr);
    ~SessionStatisticsWindow() override;

    // ModuleWndBase
    IGenericModule* GetModule() const override;
    CmdTarget* GetCmdTarger() const override { return nullptr; }
    bool ShowHideMechanismOn() const override { return true; }
    void RedrawAfterLayoutMayChanged() override;

    // The module's show and hide: timers, the feed, visibility.
    void Show();
    void Hide();
    void EnterEditStyleMode();
    void LeaveEditStyleMode();
    QString GetMainStyleMenuDescrPart() const { return QStringLiteral("statystyki sesji"); }

    void SerializeState(Settings& node) const;
    bool UnSerializeState(const Settings& node, bool fromFile);
    void SaveToQ5Format(Q5Settings& node) const;

    void ShowTopPane(bool show);
    void ShowBottomPane(bool show);
    void RecalcLayout();
    // Resizes the window to its content; -1 keeps the current width.
    void FitToContent(int width);
    void ArrangePanes();
    // New data from the module: the grids and the bar show it.
    void RefreshViews();
    // The style changed: the caches go now, the layout follows on the next layout tick.
    void OnStyleChanged();
    bool IsLayoutPending() const { return m_layoutPending; }
    bool IsLayoutTimerActive() const { return m_layoutTimer.isActive(); }
    void OnTimer(int id);

    SessionStatisticsTabWnd& TabWnd() const { return *m_tabWnd; }
    OverallWnd& Bar() const { return *m_bar; }
    SessionStatisticsContextMenu& ContextMenu() const { return *m_contextMenu; }
    const SessionStatisticsDisplayData& Data() const { return m_data; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    SessionStatisticsModule& m_module;
    // What the grids and the bar show: this thread's copy of the module's data.
    SessionStatisticsDisplayData m_data;
    std::unique_ptr<SessionStatisticsContextMenu> m_contextMenu;
    SessionStatisticsTabWnd* m_tabWnd = nullptr;
    OverallWnd* m_bar = nullptr;
    bool m_layoutPending = true;
    QTimer m_layoutTimer;
};
