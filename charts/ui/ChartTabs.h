#pragma once
// The three chart tabs: the main one, the value-axis one, and the data-series one that is
// offered only while a series of the active chart is selected and carries its name.

#include "ribbon/QuorvantaTab.h"

class RibbonChartsTabsQ4Classic;

class ChartMainTabStandard : public QuorvantaTab
{
public:
    explicit ChartMainTabStandard(RibbonChartsTabsQ4Classic& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonChartsTabsQ4Classic& m_creator;
};

class ChartAxisValueTab : public QuorvantaTab
{
public:
    explicit ChartAxisValueTab(RibbonChartsTabsQ4Classic& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonChartsTabsQ4Classic& m_creator;
};

class ChartSeriesTabStandard : public QuorvantaTab
{
public:
    explicit ChartSeriesTabStandard(RibbonChartsTabsQ4Classic& creator);

    bool IsAvailable() override;
    bool Prepare() override;

protected:
    bool CreateGroups() override;

private:
    RibbonChartsTabsQ4Classic& m_creator;
};
