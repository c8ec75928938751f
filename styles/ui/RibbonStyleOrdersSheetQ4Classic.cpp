#include "styles/ui/RibbonStyleOrdersSheetQ4Classic.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/StringTable.h"
#include "ribbon/controls/RibbonColorPopupBuilders.h"
#include "ribbon/controls/RibbonComboBuilders.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "styles/engine/StyleTextField.h"
#include "styles/ui/OrdersSheetStyleCmdIds.h"
#include "styles/ui/StyleEditListTabControls.h"

#include <array>

using namespace OrdersSheetStyleCmdIds;
using namespace StyleEditListTabControls;

namespace
{
constexpr std::uint32_t P = StyleEditTabLayouts::kIconPlaceholder;
// The single 16 px icons of an element's colours, in the order of kColourParameters.
constexpr std::array<std::uint32_t, 8> kColourIcons = {901, 900, 899, 911, 898, 897, 896, 913};

// The text after the entry's last line break, or the whole entry when it has none.
QString Caption(std::uint32_t id)
{
    const QString text = StringTable::Instance().Get(id);
    return text.mid(text.lastIndexOf(QLatin1Char('\n')) + 1);
}

bool FillGridLines(RibbonGroupBase& group)
{
    return AddGridLineControls(group, {ID_HORIZONTAL_GRID, ID_VERTICAL_GRID, ID_GRID_COLOUR, ID_LINE_TYPE, ID_LINE_WIDTH},
                               Caption(IDS_HORIZONTAL), Caption(IDS_VERTICAL));
}

bool FillDisplayOptions(RibbonGroupBase& group)
{
    RibbonControl* highlighting =
        AddChoicesPopup(group, ID_HIGHLIGHT_CHANGES, {ID_HIGHLIGHT_WHOLE_ROWS, ID_HIGHLIGHT_CELLS});
    RibbonControl* rowHighlight = AddColorPopupButton(&group, ID_ROW_HIGHLIGHT_COLOUR);
    RibbonControl* cursor = AddColorPopupButton(&group, ID_CURSOR_COLOUR);
    RibbonControl* colouring = AddChoicesPopup(group, ID_COLOURING, {ID_COLOUR_COLUMNS, ID_COLOUR_ROWS});
    if (!highlighting || !rowHighlight || !cursor || !colouring)
        return false;
    highlighting->SetCaption(Caption(IDS_HIGHLIGHTING));
    // The string table's captions of the two choices speak of a font; the tab names what they do.
    RibbonPopupBar* choices = highlighting->GetCommandBar();
    if (RibbonControl* wholeRows = choices->FindControl(ID_HIGHLIGHT_WHOLE_ROWS))
        wholeRows->SetCaption(QStringLiteral("Całe wiersze"));
    if (RibbonControl* cells = choices->FindControl(ID_HIGHLIGHT_CELLS))
        cells->SetCaption(QStringLiteral("Pojedyncze komórki"));
    cursor->SetBeginGroup(true);
    SetBitmapIcons(StyleEditTabLayouts::kLargeStrip, std::array<std::uint32_t, 6>{ID_COPY_FROM, ID_SAVE, P, P, P, P},
                   true);
    SetBitmapIcons(359, std::array<std::uint32_t, 4>{ID_COLOURING, ID_CURSOR_COLOUR, ID_HIGHLIGHT_CHANGES,
                                                     ID_ROW_HIGHLIGHT_COLOUR},
                   true);
    SetBitmapIcons(StyleEditTabLayouts::kSmallStrip,
                   std::array<std::uint32_t, 4>{ID_COPY_FROM, ID_DISCARD, ID_SAVE, ID_SAVE_IN_SETTINGS}, false);
    SetBitmapIcons(358, std::array<std::uint32_t, 5>{ID_COLOURING, ID_CURSOR_COLOUR, ID_HIGHLIGHT_CHANGES,
                                                     ID_ROW_HIGHLIGHT_COLOUR, ID_GRID_COLOUR},
                   false);
    return true;
}

// The element's style gallery and copy-from gallery, in a group that is built but not shown.
bool FillStyleGroup(RibbonGroupBase& group, const ElementIds& ids)
{
    group.SetVisible(RibbonStyleOrdersSheetQ4Classic::IsGroupVisible(group.GetID()));
    RibbonControl* style = AddStyleGallery(group, ids.styleGallery, StyleTextField::Type);
    RibbonControl* copyFrom = AddStyleGallery(group, ids.copyFrom, StyleTextField::Type);
    if (!style || !copyFrom)
        return false;
    style->SetCaption(Caption(IDS_STYLE));
    ReplaceCaptionUnderscores(copyFrom);
    SetBitmapIcons(StyleEditTabLayouts::kLargeStrip, std::array<std::uint32_t, 3>{ids.copyFrom, P, ids.styleGallery},
                   true);
    SetBitmapIcons(StyleEditTabLayouts::kSmallStrip,
                   std::array<std::uint32_t, 5>{ids.copyFrom, P, P, P, ids.styleGallery}, false);
    return true;
}

// The element's font, size and colours; captionId names the group.
bool FillTextGroup(RibbonGroupBase& group, const ElementIds& ids, std::uint32_t captionId)
{
    group.SetCaption(Caption(captionId));
    if (!AddFontNameCombo(&group, ids.fontName) || !AddFontSizeCombo(&group, ids.fontSize))
        return false;
    for (std::size_t index = 0; index < ids.colours.size(); ++index)
    {
        if (ids.colours[index] == 0)
            continue;
        RibbonControl* colour = AddColorPopupButton(&group, ids.colours[index]);
        if (colour == nullptr)
            return false;
        // The font colours and the background colours each begin a block.
        colour->SetBeginGroup(index == 0 || index == 4);
        SetRibbonIcons(ids.colours[index], kColourIcons[index], 0);
    }
    return true;
}

bool FillSummaryColours(RibbonGroupBase& group)
{
    bool first = true;
    for (const SummaryColour& colour : kSummaryColours)
    {
        if (colour.group != group.GetID())
            continue;
        RibbonControl* control = AddColorPopupButton(&group, colour.id);
        if (control == nullptr)
            return false;
        // The icon shows the colour; the tooltip keeps the name.
        control->SetCaption(QString());
        control->SetBeginGroup(first);
        first = false;
    }
    return true;
}
}

