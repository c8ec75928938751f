#pragma once
// The grid control of the alerts, orders-sheet and session-statistics tables. It keeps the
// columns (caption, width, minimum width, visibility, display order) in a header the user can
// size and move, and the rows (each with the value it was added with and its height); it draws
// nothing of a row itself but asks its ITableHandler to paint the rows in view, and hands the
// handler keys, clicks, double clicks, hovering and the start of a drag. Only the rows that
// intersect the painted area are asked for, so long tables stay cheap. Row heights are asked
// once per row and kept until UpdateAllHeights. Main thread only.

#include "platform/toolkit/ITableView.h"

#include <QAbstractScrollArea>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class ITableContextMenuHandler;
class ITableHandler;
class QHeaderView;
class QMimeData;
class TableHeaderModel;

class TableCtrl : public QAbstractScrollArea, public ITableView
{
    Q_OBJECT

public:
    // Starts a drag with the payload from the body; the default runs a QDrag (copy).
    using DragStarter = std::function<void(QWidget& source, std::unique_ptr<QMimeData> payload)>;

    static constexpr int kDefaultRowHeight = 18;
    static constexpr int kDefaultMinColumnWidth = 8;

    explicit TableCtrl(QWidget* parent = nullptr);
    ~TableCtrl() override;

    // Not owned; null leaves the rows unpainted.
    void SetTableHandler(ITableHandler* handler);
    ITableHandler* GetTableHandler() const { return m_handler; }
    void SetContextMenuHandler(ITableContextMenuHandler* handler) { m_contextMenuHandler = handler; }

    // Columns. A negative width hides the column and keeps the width for when it is shown.
    void InsertHeaderItem(int column, const QString& caption, double width);
    void DeleteHeaderItem(int column);
    void DeleteAllHeaderItems();
    int GetHeaderItemCount() const { return GetColumnCount(); }
    QString GetHeaderItemCaption(int column) const;
    void SetHeaderItemCaption(int column, const QString& caption);
    // The header's width of the column (its kept width, also when hidden); false outside.
    bool SetHeaderItemWidth(int column, double width);
    // Sets the kept width without going through the header (same effect on screen).
    void UpdateColumnWidths(int column, double width);
    double GetColumnRealWidth(int column) const;
    void SetColumnMinWidth(int column, int width);
    int GetColumnMinWidth(int column) const;
    void ShowColumn(int column, bool show);
    bool IsColumnVisible(int column) const;
    // Display order back to the columns' own order.
    void UpdateOrderArray();
    // Moves the column at one display position to another.
    void MoveColumn(int fromDisplayPos, int toDisplayPos);
    // Locked columns keep their widths: the user cannot size them.
    void LockColumns(bool locked);
    bool AreColumnsLocked() const { return m_columnsLocked; }
    // The narrowest the visible columns can be (their widths when locked, else their minimum
    // widths); UpdateMinWidth makes it the control's own minimum width.
    int GetMinWidthVisibleColumns() const;
    void UpdateMinWidth();
    // Sum of the visible columns' widths.
    int GetTotalColumnsWidth() const;
    void EnableMouseMovingColumns(bool enable);
    void ShowHeader(bool show);
    int GetHeaderHeight() const;
    QHeaderView* Header() const { return m_header; }

    // Rows. A fill adds many rows and lays out once at its end.
    void BeginFill();
    void EndFill();
    void DeleteAllItems();
    // Where a row starts in the whole row area, and its height (-1 and 0 outside the rows).
    int GetRowTop(int row) const;
    int GetItemHeight(int row) const;
    // The row under a point of the body (-1 below the rows).
    int RowAt(const QPoint& bodyPoint) const;
    void EnsureRowVisible(int row);
    // Asks the handler for every row's height again.
    void UpdateAllHeights();

    // Scrolling.
    void KeepVScrollToBottomSide(bool keep);
    void SetVScrollAlwaysVisible(bool always);
    void ShowScrollbar(bool show);
    bool IsScrollbarShown() const { return m_scrollbarShown; }
    // Forgets the row under the mouse, so that the handler hears the next one afresh.
    void ResetTrackingState();
    // Runs the handler's first-show step (also done when the control is first shown).
    void FirstShow();

    void SetDragStarter(DragStarter starter) { m_dragStarter = std::move(starter); }
    // A drag of the payload from the rows (the handler calls it from OnBeginDrag).
    void StartDrag(std::unique_ptr<QMimeData> payload);

    // ITableView
    int GetColumnWidth(int columnId) const override;
    int GetColumnId(int displayPos) const override;
    int GetColumnCount() const override { return static_cast<int>(m_columns.size()); }
    quintptr GetItemData(int row) const override;
    int GetItemCount() const override { return static_cast<int>(m_rows.size()); }
    int AddItem(quintptr itemData) override;
    int GetDefaultRowHeight() const override { return kDefaultRowHeight; }
    int GetFirstVisibleRow() const override;
    void SetFirstVisibleRow(int row) override;
    int GetAllItemsHeight() const override;
    int GetVisibleHeight() const override;
    void Redraw() override;
    QWidget* GetBodyWidget() const override;

signals:
    void HeaderItemClicked(int column);
    // The user sized a column.
    void ColumnResized(int column, int width);
    // The user moved a column between display positions.
    void ColumnMoved(int fromDisplayPos, int toDisplayPos);

protected:
    // Places the header above the body; override to place the body otherwise.
    virtual void LayoutBody();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    struct Column
    {
        double width = 0;
        int minWidth = kDefaultMinColumnWidth;
        bool visible = true;
    };
    struct Row
    {
        quintptr data = 0;
        int height = 0;
    };

    bool IsColumn(int column) const { return column >= 0 && column < GetColumnCount(); }
    int RowHeightOf(int row) const;
    void RebuildRowTops();
    void UpdateScrollRanges();
    void ApplyColumnToHeader(int column);
    void ApplyResizeMode();
    void ApplyScrollBarPolicy();
    void ColumnsChanged();
    QPoint ToRowPoint(const QPoint& bodyPoint) const;
    void OnSectionResized(int column, int oldWidth, int newWidth);
    void OnSectionMoved(int column, int fromVisual, int toVisual);
    void OnSectionHandleDoubleClicked(int column);
    void SetHoverRow(int row, const QPoint& bodyPoint);

    ITableHandler* m_handler = nullptr;
    ITableContextMenuHandler* m_contextMenuHandler = nullptr;
    TableHeaderModel* m_headerModel = nullptr;
    QHeaderView* m_header = nullptr;
    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    // m_rowTops[i] is the top of row i; one more entry holds the total height.
    std::vector<int> m_rowTops{0};
    DragStarter m_dragStarter;
    QPoint m_pressPoint;
    int m_hoverRow = -1;
    int m_fillDepth = 0;
    bool m_pressed = false;
    bool m_dragging = false;
    bool m_columnsLocked = false;
    bool m_keepBottom = false;
    bool m_atBottom = true;
    bool m_vScrollAlways = false;
    bool m_scrollbarShown = true;
    bool m_headerShown = true;
    bool m_firstShown = false;
    bool m_applyingHeader = false;
};
