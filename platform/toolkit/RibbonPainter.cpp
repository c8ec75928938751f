#include "platform/toolkit/RibbonPainter.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryGeometry.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonImageManager.h"
#include "platform/toolkit/RibbonPaintManager.h"
#include "platform/toolkit/RibbonTabBase.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

RibbonPainter::RibbonPainter(QPainter& painter, const RibbonBarBase& ribbon, const RibbonImageManager& images,
                             const RibbonPalette& palette, const RibbonPaintManager& paintManager)
    : m_painter(painter)
    , m_ribbon(ribbon)
    , m_images(images)
    , m_palette(palette)
    , m_paintManager(paintManager)
{
}

void RibbonPainter::Paint(const RibbonLayout& layout)
{
    m_painter.fillRect(QRect(0, 0, layout.width, layout.height), m_palette.frame);
    if (!layout.groupRow.isEmpty())
    {
        m_painter.save();
        m_paintManager.FillGroupsBackground(m_painter, m_ribbon.GetSelectedTab(), layout.groupRow, m_palette);
        m_painter.restore();
        m_painter.setPen(m_palette.border);
        m_painter.drawLine(layout.groupRow.topLeft(), layout.groupRow.topRight());
        m_painter.drawLine(layout.groupRow.bottomLeft(), layout.groupRow.bottomRight());
    }
    PaintHeaders(layout);
    PaintTabs(layout);
    if (layout.systemButton.control)
        PaintSystemButton(layout.systemButton);
    for (const RibbonLayout::ControlItem& item : layout.rightControls)
        PaintRightAligned(item);
    for (const RibbonLayout::GroupItem& group : layout.groups)
        PaintGroup(group);
    PaintScrollArrow(layout.scrollLeft, false);
    PaintScrollArrow(layout.scrollRight, true);
}

void RibbonPainter::PaintScrollArrow(const QRect& rect, bool right)
{
    if (rect.isEmpty())
        return;
    m_painter.save();
    m_painter.fillRect(rect, m_palette.frame);
    m_painter.setPen(m_palette.border);
    m_painter.drawRect(rect.adjusted(0, 0, -1, -1));
    const QPointF center = QRectF(rect).center();
    const qreal tip = right ? 3 : -3;
    const QPointF arrow[] = {center + QPointF(tip, 0), center + QPointF(-tip, -5), center + QPointF(-tip, 5)};
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setBrush(m_palette.border.darker(150));
    m_painter.drawPolygon(arrow, 3);
    m_painter.restore();
}

void RibbonPainter::PaintHeaders(const RibbonLayout& layout)
{
    QFont font = m_painter.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 0.9);
    m_painter.save();
    m_painter.setFont(font);
    for (const RibbonLayout::HeaderItem& item : layout.headers)
    {
        const QColor color = m_palette.ContextColor(item.header.color);
        QLinearGradient gradient(item.rect.topLeft(), item.rect.bottomLeft());
        gradient.setColorAt(0, color.lighter(150));
        gradient.setColorAt(1, color);
        m_painter.fillRect(item.rect.adjusted(0, 2, 0, 0), gradient);
        m_painter.fillRect(QRect(item.rect.left(), item.rect.top() + 2, item.rect.width(), 3), color.darker(115));
        m_painter.setPen(color.darker(250));
        const QString caption = RibbonLayout::DisplayText(item.header.caption);
        m_painter.drawText(item.rect.adjusted(4, 3, -4, 0), Qt::AlignCenter,
                           m_painter.fontMetrics().elidedText(caption, Qt::ElideRight, item.rect.width() - 8));
    }
    m_painter.restore();
}

