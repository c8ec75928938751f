#include "orderssheet/ui/TableHandlerRowCurrValue.h"

#include "orderssheet/settings/OrdersSheetSettings.h"
#include "platform/toolkit/ITableView.h"

#include <QPainter>

void TableHandlerRowCurrValue::DrawCell(QPainter& painter, int row, const QRect& rect)
{
    if (!m_table || !m_dataSet || m_table->GetItemCount() == 0 || !Settings().rowCurrValueVisible)
        return;
    if (row > 0)
    {
        painter.fillRect(rect, ThemeColour());
        return;
    }
    BeginPass();
    PaintRow(painter, row, -1, rect, true);
}
