#include "platform/toolkit/TableCtrl.h"

#include "platform/toolkit/ITableContextMenuHandler.h"
#include "platform/toolkit/ITableHandler.h"
#include "platform/toolkit/TableCtrlAccessible.h"
#include "platform/toolkit/TableHeaderModel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace
{
// The handlers speak in the virtual-key codes of the grids they were written for.
int VirtualKeyOf(int qtKey)
{
    switch (qtKey)
    {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default:
        break;
    }
    // Letters and digits share their codes.
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    return 0;
}

int WholeWidth(double width)
{
    return static_cast<int>(std::lround(width));
}
}

TableCtrl::TableCtrl(QWidget* parent) : QAbstractScrollArea(parent)
{
    TableCtrlAccessible::Install();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);

    m_headerModel = new TableHeaderModel(this);
    m_header = new QHeaderView(Qt::Horizontal, this);
    m_header->setModel(m_headerModel);
    m_header->setSectionsClickable(true);
    m_header->setHighlightSections(false);
    m_header->setStretchLastSection(false);
    m_header->setMinimumSectionSize(0);
    m_header->setDefaultAlignment(Qt::AlignCenter);
    connect(m_header, &QHeaderView::sectionResized, this, &TableCtrl::OnSectionResized);
    connect(m_header, &QHeaderView::sectionMoved, this, &TableCtrl::OnSectionMoved);
    connect(m_header, &QHeaderView::sectionClicked, this, &TableCtrl::HeaderItemClicked);
    connect(m_header, &QHeaderView::sectionHandleDoubleClicked, this, &TableCtrl::OnSectionHandleDoubleClicked);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { m_atBottom = value >= verticalScrollBar()->maximum(); });

    m_dragStarter = [](QWidget& source, std::unique_ptr<QMimeData> payload) {
        auto* drag = new QDrag(&source);
        drag->setMimeData(payload.release());
        drag->exec(Qt::CopyAction);
    };
    ApplyScrollBarPolicy();
    LayoutBody();
}

TableCtrl::~TableCtrl() = default;

void TableCtrl::SetTableHandler(ITableHandler* handler)
{
    m_handler = handler;
    m_hoverRow = -1;
    UpdateAllHeights();
}

void TableCtrl::InsertHeaderItem(int column, const QString& caption, double width)
{
    column = std::clamp(column, 0, GetColumnCount());
    Column entry;
    entry.width = std::abs(width);
    entry.visible = width > 0;
    m_columns.insert(m_columns.begin() + column, entry);
    {
        const QSignalBlocker blocker(m_header);
        m_applyingHeader = true;
        m_headerModel->InsertCaption(column, caption);
        m_applyingHeader = false;
    }
    ApplyColumnToHeader(column);
    ApplyResizeMode();
    ColumnsChanged();
}

void TableCtrl::DeleteHeaderItem(int column)
{
    if (!IsColumn(column))
        return;
    m_columns.erase(m_columns.begin() + column);
    m_headerModel->RemoveCaption(column);
    ColumnsChanged();
}

void TableCtrl::DeleteAllHeaderItems()
{
    m_columns.clear();
    m_headerModel->Clear();
    ColumnsChanged();
}

QString TableCtrl::GetHeaderItemCaption(int column) const
{
    return m_headerModel->Caption(column);
}

void TableCtrl::SetHeaderItemCaption(int column, const QString& caption)
{
    if (IsColumn(column))
        m_headerModel->SetCaption(column, caption);
}

bool TableCtrl::SetHeaderItemWidth(int column, double width)
{
    if (!IsColumn(column))
        return false;
    UpdateColumnWidths(column, width);
    return true;
}

void TableCtrl::UpdateColumnWidths(int column, double width)
{
    if (!IsColumn(column))
        return;
    m_columns[column].width = std::max<double>(std::abs(width), m_columns[column].minWidth);
    ApplyColumnToHeader(column);
    ColumnsChanged();
}

double TableCtrl::GetColumnRealWidth(int column) const
{
    return IsColumn(column) ? m_columns[column].width : 0.0;
}

void TableCtrl::SetColumnMinWidth(int column, int width)
{
    if (!IsColumn(column))
        return;
    m_columns[column].minWidth = std::max(0, width);
    if (m_columns[column].width < width)
        UpdateColumnWidths(column, width);
}

int TableCtrl::GetColumnMinWidth(int column) const
{
    return IsColumn(column) ? m_columns[column].minWidth : 0;
}

void TableCtrl::ShowColumn(int column, bool show)
{
    if (!IsColumn(column) || m_columns[column].visible == show)
        return;
    m_columns[column].visible = show;
    ApplyColumnToHeader(column);
    ColumnsChanged();
}

bool TableCtrl::IsColumnVisible(int column) const
{
    return IsColumn(column) && m_columns[column].visible;
}

