#include "alerts/ui/GeneratedAlertsGridHandler.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/IAlertsInfoWindow.h"
#include "alerts/ui/AlertsCloudIcon.h"
#include "alerts/ui/IAlertsGridsOwner.h"
#include "platform/toolkit/ITableView.h"
#include "platform/ui/Images.h"

#include <QPainter>
#include <QStringList>

#include <chrono>

void GeneratedAlertsGridHandler::DrawCell(QPainter& painter, int row, const QRect& rect)
{
    if (Owner().GetActiveTabNumber() != IAlertsInfoWindow::kGeneratedAlertsTab)
        return;
    const std::shared_ptr<IGeneratedAlertListRow> alert = Owner().GetAlertModule().GetAlertsHistory().GetViewRow(row);
    if (!alert)
        return;
    const std::shared_ptr<StyleBase> style = TableDefaultStyle();
    const RowLook look = LookOfRow(style, row);
    const bool highlighted = !alert->IsHighlightOver(std::chrono::steady_clock::now());
    painter.setFont(highlighted ? Owner().GetHighlightFont() : Owner().GetNormalFont());
    painter.fillRect(rect, look.background);
    painter.setPen(look.text);
    const std::vector<QRect> cells = CellRects(rect);
    for (std::size_t position = 0; position < cells.size(); ++position)
    {
        const int column = GetTable()->GetColumnId(static_cast<int>(position));
        QRect cell = cells[position];
        if (cell.width() <= 0)
            continue;
        if (column == 0)
        {
            const int image = alert->IsCloudRow() ? CloudIconId(look.background)
                              : alert->GetAlertType() == 1 ? kBuyImage : kSellImage;
            const QRect place(cell.left() + kCellMargin, cell.center().y() - kSideImageSize / 2, kSideImageSize,
                              kSideImageSize);
            Images::Instance().Icon(image).paint(&painter, place);
            cell.setLeft(place.right() + 1);
            DrawText(painter, cell, alert->GetName(), 0);
        }
        else
        {
            DrawText(painter, cell, alert->GetColumnText(column), alert->GetColumnAlignment(column));
        }
    }
    DrawGridLines(painter, rect, style);
    DrawSelectionFrame(painter, row, rect);
}

int GeneratedAlertsGridHandler::CalcColumnWidth(int columnId)
{
    const BLAlertsHistory& history = Owner().GetAlertModule().GetAlertsHistory();
    QStringList texts;
    for (std::size_t index = 0; index < history.GetRowCount(); ++index)
    {
        if (const std::shared_ptr<IGeneratedAlertListRow> row = history.GetRow(index))
            texts << row->GetDisplayText(columnId);
    }
    return WidestText(texts, Owner().GetNormalFont(), columnId == 0 ? kSideImageSize : 0);
}

QString GeneratedAlertsGridHandler::GetCellText(int row, int columnId) const
{
    const std::shared_ptr<IGeneratedAlertListRow> alert = Owner().GetAlertModule().GetAlertsHistory().GetViewRow(row);
    return alert ? alert->GetColumnText(columnId) : QString();
}
