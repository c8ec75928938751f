#include "cloud/ui/CloudMainWindowPoster.h"

#include "platform/ui/Wnd.h"

bool CloudMainWindowPoster::PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    return Wnd::PostMessage(m_window, message, wParam, lParam);
}
