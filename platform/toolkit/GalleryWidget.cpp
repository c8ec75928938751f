#include "platform/toolkit/GalleryWidget.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryGeometry.h"
#include "platform/toolkit/GalleryPaintManager.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

GalleryWidget::GalleryWidget(GalleryControl& gallery, QWidget* parent)
    : QWidget(parent)
    , m_gallery(&gallery)
{
    setMouseTracking(true);
}

QSize GalleryWidget::sizeHint() const
{
    if (!m_gallery)
        return {};
    const QSize content = GalleryGeometry::ContentSize(*m_gallery, FullWidth());
    const int height = m_gallery->GetHeight();
    return {content.width(), height > 0 && content.height() > height ? height : content.height()};
}

QRect GalleryWidget::ItemsArea() const
{
    return HasScrollColumn() ? rect().adjusted(0, 0, -GalleryGeometry::kScrollColumnWidth, 0) : rect();
}

QRect GalleryWidget::ScrollColumn() const
{
    if (!HasScrollColumn())
        return {};
    return {width() - GalleryGeometry::kScrollColumnWidth, 0, GalleryGeometry::kScrollColumnWidth, height()};
}

bool GalleryWidget::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !m_gallery)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const GalleryItem* item = m_gallery->GetItem(ItemAt(help->pos()));
    const QString text = item ? item->GetToolTip() : m_gallery->GetTooltip();
    if (text.isEmpty())
    {
        QToolTip::hideText();
        event->ignore();
    }
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

void GalleryWidget::paintEvent(QPaintEvent*)
{
    if (!m_gallery)
        return;
    const GalleryPaintManager& paintManager = GalleryPaintManager::Current();
    QPainter painter(this);
    paintManager.FillControl(painter, *m_gallery, rect(), true);
    const std::vector<QRect> rects = GalleryGeometry::ItemRects(*m_gallery, ContentArea());
    painter.save();
    painter.setClipRect(ItemsArea());
    for (std::size_t index = 0; index < rects.size(); ++index)
    {
        if (rects[index].isEmpty() || !rects[index].intersects(ItemsArea()))
            continue;
        const GalleryItem& item = *m_gallery->GetItem(static_cast<int>(index));
        GalleryItemState state;
        state.enabled = m_gallery->GetEnabled() && item.IsEnabled();
        state.hot = !m_gallery->IsSelectionHidden() && m_gallery->GetSelectedItem() == static_cast<int>(index);
        state.checked = item.GetID() != 0 && item.GetID() == m_gallery->GetCheckedItem();
        painter.save();
        item.Draw(painter, *m_gallery, rects[index], state);
        painter.restore();
    }
    painter.restore();
    if (HasScrollColumn())
        paintManager.DrawPopupScrollBar(painter, *m_gallery, ScrollColumn(), m_hotCode, m_pressedCode);
}

void GalleryWidget::resizeEvent(QResizeEvent* event)
{
    Relayout();
    QWidget::resizeEvent(event);
}

void GalleryWidget::showEvent(QShowEvent* event)
{
    Relayout();
    QWidget::showEvent(event);
}

void GalleryWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_gallery)
        return;
    const QPoint point = event->position().toPoint();
    m_hotCode = ScrollCodeAt(point);
    m_gallery->HoverItem(ItemAt(point));
    update();
}

void GalleryWidget::mousePressEvent(QMouseEvent* event)
{
    if (!m_gallery)
        return;
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton)
    {
        if (ItemsArea().contains(point))
            m_gallery->OnRButtonDown(point);
        return;
    }
    const int code = ScrollCodeAt(point);
    if (event->button() != Qt::LeftButton || code == GalleryControl::ScrollNone
        || !m_gallery->IsScrollButtonEnabled(code))
        return;
    m_pressedCode = code;
    if (code == GalleryControl::ScrollUp || code == GalleryControl::ScrollDown)
        ScrollRows(code == GalleryControl::ScrollUp ? -1 : 1);
    update();
}

void GalleryWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_gallery)
        return;
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton)
    {
        if (ItemsArea().contains(point))
            m_gallery->OnRButtonUp(point);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const int pressed = m_pressedCode;
    m_pressedCode = 0;
    update();
    if (pressed == GalleryControl::ScrollExpand && ScrollCodeAt(point) == pressed)
        m_gallery->OnExpandButton();
    else if (pressed == GalleryControl::ScrollNone)
        m_gallery->ChooseItem(ItemAt(point));
}

void GalleryWidget::wheelEvent(QWheelEvent* event)
{
    if (!m_gallery || !HasScrollColumn())
        return;
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        ScrollRows(-steps);
}

void GalleryWidget::leaveEvent(QEvent*)
{
    m_hotCode = 0;
    if (m_gallery)
        m_gallery->HoverItem(-1);
    update();
}

int GalleryWidget::FullWidth() const
{
    return m_gallery->GetWidth() > 0 ? m_gallery->GetWidth() : m_gallery->GetItemSize().width();
}

bool GalleryWidget::HasScrollColumn() const
{
    if (!m_gallery || !m_gallery->GetShowScrollBar() || m_gallery->GetHeight() <= 0)
        return false;
    return GalleryGeometry::ContentSize(*m_gallery, FullWidth()).height() > m_gallery->GetHeight();
}

QRect GalleryWidget::ContentArea() const
{
    const QRect items = ItemsArea();
    const int scroll = m_gallery ? m_gallery->GetScrollPos() : 0;
    return {items.left(), items.top() - scroll, items.width(), items.height() + scroll};
}

int GalleryWidget::ItemAt(const QPoint& point) const
{
    if (!m_gallery || !ItemsArea().contains(point))
        return -1;
    return GalleryGeometry::ItemAt(*m_gallery, ContentArea(), point);
}

int GalleryWidget::ScrollCodeAt(const QPoint& point) const
{
    const QRect column = ScrollColumn();
    if (!column.contains(point))
        return GalleryControl::ScrollNone;
    const GalleryGeometry::ScrollColumn buttons = GalleryGeometry::ScrollColumnButtons(column);
    if (buttons.up.contains(point))
        return GalleryControl::ScrollUp;
    return buttons.down.contains(point) ? GalleryControl::ScrollDown : GalleryControl::ScrollExpand;
}

void GalleryWidget::ScrollRows(int rows)
{
    m_gallery->SetScrollPos(m_gallery->GetScrollPos() + rows * m_gallery->GetItemSize().height());
    update();
}

void GalleryWidget::Relayout()
{
    if (m_gallery)
        m_gallery->SetRect(ItemsArea());
}
