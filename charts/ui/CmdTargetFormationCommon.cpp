#include "charts/ui/CmdTargetFormationCommon.h"

#include "charts/ui/ChartRibbonLookup.h"
#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/FormationParamValues.h"
#include "core/mediator/AppMediator.h"
#include "modulelibs/chart/ChartModule.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/ui/NotifyCodes.h"
#include "ribbon/UpdateRibbonContext.h"

using namespace FormationCommandIds;

CmdTargetFormationCommon::CmdTargetFormationCommon()
    : CmdTargetFormationCommon(GetChartConsumer())
{
}

CmdTargetFormationCommon::CmdTargetFormationCommon(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    NameEdit();
    FlagControl(ID_SHOW_LABEL, FormationParam::ShowLabel);
    FlagControl(ID_EXTEND_TO_END, FormationParam::ExtendToEnd);
    FlagControl(ID_EXTEND_TO_END_SECOND, FormationParam::ExtendToEnd);
    FlagControl(ID_EXTEND_TO_BEGIN, FormationParam::ExtendToBegin);
    OnCommand(ID_REMOVE, [this] {
        ActiveObjectsContainer* active = Active();
        if (!active)
            return;
        active->RemoveActiveFormation();
        if (AppMediator* mediator = AppMediator::Instance())
            mediator->UpdateRibbonContext(true, UpdateRibbonContext(nullptr));
    });
    ActiveOnly(ID_REMOVE);
    OnCommand(ID_DUPLICATE, [this] {
        if (ActiveObjectsContainer* active = Active())
            active->DuplicateActiveFormation();
    });
    ActiveOnly(ID_DUPLICATE);
    OnCommand(ID_COPY, [] {});
    AlwaysEnabled(ID_COPY);
    AlwaysEnabled(ID_STYLE_POPUP);
    StyleGallery();
    for (const std::uint32_t id : {ID_ATTACH, ID_MORE_OPTIONS, ID_BASE_LINE_COLOR, ID_EXTENSION_COLOR})
        ActiveOnly(id);
}

void CmdTargetFormationCommon::NameEdit()
{
    OnNotify(ID_NAME, NotifyCodes::Execute, [this](NotifyInfo& info) {
        auto* edit = qobject_cast<RibbonEditControl*>(info.control);
        if (!edit)
            edit = FormationParamValues::FindRibbonEditExControl(GROUP_FORMATION, ID_NAME);
        ActiveObjectsContainer* active = Active();
        if (edit && active && active->IsFormationActive())
            active->UpdateActiveFormationParameter(FormationParam::Name, edit->GetEditText());
    });
    OnUpdate(ID_NAME, [this](CmdUI& cmdUI) {
        const auto onTab = ChartRibbonLookup::FindOnSelectedFormationTab(GROUP_FORMATION, ID_NAME);
        if (onTab.formationTab && !onTab.hasGroup)
            return;
        auto* edit = qobject_cast<RibbonEditControl*>(onTab.control);
        const ActiveObjectsContainer* active = Active();
        if (!edit || !active || !active->IsFormationActive())
        {
            cmdUI.Enable(false);
            return;
        }
        if (!edit->HasFocus())
            edit->SetEditText(active->GetActiveFormationParameter(FormationParam::Name).toString());
        cmdUI.Enable(true);
    });
}

void CmdTargetFormationCommon::StyleGallery()
{
    constexpr int kFormations = 3;
    OnNotify(ID_STYLE_GALLERY, NotifyCodes::SpecialStylesRequest, [this](NotifyInfo& info) {
        const ActiveObjectsContainer* active = Active();
        if (!active)
            return;
        m_specialStyles = std::make_shared<SpecialStylesInfo>();
        m_specialStyles->firstStyle = active->GetAutoStyle(kFormations);
        m_specialStyles->checkedStyleId = active->GetActiveElementStyleId(kFormations);
        m_specialStyles->background = active->GetActiveViewBackgroundColor();
        m_specialStyles->flag = 1;
        info.result = reinterpret_cast<std::intptr_t>(m_specialStyles.get());
    });
    OnNotify(ID_STYLE_GALLERY, NotifyCodes::GalleryPreviewChange, [this](NotifyInfo& info) {
        auto* gallery = qobject_cast<GalleryControl*>(info.control);
        const int selected = gallery ? gallery->GetSelectedItem() : -1;
        GalleryItem* item = selected >= 0 ? gallery->GetItem(selected) : nullptr;
        ActiveObjectsContainer* active = Active();
        if (!item || gallery->IsSelectionHidden() || !active)
            return;
        active->OnChangeStyle(kFormations, static_cast<int>(item->GetID()));
        active->ReCreateActiveChart();
    });
    OnNotify(ID_STYLE_GALLERY, NotifyCodes::GalleryPreviewCancel, [this](NotifyInfo&) {
        if (ActiveObjectsContainer* active = Active())
        {
            active->OnCancelStyle();
            active->ReCreateActiveChart();
        }
    });
    OnNotify(ID_STYLE_GALLERY, NotifyCodes::GalleryPreviewApply, [this](NotifyInfo&) {
        if (ActiveObjectsContainer* active = Active())
            active->OnApplyStyle();
    });
    OnUpdate(ID_STYLE_GALLERY, [this](CmdUI& cmdUI) {
        const ActiveObjectsContainer* active = Active();
        auto* gallery = qobject_cast<GalleryControl*>(ChartRibbonLookup::FindRegistered(ID_STYLE_GALLERY));
        if (!gallery || !active)
            return;
        gallery->SetCheckedItem(static_cast<std::uint32_t>(active->GetActiveElementStyleId(kFormations)));
        cmdUI.Enable(true);
    });
}
