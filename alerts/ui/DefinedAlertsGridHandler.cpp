#include "alerts/ui/DefinedAlertsGridHandler.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/ui/AlertsCloudIcon.h"
#include "alerts/ui/IAlertsGridsOwner.h"
#include "platform/base/Log.h"
#include "platform/toolkit/ITableView.h"
#include "platform/ui/Images.h"

#include <QPainter>
#include <QStringList>

QColor DefinedAlertsGridHandler::TextColorOf(bool active, bool listed, const QColor& styleColor)
{
    return active && listed ? styleColor : ThemeColor(kInactiveTextColor, QColor(0x80, 0x80, 0x80));
}

void DefinedAlertsGridHandler::DrawCell(QPainter& painter, int row, const QRect& rect)
{
    const std::optional<BLAlertsListGrid::RowInfo> alert = Owner().GetAlertModule().GetAlertsListGrid().GetRowInfo(row);
    if (!alert)
        return;
    const std::shared_ptr<StyleBase> style = TableDefaultStyle();
    const RowLook look = LookOfRow(style, row);
    painter.setFont(Owner().GetNormalFont());
    painter.fillRect(rect, look.background);
    painter.setPen(TextColorOf(alert->active, alert->listed, look.text));
    const std::vector<QRect> cells = CellRects(rect);
    for (std::size_t position = 0; position < cells.size(); ++position)
    {
        const int column = GetTable()->GetColumnId(static_cast<int>(position));
        QRect cell = cells[position];
        if (cell.width() <= 0)
            continue;
        if (column == 0 && alert->kind == IAlertListRow::kCloudRow)
        {
            const QRect icon(cell.right() - kCloudIconOffset, cell.center().y() - kCloudIconSize / 2, kCloudIconSize,
                             kCloudIconSize);
            Images::Instance().Icon(CloudIconId(look.background)).paint(&painter, icon);
            cell.setRight(cell.right() - kCloudColumnNarrowing);
        }
        DrawText(painter, cell, column == 0 ? alert->name : alert->instrument, 0);
    }
    DrawGridLines(painter, rect, style);
    DrawSelectionFrame(painter, row, rect);
}

int DefinedAlertsGridHandler::CalcColumnWidth(int columnId)
{
    const BLAlertsListGrid& list = Owner().GetAlertModule().GetAlertsListGrid();
    QStringList texts;
    for (int row = 0; row < static_cast<int>(list.GetRowCount()); ++row)
    {
        if (const std::optional<BLAlertsListGrid::RowInfo> info = list.GetRowInfo(row))
            texts << (columnId == 0 ? info->name : info->instrument);
    }
    return WidestText(texts, Owner().GetNormalFont(), 0);
}

int DefinedAlertsGridHandler::OnKeyDown(int key)
{
    if (key != kKeyDelete)
        return AlertsInfoGridHandlerBase::OnKeyDown(key);
    Owner().GetAlertModule().DeleteSelectedAlert();
    RequestRedraw();
    return GetSelectedRow();
}

void DefinedAlertsGridHandler::OnRowClick(int row, const QPoint& point, Qt::KeyboardModifiers flags)
{
    AlertsInfoGridHandlerBase::OnRowClick(row, point, flags);
    UpdateContextCaption();
}

void DefinedAlertsGridHandler::OnRowDoubleClick(int row, const QPoint&)
{
    if (row >= 0 && Owner().GetAlertModule().IsSelectedAlertEditable() && !Owner().GetAlertModule().EditSelectedAlert())
        Log::WriteWarning(QStringLiteral("Nie otwarto definicji alertu: moduł alertów nie ma okna definicji alertu."),
                          QStringLiteral("Quorvanta 4"), QStringLiteral("DefinedAlertsGridHandler::OnRowDoubleClick"),
                          __LINE__);
}

QString DefinedAlertsGridHandler::GetCellText(int row, int columnId) const
{
    const std::optional<BLAlertsListGrid::RowInfo> alert = Owner().GetAlertModule().GetAlertsListGrid().GetRowInfo(row);
    if (!alert)
        return {};
    return columnId == 0 ? alert->name : alert->instrument;
}

bool DefinedAlertsGridHandler::SelectRowByName(const QString& name, int kind)
{
    const int row = Owner().GetAlertModule().GetAlertsListGrid().GetRowIdxForAlert(name, kind);
    if (row < 0)
        return false;
    SetSelectedRow(row, false);
    RequestRedraw();
    UpdateContextCaption();
    return true;
}

QString DefinedAlertsGridHandler::GetSelectedRowName() const
{
    const std::optional<BLAlertsListGrid::RowInfo> alert =
        Owner().GetAlertModule().GetAlertsListGrid().GetRowInfo(GetSelectedRow());
    return alert ? alert->name : QString();
}
