#pragma once
// The ribbon's contextual alerts tab ("Alerty"): its groups come from its creator on its first
// showing.

#include "ribbon/QuorvantaTab.h"

class RibbonAlertsTabs;

class AlertGeneralTab : public QuorvantaTab
{
public:
    explicit AlertGeneralTab(RibbonAlertsTabs& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonAlertsTabs& m_creator;
};
