#include "ribbon/popups/PopupWindowManagerEx.h"

#include "ribbon/popups/PopupBarBackground.h"

bool PopupWindowManagerEx::DrawBackground(QPainter& painter, const QRect& rect)
{
    DrawPopupBarBackground(rect, painter);
    return true;
}
