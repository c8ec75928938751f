#include "ribbon/galleries/ControlGalleryPaintManagerEx.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/ToolkitColors.h"
#include "ribbon/galleries/GalleryFrames.h"

#include <QLinearGradient>
#include <QPainter>

namespace
{
constexpr unsigned kLabelLine = 0xC5C5C5;
constexpr int kLabelTextInset = 10;
constexpr int kButtonMargin = 1;

struct ButtonLook
{
    QColor top;
    QColor bottom;
    QColor border;
    QColor glyph;
};

ButtonLook LookOf(GalleryPaintManager::ButtonState state)
{
    switch (state)
    {
    case GalleryPaintManager::ButtonHot:
        return {{0xFF, 0xF5, 0xCC}, {0xFF, 0xD8, 0x6B}, {0xDB, 0xCE, 0x99}, {0x15, 0x42, 0x8B}};
    case GalleryPaintManager::ButtonPressed:
        return {{0xFC, 0xC9, 0x7A}, {0xF8, 0xA6, 0x40}, {0xC2, 0x9B, 0x61}, {0x15, 0x42, 0x8B}};
    case GalleryPaintManager::ButtonColumnHot:
        return {{0xFF, 0xFF, 0xFF}, {0xE3, 0xEB, 0xF5}, {0xA7, 0xBA, 0xD4}, {0x15, 0x42, 0x8B}};
    case GalleryPaintManager::ButtonDisabled:
        return {{0xF5, 0xF5, 0xF5}, {0xEA, 0xEA, 0xEA}, {0xD0, 0xD0, 0xD0}, {0xB0, 0xB0, 0xB0}};
    case GalleryPaintManager::ButtonNormal:
        break;
    }
    return {{0xFA, 0xFC, 0xFF}, {0xDB, 0xE5, 0xF1}, {0xB9, 0xC9, 0xDD}, {0x15, 0x42, 0x8B}};
}
}

void ControlGalleryPaintManagerEx::SetGalleryColors(const QColor& selected, const QColor& normal)
{
    m_selected = selected;
    m_normal = normal;
}

void ControlGalleryPaintManagerEx::FillControl(QPainter& painter, const GalleryControl& gallery, const QRect& rect,
                                               bool inPopup) const
{
    QColor fill = ToolkitColors::Get(ToolkitColors::PopupBackground);
    if (!inPopup)
    {
        const bool hot = gallery.GetRibbon() && gallery.GetRibbon()->GetHotControl() == &gallery;
        fill = hot && gallery.GetEnabled() ? m_selected : m_normal;
    }
    if (fill.isValid())
        painter.fillRect(rect, fill);
}

void ControlGalleryPaintManagerEx::DrawLabel(QPainter& painter, const GalleryItem& label, const QRect& rect) const
{
    painter.fillRect(rect, ToolkitColors::Get(ToolkitColors::LabelBackground));
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), GalleryFrames::Color(kLabelLine));
    const QRect textRect = rect.adjusted(kLabelTextInset, 0, -kLabelTextInset, 0);
    painter.setPen(ToolkitColors::Get(ToolkitColors::LabelText));
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(label.GetCaption(), Qt::ElideRight, textRect.width()));
}

void ControlGalleryPaintManagerEx::DrawScrollButton(QPainter& painter, const QRect& rect, int code,
                                                    ButtonState state) const
{
    const ButtonLook look = LookOf(state);
    const QRect face = rect.adjusted(kButtonMargin, kButtonMargin, -kButtonMargin, -kButtonMargin);
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0, look.top);
    gradient.setColorAt(1, look.bottom);
    painter.fillRect(face, gradient);
    GalleryFrames::DrawFrame(painter, face, look.border);
    DrawGlyph(painter, face, code, look.glyph);
}
