#include "styles/ui/RibbonStyleChartElementTabsQ4Classic.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/controls/RibbonComboBuilders.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "styles/ui/ChartStyleCommandIds.h"
#include "styles/ui/StyleTabControls.h"

using namespace ChartStyleCmd;
using namespace StyleTabControls;

namespace
{
// The chart types the preview can show the element in, by the chart library's numbers.
bool AddPreviewTypes(RibbonGroupBase& group)
{
    RibbonControl* popup = AddRibbonControl(&group, RibbonControlPopup, ID_PREVIEW_TYPE);
    auto gallery = std::make_unique<GalleryControl>(ID_PREVIEW_TYPE);
    const char* const types[] = {"Liniowy", "Kolumnowy", "Słupkowy", "Świecowy"};
    for (std::uint32_t type = 0; type < 4; ++type)
        gallery->AddItem(type, QString::fromUtf8(types[type]));
    return popup != nullptr && AddRibbonGallery(std::move(gallery), popup, ID_PREVIEW_TYPE) != nullptr;
}

std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> Fillers()
{
    using Group = RibbonGroupBase;
    return {
        {33366, AddPreviewTypes},
        {33367,
         [](Group& g) {
             return AddChartElementWidthCombo(&g) != nullptr && AddCheck(g, ID_WIDTH_TYPE) &&
                    AddColours(g, {ID_LINE_COLOUR}, true) && AddLineTypeCombo(&g, ID_LINE_TYPE, false) != nullptr &&
                    AddColours(g, {ID_RISE_FRAME, ID_FALL_FRAME, ID_RISE_CANDLE, ID_FALL_CANDLE}, true) &&
                    AddStyleGallery(g, ID_ELEMENT_COPY_FROM, StyleTypes::ChartElement) &&
                    AddNameEdit(g, ID_ELEMENT_NAME);
         }},
    };
}
}

RibbonStyleChartElementTabsQ4Classic::RibbonStyleChartElementTabsQ4Classic(RibbonsFactory& factory,
                                                                           QuorvantaRibbonBar& ribbonBar)
    : RibbonStyleEditTabs(factory, ribbonBar, *StyleEditTabLayouts::Find(StyleTypes::ChartElement), Fillers())
{
}
