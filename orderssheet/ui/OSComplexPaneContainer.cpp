#include "orderssheet/ui/OSComplexPaneContainer.h"

#include "orderssheet/engine/TableDataSetOrdersSheet.h"
#include "orderssheet/settings/OrdersSheetSettings.h"
#include "orderssheet/ui/OrdersSheetTableCtrl.h"
#include "orderssheet/ui/TableHandlerRowCurrValue.h"

#include <QPainter>
#include <QScrollBar>

namespace
{
const QColor kCornerColour(0xEB, 0xEB, 0xEB);
}

OSComplexPaneContainer::OSComplexPaneContainer(const OrdersSheetSettings& settings, int priceLevelId, QWidget* parent)
    : OrderSheetTableContainer(settings, priceLevelId, parent)
    , m_rowHandler(std::make_unique<TableHandlerRowCurrValue>(*this, priceLevelId))
{
    m_table->setObjectName(QStringLiteral("10000001"));
    m_table->ShowHeader(true);
    m_rowTable = new OrdersSheetTableCtrl(this);
    m_rowTable->setObjectName(QStringLiteral("10000003"));
    m_rowTable->ShowHeader(false);
    m_rowTable->ShowScrollbar(false);
    // A scroll bar would cover the one row: it scrolls with the main table instead.
    m_rowTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_table->horizontalScrollBar(), &QScrollBar::valueChanged, m_rowTable->horizontalScrollBar(),
            &QScrollBar::setValue);
    m_rowTable->EnableMouseMovingColumns(false);
    m_rowTable->SetTableHandler(m_rowHandler.get());
    m_rowHandler->SetTable(m_rowTable);
}

OSComplexPaneContainer::~OSComplexPaneContainer()
{
    delete m_rowTable;
}

void OSComplexPaneContainer::SetDataSet(TableDataSetOrdersSheet* dataSet)
{
    OrderSheetTableContainer::SetDataSet(dataSet);
    m_rowHandler->SetDataSet(dataSet);
    m_firstShowPending = true;
}

void OSComplexPaneContainer::ReloadRows()
{
    OrderSheetTableContainer::ReloadRows();
    if (m_rowTable->GetItemCount() != 1)
        m_rowTable->SetRows(1, 1);
    m_rowTable->Redraw();
    if (m_firstShowPending)
    {
        m_firstShowPending = false;
        m_handler->AdjustScroll();
    }
}

int OSComplexPaneContainer::SetupColumns()
{
    const int width = OrderSheetTableContainer::SetupColumns();
    m_rowTable->SetColumns(m_settings);
    m_rowHandler->InvalidateRowHeight();
    m_rowTable->UpdateAllHeights();
    LayoutTables();
    return width;
}

void OSComplexPaneContainer::Redraw(bool onlyIfRequired)
{
    OrderSheetTableContainer::Redraw(onlyIfRequired);
    if (!onlyIfRequired || m_rowHandler->IsRedrawRequired())
        m_rowTable->Redraw();
}

bool OSComplexPaneContainer::IsBottomBandShown() const
{
    return m_settings.rowCurrValueVisible;
}

void OSComplexPaneContainer::SetContextMenu(ITableContextMenuHandler* menu)
{
    OrderSheetTableContainer::SetContextMenu(menu);
    m_rowTable->SetContextMenuHandler(menu);
}

void OSComplexPaneContainer::ApplyColumnWidth(int column, int width)
{
    OrderSheetTableContainer::ApplyColumnWidth(column, width);
    m_rowTable->UpdateColumnWidths(column, width);
}

int OSComplexPaneContainer::ShownRowHeight() const
{
    return m_settings.rowCurrValueVisible ? std::max(kInitialRowHeight, m_rowHandler->GetRowHeight(0)) : 0;
}

int OSComplexPaneContainer::FixedHeight() const
{
    return m_table->GetHeaderHeight() + ShownRowHeight();
}

QRect OSComplexPaneContainer::MainTableRect(const QSize& pane, int rowHeight)
{
    return QRect(0, 0, pane.width(), std::max(0, pane.height() - rowHeight));
}

QRect OSComplexPaneContainer::RowTableRect(const QSize& pane, int rowHeight, int scrollBarWidth)
{
    if (rowHeight <= 0)
        return {};
    return QRect(0, pane.height() - rowHeight, std::max(0, pane.width() - scrollBarWidth), rowHeight);
}

void OSComplexPaneContainer::LayoutTables()
{
    const int rowHeight = ShownRowHeight();
    m_table->setGeometry(MainTableRect(size(), rowHeight));
    const QRect row = RowTableRect(size(), rowHeight, m_table->IsScrollbarShown() ? m_table->ScrollBarWidth() : 0);
    m_rowTable->setVisible(!row.isEmpty());
    if (!row.isEmpty())
        m_rowTable->setGeometry(row);
    update();
}

void OSComplexPaneContainer::paintEvent(QPaintEvent*)
{
    const int rowHeight = ShownRowHeight();
    if (rowHeight <= 0 || !m_table->IsScrollbarShown())
        return;
    QPainter painter(this);
    const int bar = m_table->ScrollBarWidth();
    painter.fillRect(QRect(width() - bar, height() - rowHeight, bar, rowHeight), kCornerColour);
}
