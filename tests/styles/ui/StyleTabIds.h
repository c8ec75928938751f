#pragma once
// The command ids of a ribbon group's controls, in order, without the controls that carry no
// command: what the style tab tests compare against the tabs' layouts.

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"

#include <cstdint>
#include <vector>

inline std::vector<std::uint32_t> IdsOf(const RibbonGroupBase& group)
{
    std::vector<std::uint32_t> ids;
    for (const auto& control : group.GetControls())
    {
        if ((control->GetID() & 0xFFFF) != 0xFFFF)
            ids.push_back(control->GetID());
    }
    return ids;
}
