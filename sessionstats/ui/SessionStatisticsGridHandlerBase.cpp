#include "sessionstats/ui/SessionStatisticsGridHandlerBase.h"

#include "platform/toolkit/ITableView.h"
#include "sessionstats/engine/AssetStatisticsWrapper.h"
#include "sessionstats/engine/StatisticsClock.h"
#include "sessionstats/ui/GridObjectBase.h"
#include "sessionstats/ui/IGridLineManager.h"
#include "sessionstats/ui/StyleSessionStatistics.h"
#include "platform/base/ColorRef.h"

#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

#include <cstdint>

namespace
{
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
}

int SessionStatisticsGridHandlerBase::OnKeyDown(int key)
{
    if (m_cursorRow == -1 || !m_view)
        return m_cursorRow;
    const int columns = m_view->GetColumnCount();
    const int rows = m_view->GetItemCount();
    switch (key)
    {
    case kKeyLeft:
        if (columns > 0)
            m_cursorColumn = m_cursorColumn <= 0 ? columns - 1 : m_cursorColumn - 1;
        break;
    case kKeyUp:
        if (rows > 0)
            m_cursorRow = m_cursorRow <= 0 ? rows - 1 : m_cursorRow - 1;
        break;
    case kKeyRight:
        // An empty grid leaves the cursor where it is.
        if (columns > 0)
            m_cursorColumn = (m_cursorColumn + 1) % columns;
        break;
    case kKeyDown:
        if (rows > 0)
            m_cursorRow = (m_cursorRow + 1) % rows;
        break;
    default:
        break;
    }
    return m_cursorRow;
}

void SessionStatisticsGridHandlerBase::OnRowClick(int row, const QPoint& point, Qt::KeyboardModifiers)
{
    m_cursorRow = row;
    const int column = HitTestColumn(point).first;
    if (column >= 0)
        m_cursorColumn = column;
}

std::pair<int, int> SessionStatisticsGridHandlerBase::HitTestColumn(const QPoint& point) const
{
    if (!m_view)
        return {-1, -1};
    int start = 0;
    for (int position = 0; position < m_view->GetColumnCount(); ++position)
    {
        const int end = start + m_view->GetColumnWidth(m_view->GetColumnId(position));
        if (point.x() >= start && point.x() < end)
            return {position, 0};
        start = end;
    }
    return {-1, -1};
}

void SessionStatisticsGridHandlerBase::OnRedrawn()
{
    m_redrawRequired = false;
    m_lastPaintTime = m_clock.TickCount();
}

void SessionStatisticsGridHandlerBase::SetTopAndSelectedRow(int first, int row)
{
    if (first >= 0)
        m_cursorColumn = first;
    if (row >= 0)
        m_cursorRow = row;
}

void SessionStatisticsGridHandlerBase::OnSetCursor(QWidget& body)
{
    body.setCursor(Qt::ArrowCursor);
}

std::uint32_t SessionStatisticsGridHandlerBase::AgeOf(const AssetStatisticsWrapper& slot) const
{
    // Signed: the worker marks a change and then asks for the repaint, so a change may be
    // newer than the last repaint; it is then brand new, not 49 days old.
    const std::int32_t age = static_cast<std::int32_t>(m_lastPaintTime - slot.ChangeTime());
    return age < 0 ? 0u : static_cast<std::uint32_t>(age);
}

bool SessionStatisticsGridHandlerBase::IsHighlightOn(const AssetStatisticsWrapper& slot) const
{
    return slot.IsChanged() && AgeOf(slot) < kHighlightTime;
}

QColor SessionStatisticsGridHandlerBase::FadeColor(std::uint32_t age, const QColor& background, const QColor& highlight)
{
    if (age >= kFadeEnd)
        return background;
    const int k = 2 * static_cast<int>(kFadeEnd - age);
    const auto mix = [k](int h, int b) { return (h * k + b * (1000 - k)) / 1000; };
    return QColor(mix(highlight.red(), background.red()), mix(highlight.green(), background.green()),
                  mix(highlight.blue(), background.blue()));
}

void SessionStatisticsGridHandlerBase::FillRowGradient(QPainter& painter, const QRect& rect, const QColor& centre,
                                                      const QColor& edge)
{
    const int middle = (rect.left() + rect.left() + rect.width()) / 2;
    const QRect left(rect.left(), rect.top(), middle - rect.left(), rect.height());
    const QRect right(middle, rect.top(), rect.left() + rect.width() - middle, rect.height());
    QLinearGradient first(left.left(), 0, left.left() + left.width(), 0);
    first.setColorAt(0, edge);
    first.setColorAt(1, centre);
    painter.fillRect(left, first);
    QLinearGradient second(right.left(), 0, right.left() + right.width(), 0);
    second.setColorAt(0, centre);
    second.setColorAt(1, edge);
    painter.fillRect(right, second);
}

bool SessionStatisticsGridHandlerBase::PaintBackground(QPainter& painter, const QRect& rect,
                                                       const AssetStatisticsWrapper* slot, const QColor& background,
                                                       const GridObjectBase& object) const
{
    const int type = object.GetRowHighlightType();
    const bool on = slot && IsHighlightOn(*slot);
    if (!on || type == 0)
    {
        painter.fillRect(rect, background);
        return false;
    }
    QColor colour = ColorRef(object.GetRowHighlightColor()).ToQColor(background);
    const std::uint32_t age = AgeOf(*slot);
    if ((type & StyleSessionStatistics::kHighlightFade) && age >= kFadeStart)
        colour = FadeColor(age, background, colour);
    if (type & StyleSessionStatistics::kHighlightGradient)
        FillRowGradient(painter, rect, colour, background);
    else
        painter.fillRect(rect, colour);
    return true;
}

void SessionStatisticsGridHandlerBase::DrawGridLines(QPainter& painter, const QRect& row, const std::vector<int>& rightEdges,
                                                     const IGridLineManager& lines)
{
    const std::optional<QPen> pen = lines.GetGridLinePen().ToQPen();
    if (!pen)
        return;
    const int width = lines.GetGridLineWidth();
    const int offset = width > 1 ? width - width / 2 : 1;
    painter.save();
    painter.setPen(*pen);
    const int bottom = row.top() + row.height();
    if (lines.IsVertGridLineVisible())
    {
        for (int x : rightEdges)
            painter.drawLine(x - offset, row.top(), x - offset, bottom);
    }
    if (lines.IsHorzGridLineVisible())
        painter.drawLine(row.left(), bottom - offset, row.left() + row.width(), bottom - offset);
    painter.restore();
}

int SessionStatisticsGridHandlerBase::PositionOf(int columnId) const
{
    for (int position = 0; m_view && position < m_view->GetColumnCount(); ++position)
    {
        if (m_view->GetColumnId(position) == columnId)
            return position;
    }
    return 0;
}

QRect SessionStatisticsGridHandlerBase::TextRect(const QRect& cell, int lineWidth)
{
    const int half = lineWidth > 1 ? lineWidth / 2 : 1;
    return cell.adjusted(4, 0, -(lineWidth + 4), -half);
}
