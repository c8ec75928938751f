#pragma once
// The command target of the transactions-monitor windows: it drives the library's active
// object, reached afresh on every command, through its numbered contexts and display
// parameters. The library redraws on its own, so no step redraws. Made once when the consumers
// are loaded. Main thread only.

#include "platform/modules/TMActiveObject.h"
#include "workspace/targets/DisplayParamsCmdTarget.h"

class CmdTargetTransactionsMonitor : public DisplayParamsCmdTarget
{
public:
    using Accessor = std::function<TMActiveObject*()>;
    using DefaultStyle = std::function<std::shared_ptr<StyleBase>()>;

    CmdTargetTransactionsMonitor(Accessor activeObject, DefaultStyle defaultStyle);

protected:
    // The even rows before the odd ones.
    std::vector<int> FontGroups() const override { return {1, 0}; }
};