void RibbonPainter::PaintTabs(const RibbonLayout& layout)
{
    for (const RibbonLayout::TabItem& item : layout.tabs)
    {
        const RibbonTabBase& tab = *item.tab;
        const bool selected = tab.IsSelected() && !layout.groupRow.isEmpty();
        QRect rect = item.rect;
        if (tab.IsContextTab())
        {
            QColor tint = m_palette.ContextColor(tab.GetContextColor());
            tint.setAlpha(selected ? 0 : 60);
            m_painter.fillRect(rect, tint);
        }
        if (selected || tab.IsSelected())
        {
            QPainterPath path;
            path.moveTo(rect.left(), rect.bottom() + 1);
            path.lineTo(rect.left(), rect.top() + 3);
            path.quadTo(rect.left(), rect.top(), rect.left() + 3, rect.top());
            path.lineTo(rect.right() - 3, rect.top());
            path.quadTo(rect.right(), rect.top(), rect.right(), rect.top() + 3);
            path.lineTo(rect.right(), rect.bottom() + 1);
            m_painter.save();
            m_painter.setRenderHint(QPainter::Antialiasing);
            m_painter.fillPath(path, selected ? m_palette.groupRowTop : m_palette.hot);
            m_painter.setPen(m_palette.border);
            m_painter.drawPath(path);
            m_painter.restore();
        }
        else if (m_ribbon.GetHotTab() == &tab)
            m_painter.fillRect(rect.adjusted(1, 2, -1, 0), m_palette.hot);
        if (tab.IsContextTab())
            m_painter.fillRect(QRect(rect.left() + 1, rect.top(), rect.width() - 2, 3),
                               m_palette.ContextColor(tab.GetContextColor()));
        // A selected or hot tab stands on a light fill, whatever the frame's colour.
        const bool lit = selected || tab.IsSelected() || m_ribbon.GetHotTab() == &tab;
        m_painter.setPen(lit ? m_palette.selectedTabText : m_palette.frameText);
        m_painter.drawText(rect, Qt::AlignCenter, RibbonLayout::DisplayText(tab.GetCaption()));
    }
}

