#pragma once
// The main window as the cloud link posts to it. The window hands the messages back, on the
// main thread, to CloudMessageManager::PreTranslateMessage.

#include <cstdint>

class ICloudMainWindow
{
public:
    virtual ~ICloudMainWindow() = default;

    // Any thread; false, and nothing posted, when the window no longer exists.
    virtual bool PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};
