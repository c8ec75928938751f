#include "styles/ui/RibbonStyleChartTabsQ4Classic.h"

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
        {33341,
         [](Group& g) {
             return AddFont(g, ID_HEADER_FONT, ID_HEADER_FONT_SIZE) &&
                    AddColours(g, {ID_HEADER_COLOUR, ID_HEADER_COLOUR_RISE, ID_HEADER_COLOUR_FALL}, true);
         }},
        {33316,
         [](Group& g) {
             return AddCheck(g, ID_HORIZONTAL_GRID) && AddCheck(g, ID_VERTICAL_GRID) &&
                    AddPen(g, ID_GRID_COLOUR, ID_GRID_TYPE, ID_GRID_WIDTH) && AddColours(g, {ID_SIGNIFICANT_GRID}, true);
         }},
        {33343,
         [](Group& g) {
             return AddColours(g, {ID_BACKGROUND, ID_INDICATOR}) && AddCheck(g, ID_COLOUR_LABELS) &&
                    AddColours(g,
                               {ID_LABEL_COLOUR, ID_LABEL_COLOUR_RISE, ID_LABEL_COLOUR_FALL, ID_LABEL_BK_RISE,
                                ID_LABEL_BK_FALL},
                               true) &&
                    AddStyleGallery(g, ID_WINDOW_COPY_FROM, StyleTypes::ChartWindow) &&
                    AddNameEdit(g, ID_WINDOW_NAME);
         }},
        {33322, [](Group& g) { return AddFont(g, ID_AXIS_FONT, ID_AXIS_FONT_SIZE); }},
        {33631,
         [](Group& g) {
             const auto& i = ID_INDICATOR_COLOURS;
             return AddColours(g, {ID_MARKERS, ID_SERIES_HIGHLIGHT}) &&
                    AddColours(g, {i[0], i[1], i[2], i[3], i[4], i[5]}, true) &&
                    AddStyleGallery(g, ID_PRICE_STYLE, StyleTypes::ChartElement) &&
                    AddStyleGallery(g, ID_VOLUME_STYLE, StyleTypes::ChartElement) &&
                    AddStyleGallery(g, ID_LOP_STYLE, StyleTypes::ChartElement) &&
                    AddStyleGallery(g, ID_FORMATION_STYLE, StyleTypes::Formation);
         }},
        {33625, [](Group& g) { return AddColours(g, {ID_BUY_ALERT, ID_SELL_ALERT}); }},
    };
}
}

RibbonStyleChartTabsQ4Classic::RibbonStyleChartTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
    : RibbonStyleEditTabs(factory, ribbonBar, *StyleEditTabLayouts::Find(StyleTypes::ChartWindow), Fillers())
{
}