void RibbonPainter::PaintSystemButton(const RibbonLayout::ControlItem& item)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = m_palette.systemButton;
    if (m_ribbon.GetHotControl() == item.control)
        fill = fill.lighter(120);
    QPainterPath path;
    path.addRoundedRect(QRectF(item.rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    m_painter.fillPath(path, fill);
    m_painter.setPen(m_palette.systemButtonText);
    QFont font = m_painter.font();
    font.setBold(true);
    m_painter.setFont(font);
    m_painter.drawText(item.rect, Qt::AlignCenter, RibbonLayout::DisplayText(item.control->GetCaption()));
    m_painter.restore();
}

void RibbonPainter::PaintCollapsedGroup(const RibbonLayout::GroupItem& group)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(group.rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    m_painter.setPen(m_palette.border);
    m_painter.drawPath(frame);
    m_painter.restore();
    std::uint32_t pictureId = group.group->GetID();
    if (m_images.IconName(pictureId, RibbonImageManager::kLarge).isEmpty())
    {
        for (const auto& control : group.group->GetControls())
        {
            if (!m_images.IconName(control->GetID(), RibbonImageManager::kLarge).isEmpty())
            {
                pictureId = control->GetID();
                break;
            }
        }
    }
    const QRect& button = group.collapsedButton;
    const QRect iconRect(button.center().x() - 15, button.top() + 3, 32, 32);
    m_images.Icon(pictureId, RibbonImageManager::kLarge).paint(&m_painter, iconRect, Qt::AlignCenter);
    const QStringList lines = RibbonLayout::LargeCaptionLines(group.group->GetCaption(), m_painter.fontMetrics());
    const int lineHeight = m_painter.fontMetrics().height();
    m_painter.setPen(TextColor(true));
    int y = iconRect.bottom() + 3;
    for (const QString& line : lines)
    {
        m_painter.drawText(QRect(button.left(), y, button.width(), lineHeight), Qt::AlignCenter, line);
        y += lineHeight;
    }
    PaintArrow(QPoint(button.center().x(), lines.size() > 1 ? y + 2 : y + 4), true);
}

void RibbonPainter::PaintGroup(const RibbonLayout::GroupItem& group)
{
    if (group.reduction == RibbonLayout::Reduction::Collapsed)
        return PaintCollapsedGroup(group);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(group.rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    m_painter.setPen(m_palette.border);
    m_painter.drawPath(frame);
    m_painter.setClipPath(frame);
    m_painter.fillRect(group.captionRect, m_palette.groupCaption);
    m_painter.restore();
    m_painter.setPen(m_palette.groupText);
    m_painter.drawText(group.captionRect, Qt::AlignCenter,
                       m_painter.fontMetrics().elidedText(group.group->GetCaption(), Qt::ElideRight,
                                                          group.captionRect.width() - 4));
    m_painter.setPen(m_palette.border);
    for (const int x : group.separators)
        m_painter.drawLine(x, group.rect.top() + 5, x, group.captionRect.top() - 4);
    for (const RibbonLayout::ControlItem& item : group.controls)
        PaintControl(item);
}

void RibbonPainter::PaintControl(const RibbonLayout::ControlItem& item)
{
    const RibbonControl& control = *item.control;
    switch (control.GetType())
    {
    case RibbonControlCheckBox:
        PaintCheckBox(item);
        return;
    case RibbonControlGallery:
        PaintGallery(item);
        return;
    case RibbonControlLabel:
    case RibbonControlEdit:
    case RibbonControlComboBox:
        // Edits and combo boxes are the view's own child widgets beside their caption.
        m_painter.setPen(TextColor(control.GetEnabled()));
        m_painter.drawText(item.rect.adjusted(3, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                           RibbonLayout::DisplayText(control.GetCaption()));
        return;
    default:
        if (item.large)
            PaintLarge(item);
        else
            PaintSmall(item);
    }
}

void RibbonPainter::PaintHighlight(const RibbonLayout::ControlItem& item, const QRect& rect)
{
    const RibbonControl& control = *item.control;
    const bool hot = m_ribbon.GetHotControl() == &control && control.GetEnabled();
    const bool pressed = m_ribbon.GetPressedControl() == &control;
    const bool checked = control.GetChecked() != 0;
    if (!hot && !pressed && !checked)
        return;
    const QColor fill = pressed ? m_palette.pressed : checked ? m_palette.checked : m_palette.hot;
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    m_painter.fillPath(path, fill);
    m_painter.setPen(m_palette.hotBorder);
    m_painter.drawPath(path);
    if (hot && !item.arrowRect.isEmpty())
    {
        if (item.large)
            m_painter.drawLine(item.arrowRect.topLeft(), item.arrowRect.topRight());
        else
            m_painter.drawLine(item.arrowRect.topLeft(), item.arrowRect.bottomLeft());
    }
    m_painter.restore();
}

void RibbonPainter::PaintLarge(const RibbonLayout::ControlItem& item)
{
    const RibbonControl& control = *item.control;
    PaintHighlight(item, item.rect);
    const QRect iconRect(item.rect.center().x() - 15, item.rect.top() + 3, 32, 32);
    m_images.Icon(control.GetID(), RibbonImageManager::kLarge)
        .paint(&m_painter, iconRect, Qt::AlignCenter, control.GetEnabled() ? QIcon::Normal : QIcon::Disabled);
    const QStringList lines = RibbonLayout::LargeCaptionLines(control.GetCaption(), m_painter.fontMetrics());
    const int lineHeight = m_painter.fontMetrics().height();
    m_painter.setPen(TextColor(control.GetEnabled()));
    int y = iconRect.bottom() + 3;
    for (const QString& line : lines)
    {
        m_painter.drawText(QRect(item.rect.left(), y, item.rect.width(), lineHeight), Qt::AlignCenter, line);
        y += lineHeight;
    }
    if (control.HasPopupType())
    {
        const int arrowY = lines.size() > 1 ? y - lineHeight / 2 : y + 4;
        const int arrowX = lines.size() > 1
                               ? item.rect.center().x() + m_painter.fontMetrics().horizontalAdvance(lines.last()) / 2 + 6
                               : item.rect.center().x();
        PaintArrow(QPoint(arrowX, arrowY), control.GetEnabled());
    }
}

void RibbonPainter::PaintSmall(const RibbonLayout::ControlItem& item)
{
    const RibbonControl& control = *item.control;
    PaintHighlight(item, item.rect.adjusted(0, 1, 0, -1));
    const QRect iconRect(item.rect.left() + 4, item.rect.center().y() - 7, 16, 16);
    m_images.Icon(control.GetID(), RibbonImageManager::kSmall)
        .paint(&m_painter, iconRect, Qt::AlignCenter, control.GetEnabled() ? QIcon::Normal : QIcon::Disabled);
    m_painter.setPen(TextColor(control.GetEnabled()));
    m_painter.drawText(QRect(iconRect.right() + 5, item.rect.top(), item.rect.width(), item.rect.height()),
                       Qt::AlignVCenter | Qt::AlignLeft, RibbonLayout::DisplayText(control.GetCaption()));
    if (control.HasPopupType())
        PaintArrow(QPoint(item.rect.right() - 6, item.rect.center().y() + 1), control.GetEnabled());
}

void RibbonPainter::PaintCheckBox(const RibbonLayout::ControlItem& item)
{
    const RibbonControl& control = *item.control;
    const QRect box(item.rect.left() + 4, item.rect.center().y() - 6, 13, 13);
    const bool hot = m_ribbon.GetHotControl() == &control && control.GetEnabled();
    m_painter.fillRect(box, hot ? m_palette.hot : QColor(Qt::white));
    m_painter.setPen(control.GetEnabled() ? m_palette.groupText : m_palette.disabledText);
    m_painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (control.GetChecked() == 1)
    {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setPen(QPen(control.GetEnabled() ? m_palette.groupText : m_palette.disabledText, 2));
        m_painter.drawPolyline(QPolygonF({QPointF(box.left() + 3, box.center().y()),
                                          QPointF(box.left() + 5.5, box.bottom() - 3),
                                          QPointF(box.right() - 2.5, box.top() + 3)}));
        m_painter.restore();
    }
    else if (control.GetChecked() == 2)
        m_painter.fillRect(box.adjusted(3, 3, -3, -3), m_palette.groupText);
    m_painter.setPen(TextColor(control.GetEnabled()));
    m_painter.drawText(QRect(box.right() + 6, item.rect.top(), item.rect.width(), item.rect.height()),
                       Qt::AlignVCenter | Qt::AlignLeft, RibbonLayout::DisplayText(control.GetCaption()));
}

void RibbonPainter::PaintGallery(const RibbonLayout::ControlItem& item)
{
    const auto& gallery = static_cast<const GalleryControl&>(*item.control);
    m_painter.fillRect(item.rect, Qt::white);
    m_painter.setPen(m_palette.border);
    m_painter.drawRect(item.rect.adjusted(0, 0, -1, -1));
    m_painter.save();
    m_painter.setClipRect(item.rect.adjusted(1, 1, -1, -1));
    const std::vector<QRect> rects = GalleryGeometry::ItemRects(gallery, item.rect.adjusted(1, 1, -1, -1));
    for (std::size_t index = 0; index < rects.size(); ++index)
    {
        const GalleryItem& galleryItem = *gallery.GetItem(static_cast<int>(index));
        GalleryItemState state;
        state.enabled = gallery.GetEnabled() && galleryItem.IsEnabled();
        state.hot = gallery.GetSelectedItem() == static_cast<int>(index);
        state.checked = galleryItem.GetID() != 0 && galleryItem.GetID() == gallery.GetCheckedItem();
        galleryItem.Draw(m_painter, gallery, rects[index], state);
    }
    m_painter.restore();
}

void RibbonPainter::PaintRightAligned(const RibbonLayout::ControlItem& item)
{
    const RibbonControl& control = *item.control;
    PaintHighlight(item, item.rect);
    if (m_images.HasIcon(control.GetID(), RibbonImageManager::kSmall))
    {
        const QRect iconRect(item.rect.center().x() - 7, item.rect.center().y() - 7, 16, 16);
        m_images.Icon(control.GetID(), RibbonImageManager::kSmall)
            .paint(&m_painter, iconRect, Qt::AlignCenter, control.GetEnabled() ? QIcon::Normal : QIcon::Disabled);
        return;
    }
    m_painter.setPen(TextColor(control.GetEnabled()));
    m_painter.drawText(item.rect.adjusted(5, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                       RibbonLayout::DisplayText(control.GetCaption()));
    if (control.HasPopupType())
        PaintArrow(QPoint(item.rect.right() - 6, item.rect.center().y() + 1), control.GetEnabled());
}

void RibbonPainter::PaintArrow(const QPoint& center, bool enabled)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(TextColor(enabled));
    m_painter.drawPolygon(QPolygonF({QPointF(center.x() - 3, center.y() - 1.5), QPointF(center.x() + 3, center.y() - 1.5),
                                     QPointF(center.x(), center.y() + 1.5)}));
    m_painter.restore();
}

QColor RibbonPainter::TextColor(bool enabled) const
{
    return enabled ? m_palette.text : m_palette.disabledText;
}
