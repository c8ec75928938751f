#include "styles/ui/CmdTargetEditChartElementStyle.h"

#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/StyleChartElement.h"
#include "styles/ui/ChartStyleCommandIds.h"

#include <optional>

using namespace ChartStyleCmd;

namespace
{
// The item the user hovers or chose in the notifying gallery, or the combo's selection.
std::optional<int> ChosenItem(const NotifyInfo& info)
{
    if (const auto* combo = qobject_cast<const RibbonComboBoxControl*>(info.control))
        return combo->GetCurSel() >= 0 ? std::optional<int>(combo->GetCurSel()) : std::nullopt;
    const GalleryControl* gallery = StyleEditCmdHelper::GetGallery(info);
    const GalleryItem* item = gallery ? gallery->GetItem(gallery->GetSelectedItem()) : nullptr;
    return item ? std::optional<int>(static_cast<int>(item->GetID())) : std::nullopt;
}
}

CmdTargetEditChartElementStyle::CmdTargetEditChartElementStyle(std::shared_ptr<StyleBase> style,
                                                               StyleEditModeHandler& handler,
                                                               ActiveObjects activeObjects)
    : CmdTargetEditChartStyleBase(std::move(style), handler, std::move(activeObjects))
{
    OnCommand(ID_ELEMENT_DISCARD, [this] {
        RestoreChartType();
        Discard(true);
    });
    OnCommand(ID_DISCARD_ANY, [this] {
        RestoreChartType();
        Discard(true);
    });
    OnCommand(ID_ELEMENT_SAVE, [this] {
        RestoreChartType();
        Save();
    });
    for (const std::uint32_t id : {ID_ELEMENT_DISCARD, ID_ELEMENT_SAVE})
        OnUpdate(id, [](CmdUI& cmdUI) { cmdUI.Enable(true); });

    using E = StyleChartElement;
    static const Command commands[] = {
        {ID_LINE_COLOUR, Edit::Colour, E::ParamLineColor},
        {ID_RISE_FRAME, Edit::Colour, E::ParamRiseFrameColor},
        {ID_FALL_FRAME, Edit::Colour, E::ParamFallFrameColor},
        {ID_RISE_CANDLE, Edit::Colour, E::ParamRiseCandleColor},
        {ID_FALL_CANDLE, Edit::Colour, E::ParamFallCandleColor},
        {ID_ELEMENT_COPY_FROM, Edit::CopyFrom},
        {ID_ELEMENT_NAME, Edit::Name},
    };
    AddCommands(commands);
    AddCopyFromInfo(ID_ELEMENT_COPY_FROM);
    AddPreviewType();
    AddWidth();
    AddLineType();

    OnCommand(ID_WIDTH_TYPE, [this] {
        StyleBase& edited = *GetEditedStyle();
        edited.SetValue(E::ParamWidthType, edited.GetValue(E::ParamWidthType) == 0 ? 1 : 0);
        OnStyleCopied();
    });
    OnUpdate(ID_WIDTH_TYPE, [this](CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(GetEditedStyle()->GetValue(E::ParamWidthType) != 0 ? 1 : 0);
    });

    if (ActiveObjectsContainer* active = Active())
    {
        m_startType = m_chosenType = m_shownType = active->GetChartType();
        active->ReCreateActiveChart();
    }
}

CmdTargetEditChartElementStyle::~CmdTargetEditChartElementStyle()
{
    RestoreChartType();
}

void CmdTargetEditChartElementStyle::AddPreviewType()
{
    OnUpdate(ID_PREVIEW_TYPE, [this](CmdUI& cmdUI) {
        cmdUI.Enable(true);
        const ActiveObjectsContainer* active = Active();
        const bool mainSeries = active && active->IsActiveSeriesMainAggregationSereis();
        for (GalleryControl* gallery : StyleEditCmdHelper::GetGalleries(cmdUI))
        {
            for (int i = 0; i < gallery->GetItemCount(); ++i)
            {
                GalleryItem* item = gallery->GetItem(i);
                const int type = static_cast<int>(item->GetID());
                item->SetEnabled(mainSeries || (type != kBarType && type != kCandleType));
            }
            gallery->SetCheckedItem(static_cast<std::uint32_t>(m_chosenType));
        }
    });
    OnNotify(ID_PREVIEW_TYPE, NotifyCodes::Execute, [this](NotifyInfo& info) {
        if (const std::optional<int> type = ChosenItem(info))
        {
            m_chosenType = *type;
            ShowChartType(*type);
        }
    });
    for (const int code : {NotifyCodes::GalleryPreviewChange, NotifyCodes::GalleryPreviewCancel})
    {
        OnNotify(ID_PREVIEW_TYPE, code, [this](NotifyInfo& info) {
            const std::optional<int> hovered = ChosenItem(info);
            ShowChartType(hovered ? *hovered : m_chosenType);
        });
    }
}

void CmdTargetEditChartElementStyle::AddWidth()
{
    using E = StyleChartElement;
    OnUpdate(ID_ELEMENT_WIDTH, [this](CmdUI& cmdUI) { StyleEditCmdHelper::UpdateParameter1Edit(*GetEditedStyle(), cmdUI); });
    OnNotify(ID_ELEMENT_WIDTH, NotifyCodes::Execute, [this](NotifyInfo& info) {
        StyleEditCmdHelper::SetParameter1FromEdit(*GetEditedStyle(), info, *this);
    });
    for (const int code : {NotifyCodes::GalleryPreviewChange, NotifyCodes::GalleryPreviewCancel})
    {
        OnNotify(ID_ELEMENT_WIDTH, code, [this](NotifyInfo& info) {
            StyleEditCmdHelper::SetValueFromGallery(*GetEditedStyle(), E::ParamWidth, info, *GetWorkingCopy());
            RedrawActiveModuleWindow();
        });
    }
}

void CmdTargetEditChartElementStyle::AddLineType()
{
    using E = StyleChartElement;
    OnUpdate(ID_LINE_TYPE, [this](CmdUI& cmdUI) {
        cmdUI.Enable(true);
        const int type = GetEditedStyle()->GetValue(E::ParamLineType);
        if (RibbonComboBoxControl* combo = StyleEditCmdHelper::GetComboControl(cmdUI); combo && combo->GetCurSel() != type)
            combo->SetCurSel(type);
    });
    OnNotify(ID_LINE_TYPE, NotifyCodes::Execute, [this](NotifyInfo& info) {
        if (const std::optional<int> type = ChosenItem(info))
            GetEditedStyle()->SetValue(E::ParamLineType, *type);
        OnStyleCopied();
    });
    for (const int code : {NotifyCodes::GalleryPreviewChange, NotifyCodes::GalleryPreviewCancel})
    {
        OnNotify(ID_LINE_TYPE, code, [this](NotifyInfo& info) {
            const std::optional<int> hovered = ChosenItem(info);
            GetEditedStyle()->SetValue(E::ParamLineType,
                                       hovered ? *hovered : GetWorkingCopy()->GetValue(E::ParamLineType));
            RedrawActiveModuleWindow();
        });
    }
}

void CmdTargetEditChartElementStyle::ShowChartType(int type)
{
    m_shownType = type;
    if (ActiveObjectsContainer* active = Active())
        active->SetChartType(type);
}

void CmdTargetEditChartElementStyle::RestoreChartType()
{
    if (m_restored)
        return;
    m_restored = true;
    if (ActiveObjectsContainer* active = Active())
    {
        active->SetChartType(m_startType);
        active->ReCreateActiveChart();
    }
}
