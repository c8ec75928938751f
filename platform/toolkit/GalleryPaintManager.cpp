#include "platform/toolkit/GalleryPaintManager.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryGeometry.h"

#include <QPainter>
#include <QPalette>
#include <QPolygon>

namespace
{
std::shared_ptr<const GalleryPaintManager>& Installed()
{
    static std::shared_ptr<const GalleryPaintManager> manager;
    return manager;
}
}

const GalleryPaintManager& GalleryPaintManager::Current()
{
    static const GalleryPaintManager fallback;
    const std::shared_ptr<const GalleryPaintManager>& installed = Installed();
    return installed ? *installed : fallback;
}

void GalleryPaintManager::SetCurrent(std::shared_ptr<const GalleryPaintManager> manager)
{
    Installed() = std::move(manager);
}

void GalleryPaintManager::FillControl(QPainter& painter, const GalleryControl&, const QRect& rect, bool inPopup) const
{
    const QPalette palette;
    painter.fillRect(rect, palette.color(inPopup ? QPalette::Window : QPalette::Base));
}

void GalleryPaintManager::DrawLabel(QPainter& painter, const GalleryItem& label, const QRect& rect) const
{
    const QPalette palette;
    painter.fillRect(rect, palette.color(QPalette::AlternateBase));
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette.color(QPalette::WindowText));
    painter.drawText(rect.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     label.GetCaption());
}

void GalleryPaintManager::DrawPopupScrollBar(QPainter& painter, const GalleryControl& gallery, const QRect& column,
                                             int hotCode, int pressedCode) const
{
    const GalleryGeometry::ScrollColumn buttons = GalleryGeometry::ScrollColumnButtons(column);
    const std::pair<int, QRect> parts[] = {{GalleryControl::ScrollUp, buttons.up},
                                           {GalleryControl::ScrollDown, buttons.down},
                                           {GalleryControl::ScrollExpand, buttons.expand}};
    for (const auto& [code, rect] : parts)
        DrawScrollButton(painter, rect, code, GetButtonState(gallery, code, hotCode, pressedCode));
}

GalleryPaintManager::ButtonState GalleryPaintManager::GetButtonState(const GalleryControl& gallery, int code,
                                                                     int hotCode, int pressedCode)
{
    if (!gallery.GetEnabled() || !gallery.IsScrollButtonEnabled(code))
        return ButtonDisabled;
    // While a button is held down only that one counts; otherwise the one under the mouse.
    const int pressed = pressedCode > 0 ? pressedCode : -1;
    const int hot = pressedCode > 0 ? -1 : hotCode;
    if (pressed == code)
        return ButtonPressed;
    if (hot == code)
        return ButtonHot;
    return hot > 0 || pressed > 0 ? ButtonColumnHot : ButtonNormal;
}

void GalleryPaintManager::DrawScrollButton(QPainter& painter, const QRect& rect, int code, ButtonState state) const
{
    const QPalette palette;
    QColor face = palette.color(QPalette::Button);
    if (state == ButtonHot || state == ButtonPressed)
        face = palette.color(QPalette::Highlight).lighter(state == ButtonPressed ? 120 : 160);
    painter.fillRect(rect, face);
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    DrawGlyph(painter, rect, code,
              palette.color(state == ButtonDisabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText));
}

void GalleryPaintManager::DrawGlyph(QPainter& painter, const QRect& rect, int code, const QColor& color)
{
    const QPoint c = rect.center();
    QPolygon arrow;
    if (code == GalleryControl::ScrollUp)
        arrow << QPoint(c.x() - 3, c.y() + 1) << QPoint(c.x() + 3, c.y() + 1) << QPoint(c.x(), c.y() - 2);
    else
        arrow << QPoint(c.x() - 3, c.y() - 1) << QPoint(c.x() + 3, c.y() - 1) << QPoint(c.x(), c.y() + 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    if (code == GalleryControl::ScrollExpand)
    {
        // A bar above a down arrow: "show everything".
        painter.fillRect(QRect(c.x() - 3, c.y() - 4, 7, 1), color);
        arrow.translate(0, 1);
    }
    painter.drawPolygon(arrow);
    painter.restore();
}
