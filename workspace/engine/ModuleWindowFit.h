#pragma once
// Keeps a module window reachable after its panel is restored on a smaller screen: at least
// 60 by 60 pixels of its top-left corner stay inside the area the main frame can be dragged
// over (the frame's top-left plus the maximum tracking size).

#include <QPoint>
#include <QRect>
#include <QSize>

class ModuleWindowFit
{
public:
    static constexpr int kVisibleMargin = 60;

    // How far the window must move back (subtract from its position); (0, 0) when it is within
    // reach or no tracking size is known. window and frame are window rectangles on one screen.
    static QPoint Offset(const QRect& window, const QRect& frame, const QSize& maxTrackSize);
};
