#include "ribbon/popups/PopupBarBackground.h"

#include "platform/toolkit/ToolkitColors.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace
{
constexpr int kBottomMixPercent = 50;

int Mix(int first, int second, int percent)
{
    return (first * percent + second * (100 - percent) + 50) / 100;
}
}

QColor MixColor(const QColor& first, const QColor& second, int percent)
{
    const int share = std::clamp(percent, 0, 100);
    return {Mix(first.red(), second.red(), share), Mix(first.green(), second.green(), share),
            Mix(first.blue(), second.blue(), share)};
}

void DrawPopupBarBackground(const QRect& rect, QPainter& painter)
{
    const QColor top = ToolkitColors::Get(ToolkitColors::PopupBackground);
    const QColor bottom = MixColor(ToolkitColors::Get(ToolkitColors::PopupShadow), top, kBottomMixPercent);
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}
