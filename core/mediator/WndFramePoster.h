#pragma once
// Posts to the main frame through its window handle (Wnd::PostMessage), safe from any thread.

#include "core/mediator/IFramePoster.h"

class WndFramePoster : public IFramePoster
{
public:
    bool Post(WndHandle frame, std::uint32_t message, WParam wParam, LParam lParam, QString& reason) override;
};
