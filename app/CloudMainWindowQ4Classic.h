#pragma once
// The main frame as the cloud link posts to it: through the mediator, which refuses the post
// once the frame is gone. The frame hands the messages back to the cloud module on the main
// thread. Any thread.

#include "cloud/engine/ICloudMainWindow.h"

class CloudMainWindowQ4Classic : public ICloudMainWindow
{
public:
    bool PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
};
