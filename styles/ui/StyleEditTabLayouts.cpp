#include "styles/ui/StyleEditTabLayouts.h"

#include <algorithm>
#include <map>

namespace
{
const QString kChanges = QStringLiteral("Zmiany");
}

const std::vector<StyleEditTabsLayout>& StyleEditTabLayouts::All()
{
    using namespace StyleTypes;
    static const std::vector<StyleEditTabsLayout> layouts = {
        {Table,
         {{33141, {{54}, {59}, {78, kChanges, true}}}, {33142, {{121}, {122}}}},
         33115, 33117, true},
        {OrdersSheet,
         {{494, {{551}, {215}, {216, kChanges, true}}},
          {193, {{163, QStringLiteral("Nieparzyste")}, {164, QStringLiteral("Nieparzyste")},
                 {165, QStringLiteral("Parzyste")}, {166, QStringLiteral("Parzyste")}}},
          {495, {{168}, {492}}},
          {183, {{127, QStringLiteral(" Wartości ")}, {141, QStringLiteral(" Wykres ")},
                 {187, QStringLiteral(" Wskaźniki ")}}}},
         232, 233},
        {Details,
         {{33143, {{133}, {548}, {137, kChanges, true}}},
          {33144, {{129, QStringLiteral("Nieparzyste")}, {547, QStringLiteral("Parzyste")}}}},
         33153, 33155, true},
        {Offers,
         {{33179, {{364, QStringLiteral("Styl wiersza ceny")}, {367}, {366}, {365, kChanges, true}}},
          {33180, {{371, QStringLiteral("Nieparzyste")}, {368, QStringLiteral("Parzyste")}}}},
         33201, 33203},
        {TransactionList,
         {{33227, {{385}, {386}, {387, kChanges, true}}},
          {33228, {{374}, {376}}},
          {33229, {{378}, {380}}},
          {33230, {{382}, {384}}}},
         33239, 33241},
        {TransactionsMonitor, {{33806, {{139}, {140}, {142, kChanges, true}}}, {33805, {{319}, {321}}}}, 33835, 33836},
        {ChartWindow,
         {{33309, {{33341}, {33316}, {33343}, {33322}, {33344, kChanges, true}}}, {33632, {{33631}, {33625}}}},
         33339, 33340},
        {ChartElement, {{33361, {{33366}, {33367}, {33369, kChanges, true}}}}, 33358, 33359},
        {SessionStatistics,
         {{33380, {{33392}, {33398}, {478, kChanges, true}}},
          {33444, {{33444}}}, {33445, {{33445}}}, {33446, {{33446}}}, {33447, {{33447}}},
          {33453, {{33462}}}},
         33389, 33391, true},
        // A text field and a formation edited by themselves need their tab too, or the user
        // could neither save nor discard.
        {TextField, {{33084, {{33084}, {78, kChanges, true}}}}, 33097, 33098},
        {Formation, {{33635, {{33636}, {33637}, {33638}, {33639}, {78, kChanges, true}}}}, 33654, 33655},
    };
    return layouts;
}

const StyleEditTabsLayout* StyleEditTabLayouts::Find(StyleType kind)
{
    const auto& layouts = All();
    const auto found = std::find_if(layouts.begin(), layouts.end(),
                                    [kind](const StyleEditTabsLayout& layout) { return layout.kind == kind; });
    return found == layouts.end() ? nullptr : &*found;
}

const std::vector<std::uint32_t>& StyleEditTabLayouts::EditModeTabIds(StyleType kind)
{
    using namespace StyleTypes;
    static const std::map<StyleType, std::vector<std::uint32_t>> tabIds = {
        {TextField, {33084}},
        {Table, {33141, 33142}},
        {TransactionList, {33227, 33228, 33229, 33230}},
        {TransactionsMonitor, {33806, 33805}},
        {Details, {33143, 33144}},
        {Offers, {33179, 33180}},
        {ChartWindow, {33309, 33632}},
        {ChartElement, {33361}},
        {SessionStatistics, {33380, 33444, 33445, 33446, 33447, 33453}},
        {OrdersSheet, {494, 495, 193, 183}},
        {Formation, {33635}},
    };
    static const std::vector<std::uint32_t> none;
    const auto found = tabIds.find(kind);
    return found == tabIds.end() ? none : found->second;
}
