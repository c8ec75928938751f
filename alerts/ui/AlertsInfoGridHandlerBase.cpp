#include "alerts/ui/AlertsInfoGridHandlerBase.h"

#include "alerts/ui/IAlertsGridsOwner.h"
#include "platform/base/ColorRef.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"
#include "platform/toolkit/ITableView.h"
#include "styles/engine/StyleBase.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace
{
constexpr int kSelectionFrameColor = 32;
constexpr int kGridLineColor = 40;
constexpr int kNoTableWidth = 10;
}

AlertsInfoGridHandlerBase::AlertsInfoGridHandlerBase(IAlertsGridsOwner& owner)
    : m_owner(owner)
{
}

int AlertsInfoGridHandlerBase::OnKeyDown(int key)
{
    if (m_selectedRow < 0)
        return -1;
    const int rows = m_table ? m_table->GetItemCount() : 0;
    const int columns = m_table ? m_table->GetColumnCount() : 0;
    // A selection left over after the rows went would divide by zero below.
    if (rows <= 0 || columns <= 0)
        return -1;
    m_selectedRow = std::min(m_selectedRow, rows - 1);
    m_selectedColumn = std::clamp(m_selectedColumn, -1, columns - 1);
    switch (key)
    {
    case kKeyLeft:
        m_selectedColumn = m_selectedColumn <= 0 ? columns - 1 : m_selectedColumn - 1;
        break;
    case kKeyUp:
        m_selectedRow = m_selectedRow == 0 ? rows - 1 : m_selectedRow - 1;
        break;
    case kKeyRight:
        m_selectedColumn = (m_selectedColumn + 1) % columns;
        break;
    case kKeyDown:
        m_selectedRow = (m_selectedRow + 1) % rows;
        break;
    default:
        break;
    }
    RequestRedraw();
    return m_selectedRow;
}

void AlertsInfoGridHandlerBase::OnRowClick(int row, const QPoint& point, Qt::KeyboardModifiers)
{
    m_active = true;
    m_selectedRow = row;
    const int column = HitTestColumn(point).first;
    if (column >= 0)
        m_selectedColumn = column;
    RequestRedraw();
}

std::pair<int, int> AlertsInfoGridHandlerBase::HitTestColumn(const QPoint& point) const
{
    if (!m_table)
        return {-1, -1};
    int left = 0;
    for (int position = 0; position < m_table->GetColumnCount(); ++position)
    {
        const int width = m_table->GetColumnWidth(m_table->GetColumnId(position));
        if (point.x() >= left && point.x() < left + width)
            return {position, 0};
        left += width;
    }
    return {-1, -1};
}

void AlertsInfoGridHandlerBase::SetTopAndSelectedRow(int column, int row)
{
    if (column >= 0)
        m_selectedColumn = column;
    if (row >= 0)
        m_selectedRow = row;
}

void AlertsInfoGridHandlerBase::SetActive(bool active)
{
    m_active = active;
    UpdateContextCaption();
}

void AlertsInfoGridHandlerBase::UpdateContextCaption()
{
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->UpdateContextCaption();
}

int AlertsInfoGridHandlerBase::GetRowHeight(int row)
{
    // The rows are drawn in the window's fonts: a style without a font of its own, or no
    // style, must not clip them.
    const RowLook look = LookOfRow(TableDefaultStyle(), row);
    const int styleHeight = look.font ? QFontMetrics(*look.font).height() : 0;
    const int windowHeight = std::max(QFontMetrics(m_owner.GetNormalFont()).height(),
                                      QFontMetrics(m_owner.GetHighlightFont()).height());
    return kRowSpacing + std::max(styleHeight, windowHeight);
}

void AlertsInfoGridHandlerBase::OnSetCursor(QWidget& body)
{
    body.setCursor(Qt::ArrowCursor);
}

std::shared_ptr<StyleBase> AlertsInfoGridHandlerBase::TableDefaultStyle()
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    return mediator ? mediator->GetTableDefaultStyle() : nullptr;
}

