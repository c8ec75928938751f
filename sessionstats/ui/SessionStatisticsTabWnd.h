#pragma once
// The upper pane of the session-statistics window: five tabs, "Podsumowanie" (the summary grid)
// and "Wzrosty", "Spadki", "Obroty", "Transakcje" (the top-ten grids of rises, falls, turnover
// and transactions). It makes the grids with their columns, handlers and data objects, tells
// the window how tall its content is, and repaints the shown grid every 50 ms while its
// handler asks for it (a highlight fading). Main thread only.

#include "sessionstats/engine/SessionStatisticsDisplayData.h"
#include "sessionstats/ui/HighestGridObject.h"
#include "sessionstats/ui/HighestStatisticsGridHandler.h"
#include "sessionstats/ui/SummaryGridHandler.h"
#include "sessionstats/ui/SummaryGridObject.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class ITableContextMenuHandler;
class QStackedWidget;
class QTabBar;
class SessionStatisticsModule;
class SessionStatisticsWindow;
class TableCtrl;

class SessionStatisticsTabWnd : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTabs = 5;
    static constexpr int kSummaryTab = 0;
    static constexpr int kHighestColumns = 6;
    static constexpr int kSummaryColumns = 7;
    static constexpr int kRedrawTimerId = 40;
    static constexpr int kRedrawPeriodMs = 50;

    SessionStatisticsTabWnd(SessionStatisticsModule& module, const SessionStatisticsDisplayData& data,
                            QWidget* parent = nullptr);
    ~SessionStatisticsTabWnd() override;

    void SetStatisticsWindow(SessionStatisticsWindow* window) { m_window = window; }
    void SetContextMenu(ITableContextMenuHandler* menu);

    int GetActiveView() const;
    // Shows the tab (0 to 4; others are ignored), then refits the window to it.
    void SetActiveView(int index);

    // The summary grid (kind -1) or the top-ten grid of a kind.
    TableCtrl& Grid(int kind) const;
    TableCtrl& ActiveGrid() const;
    HighestGridObject& HighestObject(int kind) { return m_highestObjects[kind]; }
    SummaryGridObject& SummaryObject() { return m_summaryObject; }
    HighestStatisticsGridHandler& HighestHandler(int kind) { return *m_highestHandlers[kind]; }
    SummaryGridHandler& SummaryHandler() { return *m_summaryHandler; }

    // The height the tallest grid needs; UpdateContentHeight measures it again.
    void UpdateContentHeight();
    // The pane's height for the tallest grid (tabs included).
    int GetContentHeight() const;
    // How much shorter than the tallest the shown grid is.
    int GetActiveGridSpareHeight() const;
    // Where the shown grid goes: below the tabs.
    QRect GetChildRect() const;

    // Widens each summary column to what its samples need in the halves' fonts (left kind for
    // columns 0 to 2, right kind for the rest), with the padding added.
    void MeasureSummaryColumns(std::array<double, kSummaryColumns>& widths, int padding, int leftKind,
                               int rightKind) const;
    // Gives the grids their column widths; the texts are fitted again.
    void ApplyColumnWidths(const std::array<double, kHighestColumns>& highest,
                           const std::array<double, kSummaryColumns>& summary);
    // The texts again from the data, then a repaint of every grid.
    void RefreshGrids();
    void InvalidateGrids();
    // The style changed: the objects read it again.
    void MarkStylesStale();

    void StartRedrawTimer();
    void StopRedrawTimer();
    bool IsRedrawTimerActive() const { return m_redrawTimer.isActive(); }
    // A tick of the redraw timer.
    void OnTimer(int id);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void MakeGrid(TableCtrl& grid, ITableHandler& handler, int columns, bool highest);
    void PlaceChildren();

    SessionStatisticsModule& m_module;
    SessionStatisticsWindow* m_window = nullptr;
    QTabBar* m_tabs = nullptr;
    QStackedWidget* m_stack = nullptr;
    std::array<TableCtrl*, 4> m_highestGrids{};
    TableCtrl* m_summaryGrid = nullptr;
    std::array<HighestGridObject, 4> m_highestObjects;
    SummaryGridObject m_summaryObject;
    std::array<std::unique_ptr<HighestStatisticsGridHandler>, 4> m_highestHandlers;
    std::unique_ptr<SummaryGridHandler> m_summaryHandler;
    int m_contentHeight = 0;
    QTimer m_redrawTimer;
};
