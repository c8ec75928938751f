#include "styles/ui/RibbonStyleTableTabsQ4Classic.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/ui/StringTable.h"
#include "ribbon/controls/RibbonColorPopupBuilders.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "styles/engine/StyleTable.h"
#include "styles/ui/StyleEditListCmdIds.h"
#include "styles/ui/StyleEditListTabControls.h"

#include <array>

using namespace StyleEditListCmdIds;
using namespace StyleEditListTabControls;

namespace
{
constexpr std::uint32_t kGridLines = 54;
constexpr std::uint32_t kDisplayOptions = 59;
constexpr std::uint32_t kOddGroup = 121;
constexpr std::uint32_t kEvenGroup = 122;

bool FillGridLines(RibbonGroupBase& group)
{
    if (!AddGridLineControls(group, {ID_TABLE_HORIZONTAL_GRID, ID_TABLE_VERTICAL_GRID, ID_TABLE_GRID_COLOUR,
                                     ID_TABLE_LINE_TYPE, ID_TABLE_LINE_WIDTH}))
        return false;
    // Copying and naming the table's style stand after its grid lines.
    RibbonControl* copyFrom = AddStyleGallery(group, ID_TABLE_COPY_FROM, StyleTable::Type);
    if (copyFrom == nullptr || !AddNameEdit(group, ID_TABLE_STYLE_NAME))
        return false;
    copyFrom->SetBeginGroup(true);
    return true;
}

bool FillDisplayOptions(RibbonGroupBase& group)
{
    RibbonControl* highlighting = AddChoicesPopup(group, ID_TABLE_HIGHLIGHT_CHANGES,
                                                  {ID_TABLE_OPTION_6, ID_TABLE_ANIMATE, ID_TABLE_BOLD_CHANGES});
    RibbonControl* highlightColour = AddColorPopupButton(&group, ID_TABLE_HIGHLIGHT_COLOUR);
    RibbonControl* cursorColour =
        AddColorPopupButtonWithDefault(&group, ID_TABLE_CURSOR_COLOUR, QStringLiteral("Przezroczysty"));
    RibbonControl* colouring = AddChoicesPopup(group, ID_TABLE_COLOURING,
                                               {ID_TABLE_COLOURING_MODE_0, ID_TABLE_COLOURING_MODE_0 + 1,
                                                ID_TABLE_COLOURING_MODE_0 + 2, ID_TABLE_OPTION_11_ON,
                                                ID_TABLE_OPTION_11_OFF});
    if (!highlighting || !highlightColour || !cursorColour || !colouring)
        return false;
    highlighting->SetCaption(QStringLiteral("Podświetlanie zmian"));
    highlightColour->SetCaption(QStringLiteral("Podświetlanie"));
    cursorColour->SetCaption(QStringLiteral("Kolor kursora"));
    cursorColour->SetBeginGroup(true);
    colouring->SetCaption(QStringLiteral("Koloruj"));
    const std::array<std::uint32_t, 4> large = {ID_TABLE_COLOURING, ID_TABLE_CURSOR_COLOUR, ID_TABLE_HIGHLIGHT_CHANGES,
                                                ID_TABLE_HIGHLIGHT_COLOUR};
    const std::array<std::uint32_t, 5> small = {ID_TABLE_COLOURING, ID_TABLE_CURSOR_COLOUR, ID_TABLE_HIGHLIGHT_CHANGES,
                                                ID_TABLE_HIGHLIGHT_COLOUR, ID_TABLE_GRID_COLOUR};
    SetBitmapIcons(359, large, true);
    SetBitmapIcons(358, small, false);
    const std::array<std::uint32_t, 1> copyIcon = {ID_TABLE_COPY_FROM};
    SetBitmapIcons(StyleEditTabLayouts::kSmallStrip, copyIcon, false);
    return true;
}

RibbonStyleEditTabs::GroupFiller ElementsFiller(std::uint32_t captionId, int relation, std::uint32_t styleId)
{
    return [captionId, relation, styleId](RibbonGroupBase& group) {
        group.SetCaption(StringTable::Instance().Caption(captionId));
        return AddTextFieldControls(group, CmdTargetEditGridStyleBase::ConsecutiveGroup(relation, styleId), true, false);
    };
}
}

std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> RibbonStyleTableTabsQ4Classic::Fillers()
{
    return {
        {kGridLines, FillGridLines},
        {kDisplayOptions, FillDisplayOptions},
        {kOddGroup, ElementsFiller(91, StyleTable::RelationOdd, ID_TABLE_ODD_STYLE)},
        {kEvenGroup, ElementsFiller(102, StyleTable::RelationEven, ID_TABLE_EVEN_STYLE)},
    };
}
