#include "workspace/engine/ModuleWindowFit.h"

QPoint ModuleWindowFit::Offset(const QRect& window, const QRect& frame, const QSize& maxTrackSize)
{
    if (maxTrackSize.width() <= 0 || maxTrackSize.height() <= 0)
        return {};
    const int reachX = maxTrackSize.width() - kVisibleMargin;
    const int reachY = maxTrackSize.height() - kVisibleMargin;
    const int left = window.left() - frame.left();
    const int top = window.top() - frame.top();
    return {left > reachX ? left - reachX : 0, top > reachY ? top - reachY : 0};
}