void TableCtrl::UpdateOrderArray()
{
    const QSignalBlocker blocker(m_header);
    for (int column = 0; column < GetColumnCount(); ++column)
    {
        const int visual = m_header->visualIndex(column);
        if (visual != column)
            m_header->moveSection(visual, column);
    }
    ColumnsChanged();
}

void TableCtrl::MoveColumn(int fromDisplayPos, int toDisplayPos)
{
    if (!IsColumn(fromDisplayPos) || !IsColumn(toDisplayPos) || fromDisplayPos == toDisplayPos)
        return;
    const QSignalBlocker blocker(m_header);
    m_header->moveSection(fromDisplayPos, toDisplayPos);
    ColumnsChanged();
}

void TableCtrl::LockColumns(bool locked)
{
    m_columnsLocked = locked;
    ApplyResizeMode();
}

int TableCtrl::GetMinWidthVisibleColumns() const
{
    int width = 0;
    for (const Column& column : m_columns)
    {
        if (column.visible)
            width += m_columnsLocked ? WholeWidth(column.width) : column.minWidth;
    }
    return width;
}

void TableCtrl::UpdateMinWidth()
{
    const int scrollBar = m_scrollbarShown ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    setMinimumWidth(GetMinWidthVisibleColumns() + scrollBar + 2 * frameWidth());
}

int TableCtrl::GetTotalColumnsWidth() const
{
    int width = 0;
    for (const Column& column : m_columns)
    {
        if (column.visible)
            width += WholeWidth(column.width);
    }
    return width;
}

void TableCtrl::EnableMouseMovingColumns(bool enable)
{
    m_header->setSectionsMovable(enable);
}

void TableCtrl::ShowHeader(bool show)
{
    m_headerShown = show;
    m_header->setVisible(show);
    LayoutBody();
}

int TableCtrl::GetHeaderHeight() const
{
    return m_headerShown ? m_header->sizeHint().height() : 0;
}

void TableCtrl::BeginFill()
{
    ++m_fillDepth;
}

void TableCtrl::EndFill()
{
    if (m_fillDepth == 0 || --m_fillDepth > 0)
        return;
    UpdateAllHeights();
}

void TableCtrl::DeleteAllItems()
{
    m_rows.clear();
    m_hoverRow = -1;
    RebuildRowTops();
}

int TableCtrl::GetRowTop(int row) const
{
    if (row < 0 || row >= GetItemCount())
        return -1;
    return m_rowTops[row];
}

int TableCtrl::GetItemHeight(int row) const
{
    return row >= 0 && row < GetItemCount() ? m_rows[row].height : 0;
}

int TableCtrl::RowAt(const QPoint& bodyPoint) const
{
    const int y = bodyPoint.y() + verticalScrollBar()->value();
    if (y < 0 || y >= m_rowTops.back())
        return -1;
    // The last row whose top is at or above y; rows of height 0 are skipped over.
    const auto it = std::upper_bound(m_rowTops.begin(), m_rowTops.end(), y);
    return static_cast<int>(it - m_rowTops.begin()) - 1;
}

void TableCtrl::EnsureRowVisible(int row)
{
    if (row < 0 || row >= GetItemCount())
        return;
    QScrollBar* bar = verticalScrollBar();
    const int top = m_rowTops[row];
    const int bottom = m_rowTops[row + 1];
    if (top < bar->value())
        bar->setValue(top);
    else if (bottom > bar->value() + GetVisibleHeight())
        bar->setValue(bottom - GetVisibleHeight());
}

void TableCtrl::UpdateAllHeights()
{
    if (m_fillDepth > 0)
        return;
    for (int row = 0; row < GetItemCount(); ++row)
        m_rows[row].height = RowHeightOf(row);
    RebuildRowTops();
}

void TableCtrl::KeepVScrollToBottomSide(bool keep)
{
    m_keepBottom = keep;
    m_atBottom = true;
    UpdateScrollRanges();
}

void TableCtrl::SetVScrollAlwaysVisible(bool always)
{
    m_vScrollAlways = always;
    ApplyScrollBarPolicy();
}

void TableCtrl::ShowScrollbar(bool show)
{
    m_scrollbarShown = show;
    ApplyScrollBarPolicy();
}

void TableCtrl::ResetTrackingState()
{
    m_hoverRow = -1;
    m_pressed = false;
    m_dragging = false;
}

void TableCtrl::FirstShow()
{
    m_firstShown = true;
    if (m_handler)
        m_handler->OnFirstShow();
}

void TableCtrl::StartDrag(std::unique_ptr<QMimeData> payload)
{
    if (payload && m_dragStarter)
        m_dragStarter(*viewport(), std::move(payload));
}

