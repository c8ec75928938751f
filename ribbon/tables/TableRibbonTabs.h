#pragma once
// The four tabs of the quote tables; each builds its groups through its creator.

#include "ribbon/QuorvantaTab.h"

class RibbonTablesTabs;

class TableMainTab : public QuorvantaTab
{
public:
    explicit TableMainTab(RibbonTablesTabs& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonTablesTabs& m_creator;
};

class TableAssetTab : public QuorvantaTab
{
public:
    explicit TableAssetTab(RibbonTablesTabs& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonTablesTabs& m_creator;
};

class TableColumnTab : public QuorvantaTab
{
public:
    explicit TableColumnTab(RibbonTablesTabs& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonTablesTabs& m_creator;
};

class TableCellTab : public QuorvantaTab
{
public:
    explicit TableCellTab(RibbonTablesTabs& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonTablesTabs& m_creator;
};
