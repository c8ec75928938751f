#pragma once
// The style-editing tabs of every style kind: each tab's caption id and its groups in order,
// and the "Zmiany" group that ends the kind's first tab with its discard and save commands.
// The creators build the tabs from these; the style edit mode picks a kind's tabs by the ids of
// its table. The controls of a kind's groups (other than "Zmiany") come from that kind's own
// command target and tabs, through the group fillers of RibbonStyleEditTabs.

#include "platform/modules/StyleType.h"

#include <QString>

#include <cstdint>
#include <vector>

struct StyleEditGroupLayout
{
    std::uint32_t captionId;
    // Set over the string table's caption when not empty.
    QString caption = {};
    // The "Zmiany" group: the discard and save buttons go into it.
    bool changes = false;
};

struct StyleEditTabLayout
{
    std::uint32_t stringId;
    std::vector<StyleEditGroupLayout> groups;
};

struct StyleEditTabsLayout
{
    StyleType kind;
    // In the order in which the tabs are added to the ribbon.
    std::vector<StyleEditTabLayout> tabs;
    std::uint32_t discardId;
    std::uint32_t saveId;
    // The save command's large icon and both small icons come from the shared strips.
    bool sharedChangeIcons = false;
};

namespace StyleEditTabLayouts
{
// The shared strips of the "Zmiany" group and the placeholder of positions without an icon.
inline constexpr std::uint32_t kLargeStrip = 353;
inline constexpr std::uint32_t kSmallStrip = 354;
inline constexpr std::uint32_t kIconPlaceholder = 33576;

// Table, orders sheet, details, offers, transaction list, transactions monitor, chart window,
// chart element, session statistics, then the text field and the formation.
const std::vector<StyleEditTabsLayout>& All();
// Null for a kind without style-editing tabs.
const StyleEditTabsLayout* Find(StyleType kind);
// The ids of the kind's tabs in the order the style edit mode shows them; empty when none.
const std::vector<std::uint32_t>& EditModeTabIds(StyleType kind);
}
