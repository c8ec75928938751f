#pragma once
// What the ribbons factory needs of the main frame that owns it: the frame's command bars,
// into which the ribbon goes, whether the program runs with "--extended", and the helper of the
// windows gallery, which lists the frame's module windows.

#include <memory>

class CommandBars;
class IDynamicGalleryHelper;

class IRibbonsFactoryOwner
{
public:
    virtual ~IRibbonsFactoryOwner() = default;

    // Null while the frame has no command bars.
    virtual CommandBars* GetCommandBars() = 0;
    virtual bool IsExtendedMode() const = 0;
    // Null when the frame lists no windows.
    virtual std::shared_ptr<IDynamicGalleryHelper> CreateWindowsGalleryHelper() { return nullptr; }
};
