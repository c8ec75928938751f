#pragma once
// The tab control of the program's ribbon (id 9604): it takes only the program's own tabs and
// refuses a missing one loudly, since a tab creator that hands over nothing is broken.

#include "platform/toolkit/RibbonTabControl.h"

class QuorvantaTab;

class QuorvantaRibbonControlTab : public RibbonTabControl
{
public:
    explicit QuorvantaRibbonControlTab(RibbonBarBase& ribbon);

    // Inserts the tab at the index; the first tab inserted at 0 while none is selected becomes
    // the selected one. Throws QuorvantaException for a null tab.
    QuorvantaTab* AddQuorvantaTabItem(int index, const QString& caption, std::uint32_t id,
                                      std::unique_ptr<QuorvantaTab> tab);
};
