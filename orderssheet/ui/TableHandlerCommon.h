#pragma once
// The handler of an orders-sheet table: paints each row of one side's data set in the column
// layout and styles of the window's settings (change colours while a change is fresh, "PEG",
// "PKC"/"PCR", volumes fitted to their cells unless the row is pointed at, the row's price-level
// stripe and the cell cursor), moves the cursor with the arrow keys and clicks, and keeps the
// cursor on its order across refreshes.
//
// On side 0 (supply) table row 0 is an empty row above the data, so data row r is table row
// r + 1. Main thread only; the data set takes its own lock in every query.

#include "orderssheet/engine/OSTableColumns.h"
#include "orderssheet/engine/OSTickClock.h"
#include "orderssheet/settings/OSCellStyleResolver.h"
#include "platform/base/LogFont.h"
#include "platform/toolkit/ITableHandler.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <cstdint>
#include <memory>

class IOrdersSheetTableContainer;
class OrdersSheetSettings;
class StyleBase;
class StyleOrdersSheet;
class TableDataSetOrdersSheet;

class TableHandlerCommon : public ITableHandler
{
public:
    static constexpr int kMinRowHeight = 18;
    static constexpr int kLastColumnGap = 8;
    static constexpr int kTextMargin = 5;
    // Every row shows its full volumes.
    static constexpr int kHoverAllRows = -2;
    static constexpr int kDefaultHighlightMs = 1000;

    TableHandlerCommon(IOrdersSheetTableContainer& container, int priceLevelId);
    ~TableHandlerCommon() override;

    virtual void SetDataSet(TableDataSetOrdersSheet* dataSet) { m_dataSet = dataSet; }
    // The data row of a table row of the data: -1 for the current-value row.
    virtual int MapRowToData(int row) const { return row; }

    // ITableHandler
    void OnFirstShow() override { AdjustScroll(); }
    void OnAfterPaint(QPainter& painter, const QRect& area) override;
    void DrawCell(QPainter& painter, int row, const QRect& rect) override;
    void SetTable(ITableView* table) override { m_table = table; }
    int OnKeyDown(int key) override;
    void OnRowClick(int row, const QPoint& point, Qt::KeyboardModifiers flags) override;
    int GetSelectedRow() const override { return -1; }
    void OnMouseLeaveRows() override;
    // Drags the cursor cell out as the sheet's alert argument; nothing without a cursor cell on
    // a row of the data or for a column that is no argument.
    void OnBeginDrag() override;
    void OnMouseOverRow(int row, const QPoint& point) override;
    void OnRedrawn() override;
    void SetActive(bool active) override;
    bool IsActive() const override { return m_active; }
    int GetRowHeight(int row) override;
    void SetSelectedRow(int, bool) override {}
    bool IsRedrawRequired() const override { return m_redrawRequired; }
    // The styles' fonts changed: rows are measured again.
    void InvalidateRowHeight() { m_rowHeight = 0; }
    void RequestRedraw() override { m_redrawRequired = true; }
    int CalcColumnWidth(int) override { return -1; }
    QString GetCellText(int row, int columnId) const override;

    // Row -1 clears the cursor.
    void SetCursorCell(int column, int row);
    int GetCursorColumn() const { return m_cursorColumn; }
    int GetCursorRow() const { return m_cursorRow; }
    const QString& GetCursorRowKey() const { return m_cursorRowKey; }
    // The cursor follows its order by key after a refresh.
    void RefindCursorRow();
    // Side 0 shows the rows' bottom, next to the current-value row.
    void AdjustScroll();
    int GetHoverRow() const { return m_hoverRow; }
    void SetHoverRow(int row) { m_hoverRow = row; }

    // The text of a data row's cell of the kind, fitted to width in the font where the rules say.
    QString CellText(int dataRow, int kind, int width, const QFont& font) const;
    QString CellText(int dataRow, int kind, int width, const QFont& font, const OSTableColumns& columns) const;
    // The stripe at the right end of a table row.
    QColor RowSideColour(int tableRow, int dataRow) const;

    void SetTickSource(OSTickClock::Source source) { m_tickSource = std::move(source); }
    // How long a change stays marked; the global settings' time by default.
    void SetHighlightTime(int ms) { m_highlightMs = ms; }

protected:
    const OrdersSheetSettings& Settings() const;
    int Mode() const;
    int Side() const;
    StyleOrdersSheet& SheetStyle() const;
    OSTableColumns Columns() const;
    // The kind of the column with the table's column id (its display position).
    int KindAt(int columnId) const;
    // Starts a painting pass on the first row drawn after the last pass ended.
    void BeginPass();
    // Paints the cells of a data row (row -1: the current-value row) across rect.
    void PaintRow(QPainter& painter, int tableRow, int dataRow, const QRect& rect, bool currentValueTable);
    // The colour a table row's first row takes on side 0, and the rows above the current-value row.
    static QColor ThemeColour();

    IOrdersSheetTableContainer& m_container;
    ITableView* m_table = nullptr;
    TableDataSetOrdersSheet* m_dataSet = nullptr;

private:
    void ExpireHighlight(int dataRow);
    const QFont& CellFont(const StyleBase& style);
    bool IsStateColoured(int kind) const;
    bool RowHasChange(int dataRow, const OSTableColumns& columns) const;
    void PaintCell(QPainter& painter, const QRect& cell, int dataRow, int kind, const StyleBase& textStyle,
                   bool highlighted, bool currentValueTable);

    const int m_priceLevelId;
    OSCellStyleResolver m_resolver;
    std::uint64_t m_lastRedrawTick = 0;
    int m_cursorColumn = -1;
    int m_cursorRow = -1;
    QRect m_cursorRect;
    QString m_cursorRowKey;
    int m_hoverRow = -1;
    bool m_redrawRequired = false;
    bool m_active = false;
    bool m_inPass = false;
    // What a painting pass reads for every cell, taken once at its start.
    std::shared_ptr<StyleOrdersSheet> m_passStyle;
    OSTableColumns m_passColumns;
    QFont m_defaultFont;
    QFont m_cachedFont;
    LogFont m_cachedLogFont;
    bool m_fontCached = false;
    int m_rowHeight = 0;
    int m_highlightMs = -1;
    OSTickClock::Source m_tickSource = OSTickClock::Now;
};
