#pragma once
// Posts an application message to the main frame's handle from any thread; tests give one that
// records or fails.

#include "platform/ui/WindowMessage.h"

#include <QString>

#include <cstdint>

class IFramePoster
{
public:
    virtual ~IFramePoster() = default;
    // False, with the reason, when the message could not be posted.
    virtual bool Post(WndHandle frame, std::uint32_t message, WParam wParam, LParam lParam, QString& reason) = 0;
};
