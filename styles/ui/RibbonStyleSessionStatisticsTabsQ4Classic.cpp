#include "styles/ui/RibbonStyleSessionStatisticsTabsQ4Classic.h"

#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/ui/StringTable.h"
#include "ribbon/controls/RibbonColorPopupBuilders.h"
#include "ribbon/controls/RibbonComboBuilders.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "styles/ui/StyleEditListTabControls.h"

#include <array>

using namespace StyleEditListTabControls;

namespace
{
constexpr std::uint32_t kGridLines = 33392;
constexpr std::uint32_t kDisplayOptions = 33398;
constexpr std::uint32_t kOverallBar = 33462;

bool FillGridLines(RibbonGroupBase& group)
{
    if (!AddGridLineControls(group, {33382, 33383, 33384, 33385, 33386}))
        return false;
    RibbonControl* copyFrom = AddStyleGallery(group, 33387, StyleTypes::SessionStatistics);
    if (copyFrom == nullptr || !AddNameEdit(group, 33388))
        return false;
    copyFrom->SetBeginGroup(true);
    return true;
}

bool FillDisplayOptions(RibbonGroupBase& group)
{
    return AddChoicesPopup(group, 33396, {33399, 33401, 33402}) && AddColorPopupButton(&group, 33397) &&
           AddRibbonButton(&group, 33390, true);
}

bool FillOverallBar(RibbonGroupBase& group)
{
    group.SetCaption(QStringLiteral("Pasek podsumowania"));
    if (!AddFontNameCombo(&group, 33458) || !AddFontSizeCombo(&group, 33459))
        return false;
    for (const std::uint32_t id : {33460u, 33455u, 33457u, 33456u, 33454u})
    {
        if (!AddColorPopupButton(&group, id))
            return false;
    }
    return true;
}

// The group is captioned like its tab.
RibbonStyleEditTabs::GroupFiller ElementFiller(std::uint32_t tabId, int element, std::uint32_t firstId)
{
    return [tabId, element, firstId](RibbonGroupBase& group) {
        group.SetCaption(StringTable::Instance().Caption(tabId));
        return AddTextFieldControls(group, CmdTargetEditGridStyleBase::ConsecutiveGroup(element, firstId), true);
    };
}
}

std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> RibbonStyleSessionStatisticsTabsQ4Classic::Fillers()
{
    // Each element's tab holds one group.
    return {
        {kGridLines, FillGridLines},
        {kDisplayOptions, FillDisplayOptions},
        {kOverallBar, FillOverallBar},
        {33444, ElementFiller(33444, 0, 33404)},
        {33445, ElementFiller(33445, 1, 33414)},
        {33446, ElementFiller(33446, 2, 33434)},
        {33447, ElementFiller(33447, 3, 33424)},
    };
}
