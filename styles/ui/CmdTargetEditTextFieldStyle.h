#pragma once
// The style edit mode's command target for a text-field style edited by itself: its font, size
// and six colours, copy-from, its name, "Odrzuć" and "Zapisz". Main thread only.

#include "styles/ui/CmdTargetEditStyleBase.h"

class CmdTargetEditTextFieldStyle : public CmdTargetEditStyleBase
{
public:
    CmdTargetEditTextFieldStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler);
};
