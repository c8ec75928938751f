#include "charts/ui/FormationParamValues.h"

#include "charts/ui/ChartRibbonLookup.h"
#include "charts/ui/IFiboFormationPopupManager.h"
#include "charts/ui/IGannFanLevelsPopupManager.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/FormationLevels.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/ui/CmdUI.h"
#include "ribbon/popups/PopupWindowManager.h"

std::shared_ptr<FiboLevelsContainer> FormationParamValues::GetActiveFiboLevels(const ActiveObjectsContainer* active)
{
    if (!active)
        return nullptr;
    const auto nested = FormationLevels::Unwrap<FiboFormationParamValue>(
        active->GetActiveFormationParameter(FormationParam::FiboLevels));
    return nested ? nested->Levels() : nullptr;
}

namespace
{

// The levels of the popup under the control, wrapped and written as the parameter. A popup with
// nothing to give must not wipe the formation's levels.
template <typename Manager, typename Wrapper>
void ApplyLevelsFromPopup(ActiveObjectsContainer* active, std::uint32_t groupId, std::uint32_t controlId,
                          FormationParam::Type type)
{
    auto* manager = ChartRibbonLookup::FindManager<Manager>(groupId, controlId);
    if (!active || !manager)
        return;
    auto levels = manager->GetLevels();
    if (levels)
        active->UpdateActiveFormationParameter(type, FormationLevels::Wrap(std::make_shared<Wrapper>(std::move(levels))));
}

}

void FormationParamValues::ApplyFiboLevelsFromPopup(ActiveObjectsContainer* active, std::uint32_t groupId,
                                                    std::uint32_t controlId)
{
    ApplyLevelsFromPopup<IFiboFormationPopupManager, FiboFormationParamValue>(active, groupId, controlId,
                                                                             FormationParam::FiboLevels);
}

void FormationParamValues::ApplyGannLevelsFromPopup(ActiveObjectsContainer* active, std::uint32_t groupId,
                                                    std::uint32_t controlId)
{
    ApplyLevelsFromPopup<IGannFanLevelsPopupManager, GannFanFormationLevelsParam>(active, groupId, controlId,
                                                                                  FormationParam::GannLevels);
}

void FormationParamValues::ToggleFormationFlag(ActiveObjectsContainer* active, FormationParam::Type type)
{
    if (active)
        active->UpdateActiveFormationParameter(type, !active->GetActiveFormationParameter(type).toBool());
}

void FormationParamValues::UpdateFormationFlagCommand(const ActiveObjectsContainer* active, CmdUI& cmdUI,
                                                      FormationParam::Type type)
{
    if (!active || !active->IsFormationActive())
    {
        cmdUI.Enable(false);
        return;
    }
    cmdUI.Enable(true);
    cmdUI.SetCheck(active->GetActiveFormationParameter(type).toBool() ? 1 : 0);
}

RibbonEditControl* FormationParamValues::FindRibbonEditExControl(std::uint32_t groupId, std::uint32_t controlId)
{
    return qobject_cast<RibbonEditControl*>(ChartRibbonLookup::FindControl(groupId, controlId));
}
