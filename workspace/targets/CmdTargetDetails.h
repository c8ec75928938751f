#pragma once
// The command target of the details windows: the details library's consumer, reached afresh
// on every command, acts on its active window. Made once when the consumers are loaded.

#include "platform/modules/DetailsCons.h"
#include "workspace/targets/DisplayParamsCmdTarget.h"

class CmdTargetDetails : public DisplayParamsCmdTarget
{
public:
    using Accessor = std::function<DetailsCons*()>;

    CmdTargetDetails(Accessor consumer, Services services);

protected:
    // The details redraw after a style preview whatever the library answers.
    bool RedrawOnlyWhenPreviewShown() const override { return false; }
};
