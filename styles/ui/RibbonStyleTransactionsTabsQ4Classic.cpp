#include "styles/ui/RibbonStyleTransactionsTabsQ4Classic.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "styles/engine/StyleTransactionList.h"
#include "styles/ui/StyleEditListCmdIds.h"
#include "styles/ui/StyleEditListTabControls.h"

#include <array>

using namespace StyleEditListCmdIds;
using namespace StyleEditListTabControls;

namespace
{
constexpr std::uint32_t P = StyleEditTabLayouts::kIconPlaceholder;
constexpr std::uint32_t kGridLines = 385;
constexpr std::uint32_t kColouring = 386;
// The text groups' caption ids, relations 1 to 6.
constexpr std::array<std::uint32_t, 6> kTextGroups = {374, 376, 378, 380, 382, 384};

bool FillGridLines(RibbonGroupBase& group)
{
    if (!AddGridLineControls(group, {ID_TRANS_HORIZONTAL_GRID, ID_TRANS_VERTICAL_GRID, ID_TRANS_GRID_COLOUR,
                                     ID_TRANS_LINE_TYPE, ID_TRANS_LINE_WIDTH},
                             QStringLiteral("Pozioma"), QStringLiteral("Pionowa")))
        return false;
    RibbonControl* copyFrom = AddStyleGallery(group, ID_TRANS_COPY_FROM, StyleTransactionList::Type);
    if (copyFrom == nullptr || !AddNameEdit(group, ID_TRANS_STYLE_NAME))
        return false;
    copyFrom->SetBeginGroup(true);
    const std::array<std::uint32_t, 6> large = {ID_TRANS_COPY_FROM, ID_TRANS_SAVE, P, P, P, P};
    SetBitmapIcons(StyleEditTabLayouts::kLargeStrip, large, true);
    const std::array<std::uint32_t, 4> small = {ID_TRANS_COPY_FROM, ID_TRANS_DISCARD, ID_TRANS_SAVE,
                                                ID_TRANS_SAVE_AS_DEFAULT};
    SetBitmapIcons(StyleEditTabLayouts::kSmallStrip, small, false);
    return true;
}

bool FillColouring(RibbonGroupBase& group)
{
    if (!AddChoicesPopup(group, ID_TRANS_COLOURING,
                         {ID_TRANS_COLOURING_MODE_0, ID_TRANS_COLOURING_MODE_0 + 1, ID_TRANS_COLOURING_MODE_0 + 2}) ||
        !AddRibbonButton(&group, ID_TRANS_SAVE_AS_DEFAULT, true))
        return false;
    const std::array<std::uint32_t, 1> large = {ID_TRANS_COLOURING};
    const std::array<std::uint32_t, 5> small = {ID_TRANS_COLOURING, 0, 0, 0, ID_TRANS_GRID_COLOUR};
    SetBitmapIcons(359, large, true);
    SetBitmapIcons(358, small, false);
    return true;
}

RibbonStyleEditTabs::GroupFiller TextGroupFiller(int relation)
{
    return [relation](RibbonGroupBase& group) {
        const std::uint32_t first = ID_TRANS_FIRST_GROUP + 10 * static_cast<std::uint32_t>(relation - 1);
        return AddTextFieldControls(group, CmdTargetEditGridStyleBase::ConsecutiveGroup(relation, first), false);
    };
}
}

std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> RibbonStyleTransactionsTabsQ4Classic::Fillers()
{
    std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> fillers = {
        {kGridLines, FillGridLines},
        {kColouring, FillColouring},
    };
    for (int relation = StyleTransactionList::RelationOdd; relation <= StyleTransactionList::RelationFalls2; ++relation)
        fillers.emplace(kTextGroups[static_cast<std::size_t>(relation - 1)], TextGroupFiller(relation));
    return fillers;
}
