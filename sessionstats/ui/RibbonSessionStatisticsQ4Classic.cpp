#include "sessionstats/ui/RibbonSessionStatisticsQ4Classic.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlBuilders.h"

namespace
{
class SessionStatisticsMainTab : public QuorvantaTab
{
public:
    explicit SessionStatisticsMainTab(RibbonSessionStatisticsQ4Classic& creator)
        : QuorvantaTab(RibbonTabLevelContext, &creator)
        , m_creator(creator)
    {
    }

protected:
    bool CreateGroups() override { return m_creator.CreateMainTabGroups(*this); }

private:
    RibbonSessionStatisticsQ4Classic& m_creator;
};

struct ControlRow
{
    std::uint32_t id;
    int type;
    std::uint32_t icon;
};

bool AddControls(RibbonGroupBase* group, std::initializer_list<ControlRow> rows)
{
    for (const ControlRow& row : rows)
    {
        RibbonControl* control = AddRibbonControl(group, row.type, row.id);
        if (!control)
            return false;
        if (row.icon != 0)
            SetRibbonIcons(row.id, row.icon, 0);
    }
    return true;
}
}

RibbonSessionStatisticsQ4Classic::RibbonSessionStatisticsQ4Classic(RibbonsFactory& factory,
                                                                   QuorvantaRibbonBar& ribbonBar, ModuleAccessor module)
    : RibbonTabsCreator(factory, ribbonBar)
    , m_module(std::move(module))
{
}

bool RibbonSessionStatisticsQ4Classic::CreateTabs()
{
    IGenericModule* module = m_module ? m_module() : nullptr;
    if (!module)
        return false;
    QuorvantaTab* tab = GetRibbonBar().AddTab(ID_TAB_SESSION_STATISTICS, std::make_unique<SessionStatisticsMainTab>(*this));
    if (!tab)
        return false;
    GetRibbonsFactory().AddModuleTab(ID_TAB_SESSION_STATISTICS, module, tab);
    tab->SetContextColor(RibbonContextColorGreen);
    tab->SetContextCaption(QStringLiteral("Statystyka sesji"));
    return true;
}

bool RibbonSessionStatisticsQ4Classic::CreateMainTabGroups(QuorvantaTab& tab)
{
    if (!AddControls(tab.AddGroup(QStringLiteral("Panele"), 0),
                     {{33067, RibbonControlCheckBox, 0}, {33068, RibbonControlCheckBox, 0}}))
        return false;
    if (!AddControls(tab.AddGroup(QStringLiteral("Czcionka"), 0),
                     {{956, RibbonControlButton, 956}, {957, RibbonControlButton, 957}, {958, RibbonControlButton, 958}}))
        return false;
    RibbonGroupBase* options = tab.AddGroup(QStringLiteral("Opcje wyświetlania"), 0);
    RibbonControl* style = AddRibbonControl(options, RibbonControlButton, 33393);
    if (!style)
        return false;
    style->SetStyle(RibbonControlStyle::Large);
    SetSharedBitmapIcons(33393);
    return AddControls(options, {{33919, RibbonControlButton, 33919}, {33917, RibbonControlButton, 33917}});
}
