#include "core/mediator/WndFramePoster.h"

#include "platform/ui/Wnd.h"

bool WndFramePoster::Post(WndHandle frame, std::uint32_t message, WParam wParam, LParam lParam, QString& reason)
{
    if (Wnd::PostMessage(frame, message, wParam, lParam))
        return true;
    reason = QStringLiteral("okno nie istnieje");
    return false;
}
