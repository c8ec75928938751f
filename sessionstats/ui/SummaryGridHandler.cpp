#include "sessionstats/ui/SummaryGridHandler.h"

#include "platform/toolkit/ITableView.h"
#include "platform/toolkit/TableCtrl.h"
#include "sessionstats/ui/IGridLineManager.h"
#include "sessionstats/ui/StatisticsDragData.h"
#include "sessionstats/ui/StatisticsTextStyle.h"
#include "sessionstats/ui/SummaryGridObject.h"

#include <QFontMetrics>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

namespace
{
constexpr int kHalfColumns = 3;

Qt::Alignment AlignmentOf(int alignment)
{
    switch (alignment)
    {
    case SummaryGridRowBase::kLeft: return Qt::AlignLeft;
    case SummaryGridRowBase::kCentre: return Qt::AlignHCenter;
    default: return Qt::AlignRight;
    }
}
}

void SummaryGridHandler::DrawCell(QPainter& painter, int row, const QRect& rect)
{
    if (!m_object || !m_view)
        return;
    SummaryGridRowBase* gridRow = m_object->RowOf(m_view->GetItemData(row));
    if (!gridRow)
        return;
    const int columns = std::min(m_view->GetColumnCount(), SummaryGridRowBase::kColumns);
    std::vector<int> edges;
    int x = rect.left();
    for (int column = 0; column < columns; ++column)
    {
        x += m_view->GetColumnWidth(m_view->GetColumnId(column));
        edges.push_back(x);
    }
    if (edges.empty())
        return;
    const int rowRight = rect.left() + rect.width();
    const int middle = std::min(edges[std::min(kHalfColumns, columns) - 1], rowRight);
    const QRect halves[2] = {QRect(rect.left(), rect.top(), middle - rect.left(), rect.height()),
                             QRect(middle, rect.top(), rowRight - middle, rect.height())};
    const auto* dataRow = dynamic_cast<const SummaryGridDataRow*>(gridRow);
    bool highlighted = false;
    for (int half = 0; half < 2; ++half)
    {
        const StyleBase* textStyle = m_object->GetTextStyle(half == 0 ? gridRow->LeftKind() : gridRow->RightKind()).get();
        const QColor background = StatisticsTextStyle::BkColor(textStyle);
        if (dataRow)
            highlighted |= PaintBackground(painter, halves[half], dataRow->SlotOf(half == 0 ? 0 : kHalfColumns),
                                           background, *m_object);
        else
            painter.fillRect(halves[half], background);
    }

    const IGridLineManager& lines = m_object->GetGridLineManager();
    painter.save();
    int left = rect.left();
    for (int column = 0; column < columns; ++column)
    {
        const StyleBase* textStyle = m_object->GetTextStyle(gridRow->KindOf(column)).get();
        painter.setFont(gridRow->IsHeader() ? StatisticsTextStyle::BoldHeaderFont() : StatisticsTextStyle::Font(textStyle));
        painter.setPen(StatisticsTextStyle::FontColor(textStyle));
        // The title of a header's half spans its first two columns.
        const bool spans = gridRow->IsHeader() && (column == 0 || column == kHalfColumns) && column + 1 < columns;
        const int lastOfCell = spans ? column + 1 : column;
        const int right = lastOfCell == columns - 1 ? rowRight : edges[lastOfCell];
        const QRect textRect = TextRect(QRect(left, rect.top(), right - left, rect.height()), lines.GetGridLineWidth());
        painter.drawText(textRect, AlignmentOf(gridRow->GetAlignment(column)) | Qt::AlignVCenter | Qt::TextSingleLine,
                         painter.fontMetrics().elidedText(gridRow->GetColumnText(column), Qt::ElideRight,
                                                          std::max(0, textRect.width())));
        left = right;
        column = lastOfCell;
    }
    painter.restore();
    edges.pop_back();
    DrawGridLines(painter, rect, edges, lines);
    if (highlighted)
        m_redrawRequired = true;
}

int SummaryGridHandler::GetRowHeight(int row)
{
    if (!m_object || !m_view)
        return kRowPadding;
    const SummaryGridRowBase* gridRow = m_object->RowOf(m_view->GetItemData(row));
    if (!gridRow)
        return kRowPadding;
    return gridRow->IsHeader() ? gridRow->GetHeight() : gridRow->GetHeight() + kRowPadding;
}

int SummaryGridHandler::CalcColumnWidth(int columnId)
{
    if (!m_object || !m_view)
        return 10;
    const int column = PositionOf(columnId);
    int widest = 0;
    for (int row = 0; row < m_object->RowCount(); ++row)
    {
        const SummaryGridRowBase& gridRow = m_object->Row(row);
        if (gridRow.IsHeader())
            continue;
        const QFontMetrics metrics(StatisticsTextStyle::Font(m_object->GetTextStyle(gridRow.KindOf(column)).get()));
        widest = std::max(widest, metrics.horizontalAdvance(gridRow.GetDisplayText(column)));
    }
    return widest + m_object->GetGridLineManager().GetGridLineWidth() + 8;
}

void SummaryGridHandler::OnViewChanged()
{
    if (m_object)
        m_object->Update();
}

std::unique_ptr<QMimeData> SummaryGridHandler::MakeDragData(int row) const
{
    if (!m_object || row < 0 || row >= m_object->RowCount())
        return nullptr;
    const auto* dataRow = dynamic_cast<const SummaryGridDataRow*>(&m_object->Row(row));
    if (!dataRow)
        return nullptr;
    const AssetStatisticsWrapper* left = dataRow->SlotOf(0);
    const AssetStatisticsWrapper* right = dataRow->SlotOf(kHalfColumns);
    if (!left || !right || !left->Instrument() || !right->Instrument())
        return nullptr;
    const AssetStatisticsWrapper* dragged = GetCursorColumn() < kHalfColumns ? left : right;
    return StatisticsDragData::Asset(dragged->AssetName());
}

void SummaryGridHandler::OnBeginDrag()
{
    std::unique_ptr<QMimeData> data = MakeDragData(GetSelectedRow());
    if (auto* table = dynamic_cast<TableCtrl*>(m_view); table && data)
        table->StartDrag(std::move(data));
}
