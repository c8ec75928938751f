#pragma once
// A main (level 1) tab whose groups its creator builds.

#include "ribbon/QuorvantaTab.h"

class QuorvantaMainTabsQ4Classic;

class MainRibbonTab : public QuorvantaTab
{
public:
    explicit MainRibbonTab(QuorvantaMainTabsQ4Classic& creator);

protected:
    bool CreateGroups() override;

private:
    QuorvantaMainTabsQ4Classic& m_creator;
};
