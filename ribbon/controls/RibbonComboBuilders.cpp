#include "ribbon/controls/RibbonComboBuilders.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/galleries/GalleryItemFont.h"
#include "ribbon/galleries/LineTypeGalleryItem.h"

#include <QSize>

#include <array>
#include <functional>

using namespace RibbonComboIds;

namespace
{
struct ComboShape
{
    int itemHeight;
    int width;
    QSize gallerySize;
    bool dropDownList;
};

// The combo box with its gallery; fill adds the gallery's items, which the combo's list mirrors.
RibbonComboBoxControl* AddCombo(RibbonGroupBase* group, std::uint32_t id, const ComboShape& shape,
                                const std::function<void(GalleryControl&)>& fill)
{
    if (group == nullptr)
        return nullptr;
    auto combo = std::make_unique<RibbonComboBoxControl>(id);
    combo->LoadStrings();
    combo->SetWidth(shape.width);
    combo->SetDropDownList(shape.dropDownList);

    auto gallery = std::make_unique<GalleryControl>(id);
    gallery->SetItemSize(QSize(shape.gallerySize.width(), shape.itemHeight));
    gallery->SetWidth(shape.gallerySize.width());
    gallery->SetHeight(shape.gallerySize.height());
    gallery->SetShowLabels(true);
    gallery->SetShowScrollBar(false);
    fill(*gallery);
    for (int index = 0; index < gallery->GetItemCount(); ++index)
    {
        GalleryItem* item = gallery->GetItem(index);
        item->SetData(static_cast<std::intptr_t>(item->GetID()));
        combo->AddItem(item->GetCaption(), item->GetData());
    }
    auto popup = std::make_unique<RibbonPopupBar>();
    popup->Add(std::move(gallery), id);
    combo->SetCommandBar(std::move(popup));
    return static_cast<RibbonComboBoxControl*>(AddRibbonControlObject(group, std::move(combo), id));
}

template <std::size_t N>
std::function<void(GalleryControl&)> NumberItems(const std::array<int, N>& numbers)
{
    return [numbers](GalleryControl& gallery) {
        for (const int number : numbers)
            gallery.AddItem(static_cast<std::uint32_t>(number), QString::number(number));
    };
}

constexpr std::array<int, 23> kFontSizes = {4,  6,  8,  9,  10, 11, 12, 14, 16, 18, 20, 22,
                                            24, 26, 28, 32, 36, 48, 56, 72, 96, 120, 150};
constexpr std::array<int, 7> kLineWidths = {1, 2, 3, 4, 5, 6, 7};
constexpr std::array<int, 8> kChartElementWidths = {1, 2, 5, 10, 20, 50, 75, 100};
}

RibbonComboBoxControl* AddFontNameCombo(RibbonGroupBase* group, std::uint32_t id)
{
    RibbonComboBoxControl* combo = AddCombo(group, id, {26, 150, QSize(290, 508), false},
                                            [](GalleryControl& gallery) { GalleryItemFont::FillFontsGallery(gallery); });
    if (combo)
    {
        RibbonControl* spacer = group->Add(RibbonControlLabel, ID_SPACER_LABEL, QString());
        spacer->SetWidth(2);
    }
    return combo;
}

RibbonComboBoxControl* AddFontSizeCombo(RibbonGroupBase* group, std::uint32_t id)
{
    constexpr int kItemHeight = 18;
    return AddCombo(group, id, {kItemHeight, 48, QSize(64, kItemHeight * int(kFontSizes.size())), false},
                    NumberItems(kFontSizes));
}

RibbonComboBoxControl* AddLineWidthCombo(RibbonGroupBase* group, std::uint32_t id)
{
    constexpr int kItemHeight = 18;
    return AddCombo(group, id, {kItemHeight, 32, QSize(64, kItemHeight * int(kLineWidths.size())), true},
                    NumberItems(kLineWidths));
}

RibbonComboBoxControl* AddChartElementWidthCombo(RibbonGroupBase* group)
{
    constexpr int kItemHeight = 18;
    return AddCombo(group, ID_CHART_ELEMENT_WIDTH,
                    {kItemHeight, 48, QSize(64, kItemHeight * int(kChartElementWidths.size())), true},
                    NumberItems(kChartElementWidths));
}

RibbonComboBoxControl* AddLineTypeCombo(RibbonGroupBase* group, std::uint32_t id, bool narrow)
{
    // Only the five types exist, so nothing can be typed.
    return AddCombo(group, id, {16, narrow ? 48 : 80, QSize(80, 80), true}, [](GalleryControl& gallery) {
        for (int type = 0; type < LineTypeGalleryItem::kTypeCount; ++type)
            gallery.AddItem(std::make_unique<LineTypeGalleryItem>(type));
    });
}
