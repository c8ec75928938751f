#pragma once
// The panes of an orders-sheet window and their arrangement: on the left the complex pane
// (side 0's table with the current-value row, pane 1100) above side 1's table (1101), split
// so that the current-value row sits in the middle, or beside it as the arrangement asks; on the right, 128 pixels wide, side 0's
// summary (1102), the summary chart (1104), centred on the left split, and side 1's summary
// (1103), between splitters the user can drag while the chart shows. It carries out the
// window's pane commands, refreshes every pane from the data sets, and saves and restores the
// pane sizes under "PanesPositions". Main thread only.

#include "orderssheet/ui/IOrdersSheetMenuCmdDestination.h"
#include "orderssheet/ui/OrdersSheetPaneGeometry.h"
#include "orderssheet/ui/OrdersSheetPanesArrangement.h"

#include <QWidget>

#include <map>

class ITableContextMenuHandler;
class OSComplexPaneContainer;
class OrderSheetDlgContainer;
class OrderSheetTableContainer;
class OrdersSheetSettings;
class OrdersSheetSummaryChartCtrl;
class Q5Settings;
class QSplitter;
class Settings;
class TableDataSetOrdersSheet;

class OrdersSheetPaneManager : public QWidget, public IOrdersSheetMenuCmdDestination
{
    Q_OBJECT

public:
    static inline const QString kPanesNode = QStringLiteral("PanesPositions");

    // owner: the window the panes' clicks and drops reach; priceLevelId: the summaries' level.
    OrdersSheetPaneManager(OrdersSheetSettings& settings, QWidget* owner, int priceLevelId, QWidget* parent);
    ~OrdersSheetPaneManager() override;

    // Both sides' data sets (side 0, side 1); the tables show them from the next refresh.
    void SetDataSets(TableDataSetOrdersSheet* supply, TableDataSetOrdersSheet* demand);
    // Tables reload their rows, the summaries and the chart take the new figures.
    void RefreshAll();
    // Tables whose handlers ask for it repaint (change marks fading).
    void RedrawIfRequired();
    // The columns follow the settings again (mode, order, widths, visibility, lock).
    void RefreshColumns();
    // The summaries' headings follow the settings' border.
    void RefreshPriceLevel();
    void SetContextMenu(ITableContextMenuHandler* menu);
    // The width the window needs for its visible panes.
    int PreferredWidth() const;
    int MinimumHostWidth() const;
    int MaximumHostWidth() const;

    void SerializePanes(Settings& node) const;
    // Only panes 1100 and 1101.
    void SavePanesToQ5Format(Q5Settings& node) const;
    // Restores the right column's heights; a node without "PanesPositions" keeps the layout.
    void RestorePanes(const Settings& node);
    // Pane size by id, as laid out.
    QSize PaneSize(int paneId) const;

    // The tables in rows, in columns or as the width allows; the panes are laid out again.
    void SetPanesArrangement(OrdersSheetPanesArrangement::Arrangement arrangement);
    OrdersSheetPanesArrangement::Arrangement GetPanesArrangement() const { return m_arrangement; }
    // Whether the last layout put the tables side by side.
    bool AreTablesSideBySide() const { return m_sideBySide; }

    // IOrdersSheetMenuCmdDestination
    void SetSheetMode(const int* mode) override;
    void ShowChart(const bool* show) override;
    void LockColumns(const bool* lock) override;
    void ShowSummaryWnd(const bool* show) override;
    void ShowRowCurrValue(const bool* show) override;
    void ShowOrdersPane(const bool* show) override;
    void ShowVScroll(const bool* show) override;
    void ShowCursor(const bool* show) override;
    void SetRealBorder(int kind, double value) override;
    void MoveColumn(int from, int to) override;
    void SetColumnVisible(int displayPos, const bool* visible) override;

    OSComplexPaneContainer& ComplexPane() const { return *m_complex; }
    OrderSheetTableContainer& SecondPane() const { return *m_second; }
    OrderSheetDlgContainer& Summary(int side) const { return side == 0 ? *m_supplySummary : *m_demandSummary; }
    OrdersSheetSummaryChartCtrl& Chart() const { return *m_chart; }

signals:
    // The window should take this width (a pane column came or went, or the mode changed).
    void HostWidthWanted(int width);
    // The mode, the panes or the columns changed: the window's caption and the ribbon follow.
    void LayoutChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Relayout();
    void OnRightSplitterMoved(int position, int index);
    void ApplyRightColumn(const OrdersSheetPaneGeometry::RightColumn& column);
    void ApplyVisibility();
    void ApplySplitterLocks();
    // Sets a flag (null toggles) and tells whether it changed.
    static bool Toggle(bool& flag, const bool* value);
    int LeftSplit() const;
    // One table's width with all its visible columns.
    int TableWidth() const;

    OrdersSheetSettings& m_settings;
    const int m_priceLevelId;
    OSComplexPaneContainer* m_complex = nullptr;
    OrderSheetTableContainer* m_second = nullptr;
    QSplitter* m_right = nullptr;
    OrderSheetDlgContainer* m_supplySummary = nullptr;
    QWidget* m_chartPane = nullptr;
    OrdersSheetSummaryChartCtrl* m_chart = nullptr;
    OrderSheetDlgContainer* m_demandSummary = nullptr;
    TableDataSetOrdersSheet* m_supply = nullptr;
    TableDataSetOrdersSheet* m_demand = nullptr;
    int m_chartHeight = 0;
    bool m_chartSized = false;
    int m_rememberedChart = -1;
    bool m_applyingRight = false;
    // The window's width in each mode, to come back to.
    std::map<int, int> m_modeWidths;
    // The orders pane's width when it was hidden.
    int m_ordersPaneWidth = 0;
    OrdersSheetPanesArrangement::Arrangement m_arrangement = OrdersSheetPanesArrangement::kDefault;
    bool m_sideBySide = false;
};