bool RibbonStyleOrdersSheetQ4Classic::IsGroupVisible(std::uint32_t groupId)
{
    return groupId != GROUP_ODD_STYLE && groupId != GROUP_EVEN_STYLE && groupId != GROUP_PRICE_STYLE;
}

std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> RibbonStyleOrdersSheetQ4Classic::Fillers()
{
    const ElementIds& odd = kElements[0];
    const ElementIds& even = kElements[1];
    const ElementIds& price = kElements[2];
    return {
        {GROUP_GRID_LINES, FillGridLines},
        {GROUP_DISPLAY_OPTIONS, FillDisplayOptions},
        {GROUP_ODD_STYLE, [odd](RibbonGroupBase& g) { return FillStyleGroup(g, odd); }},
        {GROUP_ODD_TEXT, [odd](RibbonGroupBase& g) { return FillTextGroup(g, odd, GROUP_ODD_STYLE); }},
        {GROUP_EVEN_STYLE, [even](RibbonGroupBase& g) { return FillStyleGroup(g, even); }},
        {GROUP_EVEN_TEXT, [even](RibbonGroupBase& g) { return FillTextGroup(g, even, GROUP_EVEN_STYLE); }},
        {GROUP_PRICE_STYLE, [price](RibbonGroupBase& g) { return FillStyleGroup(g, price); }},
        {GROUP_PRICE_TEXT, [price](RibbonGroupBase& g) { return FillTextGroup(g, price, GROUP_PRICE_STYLE); }},
        {GROUP_VALUES, FillSummaryColours},
        {GROUP_CHART, FillSummaryColours},
        {GROUP_INDICATORS, FillSummaryColours},
    };
}
