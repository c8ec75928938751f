#include "workspace/ui/ModuleWindowFrame.h"

#include "core/mediator/IStyleEditModeHandler.h"
#include "platform/modules/ModuleWndBase.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/PulpitFrame.h"

#include <QMouseEvent>
#include <QPainter>

namespace
{
constexpr int kBorder = 4;
constexpr int kCloseSize = 16;
// Corners grab both of their edges over this length, so they are easy to hit.
constexpr int kCornerGrip = 12;
}

ModuleWindowFrame::ModuleWindowFrame(ModuleWndBase& window, PanelView& view)
    : QWidget(&view)
    , m_window(&window)
    , m_view(view)
    , m_placement(Placement(view))
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    Sync();
}

ModuleWindowPlacement ModuleWindowFrame::Placement(const QWidget& view)
{
    return ModuleWindowPlacement({view.fontMetrics().height() + 8, kBorder});
}

bool ModuleWindowFrame::IsActive() const
{
    PulpitFrame* frame = m_view.GetMainFrame();
    return frame && m_window && frame->GetActiveModuleWnd() == m_window;
}

bool ModuleWindowFrame::ShouldShow() const
{
    if (!m_window || m_window->isHidden() || (m_window->windowState() & Qt::WindowMaximized))
        return false;
    const PulpitFrame* frame = m_view.GetMainFrame();
    const IStyleEditModeHandler* handler = frame ? frame->GetStyleEditModeHandler() : nullptr;
    return !(handler && handler->IsInEditMode());
}

void ModuleWindowFrame::Sync()
{
    if (!m_window || m_window->parentWidget() != &m_view)
    {
        hide();
        return;
    }
    const QRect outer = m_placement.OuterOf(m_window->geometry());
    if (geometry() != outer)
        setGeometry(outer);
    if (ShouldShow())
    {
        stackUnder(m_window);
        show();
    }
    else
    {
        hide();
    }
    update();
}

QRect ModuleWindowFrame::CloseButtonRect() const
{
    const int caption = m_placement.GetMargins().caption;
    const int top = kBorder + (caption - kCloseSize) / 2;
    return {width() - kBorder - kCloseSize - 2, top, kCloseSize, kCloseSize};
}

int ModuleWindowFrame::EdgesAt(const QPoint& point) const
{
    const QRect inner = rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
    int edges = 0;
    if (point.x() < inner.left() || (point.x() < kCornerGrip && (point.y() < kBorder || point.y() > inner.bottom())))
        edges |= Left;
    if (point.x() > inner.right() ||
        (point.x() > width() - kCornerGrip && (point.y() < kBorder || point.y() > inner.bottom())))
        edges |= Right;
    if (point.y() < inner.top() || (point.y() < kCornerGrip && (edges & (Left | Right))))
        edges |= Top;
    if (point.y() > inner.bottom() || (point.y() > height() - kCornerGrip && (edges & (Left | Right))))
        edges |= Bottom;
    return edges;
}

void ModuleWindowFrame::UpdateCursor(int edges)
{
    if ((edges & (Left | Top)) == (Left | Top) || (edges & (Right | Bottom)) == (Right | Bottom))
        setCursor(Qt::SizeFDiagCursor);
    else if ((edges & (Right | Top)) == (Right | Top) || (edges & (Left | Bottom)) == (Left | Bottom))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Left | Right))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Top | Bottom))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void ModuleWindowFrame::paintEvent(QPaintEvent*)
{
    if (!m_window)
        return;
    QPainter painter(this);
    const bool active = IsActive();
    const QColor edge = active ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    const QColor text = active ? palette().color(QPalette::HighlightedText) : palette().color(QPalette::WindowText);
    painter.fillRect(rect(), edge);
    painter.setPen(edge.darker(130));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect close = CloseButtonRect();
    const QRect caption(kBorder + 4, kBorder, close.left() - kBorder - 8, m_placement.GetMargins().caption);
    QFont font = painter.font();
    font.setBold(active);
    painter.setFont(font);
    painter.setPen(text);
    const QString title = painter.fontMetrics().elidedText(m_window->windowTitle(), Qt::ElideRight, caption.width());
    painter.drawText(caption, Qt::AlignVCenter | Qt::AlignLeft, title);

    if (!m_window->CanBeCloseOnCommand())
        return;
    if (m_closeHot)
        painter.fillRect(close, m_closePressed ? edge.darker(150) : edge.lighter(130));
    QPen pen(text, 1.6);
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF cross = QRectF(close).adjusted(4.5, 4.5, -4.5, -4.5);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

void ModuleWindowFrame::mousePressEvent(QMouseEvent* event)
{
    if (!m_window || event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    if (m_window->CanBeCloseOnCommand() && CloseButtonRect().contains(point))
    {
        m_closePressed = true;
        update();
        return;
    }
    if (!IsActive())
        m_window->ForceActivate();
    m_dragging = true;
    m_dragEdges = EdgesAt(point);
    m_dragStart = event->globalPosition().toPoint();
    m_startOuter = geometry();
}

QRect ModuleWindowFrame::Dragged(const QPoint& globalPoint) const
{
    const QPoint delta = globalPoint - m_dragStart;
    if (m_dragEdges == 0)
        return m_placement.ClampMoved(m_startOuter.translated(delta), m_view.rect());
    const QSize minimum = m_placement.OuterOf(QRect(QPoint(0, 0), m_placement.MinimumClient())).size();
    QRect outer = m_startOuter;
    const QRect area = m_view.rect();
    if (m_dragEdges & Left)
        outer.setLeft(std::clamp(outer.left() + delta.x(), area.left(), outer.right() + 1 - minimum.width()));
    if (m_dragEdges & Right)
        outer.setRight(std::clamp(outer.right() + delta.x(), outer.left() + minimum.width() - 1, area.right()));
    if (m_dragEdges & Top)
        outer.setTop(std::clamp(outer.top() + delta.y(), area.top(), outer.bottom() + 1 - minimum.height()));
    if (m_dragEdges & Bottom)
        outer.setBottom(std::clamp(outer.bottom() + delta.y(), outer.top() + minimum.height() - 1, area.bottom()));
    return outer;
}

void ModuleWindowFrame::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (m_dragging && m_window)
    {
        m_window->setGeometry(m_placement.ClientOf(Dragged(event->globalPosition().toPoint())));
        return;
    }
    const bool hot = m_window && m_window->CanBeCloseOnCommand() && CloseButtonRect().contains(point);
    if (hot != m_closeHot)
    {
        m_closeHot = hot;
        update();
    }
    UpdateCursor(hot ? 0 : EdgesAt(point));
}

void ModuleWindowFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_closePressed)
    {
        m_closePressed = false;
        update();
        if (m_window && CloseButtonRect().contains(event->position().toPoint()))
            m_view.CloseWindow(*m_window);
        return;
    }
    m_dragging = false;
}

void ModuleWindowFrame::leaveEvent(QEvent*)
{
    m_closeHot = false;
    if (!m_dragging)
        unsetCursor();
    update();
}
