#include "charts/ui/ChartRibbonLookup.h"

#include "charts/ui/FormationTab.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IMainFrame.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "workspace/ui/PulpitFrame.h"

namespace
{

ChartRibbonLookup::Finder& GroupFinder()
{
    static ChartRibbonLookup::Finder finder;
    return finder;
}

std::function<RibbonControl*(std::uint32_t)>& RegisteredFinder()
{
    static std::function<RibbonControl*(std::uint32_t)> finder;
    return finder;
}

std::function<RibbonTabBase*()>& SelectedTabFinder()
{
    static std::function<RibbonTabBase*()> finder;
    return finder;
}

PulpitFrame* MainFrame()
{
    AppMediator* mediator = AppMediator::Instance();
    IMainFrame* frame = mediator ? mediator->GetMainFrame() : nullptr;
    return frame ? dynamic_cast<PulpitFrame*>(frame->GetWindow()) : nullptr;
}

}

RibbonControl* ChartRibbonLookup::FindControl(std::uint32_t groupId, std::uint32_t controlId)
{
    if (GroupFinder())
        return GroupFinder()(groupId, controlId);
    PulpitFrame* frame = MainFrame();
    QuorvantaRibbonBar* ribbon = frame ? frame->GetRibbonBar() : nullptr;
    if (!ribbon)
        return nullptr;
    // Every formation tab has a group of the same id; the one shown is the one meant.
    if (RibbonTabBase* selected = ribbon->GetSelectedTab())
        if (RibbonGroupBase* group = selected->FindGroup(groupId))
            if (RibbonControl* control = group->FindControl(controlId))
                return control;
    for (int i = 0; i < ribbon->GetTabCount(); ++i)
    {
        if (RibbonGroupBase* group = ribbon->GetTab(i)->FindGroup(groupId))
        {
            if (RibbonControl* control = group->FindControl(controlId))
                return control;
        }
    }
    return nullptr;
}

ChartRibbonLookup::FormationTabControl ChartRibbonLookup::FindOnSelectedFormationTab(std::uint32_t groupId,
                                                                                   std::uint32_t controlId)
{
    RibbonTabBase* selected = nullptr;
    if (SelectedTabFinder())
        selected = SelectedTabFinder()();
    else if (PulpitFrame* frame = MainFrame())
        if (QuorvantaRibbonBar* ribbon = frame->GetRibbonBar())
            selected = ribbon->GetSelectedTab();
    FormationTabControl found;
    auto* tab = dynamic_cast<FormationTab*>(selected);
    if (!tab)
        return found;
    found.formationTab = true;
    RibbonGroupBase* group = tab->FindGroup(groupId);
    if (!group)
        return found;
    found.hasGroup = true;
    found.control = group->FindControl(controlId);
    return found;
}

void ChartRibbonLookup::UpdateControls()
{
    PulpitFrame* frame = MainFrame();
    if (QuorvantaRibbonBar* ribbon = frame ? frame->GetRibbonBar() : nullptr)
        ribbon->UpdateControls();
}

RibbonControl* ChartRibbonLookup::FindRegistered(std::uint32_t id)
{
    if (RegisteredFinder())
        return RegisteredFinder()(id);
    PulpitFrame* frame = MainFrame();
    const std::shared_ptr<RibbonsFactory> factory = frame ? frame->GetRibbonsFactory() : nullptr;
    return factory ? factory->FindControl(id) : nullptr;
}

void ChartRibbonLookup::SetFinders(Finder inGroup, std::function<RibbonControl*(std::uint32_t)> registered)
{
    GroupFinder() = std::move(inGroup);
    RegisteredFinder() = std::move(registered);
}

void ChartRibbonLookup::SetSelectedTabFinder(std::function<RibbonTabBase*()> selected)
{
    SelectedTabFinder() = std::move(selected);
}
