#pragma once
// The style edit mode's command target for a quote table's style: grid lines and their pen,
// the colouring mode, animation, bold changes, the row highlighting and cursor colours, the
// table's own choice (value 11), and the text-field styles of the odd and even elements.
// The switches of values 6, 7 and 8 only redraw the window; every other change is taken as the
// session's new state. Main thread only.

#include "styles/ui/CmdTargetEditGridStyleBase.h"

class CmdTargetEditTableStyle : public CmdTargetEditGridStyleBase
{
public:
    CmdTargetEditTableStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler);
};
