#pragma once
// Posts the cloud link's messages to a window of the program by its handle, so that the worker
// and the provider's thread post safely while the window may be closing.

#include "cloud/engine/ICloudMainWindow.h"
#include "platform/ui/WindowMessage.h"

class CloudMainWindowPoster : public ICloudMainWindow
{
public:
    explicit CloudMainWindowPoster(WndHandle window) : m_window(window) {}

    bool PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    const WndHandle m_window;
};
