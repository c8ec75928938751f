#include "platform/toolkit/DockingSplitter.h"

#include "platform/toolkit/DockingPane.h"
#include "platform/toolkit/DockingPaneManager.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

DockingSplitter::DockingSplitter(Qt::Orientation orientation, DockingPaneManager& manager)
    : QSplitter(orientation), m_manager(manager)
{
    setChildrenCollapsible(false);
    setHandleWidth(manager.GetSplitterWidth());
    connect(this, &QSplitter::splitterMoved, this, [this] { m_manager.RememberSizes(*this); });
}

QSplitterHandle* DockingSplitter::createHandle()
{
    return new DockingSplitterHandle(orientation(), this);
}

DockingSplitterHandle::DockingSplitterHandle(Qt::Orientation orientation, DockingSplitter* parent)
    : QSplitterHandle(orientation, parent)
{
    setMouseTracking(true);
}

int DockingSplitterHandle::PaneAt(const QPoint& globalPos) const
{
    const DockingSplitter& splitter = Owner();
    int index = splitter.indexOf(const_cast<DockingSplitterHandle*>(this)) - 1;
    while (index >= 0 && splitter.widget(index)->isHidden())
        --index;
    if (index < 0)
        return -1;
    const std::vector<DockingPane*> panes = DockingPaneManager::PanesIn(splitter.widget(index));
    // Across the handle, the pane whose span holds the mouse; the last one when none does.
    for (DockingPane* pane : panes)
    {
        if (!pane->isVisible())
            continue;
        const QRect rect(pane->mapToGlobal(QPoint(0, 0)), pane->size());
        const bool inSpan = orientation() == Qt::Horizontal
                                ? globalPos.y() >= rect.top() && globalPos.y() <= rect.bottom()
                                : globalPos.x() >= rect.left() && globalPos.x() <= rect.right();
        if (inSpan)
            return pane->GetId();
    }
    return panes.empty() ? -1 : panes.back()->GetId();
}

void DockingSplitterHandle::paintEvent(QPaintEvent* event)
{
    const QColor color = Owner().Manager().GetSplitterColor();
    if (!color.isValid())
    {
        QSplitterHandle::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), color);
}

void DockingSplitterHandle::mousePressEvent(QMouseEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (event->button() != Qt::LeftButton || !CanDrag(global))
    {
        event->accept();
        return;
    }
    m_draggedPane = PaneAt(global);
    Owner().Manager().NotifySplitterDrag(m_draggedPane, true);
    QSplitterHandle::mousePressEvent(event);
}

void DockingSplitterHandle::mouseMoveEvent(QMouseEvent* event)
{
    if (m_draggedPane < 0 && !(event->buttons() & Qt::LeftButton))
        UpdateCursor(event->globalPosition().toPoint());
    if (m_draggedPane >= 0)
        QSplitterHandle::mouseMoveEvent(event);
}

void DockingSplitterHandle::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_draggedPane < 0)
        return;
    QSplitterHandle::mouseReleaseEvent(event);
    const int pane = m_draggedPane;
    m_draggedPane = -1;
    Owner().Manager().NotifySplitterDrag(pane, false);
}

bool DockingSplitterHandle::event(QEvent* event)
{
    if (event->type() == QEvent::Enter)
        UpdateCursor(static_cast<QEnterEvent*>(event)->globalPosition().toPoint());
    return QSplitterHandle::event(event);
}

DockingSplitter& DockingSplitterHandle::Owner() const
{
    return *static_cast<DockingSplitter*>(splitter());
}

bool DockingSplitterHandle::CanDrag(const QPoint& globalPos) const
{
    return Owner().Manager().CanDragSplitter(PaneAt(globalPos));
}

void DockingSplitterHandle::UpdateCursor(const QPoint& globalPos)
{
    if (CanDrag(globalPos))
        setCursor(orientation() == Qt::Horizontal ? Qt::SplitHCursor : Qt::SplitVCursor);
    else
        setCursor(Qt::ArrowCursor);
}
