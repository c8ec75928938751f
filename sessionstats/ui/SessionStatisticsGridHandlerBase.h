#pragma once
// What the handlers of the statistics grids share: the cell cursor moved by keys and clicks,
// the redraw request that keeps a grid repainting while a highlight fades, the tick of its
// last repaint that dates the highlights, and the painting of a row's background and lines.
//
// A row whose slot was marked changed less than 4 s before the last repaint is highlighted:
// plainly, fading into the background between 2 and 2.5 s (bit 2 of the highlight type), or as
// a horizontal gradient with the colour in the middle (bit 4). Main thread only.

#include "platform/toolkit/ITableHandler.h"

#include <QColor>

#include <cstdint>

class AssetStatisticsWrapper;
class GridObjectBase;
class IGridLineManager;
class StatisticsClock;

class SessionStatisticsGridHandlerBase : public ITableHandler
{
public:
    static constexpr std::uint32_t kHighlightTime = 4000;
    static constexpr std::uint32_t kFadeStart = 2000;
    static constexpr std::uint32_t kFadeEnd = 2500;
    static constexpr int kRowPadding = 2;

    explicit SessionStatisticsGridHandlerBase(const StatisticsClock& clock) : m_clock(clock) {}

    void SetTable(ITableView* table) override { m_view = table; }
    ITableView* GetTable() const { return m_view; }
    int OnKeyDown(int key) override;
    void OnRowClick(int row, const QPoint& point, Qt::KeyboardModifiers flags) override;
    int GetSelectedRow() const override { return m_cursorRow; }
    void OnRedrawn() override;
    void SetActive(bool active) override { m_active = active; }
    bool IsActive() const override { return m_active; }
    void SetSelectedRow(int row, bool notify) override { m_cursorRow = row; }
    void SetTopAndSelectedRow(int first, int row) override;
    std::pair<int, int> GetTopAndSelectedRow() const override { return {m_cursorColumn, m_cursorRow}; }
    bool IsRedrawRequired() const override { return m_redrawRequired; }
    void RequestRedraw() override { m_redrawRequired = true; }
    void OnSetCursor(QWidget& body) override;

    int GetCursorColumn() const { return m_cursorColumn; }
    // The column under x (body coordinates from the first column): (column, 0), else (-1, -1).
    std::pair<int, int> HitTestColumn(const QPoint& point) const;
    std::uint32_t GetLastPaintTime() const { return m_lastPaintTime; }

    // The highlight of a slot at the last repaint: on while the slot is marked changed and its
    // change is under 4 s old. A change after the repaint counts as new.
    bool IsHighlightOn(const AssetStatisticsWrapper& slot) const;
    std::uint32_t AgeOf(const AssetStatisticsWrapper& slot) const;
    // The highlight colour faded into the background at that age.
    static QColor FadeColor(std::uint32_t age, const QColor& background, const QColor& highlight);
    // Background at the edges, the centre colour in the middle.
    static void FillRowGradient(QPainter& painter, const QRect& rect, const QColor& centre, const QColor& edge);

protected:
    // Fills the rectangle for the slot: the background, or the highlight as the type says.
    // True when a highlight was painted.
    bool PaintBackground(QPainter& painter, const QRect& rect, const AssetStatisticsWrapper* slot,
                         const QColor& background, const GridObjectBase& object) const;
    // The lines of a row: vertical ones at the right edges given, a horizontal one at the bottom.
    static void DrawGridLines(QPainter& painter, const QRect& row, const std::vector<int>& rightEdges,
                              const IGridLineManager& lines);
    // The display position of the column with the id; 0 when none has it.
    int PositionOf(int columnId) const;
    // The text rectangle of a cell with the grid-line width.
    static QRect TextRect(const QRect& cell, int lineWidth);

    ITableView* m_view = nullptr;
    bool m_redrawRequired = false;

private:
    const StatisticsClock& m_clock;
    int m_cursorRow = -1;
    int m_cursorColumn = -1;
    bool m_active = false;
    std::uint32_t m_lastPaintTime = 0;
};
