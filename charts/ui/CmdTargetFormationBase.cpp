#include "charts/ui/CmdTargetFormationBase.h"

#include "charts/ui/FormationParamValues.h"
#include "platform/base/TextHelper.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/ui/NotifyCodes.h"

#include <cmath>
#include <limits>

CmdTargetFormationBase::CmdTargetFormationBase(ChartConsumer* consumer)
    : m_consumer(consumer)
{
}

ActiveObjectsContainer* CmdTargetFormationBase::Active() const
{
    return m_consumer ? m_consumer->GetActiveObjects() : nullptr;
}

bool CmdTargetFormationBase::IsFormationActive() const
{
    const ActiveObjectsContainer* active = Active();
    return active && active->IsFormationActive();
}

void CmdTargetFormationBase::FlagControl(std::uint32_t id, FormationParam::Type type)
{
    OnCommand(id, [this, type] { FormationParamValues::ToggleFormationFlag(Active(), type); });
    OnUpdate(id, [this, type](CmdUI& cmdUI) { FormationParamValues::UpdateFormationFlagCommand(Active(), cmdUI, type); });
}

void CmdTargetFormationBase::ActiveOnly(std::uint32_t id)
{
    OnUpdate(id, [this](CmdUI& cmdUI) { cmdUI.Enable(IsFormationActive()); });
}

void CmdTargetFormationBase::AlwaysEnabled(std::uint32_t id)
{
    OnUpdate(id, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
}

void CmdTargetFormationBase::NumericEdit(std::uint32_t id, FormationParam::Type type, std::uint32_t groupId,
                                         int precision, bool wholeNumber)
{
    NumericEditCommand(id, type, groupId, wholeNumber);
    OnUpdate(id, [this, groupId, type, precision](CmdUI& cmdUI) {
        if (ShowInEdit(cmdUI, groupId, type, precision))
            cmdUI.Enable(true);
    });
}

RibbonEditControl* CmdTargetFormationBase::ShowInEdit(CmdUI& cmdUI, std::uint32_t groupId, FormationParam::Type type,
                                                      int precision) const
{
    RibbonEditControl* edit = FormationParamValues::FindRibbonEditExControl(groupId, cmdUI.Id());
    const ActiveObjectsContainer* active = Active();
    if (!edit || !active || !active->IsFormationActive())
    {
        cmdUI.Enable(false);
        return nullptr;
    }
    if (!edit->HasFocus())
        edit->SetEditText(TextHelper::ToString(active->GetActiveFormationParameter(type).toDouble(), precision, true));
    return edit;
}

void CmdTargetFormationBase::NumericEditCommand(std::uint32_t id, FormationParam::Type type, std::uint32_t groupId,
                                                bool wholeNumber)
{
    OnNotify(id, NotifyCodes::Execute, [this, id, type, groupId, wholeNumber](NotifyInfo& info) {
        auto* edit = qobject_cast<RibbonEditControl*>(info.control);
        if (!edit)
            edit = FormationParamValues::FindRibbonEditExControl(groupId, id);
        ActiveObjectsContainer* active = Active();
        if (!edit || !active || !active->IsFormationActive())
            return;
        bool ok = false;
        const double number = TextHelper::ToDouble(edit->GetEditText(), &ok);
        // A text that is no number, or a whole number out of range, writes nothing; the next
        // update shows the stored value again.
        if (!ok || !std::isfinite(number))
            return;
        if (!wholeNumber)
        {
            active->UpdateActiveFormationParameter(type, number);
            return;
        }
        const double truncated = std::trunc(number);
        if (truncated < 1.0 || truncated > std::numeric_limits<std::uint32_t>::max())
            return;
        active->UpdateActiveFormationParameter(type, static_cast<unsigned>(truncated));
    });
}

void CmdTargetFormationBase::ValueItem(std::uint32_t id, FormationParam::Type type, unsigned value)
{
    OnCommand(id, [this, type, value] {
        if (ActiveObjectsContainer* active = Active())
            active->UpdateActiveFormationParameter(type, value);
    });
}
