#include "alerts/ui/AlertsGridView.h"

#include "alerts/ui/AlertsInfoGridHandlerBase.h"
#include "platform/toolkit/TableCtrl.h"

AlertsGridView::AlertsGridView(TableCtrl& table, AlertsInfoGridHandlerBase& handler, std::function<bool()> isShown)
    : m_table(table)
    , m_handler(handler)
    , m_isShown(std::move(isShown))
{
}

void AlertsGridView::AddColumn(const QString& caption, int)
{
    m_table.InsertHeaderItem(m_table.GetHeaderItemCount(), caption, kDefaultColumnWidth);
}

void AlertsGridView::AppendRow()
{
    m_table.AddItem(0);
    m_handler.RequestRedraw();
}

void AlertsGridView::InsertRow(int)
{
    // Rows carry nothing of their own: the handler paints them from the model by index.
    m_table.AddItem(0);
    m_handler.RequestRedraw();
}

void AlertsGridView::RemoveRow(int index)
{
    const int count = m_table.GetItemCount();
    if (index < 0 || index >= count)
        return;
    SetRowCount(count - 1);
    const int selected = m_handler.GetSelectedRow();
    if (selected > index || selected >= count - 1)
        m_handler.SetSelectedRow(selected - 1, false);
}

void AlertsGridView::RemoveAllRows()
{
    SetRowCount(0);
    m_handler.SetSelectedRow(-1, false);
}

int AlertsGridView::GetSelectedRow() const
{
    return m_handler.GetSelectedRow();
}

void AlertsGridView::SelectRow(int index)
{
    m_handler.SetSelectedRow(index, false);
    m_handler.RequestRedraw();
}

bool AlertsGridView::IsHandlerActive() const
{
    return m_isShown();
}

void AlertsGridView::SetRowCount(int count)
{
    m_table.BeginFill();
    m_table.DeleteAllItems();
    for (int row = 0; row < count; ++row)
        m_table.AddItem(0);
    m_table.EndFill();
    m_handler.RequestRedraw();
}
