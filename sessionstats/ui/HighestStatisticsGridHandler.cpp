#include "sessionstats/ui/HighestStatisticsGridHandler.h"

#include "platform/toolkit/ITableView.h"
#include "platform/toolkit/TableCtrl.h"
#include "sessionstats/ui/HighestGridObject.h"
#include "sessionstats/ui/IGridLineManager.h"
#include "sessionstats/ui/StatisticsDragData.h"
#include "sessionstats/ui/StatisticsTextStyle.h"

#include <QFontMetrics>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

void HighestStatisticsGridHandler::DrawCell(QPainter& painter, int row, const QRect& rect)
{
    if (!m_object || !m_view)
        return;
    const HighestGridRow* gridRow = m_object->RowOf(m_view->GetItemData(row));
    if (!gridRow)
        return;
    const StyleBase* textStyle = m_object->GetTextStyle().get();
    const bool highlighted =
        PaintBackground(painter, rect, gridRow->slot, StatisticsTextStyle::BkColor(textStyle), *m_object);

    int lastVisible = -1;
    for (int column = 0; column < m_view->GetColumnCount(); ++column)
    {
        if (m_view->GetColumnWidth(m_view->GetColumnId(column)) > 0)
            lastVisible = column;
    }
    const IGridLineManager& lines = m_object->GetGridLineManager();
    painter.save();
    painter.setFont(StatisticsTextStyle::Font(textStyle));
    painter.setPen(StatisticsTextStyle::FontColor(textStyle));
    std::vector<int> rightEdges;
    int left = rect.left();
    for (int position = 0; position <= lastVisible; ++position)
    {
        const int column = m_view->GetColumnId(position);
        const int width = m_view->GetColumnWidth(column);
        if (width <= 0)
            continue;
        const int right = position == lastVisible ? rect.left() + rect.width() : left + width;
        const QRect cell(left, rect.top(), right - left, rect.height());
        const QRect textRect = TextRect(cell, lines.GetGridLineWidth());
        const QString text = column >= 0 && column < AssetStatisticsWrapper::kColumns ? gridRow->texts[column] : QString();
        const Qt::Alignment alignment = (column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        painter.drawText(textRect, alignment | Qt::TextSingleLine,
                         painter.fontMetrics().elidedText(text, Qt::ElideRight, std::max(0, textRect.width())));
        if (position != lastVisible)
            rightEdges.push_back(right);
        left = right;
    }
    painter.restore();
    DrawGridLines(painter, rect, rightEdges, lines);
    if (highlighted)
        m_redrawRequired = true;
}

int HighestStatisticsGridHandler::GetRowHeight(int)
{
    if (!m_object || !m_view)
        return kRowPadding;
    return StatisticsTextStyle::TextHeight(m_object->GetTextStyle().get()) + kRowPadding;
}

int HighestStatisticsGridHandler::CalcColumnWidth(int columnId)
{
    if (!m_object || !m_view)
        return 10;
    const int column = PositionOf(columnId);
    const QFontMetrics metrics(StatisticsTextStyle::Font(m_object->GetTextStyle().get()));
    int widest = 0;
    for (int row = 0; row < m_object->RowCount(); ++row)
    {
        const HighestGridRow& gridRow = m_object->Row(row);
        if (column < AssetStatisticsWrapper::kColumns)
            widest = std::max(widest, metrics.horizontalAdvance(gridRow.texts[column]));
    }
    return widest + m_object->GetGridLineManager().GetGridLineWidth() + 8;
}

void HighestStatisticsGridHandler::OnViewChanged()
{
    if (m_object && m_view)
        m_object->RefreshTexts();
}

int HighestStatisticsGridHandler::GetFilledRowCount() const
{
    if (!m_object)
        return -1;
    int filled = 0;
    for (int row = 0; row < m_object->RowCount(); ++row)
    {
        const HighestGridRow& gridRow = m_object->Row(row);
        if (gridRow.slot && gridRow.slot->Instrument())
            filled = row + 1;
    }
    return filled;
}

std::shared_ptr<const AssetStatistics> HighestStatisticsGridHandler::GetRowAsset(int row) const
{
    if (!m_object || row < 0 || row >= m_object->RowCount() || !m_object->Row(row).slot)
        return nullptr;
    return m_object->Row(row).slot->Instrument();
}

std::unique_ptr<QMimeData> HighestStatisticsGridHandler::MakeDragData(int row) const
{
    const std::shared_ptr<const AssetStatistics> asset = GetRowAsset(row);
    return asset ? StatisticsDragData::Asset(asset->AssetName()) : nullptr;
}

void HighestStatisticsGridHandler::OnBeginDrag()
{
    std::unique_ptr<QMimeData> data = MakeDragData(GetSelectedRow());
    if (auto* table = dynamic_cast<TableCtrl*>(m_view); table && data)
        table->StartDrag(std::move(data));
}
