#pragma once
// What the Gann fan target reads from its levels popup once it closed with OK: the levels with
// their visibility as the user left them, or null when the popup has none to give.

#include <memory>

class GannFanLevelsContainer;

class IGannFanLevelsPopupManager
{
public:
    virtual ~IGannFanLevelsPopupManager() = default;
    virtual std::shared_ptr<GannFanLevelsContainer> GetLevels() = 0;
};
