#include "charts/ui/CmdTargetFormationMainTab.h"

#include "charts/ui/ChartRibbonLookup.h"
#include "charts/ui/FormationCommandIds.h"
#include "modulelibs/chart/ChartModule.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/MessageBoxFlags.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/StringTable.h"
#include "styles/engine/StyleFormation.h"

using namespace FormationCommandIds;

namespace
{

// The item chosen in the gallery that sent the notification; false when none is.
bool SelectedItemId(const NotifyInfo& info, int& itemId)
{
    auto* gallery = qobject_cast<GalleryControl*>(info.control);
    const int selected = gallery ? gallery->GetSelectedItem() : -1;
    GalleryItem* item = selected >= 0 ? gallery->GetItem(selected) : nullptr;
    if (!item)
        return false;
    itemId = static_cast<int>(item->GetID());
    return true;
}

void CheckFirstRegistered(std::uint32_t id, int itemId)
{
    if (auto* gallery = qobject_cast<GalleryControl*>(ChartRibbonLookup::FindRegistered(id)))
        gallery->SetCheckedItem(static_cast<std::uint32_t>(itemId));
}

}

CmdTargetFormationMainTab::CmdTargetFormationMainTab()
    : CmdTargetFormationMainTab(GetChartConsumer())
{
}

CmdTargetFormationMainTab::CmdTargetFormationMainTab(ChartConsumer* consumer)
    : CmdTargetFormationBase(consumer)
{
    for (const ToolKind& tool : kToolKinds)
        ToolButton(tool.id, tool.kind);
    ModeButton(ID_MODE_SNAP, 1);
    ModeButton(ID_MODE_AUTO, 2);
    ModeButton(ID_MODE_FREE, 0);
    OnCommand(ID_PASTE, [] {});
    OnUpdate(ID_PASTE, [this](CmdUI& cmdUI) { cmdUI.Enable(Enabled()); });
    OnCommand(ID_SHOW_LABELS, [this] {
        if (!Consumer())
            return;
        Consumer()->ShowLabelsOnFormations(Consumer()->ShowLabelsOnFormations() == 0 ? 1 : 0);
        Consumer()->Refresh();
    });
    OnUpdate(ID_SHOW_LABELS, [this](CmdUI& cmdUI) {
        cmdUI.Enable(Enabled());
        cmdUI.SetCheck(Consumer() && Consumer()->ShowLabelsOnFormations() != 0 ? 1 : 0);
    });
    DefaultStyleGallery();
    SymbolsGallery();
    RemoveAll();
}

bool CmdTargetFormationMainTab::Enabled() const
{
    return Consumer() && Consumer()->FormationCommandEnabled();
}

void CmdTargetFormationMainTab::ToolButton(std::uint32_t id, FormationType kind)
{
    OnCommand(id, [this, kind] {
        if (Consumer())
            Consumer()->FormationToTurnOn(Consumer()->FormationToTurnOn() == kind ? FormationParam::kNoTool : kind);
    });
    OnUpdate(id, [this, kind](CmdUI& cmdUI) {
        cmdUI.Enable(Enabled());
        cmdUI.SetCheck(Consumer() && Consumer()->FormationToTurnOn() == kind ? 1 : 0);
    });
}

void CmdTargetFormationMainTab::ModeButton(std::uint32_t id, int mode)
{
    OnCommand(id, [this, mode] {
        if (Consumer())
            Consumer()->DrawingMode(mode);
    });
    OnUpdate(id, [this, mode](CmdUI& cmdUI) {
        cmdUI.Enable(Enabled());
        cmdUI.SetCheck(Consumer() && Consumer()->DrawingMode() == mode ? 1 : 0);
    });
}

void CmdTargetFormationMainTab::DefaultStyleGallery()
{
    OnNotify(ID_DEFAULT_STYLE_GALLERY, NotifyCodes::Execute, [this](NotifyInfo& info) {
        int itemId = 0;
        if (Consumer() && SelectedItemId(info, itemId))
            Consumer()->DefaultFormationStyle(itemId);
    });
    OnNotify(ID_DEFAULT_STYLE_GALLERY, NotifyCodes::SpecialStylesRequest, [this](NotifyInfo& info) {
        m_specialStyles = std::make_shared<SpecialStylesInfo>();
        m_specialStyles->firstStyle = StyleFormation::CreateInstance();
        m_specialStyles->checkedStyleId = Consumer() ? Consumer()->DefaultFormationStyle() : 0;
        if (const ActiveObjectsContainer* active = Active())
            m_specialStyles->background = active->GetActiveViewBackgroundColor();
        m_specialStyles->flag = 0;
        info.result = reinterpret_cast<std::intptr_t>(m_specialStyles.get());
    });
    OnUpdate(ID_DEFAULT_STYLE_GALLERY, [this](CmdUI& cmdUI) {
        cmdUI.Enable(Enabled());
        if (Consumer())
            CheckFirstRegistered(ID_DEFAULT_STYLE_GALLERY, Consumer()->DefaultFormationStyle());
    });
}

void CmdTargetFormationMainTab::SymbolsGallery()
{
    OnNotify(ID_SYMBOLS_GALLERY, NotifyCodes::GalleryPreviewApply, [this](NotifyInfo& info) {
        int itemId = 0;
        if (!Consumer() || !SelectedItemId(info, itemId))
            return;
        Consumer()->CurrentSymbolId(itemId);
        // The symbol tool stays armed when it already was: a new symbol is no toggle.
        Consumer()->FormationToTurnOn(FormationParam::kSymbol);
    });
    OnUpdate(ID_SYMBOLS_GALLERY, [this](CmdUI& cmdUI) {
        if (Consumer())
            CheckFirstRegistered(ID_SYMBOLS_GALLERY, Consumer()->CurrentSymbolId());
        cmdUI.Enable(true);
    });
}

void CmdTargetFormationMainTab::RemoveAll()
{
    OnCommand(ID_REMOVE_ALL, [this] {
        if (!Consumer())
            return;
        Consumer()->FormationToTurnOn(FormationParam::kNoTool);
        ChartRibbonLookup::UpdateControls();
        const QString question = StringTable::Instance().Get(IDS_REMOVE_ALL_QUESTION);
        if (DialogServices::ShowMessageBox(QString(), question, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        if (ActiveObjectsContainer* active = Active())
            active->RemoveAllFormations();
    });
    OnUpdate(ID_REMOVE_ALL, [this](CmdUI& cmdUI) {
        const ActiveObjectsContainer* active = Active();
        cmdUI.Enable(active && active->HasFormations());
    });
}
