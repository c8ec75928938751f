#pragma once
// The command target of the offers window style's tabs in the style edit mode: the grid lines,
// the library's two-way choice, the price row, odd and even row styles, "Zapisz w
// ustawieniach", "Odrzuć" and "Zapisz". Main thread only.

#include "styles/ui/CmdTargetEditRowsStyleBase.h"

class CmdTargetEditOffersStyle : public CmdTargetEditRowsStyleBase
{
public:
    CmdTargetEditOffersStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                             SaveInSettings saveInSettings);
};
