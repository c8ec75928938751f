#include "styles/ui/RibbonStyleDetailsTabsQ4Classic.h"

#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/ui/StringTable.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "styles/ui/StyleTabControls.h"

#include <array>

using namespace StyleTabControls;

namespace
{
constexpr std::uint32_t P = StyleEditTabLayouts::kIconPlaceholder;

bool AddGridLines(RibbonGroupBase& group)
{
    const StringTable& strings = StringTable::Instance();
    if (!AddCheck(group, 33145, strings.Get(33156)) || !AddCheck(group, 33146, strings.Get(33157)) ||
        !AddPen(group, 33147, 33148, 33149))
        return false;
    return true;
}

bool AddColouring(RibbonGroupBase& group)
{
    if (!AddChoicePopup(group, 33150, 33158, 32951, 32952) || !AddStyleGallery(group, 33151, StyleTypes::Details) ||
        !AddNameEdit(group, 33152) || !AddCheck(group, 33154))
        return false;
    SetBitmapIcons(359, std::array<std::uint32_t, 1>{33150}, true);
    SetBitmapIcons(358, std::array<std::uint32_t, 5>{33150, 0, 0, 0, 33147}, false);
    return true;
}

bool AddRows(RibbonGroupBase& group, const RowIds& ids)
{
    if (!AddRow(group, ids, false))
        return false;
    SetBitmapIcons(353, std::array<std::uint32_t, 3>{ids.copyFrom, P, ids.styleGallery}, true);
    SetBitmapIcons(354, std::array<std::uint32_t, 5>{ids.copyFrom, P, P, P, ids.styleGallery}, false);
    return true;
}
}

RibbonStyleDetailsTabsQ4Classic::RibbonStyleDetailsTabsQ4Classic(RibbonsFactory& factory,
                                                                 QuorvantaRibbonBar& ribbonBar)
    : RibbonStyleEditTabs(factory, ribbonBar, *StyleEditTabLayouts::Find(StyleTypes::Details),
                          {
                              {133, AddGridLines},
                              {548, AddColouring},
                              {129, [](RibbonGroupBase& g) {
                                   return AddRows(g, {33159, 33160, 33161, {33162, 33163, 33164, 33165, 33166, 33167}, 33168});
                               }},
                              {547, [](RibbonGroupBase& g) {
                                   return AddRows(g, {33169, 33170, 33171, {33172, 33173, 33174, 33175, 33176, 33177}, 33178});
                               }},
                          })
{
}
