#pragma once
// The command target of the formation style's tab in the style edit mode: the base line and
// extension pens, the text font, the text, label, frame, connector and fill colours,
// "Skopiuj z...", the name, "Odrzuć" and "Zapisz". Every change, previews included, is drawn at
// once on the formations of the active chart that use the style. Main thread only.

#include "styles/ui/CmdTargetEditChartStyleBase.h"

class CmdTargetEditFormationStyle : public CmdTargetEditChartStyleBase
{
public:
    CmdTargetEditFormationStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                                ActiveObjects activeObjects);
};
