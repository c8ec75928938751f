#include "styles/ui/RibbonStyleTextFieldTabsQ4Classic.h"

#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/controls/RibbonColorPopupBuilders.h"
#include "ribbon/controls/RibbonComboBuilders.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "styles/engine/StyleTextField.h"
#include "styles/ui/StyleEditListCmdIds.h"
#include "styles/ui/StyleEditListTabControls.h"

#include <array>

using namespace StyleEditListCmdIds;

namespace
{
constexpr std::uint32_t kFieldGroup = 33084;

bool FillField(RibbonGroupBase& group)
{
    group.SetCaption(QStringLiteral("Styl pola"));
    if (!AddFontNameCombo(&group, ID_FIELD_FONT) || !AddFontSizeCombo(&group, ID_FIELD_SIZE))
        return false;
    // In the order of a related style's group: font colours, then background colours.
    const std::array<std::uint32_t, 6> colours = {ID_FIELD_FONT_COLOUR, ID_FIELD_FONT_COLOUR_RISE,
                                                  ID_FIELD_FONT_COLOUR_FALL, ID_FIELD_BACK_COLOUR,
                                                  ID_FIELD_BACK_COLOUR_RISE, ID_FIELD_BACK_COLOUR_FALL};
    const std::array<std::uint32_t, 6> icons = {901, 900, 899, 898, 897, 896};
    for (std::size_t index = 0; index < colours.size(); ++index)
    {
        RibbonControl* colour = AddColorPopupButton(&group, colours[index]);
        if (colour == nullptr)
            return false;
        colour->SetBeginGroup(index == 0 || index == 3);
        SetRibbonIcons(colours[index], icons[index], 0);
    }
    RibbonControl* copyFrom = StyleEditListTabControls::AddStyleGallery(group, ID_FIELD_COPY_FROM, StyleTextField::Type);
    if (copyFrom == nullptr || !StyleEditListTabControls::AddNameEdit(group, ID_FIELD_STYLE_NAME))
        return false;
    copyFrom->SetBeginGroup(true);
    return true;
}
}

std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> RibbonStyleTextFieldTabsQ4Classic::Fillers()
{
    return {{kFieldGroup, FillField}};
}
