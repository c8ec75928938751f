#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "ribbon/QuorvantaTab.h"
#include "tests/styles/ui/StyleEditBench.h"
#include "tests/styles/ui/StyleTabIds.h"

#include <gtest/gtest.h>

namespace
{
struct GroupExpectation
{
    QString caption;
    std::vector<std::uint32_t> ids;
};

const RibbonGroupBase* Group(QuorvantaTab& tab, std::size_t index)
{
    return index < tab.GetGroups().size() ? tab.GetGroups()[index].get() : nullptr;
}

// Every style tab builds with its groups in order and their controls' ids in order.
TEST(ListStyleTabsTest, EveryTabBuildsItsGroupsAndControls)
{
    const std::vector<std::pair<std::uint32_t, std::vector<GroupExpectation>>> tabs = {
        {33141,
         {{QStringLiteral("Linie siatki"), {33102, 33104, 33105, 33106, 33107, 33113, 33114}},
          {QStringLiteral("Opcje wyświetlania"), {33108, 33110, 33111, 33112}},
          {QStringLiteral("Zmiany"), {33115, 33117}}}},
        {33142,
         {{QStringLiteral("Nieparzyste"), {33120, 33121, 33122, 33123, 33124, 33125, 33126, 33127, 33128, 33129}},
          {QStringLiteral("Parzyste"), {33130, 33131, 33132, 33133, 33134, 33135, 33136, 33137, 33138, 33139}}}},
        {33227,
         {{QStringLiteral("Linie siatki"), {33231, 33232, 33233, 33234, 33235, 33237, 33238}},
          {QStringLiteral("Kolorowanie"), {33236, 33240}},
          {QStringLiteral("Zmiany"), {33239, 33241}}}},
        {33228,
         {{QStringLiteral("Nieparzyste"), {33245, 33246, 33247, 33248, 33249, 33250, 33251, 33252, 33253, 33254}},
          {QStringLiteral("Parzyste"), {33255, 33256, 33257, 33258, 33259, 33260, 33261, 33262, 33263, 33264}}}},
        {33229,
         {{QStringLiteral("Nieparzyste"), {33265, 33266, 33267, 33268, 33269, 33270, 33271, 33272, 33273, 33274}},
          {QStringLiteral("Parzyste"), {33275, 33276, 33277, 33278, 33279, 33280, 33281, 33282, 33283, 33284}}}},
        {33230,
         {{QStringLiteral("Nieparzyste"), {33285, 33286, 33287, 33288, 33289, 33290, 33291, 33292, 33293, 33294}},
          {QStringLiteral("Parzyste"), {33295, 33296, 33297, 33298, 33299, 33300, 33301, 33302, 33303, 33304}}}},
        {33806,
         {{QStringLiteral("Linie siatki"), {33827, 33828, 33829, 33830, 33831, 33833, 33834}},
          {QStringLiteral("Kolorowanie"), {33832}},
          {QStringLiteral("Zmiany"), {33835, 33836}}}},
        {33805,
         {{QStringLiteral("Nieparzyste"), {33807, 33809, 33810, 33811, 33812, 33813, 33814, 33815, 33816, 33808}},
          {QStringLiteral("Parzyste"), {33817, 33819, 33820, 33821, 33822, 33823, 33824, 33825, 33826, 33818}}}},
        {33084,
         {{QStringLiteral("Styl pola"), {33086, 33088, 33089, 33090, 33091, 33094, 33092, 33093, 33095, 33096}},
          {QStringLiteral("Zmiany"), {33097, 33098}}}},
        {33444, {{QStringLiteral("Wzrosty"), {33404, 33405, 33406, 33407, 33408, 33409, 33410, 33411, 33412, 33413}}}},
        {33447,
         {{QStringLiteral("Transakcje"), {33424, 33425, 33426, 33427, 33428, 33429, 33430, 33431, 33432, 33433}}}},
    };
    StyleEditBench bench;
    ASSERT_TRUE(bench.factory.CreateStyleEditTabs());
    for (const auto& [tabId, groups] : tabs)
    {
        SCOPED_TRACE(tabId);
        auto* tab = dynamic_cast<QuorvantaTab*>(bench.Ribbon().FindTab(tabId));
        ASSERT_NE(tab, nullptr);
        ASSERT_TRUE(tab->Prepare());
        ASSERT_EQ(tab->GetGroups().size(), groups.size());
        for (std::size_t index = 0; index < groups.size(); ++index)
        {
            const RibbonGroupBase* group = Group(*tab, index);
            EXPECT_EQ(group->GetCaption(), groups[index].caption) << index;
            EXPECT_EQ(IdsOf(*group), groups[index].ids) << index;
        }
    }
}

TEST(ListStyleTabsTest, CaptionsFollowEachKind)
{
    StyleEditBench bench;
    ASSERT_TRUE(bench.factory.CreateStyleEditTabs());
    const auto control = [&](std::uint32_t tabId, std::size_t group, std::uint32_t id) -> RibbonControl* {
        auto* tab = dynamic_cast<QuorvantaTab*>(bench.Ribbon().FindTab(tabId));
        if (!tab || !tab->Prepare())
            return nullptr;
        const RibbonGroupBase* found = Group(*tab, group);
        return found ? found->FindControl(id) : nullptr;
    };
    // The table keeps the grid check boxes' long captions; the lists show the short ones.
    ASSERT_NE(control(33141, 0, 33102), nullptr);
    EXPECT_EQ(control(33141, 0, 33102)->GetCaption(), QStringLiteral("Pozioma linia siatki"));
    EXPECT_EQ(control(33141, 0, 33104)->GetCaption(), QStringLiteral("Pionowa linia siatki"));
    EXPECT_EQ(control(33227, 0, 33231)->GetCaption(), QStringLiteral("Pozioma"));
    EXPECT_EQ(control(33806, 0, 33828)->GetCaption(), QStringLiteral("Pionowa"));
    EXPECT_EQ(control(33141, 1, 33110)->GetCaption(), QStringLiteral("Podświetlanie"));
    EXPECT_EQ(control(33141, 1, 33111)->GetCaption(), QStringLiteral("Kolor kursora"));
    // The transaction list's colour buttons show no caption but keep their tooltip; the
    // monitor's keep their caption.
    ASSERT_NE(control(33229, 1, 33278), nullptr);
    EXPECT_TRUE(control(33229, 1, 33278)->GetCaption().isEmpty());
    EXPECT_EQ(control(33229, 1, 33278)->GetTooltip(), QStringLiteral("Kolor czcionki"));
    EXPECT_EQ(control(33805, 1, 33821)->GetCaption(), QStringLiteral("Kolor czcionki"));
    // The display options' popups offer their choices.
    RibbonControl* colouring = control(33141, 1, 33112);
    ASSERT_NE(colouring, nullptr);
    ASSERT_NE(colouring->GetCommandBar(), nullptr);
    EXPECT_NE(colouring->GetCommandBar()->FindControl(32832), nullptr);
}
}
