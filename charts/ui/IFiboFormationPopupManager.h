#pragma once
// What the Fibonacci parameter code reads from a levels popup once it closed with OK: the levels
// entered in it, or null when the popup has none to give (never filled, or its levels are gone).

#include <memory>

class FiboLevelsContainer;

class IFiboFormationPopupManager
{
public:
    virtual ~IFiboFormationPopupManager() = default;
    virtual std::shared_ptr<FiboLevelsContainer> GetLevels() = 0;
};
