#include "ribbon/tables/TableRibbonTabs.h"

#include "ribbon/tables/RibbonTablesTabs.h"

TableMainTab::TableMainTab(RibbonTablesTabs& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool TableMainTab::CreateGroups()
{
    return m_creator.CreateMainTabGroups(*this);
}

TableAssetTab::TableAssetTab(RibbonTablesTabs& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool TableAssetTab::CreateGroups()
{
    return m_creator.CreateAssetTabGroups(*this);
}

TableColumnTab::TableColumnTab(RibbonTablesTabs& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool TableColumnTab::CreateGroups()
{
    return m_creator.CreateColumnTabGroups(*this);
}

TableCellTab::TableCellTab(RibbonTablesTabs& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}

bool TableCellTab::CreateGroups()
{
    return m_creator.CreateCellTabGroups(*this);
}
