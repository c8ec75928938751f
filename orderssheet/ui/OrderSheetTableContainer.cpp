#include "orderssheet/ui/OrderSheetTableContainer.h"

#include "core/engine/InvalidArgException.h"
#include "orderssheet/engine/TableDataSetOrdersSheet.h"
#include "orderssheet/settings/OrdersSheetSettings.h"
#include "orderssheet/ui/OrdersSheetTableCtrl.h"
#include "orderssheet/ui/TableHandlerCommon.h"
#include "platform/modules/DDBaseDataObjectMime.h"

OrderSheetTableContainer::OrderSheetTableContainer(const OrdersSheetSettings& settings, int priceLevelId, QWidget* parent)
    : OrderSheetTableContainer(settings, nullptr, parent)
{
    m_handler = std::make_unique<TableHandlerCommon>(*this, priceLevelId);
    m_table->SetTableHandler(m_handler.get());
    m_handler->SetTable(m_table);
    m_table->ShowHeader(false);
}

OrderSheetTableContainer::OrderSheetTableContainer(const OrdersSheetSettings& settings,
                                                   std::unique_ptr<TableHandlerCommon> handler, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_handler(std::move(handler))
    , m_dragStarter(DDBaseDataObjectMime::RunDrag)
{
    m_table = new OrdersSheetTableCtrl(this);
    m_table->setObjectName(QStringLiteral("10000002"));
    connect(m_table, &TableCtrl::ColumnMoved, this, &OrderSheetTableContainer::ColumnMovedByUser);
    connect(m_table, &TableCtrl::ColumnResized, this, &OrderSheetTableContainer::ColumnResizedByUser);
}

OrderSheetTableContainer::~OrderSheetTableContainer()
{
    // The grid asks its handler while it goes.
    delete m_table;
}

void OrderSheetTableContainer::RequireDataSet(const char* where) const
{
    if (!m_dataSet)
        throw InvalidArgException(QStringLiteral("%1: brak danych arkusza").arg(QString::fromLatin1(where)));
}

void OrderSheetTableContainer::SetDataSet(TableDataSetOrdersSheet* dataSet)
{
    m_dataSet = dataSet;
    m_handler->SetDataSet(dataSet);
    m_table->KeepVScrollToBottomSide(dataSet && dataSet->GetSide() == 0);
}

void OrderSheetTableContainer::ReloadRows()
{
    RequireDataSet("OrderSheetTableContainer::ReloadRows");
    const int rows = m_dataSet->GetRowCount(m_settings.GetTableSettings().GetMode());
    const int wanted = rows + (m_dataSet->GetSide() == 0 ? 1 : 0);
    if (m_table->GetItemCount() != wanted)
    {
        setUpdatesEnabled(false);
        m_table->SetRows(m_dataSet->GetSide(), rows);
        setUpdatesEnabled(true);
    }
    m_handler->RefindCursorRow();
    m_table->Redraw();
}

int OrderSheetTableContainer::SetupColumns()
{
    const int width = m_table->SetColumns(m_settings);
    m_handler->InvalidateRowHeight();
    m_table->UpdateAllHeights();
    return width + (m_table->IsScrollbarShown() ? m_table->ScrollBarWidth() : 0);
}

void OrderSheetTableContainer::Redraw(bool onlyIfRequired)
{
    if (!onlyIfRequired || m_handler->IsRedrawRequired())
        m_table->Redraw();
}

bool OrderSheetTableContainer::SetCursorCell(int column, int row)
{
    RequireDataSet("OrderSheetTableContainer::SetCursorCell");
    const int rows = m_dataSet->GetRowCount(m_settings.GetTableSettings().GetMode());
    if (row < 0 || row >= rows || column < 0 || column >= m_table->GetColumnCount())
        return false;
    m_handler->SetCursorCell(column, row);
    return true;
}

void OrderSheetTableContainer::ClearCursor()
{
    m_handler->SetCursorCell(-1, -1);
    m_handler->SetActive(false);
    m_table->Redraw();
}

void OrderSheetTableContainer::OnHover(int, const QPoint&)
{
    // One row at a time shows its full volumes across both tables.
    if (m_partner && m_partner->GetHandler().GetHoverRow() != -1)
    {
        m_partner->GetHandler().SetHoverRow(-1);
        m_partner->Redraw(false);
    }
}

void OrderSheetTableContainer::OnTableActivated(TableHandlerCommon&)
{
    if (m_partner)
        m_partner->ClearCursor();
}

void OrderSheetTableContainer::StartDrag(const DDBaseDataObject& object)
{
    if (m_dragStarter)
        m_dragStarter(*m_table->viewport(), object);
}

std::shared_ptr<const StyleBase> OrderSheetTableContainer::GetStyleEditSource() const
{
    return m_settings.IsStyleEditing() || m_settings.GetShownStyle() ? m_settings.GetStyle() : nullptr;
}

void OrderSheetTableContainer::SetContextMenu(ITableContextMenuHandler* menu)
{
    m_table->SetContextMenuHandler(menu);
}

void OrderSheetTableContainer::ShowScrollbar(bool show)
{
    m_table->ShowScrollbar(show);
}

void OrderSheetTableContainer::ApplyColumnWidth(int column, int width)
{
    m_table->UpdateColumnWidths(column, width);
}

void OrderSheetTableContainer::resizeEvent(QResizeEvent*)
{
    LayoutTables();
}

void OrderSheetTableContainer::LayoutTables()
{
    m_table->setGeometry(rect());
}