int TableCtrl::GetColumnWidth(int columnId) const
{
    if (!IsColumn(columnId) || !m_columns[columnId].visible)
        return 0;
    return WholeWidth(m_columns[columnId].width);
}

int TableCtrl::GetColumnId(int displayPos) const
{
    return IsColumn(displayPos) ? m_header->logicalIndex(displayPos) : -1;
}

quintptr TableCtrl::GetItemData(int row) const
{
    return row >= 0 && row < GetItemCount() ? m_rows[row].data : 0;
}

int TableCtrl::AddItem(quintptr itemData)
{
    m_rows.push_back(Row{itemData, 0});
    const int row = GetItemCount() - 1;
    if (m_fillDepth > 0)
        return row;
    m_rows[row].height = RowHeightOf(row);
    m_rowTops.push_back(m_rowTops.back() + m_rows[row].height);
    UpdateScrollRanges();
    viewport()->update();
    return row;
}

int TableCtrl::GetFirstVisibleRow() const
{
    return std::max(0, RowAt(QPoint(0, 0)));
}

void TableCtrl::SetFirstVisibleRow(int row)
{
    if (row >= 0 && row < GetItemCount())
        verticalScrollBar()->setValue(m_rowTops[row]);
}

int TableCtrl::GetAllItemsHeight() const
{
    return m_rowTops.back();
}

int TableCtrl::GetVisibleHeight() const
{
    return viewport()->height();
}

void TableCtrl::Redraw()
{
    if (m_handler)
        m_handler->OnRedrawn();
    viewport()->update();
}

QWidget* TableCtrl::GetBodyWidget() const
{
    return viewport();
}

void TableCtrl::LayoutBody()
{
    const int headerHeight = GetHeaderHeight();
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect body = viewport()->geometry();
    m_header->setGeometry(body.left(), body.top() - headerHeight, body.width(), headerHeight);
    UpdateScrollRanges();
}

void TableCtrl::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int scrollY = verticalScrollBar()->value();
    // Rows paint their whole width; only the body below them is filled here.
    const int rowsBottom = m_handler ? GetAllItemsHeight() - scrollY : 0;
    if (rowsBottom <= area.bottom())
        painter.fillRect(area.intersected(QRect(area.left(), rowsBottom, area.width(), area.bottom() - rowsBottom + 1)),
                         palette().base());
    if (!m_handler || m_rows.empty())
        return;
    const int scrollX = horizontalScrollBar()->value();
    const int rowWidth = std::max(viewport()->width() + scrollX, GetTotalColumnsWidth());
    int row = std::max(0, RowAt(QPoint(0, area.top())));
    for (; row < GetItemCount(); ++row)
    {
        const int top = m_rowTops[row] - scrollY;
        if (top > area.bottom())
            break;
        if (m_rows[row].height <= 0)
            continue;
        painter.save();
        m_handler->DrawCell(painter, row, QRect(-scrollX, top, rowWidth, m_rows[row].height));
        painter.restore();
    }
    m_handler->OnAfterPaint(painter, area);
}

void TableCtrl::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    LayoutBody();
    if (m_handler)
        m_handler->OnViewChanged();
}

void TableCtrl::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (!m_firstShown)
        FirstShow();
}

void TableCtrl::scrollContentsBy(int dx, int dy)
{
    m_header->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

void TableCtrl::keyPressEvent(QKeyEvent* event)
{
    const int key = VirtualKeyOf(event->key());
    if (!m_handler || key == 0)
    {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int row = m_handler->OnKeyDownEx(key, event->modifiers());
    EnsureRowVisible(row);
    viewport()->update();
    TableCtrlAccessible::NotifyCurrentRow(*this, row);
    event->accept();
}

void TableCtrl::mousePressEvent(QMouseEvent* event)
{
    if (!m_handler)
        return;
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const int row = RowAt(point);
    m_pressed = true;
    m_dragging = false;
    m_pressPoint = point;
    m_handler->OnRowClick(row, ToRowPoint(point), event->modifiers());
    viewport()->update();
    TableCtrlAccessible::NotifyCurrentRow(*this, m_handler->GetActiveRow());
}

void TableCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_handler)
        return;
    const QPoint point = event->position().toPoint();
    m_handler->OnSetCursor(*viewport());
    if (m_pressed && !m_dragging && (event->buttons() & Qt::LeftButton)
        && (point - m_pressPoint).manhattanLength() >= QApplication::startDragDistance())
    {
        m_dragging = true;
        m_handler->OnBeginDrag();
        return;
    }
    SetHoverRow(RowAt(point), point);
}

void TableCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = false;
    m_dragging = false;
}

void TableCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_handler || event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    m_handler->OnRowDoubleClick(RowAt(point), ToRowPoint(point));
    viewport()->update();
}

void TableCtrl::leaveEvent(QEvent* event)
{
    QAbstractScrollArea::leaveEvent(event);
    SetHoverRow(-1, {});
}

void TableCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_contextMenuHandler)
        return;
    const bool byMouse = event->reason() == QContextMenuEvent::Mouse;
    const int row = byMouse ? RowAt(event->pos()) : (m_handler ? m_handler->GetSelectedRow() : -1);
    QPoint globalPos = event->globalPos();
    if (!byMouse && row >= 0)
        globalPos = viewport()->mapToGlobal(QPoint(0, m_rowTops[row] - verticalScrollBar()->value()));
    m_contextMenuHandler->OnTableContextMenu(*this, row, globalPos);
    event->accept();
}

bool TableCtrl::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        SetHoverRow(-1, {});
    return QAbstractScrollArea::viewportEvent(event);
}

int TableCtrl::RowHeightOf(int row) const
{
    return m_handler ? std::max(0, m_handler->GetRowHeight(row)) : kDefaultRowHeight;
}

void TableCtrl::RebuildRowTops()
{
    m_rowTops.assign(m_rows.size() + 1, 0);
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        m_rowTops[row + 1] = m_rowTops[row] + m_rows[row].height;
    UpdateScrollRanges();
    viewport()->update();
}

void TableCtrl::UpdateScrollRanges()
{
    QScrollBar* vertical = verticalScrollBar();
    const bool stickToBottom = m_keepBottom && m_atBottom;
    vertical->setRange(0, std::max(0, GetAllItemsHeight() - GetVisibleHeight()));
    vertical->setPageStep(std::max(1, GetVisibleHeight()));
    vertical->setSingleStep(kDefaultRowHeight);
    if (stickToBottom)
        vertical->setValue(vertical->maximum());
    m_atBottom = vertical->value() >= vertical->maximum();

    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, GetTotalColumnsWidth() - viewport()->width()));
    horizontal->setPageStep(std::max(1, viewport()->width()));
    horizontal->setSingleStep(20);
    m_header->setOffset(horizontal->value());
}

void TableCtrl::ApplyColumnToHeader(int column)
{
    const QSignalBlocker blocker(m_header);
    m_header->resizeSection(column, WholeWidth(m_columns[column].width));
    m_header->setSectionHidden(column, !m_columns[column].visible);
}

void TableCtrl::ApplyResizeMode()
{
    m_header->setSectionResizeMode(m_columnsLocked ? QHeaderView::Fixed : QHeaderView::Interactive);
}

void TableCtrl::ApplyScrollBarPolicy()
{
    Qt::ScrollBarPolicy policy = Qt::ScrollBarAsNeeded;
    if (!m_scrollbarShown)
        policy = Qt::ScrollBarAlwaysOff;
    else if (m_vScrollAlways)
        policy = Qt::ScrollBarAlwaysOn;
    setVerticalScrollBarPolicy(policy);
}

void TableCtrl::ColumnsChanged()
{
    UpdateScrollRanges();
    if (m_handler)
        m_handler->OnViewChanged();
    viewport()->update();
}

QPoint TableCtrl::ToRowPoint(const QPoint& bodyPoint) const
{
    return {bodyPoint.x() + horizontalScrollBar()->value(), bodyPoint.y() + verticalScrollBar()->value()};
}

void TableCtrl::OnSectionResized(int column, int oldWidth, int newWidth)
{
    if (!IsColumn(column) || m_applyingHeader || m_header->isSectionHidden(column))
        return;
    if (newWidth < m_columns[column].minWidth)
    {
        // Not narrower than the column allows: the header goes back to the minimum.
        newWidth = m_columns[column].minWidth;
        const QSignalBlocker blocker(m_header);
        m_header->resizeSection(column, newWidth);
    }
    if (WholeWidth(m_columns[column].width) == newWidth)
        return;
    m_columns[column].width = newWidth;
    ColumnsChanged();
    emit ColumnResized(column, newWidth);
}

void TableCtrl::OnSectionMoved(int column, int fromVisual, int toVisual)
{
    ColumnsChanged();
    emit ColumnMoved(fromVisual, toVisual);
}

void TableCtrl::OnSectionHandleDoubleClicked(int column)
{
    if (!m_handler || m_columnsLocked || !IsColumn(column))
        return;
    const int width = m_handler->CalcColumnWidth(column);
    if (width <= 0)
        return;
    UpdateColumnWidths(column, width);
    emit ColumnResized(column, GetColumnWidth(column));
}

void TableCtrl::SetHoverRow(int row, const QPoint& bodyPoint)
{
    if (!m_handler)
        return;
    if (row < 0)
    {
        if (m_hoverRow >= 0)
            m_handler->OnMouseLeaveRows();
        m_hoverRow = -1;
        return;
    }
    m_hoverRow = row;
    m_handler->OnMouseOverRow(row, ToRowPoint(bodyPoint));
}
