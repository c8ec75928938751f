#pragma once
// The contextual tabs of the details and offers windows; each builds its groups through its
// creator.

#include "ribbon/QuorvantaTab.h"

class RibbonWindowTabs;

class DetailsMainTab : public QuorvantaTab
{
public:
    explicit DetailsMainTab(RibbonWindowTabs& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonWindowTabs& m_creator;
};

class OffersMainTab : public QuorvantaTab
{
public:
    explicit OffersMainTab(RibbonWindowTabs& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonWindowTabs& m_creator;
};
