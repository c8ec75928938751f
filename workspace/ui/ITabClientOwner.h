#pragma once
// What the tab client needs of the main frame: how many screens the edition allows, the
// frame's commands (the new-screen tab and menu entry send one), and a word before a screen
// goes, which ends style editing.

#include <cstdint>

class ITabClientOwner
{
public:
    virtual ~ITabClientOwner() = default;

    virtual int GetScreensLimit() const = 0;
    virtual void PostFrameCommand(std::uint32_t commandId) = 0;
    virtual void OnBeforePanelDestroyed() = 0;
};
