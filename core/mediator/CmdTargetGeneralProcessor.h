#pragma once
// The edition's hook in the general commands: the state of the orders-sheet command and the
// external program an edition may run. The general command target asks it; the edition factory
// makes it.

#include "platform/ui/CmdUI.h"

class CmdTargetGeneralProcessor
{
public:
    virtual ~CmdTargetGeneralProcessor() = default;

    virtual void UpdateOrdersSheetCommand(CmdUI& cmdUI) = 0;
    // No edition of this program has an external program to run.
    virtual void RunExternalProgram() {}
    virtual void UpdateRunExternalProgram(CmdUI& cmdUI) { cmdUI.Enable(false); }
};
