#include "styles/ui/RibbonStyleFormationTabs.h"

#include "platform/toolkit/RibbonGroupBase.h"
#include "styles/ui/ChartStyleCommandIds.h"
#include "styles/ui/StyleTabControls.h"

using namespace ChartStyleCmd;
using namespace StyleTabControls;

namespace
{
std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> Fillers()
{
    using Group = RibbonGroupBase;
    return {
        {33636, [](Group& g) { return AddPen(g, ID_BASE_COLOUR, ID_BASE_TYPE, ID_BASE_WIDTH); }},
        {33637, [](Group& g) { return AddPen(g, ID_EXTENSION_COLOUR, ID_EXTENSION_TYPE, ID_EXTENSION_WIDTH); }},
        {33638,
         [](Group& g) {
             return AddFont(g, ID_FORMATION_FONT, ID_FORMATION_FONT_SIZE) &&
                    AddColours(g, {ID_TEXT_COLOUR, ID_LABEL_TEXT_COLOUR, ID_LABEL_BK_COLOUR, ID_LABEL_FRAME_COLOUR},
                               true) &&
                    AddColours(g, {ID_CONNECTOR_COLOUR, ID_FILL_COLOUR}, true);
         }},
        {33639,
         [](Group& g) {
             return AddStyleGallery(g, ID_FORMATION_COPY_FROM, StyleTypes::Formation) &&
                    AddNameEdit(g, ID_FORMATION_NAME);
         }},
    };
}
}

RibbonStyleFormationTabs::RibbonStyleFormationTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
    : RibbonStyleEditTabs(factory, ribbonBar, *StyleEditTabLayouts::Find(StyleTypes::Formation), Fillers())
{
}
