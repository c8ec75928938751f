#pragma once
// The style edit mode's command target for a transactions monitor's style: grid lines and their
// pen, colouring of rows or columns, and the text-field styles of the odd and even elements.
// Main thread only.

#include "styles/ui/CmdTargetEditGridStyleBase.h"

class CmdTargetEditTransactionsMonitorStyle : public CmdTargetEditGridStyleBase
{
public:
    CmdTargetEditTransactionsMonitorStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler);
};
