#pragma once
// The standard edition's hook in the general commands: the orders-sheet command is always
// there, checked while the orders sheet's window is shown.

#include "core/mediator/CmdTargetGeneralProcessor.h"

#include <functional>

class CmdTargetGeneralProcessorQ4Classic : public CmdTargetGeneralProcessor
{
public:
    explicit CmdTargetGeneralProcessorQ4Classic(std::function<bool()> isOrdersSheetWindowVisible);

    void UpdateOrdersSheetCommand(CmdUI& cmdUI) override;

private:
    const std::function<bool()> m_isOrdersSheetWindowVisible;
};
