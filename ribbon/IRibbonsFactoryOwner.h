#pragma once
// What the ribbons factory needs of the main frame that owns it: the frame's command bars,
// into which the ribbon goes, and whether the program runs with "--extended".

class CommandBars;

class IRibbonsFactoryOwner
{
public:
    virtual ~IRibbonsFactoryOwner() = default;

    // Null while the frame has no command bars.
    virtual CommandBars* GetCommandBars() = 0;
    virtual bool IsExtendedMode() const = 0;
};
