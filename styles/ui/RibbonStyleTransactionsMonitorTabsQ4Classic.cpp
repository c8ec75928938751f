#include "styles/ui/RibbonStyleTransactionsMonitorTabsQ4Classic.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/ui/StringTable.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "styles/engine/StyleTransactionsMonitor.h"
#include "styles/ui/StyleEditListCmdIds.h"
#include "styles/ui/StyleEditListTabControls.h"

#include <array>

using namespace StyleEditListCmdIds;
using namespace StyleEditListTabControls;

namespace
{
constexpr std::uint32_t P = StyleEditTabLayouts::kIconPlaceholder;
constexpr std::uint32_t kGridLines = 139;
constexpr std::uint32_t kColouring = 140;
constexpr std::uint32_t kOddGroup = 319;
constexpr std::uint32_t kEvenGroup = 321;

bool FillGridLines(RibbonGroupBase& group)
{
    const StringTable& strings = StringTable::Instance();
    if (!AddGridLineControls(group, {ID_MONITOR_HORIZONTAL_GRID, ID_MONITOR_VERTICAL_GRID, ID_MONITOR_GRID_COLOUR,
                                     ID_MONITOR_LINE_TYPE, ID_MONITOR_LINE_WIDTH},
                             strings.Caption(ID_MONITOR_HORIZONTAL_CAPTION), strings.Caption(ID_MONITOR_VERTICAL_CAPTION)))
        return false;
    RibbonControl* copyFrom = AddStyleGallery(group, ID_MONITOR_COPY_FROM, StyleTransactionsMonitor::Type);
    if (copyFrom == nullptr || !AddNameEdit(group, ID_MONITOR_STYLE_NAME))
        return false;
    copyFrom->SetBeginGroup(true);
    const std::array<std::uint32_t, 6> large = {ID_MONITOR_COPY_FROM, ID_MONITOR_SAVE, P, P, P, P};
    SetBitmapIcons(StyleEditTabLayouts::kLargeStrip, large, true);
    const std::array<std::uint32_t, 4> small = {ID_MONITOR_COPY_FROM, ID_MONITOR_DISCARD, ID_MONITOR_SAVE, P};
    SetBitmapIcons(StyleEditTabLayouts::kSmallStrip, small, false);
    return true;
}

bool FillColouring(RibbonGroupBase& group)
{
    if (!AddChoicesPopup(group, ID_MONITOR_COLOURING, {ID_MONITOR_ROWS, ID_MONITOR_COLUMNS}))
        return false;
    const std::array<std::uint32_t, 1> large = {ID_MONITOR_COLOURING};
    const std::array<std::uint32_t, 5> small = {ID_MONITOR_COLOURING, P, P, P, ID_MONITOR_GRID_COLOUR};
    SetBitmapIcons(359, large, true);
    SetBitmapIcons(358, small, false);
    return true;
}

RibbonStyleEditTabs::GroupFiller TextGroupFiller(int relation, std::uint32_t gallery, std::uint32_t copyFrom,
                                                 std::uint32_t font)
{
    return [=](RibbonGroupBase& group) {
        return AddTextFieldControls(group, CmdTargetEditGridStyleBase::SplitGroup(relation, gallery, copyFrom, font), true);
    };
}
}

std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> RibbonStyleTransactionsMonitorTabsQ4Classic::Fillers()
{
    return {
        {kGridLines, FillGridLines},
        {kColouring, FillColouring},
        {kOddGroup, TextGroupFiller(StyleTransactionsMonitor::RelationOdd, ID_MONITOR_ODD_STYLE, ID_MONITOR_ODD_COPY_FROM,
                                    ID_MONITOR_ODD_FONT)},
        {kEvenGroup, TextGroupFiller(StyleTransactionsMonitor::RelationEven, ID_MONITOR_EVEN_STYLE,
                                     ID_MONITOR_EVEN_COPY_FROM, ID_MONITOR_EVEN_FONT)},
    };
}
