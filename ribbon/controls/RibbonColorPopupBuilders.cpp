#include "ribbon/controls/RibbonColorPopupBuilders.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/StringTable.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/galleries/ColorGalleryFillers.h"
#include "ribbon/galleries/ColorMarkers.h"
#include "ribbon/galleries/ColorStringIds.h"
#include "ribbon/galleries/ControlGalleryEx.h"
#include "ribbon/galleries/GalleryItemFontColor.h"

#include <optional>

using namespace ColorStringIds;
using namespace RibbonColorPopupIds;

namespace
{
constexpr int kEntryWidth = 170;
constexpr int kEntryHeight = 16;
constexpr int kLabelHeight = 13;
constexpr int kSeparatorHeight = 2;

void AddEntry(GalleryControl& gallery, int color, const QString& caption)
{
    GalleryItem* item = gallery.AddItem(ColorMarkers::ItemId(color), caption);
    item->SetSize(QSize(kEntryWidth, kEntryHeight));
}

void AddLabel(GalleryControl& gallery, const QString& caption, int height)
{
    GalleryItem* label = gallery.AddItem(0, caption);
    label->SetLabel(true);
    label->SetSize(QSize(kEntryWidth, height));
}

RibbonControl* MakeColorPopup(RibbonControl* button, std::uint32_t id, const std::optional<QString>& defaultCaption)
{
    if (button == nullptr)
        return nullptr;
    const StringTable& strings = StringTable::Instance();
    auto gallery = std::make_unique<ControlGalleryEx>(id);
    gallery->SetItemSize(QSize(GalleryItemFontColor::kSize, GalleryItemFontColor::kSize));
    gallery->SetWidth(kGalleryWidth);
    gallery->SetHeight(defaultCaption ? kGalleryHeightWithDefault : kGalleryHeight);
    gallery->SetShowLabels(true);
    gallery->SetShowScrollBar(false);
    if (defaultCaption)
        AddEntry(*gallery, ColorMarkers::kDefault,
                 defaultCaption->isEmpty() ? strings.Get(IDS_DEFAULT_COLOR) : *defaultCaption);
    AddLabel(*gallery, strings.Get(IDS_THEME_COLORS), kLabelHeight);
    AddThemeColorItems(*gallery);
    AddLabel(*gallery, strings.Get(IDS_STANDARD_COLORS), kLabelHeight);
    AddStandardColorItems(*gallery);
    AddLabel(*gallery, QString(), kSeparatorHeight);
    AddEntry(*gallery, ColorMarkers::kMore, strings.Get(IDS_MORE_COLORS));

    auto popup = std::make_unique<RibbonPopupBar>();
    popup->Add(std::move(gallery), id);
    button->SetCommandBar(std::move(popup));
    button->SetFlags(button->GetFlags() | kColorButtonFlag);
    return button;
}

RibbonControl* AddColorPopup(RibbonGroupBase* group, std::uint32_t id, const std::optional<QString>& defaultCaption)
{
    return MakeColorPopup(AddRibbonControl(group, RibbonControlButtonPopup, id), id, defaultCaption);
}
}

RibbonControl* AddColorPopupItemWithDefault(RibbonPopupBar& popup, std::uint32_t id)
{
    return MakeColorPopup(popup.Add(RibbonControlButtonPopup, id), id, QString());
}

RibbonControl* AddColorPopupButton(RibbonGroupBase* group, std::uint32_t id)
{
    return AddColorPopup(group, id, std::nullopt);
}

RibbonControl* AddColorPopupButtonWithDefault(RibbonGroupBase* group, std::uint32_t id, const QString& defaultCaption)
{
    return AddColorPopup(group, id, defaultCaption);
}
