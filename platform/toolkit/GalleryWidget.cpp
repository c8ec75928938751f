#include "platform/toolkit/GalleryWidget.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryGeometry.h"

#include <QMouseEvent>
#include <QPainter>

GalleryWidget::GalleryWidget(GalleryControl& gallery, QWidget* parent)
    : QWidget(parent)
    , m_gallery(&gallery)
{
    setMouseTracking(true);
    setToolTip(gallery.GetTooltip());
}

QSize GalleryWidget::sizeHint() const
{
    if (!m_gallery)
        return {};
    const int width = m_gallery->GetWidth() > 0 ? m_gallery->GetWidth() : m_gallery->GetItemSize().width();
    return GalleryGeometry::ContentSize(*m_gallery, width);
}

void GalleryWidget::paintEvent(QPaintEvent*)
{
    if (!m_gallery)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const std::vector<QRect> rects = GalleryGeometry::ItemRects(*m_gallery, rect());
    for (std::size_t index = 0; index < rects.size(); ++index)
    {
        const GalleryItem& item = *m_gallery->GetItem(static_cast<int>(index));
        GalleryItemState state;
        state.enabled = m_gallery->GetEnabled();
        state.hot = m_gallery->GetSelectedItem() == static_cast<int>(index);
        state.checked = item.GetID() != 0 && item.GetID() == m_gallery->GetCheckedItem();
        painter.save();
        item.Draw(painter, *m_gallery, rects[index], state);
        painter.restore();
    }
}

void GalleryWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_gallery)
        return;
    m_gallery->HoverItem(ItemAt(event->position().toPoint()));
    update();
}

void GalleryWidget::mousePressEvent(QMouseEvent* event)
{
    if (m_gallery && event->button() == Qt::RightButton)
        m_gallery->OnRButtonDown(event->position().toPoint());
}

void GalleryWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_gallery)
        return;
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton)
    {
        m_gallery->OnRButtonUp(point);
        return;
    }
    if (event->button() == Qt::LeftButton)
        m_gallery->ChooseItem(ItemAt(point));
    update();
}

void GalleryWidget::leaveEvent(QEvent*)
{
    if (m_gallery)
        m_gallery->HoverItem(-1);
    update();
}

int GalleryWidget::ItemAt(const QPoint& point) const
{
    return m_gallery ? GalleryGeometry::ItemAt(*m_gallery, rect(), point) : -1;
}
