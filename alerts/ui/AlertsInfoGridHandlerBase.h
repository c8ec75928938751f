#pragma once
// What both grids of the alerts window share: the selected row and column, the arrow keys, the
// click that picks the column under the mouse, the redraw request that the window's timer
// answers, and the look of a row from the application's table default style (sub-style 1 for
// the first, third... row, 2 for the others, the table style itself for the grid lines), with
// the selection frame and the grid lines drawn over the cells. Main thread only.

#include "platform/toolkit/ITableHandler.h"

#include <QColor>
#include <QFont>
#include <QPen>

#include <memory>
#include <optional>

class IAlertsGridsOwner;
class StyleBase;

class AlertsInfoGridHandlerBase : public ITableHandler
{
public:
    static constexpr int kRowSpacing = 2;
    static constexpr int kCellMargin = 4;
    static constexpr int kKeyLeft = 37;
    static constexpr int kKeyUp = 38;
    static constexpr int kKeyRight = 39;
    static constexpr int kKeyDown = 40;
    static constexpr int kKeyDelete = 46;

    // How a row looks, read from the table default style.
    struct RowLook
    {
        QColor background{0xC8, 0xC8, 0xC8};
        QColor text{Qt::black};
        std::optional<QFont> font;
    };

    explicit AlertsInfoGridHandlerBase(IAlertsGridsOwner& owner);

    void SetTable(ITableView* table) override { m_table = table; }
    ITableView* GetTable() const { return m_table; }
    int OnKeyDown(int key) override;
    void OnRowClick(int row, const QPoint& point, Qt::KeyboardModifiers flags) override;
    int GetSelectedRow() const override { return m_selectedRow; }
    void SetSelectedRow(int row, bool notify) override { m_selectedRow = row; }
    int GetSelectedColumn() const { return m_selectedColumn; }
    void SetTopAndSelectedRow(int column, int row) override;
    std::pair<int, int> GetTopAndSelectedRow() const override { return {m_selectedColumn, m_selectedRow}; }
    void SetActive(bool active) override;
    bool IsActive() const override { return m_active; }
    bool IsRedrawRequired() const override { return m_redraw; }
    void RequestRedraw() override { m_redraw = true; }
    void ClearRedrawRequest() { m_redraw = false; }
    void OnRedrawn() override {}
    int GetRowHeight(int row) override;
    void OnSetCursor(QWidget& body) override;
    // The column whose span holds x, with 0; (-1, -1) outside the columns.
    std::pair<int, int> HitTestColumn(const QPoint& point) const;

    // The look of a row (by its index) and of the grid lines. Without a style: grey rows, black
    // text, lines in the theme's frame colour.
    static RowLook LookOfRow(const std::shared_ptr<StyleBase>& style, int row);
    static std::shared_ptr<StyleBase> TableDefaultStyle();
    static QColor ThemeColor(int index, const QColor& fallback);

protected:
    IAlertsGridsOwner& Owner() const { return m_owner; }
    // The frame is told that the alerts tab's caption and flags may have changed.
    static void UpdateContextCaption();
    // Cell rectangles of the row in column order; the last column with a width reaches the
    // row's right edge.
    std::vector<QRect> CellRects(const QRect& rowRect) const;
    void DrawText(QPainter& painter, const QRect& cell, const QString& text, int alignment) const;
    void DrawGridLines(QPainter& painter, const QRect& rowRect, const std::shared_ptr<StyleBase>& style) const;
    void DrawSelectionFrame(QPainter& painter, int row, const QRect& rowRect) const;
    // The widest of the texts in the font, with the margins; 10 without a table.
    int WidestText(const QStringList& texts, const QFont& font, int extra) const;

private:
    IAlertsGridsOwner& m_owner;
    ITableView* m_table = nullptr;
    bool m_redraw = false;
    int m_selectedRow = -1;
    int m_selectedColumn = -1;
    bool m_active = false;
};
