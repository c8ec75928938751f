#include "styles/ui/RibbonStyleOffersTabsQ4Classic.h"

#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/ui/StringTable.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "styles/ui/StyleTabControls.h"

#include <array>

using namespace StyleTabControls;

namespace
{
constexpr std::uint32_t P = StyleEditTabLayouts::kIconPlaceholder;

// A row style's group: its controls, icon-only colour buttons, and the strips' icons.
bool AddRows(RibbonGroupBase& group, const RowIds& ids)
{
    if (!AddRow(group, ids, true))
        return false;
    SetBitmapIcons(353, std::array<std::uint32_t, 3>{ids.copyFrom, P, ids.styleGallery}, true);
    SetBitmapIcons(354, std::array<std::uint32_t, 5>{ids.copyFrom, P, P, P, ids.styleGallery}, false);
    return true;
}

bool AddGridLines(RibbonGroupBase& group)
{
    const StringTable& strings = StringTable::Instance();
    if (!AddCheck(group, 33193, strings.Get(33192)) || !AddCheck(group, 33194, strings.Get(33204)) ||
        !AddPen(group, 33195, 33196, 33197))
        return false;
    return true;
}

bool AddColouring(RibbonGroupBase& group)
{
    if (!AddChoicePopup(group, 33198, 33158, 32935, 32936) || !AddStyleGallery(group, 33199, StyleTypes::Offers) ||
        !AddNameEdit(group, 33200) || !AddCheck(group, 33202))
        return false;
    SetBitmapIcons(359, std::array<std::uint32_t, 1>{33198}, true);
    SetBitmapIcons(354, std::array<std::uint32_t, 4>{33199, 33201, 33203, 33202}, false);
    SetBitmapIcons(358, std::array<std::uint32_t, 5>{33198, 0, 0, 0, 33195}, false);
    return true;
}
}

RibbonStyleOffersTabsQ4Classic::RibbonStyleOffersTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
    : RibbonStyleEditTabs(factory, ribbonBar, *StyleEditTabLayouts::Find(StyleTypes::Offers),
                          {
                              {364, [](RibbonGroupBase& g) {
                                   return AddRows(g, {33205, 33183, 33184, {33185, 33186, 33187, 33188, 33189, 33190}, 33191});
                               }},
                              {367, AddGridLines},
                              {366, AddColouring},
                              {371, [](RibbonGroupBase& g) {
                                   return AddRows(g, {33207, 33208, 33209, {33210, 33211, 33212, 33213, 33214, 33215}, 33216});
                               }},
                              {368, [](RibbonGroupBase& g) {
                                   return AddRows(g, {33217, 33218, 33219, {33220, 33221, 33222, 33223, 33224, 33225}, 33226});
                               }},
                          })
{
}
