#include "platform/toolkit/RibbonPaintManager.h"

#include "platform/toolkit/RibbonPalette.h"

#include <QLinearGradient>
#include <QPainter>

void RibbonPaintManager::FillGroupsBackground(QPainter& painter, const RibbonTabBase*, const QRect& rect,
                                              const RibbonPalette& palette) const
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, palette.groupRowTop);
    gradient.setColorAt(1, palette.groupRowBottom);
    painter.fillRect(rect, gradient);
}
