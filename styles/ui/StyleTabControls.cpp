#include "styles/ui/StyleTabControls.h"

#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/StringTable.h"
#include "ribbon/controls/RibbonColorPopupBuilders.h"
#include "ribbon/controls/RibbonComboBuilders.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"

#include <memory>

bool StyleTabControls::AddColours(RibbonGroupBase& group, std::initializer_list<std::uint32_t> ids, bool beginGroup)
{
    bool first = true;
    for (const std::uint32_t id : ids)
    {
        RibbonControl* control = AddColorPopupButton(&group, id);
        if (control == nullptr)
            return false;
        if (first && beginGroup)
            control->SetBeginGroup(true);
        first = false;
    }
    return true;
}

bool StyleTabControls::AddCheck(RibbonGroupBase& group, std::uint32_t id, const QString& caption)
{
    RibbonControl* check = AddRibbonControl(&group, RibbonControlCheckBox, id);
    if (check && !caption.isEmpty())
        check->SetCaption(caption);
    return check != nullptr;
}

bool StyleTabControls::AddPen(RibbonGroupBase& group, std::uint32_t colourId, std::uint32_t typeId,
                              std::uint32_t widthId)
{
    RibbonControl* colour = AddColorPopupButton(&group, colourId);
    RibbonControl* type = AddLineTypeCombo(&group, typeId, false);
    RibbonControl* width = AddLineWidthCombo(&group, widthId);
    if (!colour || !type || !width)
        return false;
    for (RibbonControl* control : {colour, type, width})
        control->SetBeginGroup(true);
    return true;
}

bool StyleTabControls::AddFont(RibbonGroupBase& group, std::uint32_t nameId, std::uint32_t sizeId)
{
    return AddFontNameCombo(&group, nameId) != nullptr && AddFontSizeCombo(&group, sizeId) != nullptr;
}

bool StyleTabControls::AddStyleGallery(RibbonGroupBase& group, std::uint32_t id, StyleType kind)
{
    // No kind's text: the gallery offers no editing of its styles while one is edited.
    RibbonControl* popup = AddStylePopupButtonSmall(&group, id, static_cast<int>(kind), QString());
    ReplaceCaptionUnderscores(popup);
    return popup != nullptr;
}

bool StyleTabControls::AddChoicePopup(RibbonGroupBase& group, std::uint32_t id, std::uint32_t captionId,
                                      std::uint32_t one, std::uint32_t zero)
{
    RibbonControl* popup = AddRibbonControl(&group, RibbonControlButtonPopup, id);
    if (popup == nullptr)
        return false;
    popup->SetCaption(StringTable::Instance().Get(captionId));
    RibbonPopupBar* bar = popup->SetCommandBar(std::make_unique<RibbonPopupBar>());
    for (const std::uint32_t choice : {one, zero})
    {
        if (bar->Add(RibbonControlButton, choice, StringTable::Instance().Caption(choice)) == nullptr)
            return false;
    }
    return true;
}

bool StyleTabControls::AddRow(RibbonGroupBase& group, const RowIds& ids, bool iconsOnly)
{
    if (!AddStyleGallery(group, ids.styleGallery, StyleTypes::TextField) || !AddFont(group, ids.fontName, ids.fontSize))
        return false;
    static const std::uint32_t icons[] = {901, 900, 899, 898, 897, 896};
    for (int i = 0; i < 6; ++i)
    {
        RibbonControl* colour = AddColorPopupButton(&group, ids.colours[i]);
        if (colour == nullptr)
            return false;
        colour->SetBeginGroup(i == 0 || i == 3);
        if (iconsOnly)
            colour->SetCaption(QString());
        SetRibbonIcons(ids.colours[i], icons[i], 0);
    }
    return AddStyleGallery(group, ids.copyFrom, StyleTypes::TextField);
}

bool StyleTabControls::AddNameEdit(RibbonGroupBase& group, std::uint32_t id)
{
    auto name = std::make_unique<RibbonEditControl>(id);
    name->SetWidth(120);
    return AddRibbonControlObject(&group, std::move(name), id) != nullptr;
}