QColor AlertsInfoGridHandlerBase::ThemeColor(int index, const QColor& fallback)
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    return mediator ? mediator->GetXtremeColor(index).ToQColor(fallback) : fallback;
}

AlertsInfoGridHandlerBase::RowLook AlertsInfoGridHandlerBase::LookOfRow(const std::shared_ptr<StyleBase>& style, int row)
{
    RowLook look;
    const std::shared_ptr<StyleBase> sub =
        style ? style->GetRelatedStyle((row + 1) % 2 == 1 ? StyleTable::RelationOdd : StyleTable::RelationEven) : nullptr;
    if (!sub)
        return look;
    look.background = ColorRef(sub->GetValue(StyleTextField::ParamBkColor)).ToQColor(look.background);
    look.text = ColorRef(sub->GetValue(StyleTextField::ParamFontColor)).ToQColor(look.text);
    if (const GdiObject object = sub->GetGdiObject(StyleTextField::ParamFont); const LogFont* font = object.Font())
        look.font = font->ToQFont();
    return look;
}

std::vector<QRect> AlertsInfoGridHandlerBase::CellRects(const QRect& rowRect) const
{
    std::vector<QRect> cells;
    if (!m_table)
        return cells;
    int left = rowRect.left();
    int lastWithWidth = -1;
    for (int position = 0; position < m_table->GetColumnCount(); ++position)
    {
        const int width = m_table->GetColumnWidth(m_table->GetColumnId(position));
        cells.emplace_back(left, rowRect.top(), width, rowRect.height());
        if (width > 0)
            lastWithWidth = position;
        left += width;
    }
    if (lastWithWidth >= 0)
        cells[static_cast<std::size_t>(lastWithWidth)].setRight(std::max(cells[lastWithWidth].right(), rowRect.right()));
    return cells;
}

void AlertsInfoGridHandlerBase::DrawText(QPainter& painter, const QRect& cell, const QString& text, int alignment) const
{
    const QRect inner = cell.adjusted(kCellMargin, 0, -kCellMargin, 0);
    if (inner.width() <= 0)
        return;
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, inner.width());
    const Qt::Alignment horizontal = alignment == 2 ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(inner, int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}

void AlertsInfoGridHandlerBase::DrawGridLines(QPainter& painter, const QRect& rowRect,
                                              const std::shared_ptr<StyleBase>& style) const
{
    bool vertical = true;
    bool horizontal = true;
    QPen pen(ThemeColor(kGridLineColor, QColor(0x80, 0x80, 0x80)));
    if (style)
    {
        vertical = style->GetValue(StyleTable::ParamVerticalGrid) != 0;
        horizontal = style->GetValue(StyleTable::ParamHorizontalGrid) != 0;
        const GdiObject gridPen = style->GetGdiObject(StyleTable::ParamGridPen);
        if (const LogPen* stylePen = gridPen.Pen())
            pen = stylePen->ToQPen().value_or(pen);
    }
    painter.setPen(pen);
    if (vertical)
    {
        for (const QRect& cell : CellRects(rowRect))
        {
            if (cell.width() > 0)
                painter.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
        }
    }
    if (horizontal)
        painter.drawLine(rowRect.left(), rowRect.bottom(), rowRect.right(), rowRect.bottom());
}

void AlertsInfoGridHandlerBase::DrawSelectionFrame(QPainter& painter, int row, const QRect& rowRect) const
{
    if (!m_active || row != m_selectedRow)
        return;
    painter.setPen(ThemeColor(kSelectionFrameColor, QColor(0x33, 0x66, 0xCC)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rowRect.adjusted(0, 0, -1, -1));
    painter.drawRect(rowRect.adjusted(1, 1, -2, -2));
}

int AlertsInfoGridHandlerBase::WidestText(const QStringList& texts, const QFont& font, int extra) const
{
    if (!m_table)
        return kNoTableWidth;
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest + 2 * kCellMargin + extra;
}
