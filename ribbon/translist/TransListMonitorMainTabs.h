#pragma once
// The contextual tabs of the transaction-list and transactions-monitor windows; each builds
// its groups through its creator.

#include "ribbon/QuorvantaTab.h"

class RibbonWindowTabs;

class TransListMainTab : public QuorvantaTab
{
public:
    explicit TransListMainTab(RibbonWindowTabs& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonWindowTabs& m_creator;
};

class TransactionsMonitorMainTab : public QuorvantaTab
{
public:
    explicit TransactionsMonitorMainTab(RibbonWindowTabs& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonWindowTabs& m_creator;
};
