#include "tests/support/ribbon/TestRibbonTab.h"

#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonGroupBase.h"

TestRibbonTab::TestRibbonTab(ERibbonTabLevel level, RibbonTabsCreator* creator)
    : QuorvantaTab(level, creator)
{
}

bool TestRibbonTab::CreateGroups()
{
    ++groupBuilds;
    if (!buildSucceeds)
        return false;
    AddGroup(QStringLiteral("Grupa"), GetID())->Add(RibbonControlButton, GetID() + 1000, QStringLiteral("Przycisk"));
    return true;
}
