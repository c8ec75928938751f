#include "styles/ui/StyleEditListTabControls.h"

#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/StringTable.h"
#include "ribbon/controls/RibbonColorPopupBuilders.h"
#include "ribbon/controls/RibbonComboBuilders.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "styles/engine/StyleTextField.h"
#include "styles/ui/StyleEditTabLayouts.h"

#include <array>

namespace
{
// The colour buttons' single 16 px icons, in the order of a group's colours.
constexpr std::array<std::uint32_t, 6> kColourIcons = {901, 900, 899, 898, 897, 896};
constexpr std::uint32_t P = StyleEditTabLayouts::kIconPlaceholder;
}

bool StyleEditListTabControls::AddGridLineControls(RibbonGroupBase& group, const GridLineIds& ids,
                                                   const QString& horizontalCaption, const QString& verticalCaption)
{
    RibbonControl* horizontal = AddRibbonControl(&group, RibbonControlCheckBox, ids.horizontal);
    RibbonControl* vertical = AddRibbonControl(&group, RibbonControlCheckBox, ids.vertical);
    RibbonControl* colour = AddColorPopupButton(&group, ids.colour);
    RibbonControl* lineType = AddLineTypeCombo(&group, ids.lineType, false);
    RibbonControl* lineWidth = AddLineWidthCombo(&group, ids.lineWidth);
    if (!horizontal || !vertical || !colour || !lineType || !lineWidth)
        return false;
    if (!horizontalCaption.isEmpty())
        horizontal->SetCaption(horizontalCaption);
    if (!verticalCaption.isEmpty())
        vertical->SetCaption(verticalCaption);
    for (RibbonControl* control : {colour, lineType, lineWidth})
        control->SetBeginGroup(true);
    return true;
}

RibbonControl* StyleEditListTabControls::AddChoicesPopup(RibbonGroupBase& group, std::uint32_t id,
                                                         std::initializer_list<std::uint32_t> choices)
{
    RibbonControl* control = AddRibbonControl(&group, RibbonControlButtonPopup, id);
    if (control == nullptr)
        return nullptr;
    auto popup = std::make_unique<RibbonPopupBar>();
    for (const std::uint32_t choice : choices)
    {
        if (popup->Add(RibbonControlButton, choice, StringTable::Instance().Caption(choice)) == nullptr)
            return nullptr;
    }
    control->SetCommandBar(std::move(popup));
    return control;
}

RibbonControl* StyleEditListTabControls::AddStyleGallery(RibbonGroupBase& group, std::uint32_t id, int styleKind)
{
    // No edit entry: a style cannot be edited while another one is.
    return AddStylePopupControl(&group, id, styleKind, QString());
}

bool StyleEditListTabControls::AddTextFieldControls(RibbonGroupBase& group,
                                                    const CmdTargetEditGridStyleBase::TextFieldGroup& ids,
                                                    bool colourCaptions, bool copyFromIcon)
{
    if (!AddStyleGallery(group, ids.gallery, StyleTextField::Type) || !AddFontNameCombo(&group, ids.font) ||
        !AddFontSizeCombo(&group, ids.size))
        return false;
    for (std::size_t index = 0; index < ids.colours.size(); ++index)
    {
        RibbonControl* colour = AddColorPopupButton(&group, ids.colours[index]);
        if (colour == nullptr)
            return false;
        // The font colour and the background colour begin their blocks.
        colour->SetBeginGroup(index == 0 || index == 3);
        if (!colourCaptions)
            colour->SetCaption(QString());
        SetRibbonIcons(ids.colours[index], kColourIcons[index], 0);
    }
    if (AddStyleGallery(group, ids.copyFrom, StyleTextField::Type) == nullptr)
        return false;
    const std::uint32_t copyFrom = copyFromIcon ? ids.copyFrom : P;
    const std::array<std::uint32_t, 3> large = {copyFrom, P, ids.gallery};
    const std::array<std::uint32_t, 5> small = {copyFrom, P, P, P, ids.gallery};
    SetBitmapIcons(StyleEditTabLayouts::kLargeStrip, large, true);
    SetBitmapIcons(StyleEditTabLayouts::kSmallStrip, small, false);
    return true;
}

bool StyleEditListTabControls::AddNameEdit(RibbonGroupBase& group, std::uint32_t id)
{
    auto edit = std::make_unique<RibbonEditControl>(id);
    edit->SetWidth(120);
    return AddRibbonControlObject(&group, std::move(edit), id) != nullptr;
}
