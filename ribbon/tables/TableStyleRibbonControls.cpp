#include "ribbon/tables/TableStyleRibbonControls.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "ribbon/controls/RibbonColorPopupBuilders.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "styles/engine/StyleTextField.h"

#include <memory>

namespace
{
constexpr std::uint32_t ID_MORE_OPTIONS = 33785;
}

QString TableStyleRibbonControls::TextFieldKindText()
{
    return QStringLiteral("pola tekstowego");
}

RibbonControl* TableStyleRibbonControls::AddElementStylePopup(RibbonGroupBase* group, std::uint32_t buttonId,
                                                              std::uint32_t galleryId)
{
    RibbonControl* popup = AddRibbonControl(group, RibbonControlPopup, buttonId);
    if (!popup)
        return nullptr;
    popup->SetStyle(RibbonControlStyle::Large);
    popup->SetCommandBar(std::make_unique<RibbonPopupBar>());
    if (!AddDynamicGallery(popup, nullptr, CreateStylePreviewGalleryHelper(StyleTextField::Type, TextFieldKindText()),
                           galleryId))
        return nullptr;
    return popup;
}

RibbonControl* TableStyleRibbonControls::AddMoreOptions(RibbonGroupBase* group, std::initializer_list<ColorSection> sections,
                                                        std::initializer_list<std::uint32_t> fonts,
                                                        std::initializer_list<std::uint32_t> restores)
{
    RibbonControl* more = AddRibbonControl(group, RibbonControlPopup, ID_MORE_OPTIONS);
    if (!more)
        return nullptr;
    more->SetStyle(RibbonControlStyle::Large);
    auto popup = std::make_unique<RibbonPopupBar>();
    for (const ColorSection& section : sections)
    {
        if (section.header)
            popup->Add(RibbonControlLabel, 0, QString::fromUtf16(section.header));
        for (const std::uint32_t id : section.colors)
            if (!AddColorPopupItemWithDefault(*popup, id))
                return nullptr;
    }
    bool first = true;
    for (const std::uint32_t id : fonts)
    {
        RibbonControl* font = popup->Add(RibbonControlButton, id);
        if (!font)
            return nullptr;
        font->SetBeginGroup(first);
        first = false;
    }
    first = true;
    for (const std::uint32_t id : restores)
    {
        RibbonControl* restore = popup->Add(RibbonControlButton, id);
        if (!restore)
            return nullptr;
        restore->SetBeginGroup(first);
        first = false;
    }
    more->SetCommandBar(std::move(popup));
    return more;
}
