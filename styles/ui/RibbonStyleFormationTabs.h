#pragma once
// The formation's style-editing tab "Styl formacji": the base line, the extension, the text
// and label, the style itself, and the changes. Main thread only.

#include "styles/ui/RibbonStyleEditTabs.h"

class RibbonStyleFormationTabs : public RibbonStyleEditTabs
{
public:
    RibbonStyleFormationTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar);
};
