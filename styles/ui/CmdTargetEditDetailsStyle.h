#pragma once
// The command target of the details window style's tabs in the style edit mode: the grid
// lines, the library's two-way choice, the odd and even row styles, "Zapisz w ustawieniach",
// "Odrzuć" and "Zapisz". Main thread only.

#include "styles/ui/CmdTargetEditRowsStyleBase.h"

class CmdTargetEditDetailsStyle : public CmdTargetEditRowsStyleBase
{
public:
    CmdTargetEditDetailsStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                              SaveInSettings saveInSettings);
};
