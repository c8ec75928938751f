#include "ribbon/popups/ColorPickerItems.h"

#include "platform/toolkit/ToolkitColors.h"
#include "ribbon/galleries/ColorMarkers.h"
#include "ribbon/galleries/GalleryFrames.h"

#include <QPainter>
#include <QPalette>

namespace
{
constexpr int kCaptionInset = 10;
constexpr int kButtonTextLeft = 3;
constexpr unsigned kButtonHotFill = 0x94E2FF;
constexpr unsigned kButtonHotFrame = 0x3694F2;

void DrawSingleLine(QPainter& painter, const QRect& rect, const QString& text)
{
    painter.drawText(rect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width()));
}
}

ColorPickerPopupWindow::Item::Item(const QRect& rect, int color)
    : m_rect(rect)
    , m_color(color)
{
}

void ColorPickerPopupWindow::Item::SetFlag(Flag flag, bool on)
{
    m_flags = on ? m_flags | flag : m_flags & ~flag;
}

ColorPickerPopupWindow::CaptionItem::CaptionItem(const QRect& rect, const QString& text)
    : Item(rect, ColorMarkers::kNone)
    , m_text(text)
{
}

void ColorPickerPopupWindow::CaptionItem::Draw(QPainter& painter) const
{
    const QRect& rect = GetRect();
    painter.fillRect(rect, ToolkitColors::Get(ToolkitColors::LabelBackground));
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), ToolkitColors::Get(ToolkitColors::PopupFrame));
    painter.setPen(ToolkitColors::Get(ToolkitColors::LabelText));
    DrawSingleLine(painter, rect.adjusted(kCaptionInset, 0, -kCaptionInset, 0), m_text);
}

ColorPickerPopupWindow::ButtonItem::ButtonItem(const QRect& rect, const QString& text, int color)
    : Item(rect, color)
    , m_text(text)
{
}

void ColorPickerPopupWindow::ButtonItem::Draw(QPainter& painter) const
{
    const QRect& rect = GetRect();
    if (IsHot())
    {
        painter.fillRect(rect, GalleryFrames::Color(kButtonHotFill));
        GalleryFrames::DrawFrame(painter, rect, GalleryFrames::Color(kButtonHotFrame));
    }
    painter.setPen(QPalette().color(QPalette::WindowText));
    DrawSingleLine(painter, rect.adjusted(kButtonTextLeft, 0, 0, 0), m_text);
}

ColorPickerPopupWindow::ColorItem::ColorItem(const QRect& rect, int color, bool topBorder, bool bottomBorder)
    : Item(rect, color)
    , m_topBorder(topBorder)
    , m_bottomBorder(bottomBorder)
{
}

void ColorPickerPopupWindow::ColorItem::Draw(QPainter& painter) const
{
    GalleryFrames::DrawColorCell(painter, GetRect(), GetColor(), m_topBorder, m_bottomBorder, IsHot(), IsSelected());
}
