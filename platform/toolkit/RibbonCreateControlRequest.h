#pragma once
// The ribbon's request to its frame for a control of a command id (message
// RibbonIds::CreateControlMessage, lParam the request): whoever makes the control puts it here and
// answers non-zero; the ribbon then uses it instead of its plain button.

#include "platform/toolkit/RibbonControl.h"

#include <cstdint>
#include <memory>

struct RibbonCreateControlRequest
{
    std::uint32_t id = 0;
    std::unique_ptr<RibbonControl> control;
};
