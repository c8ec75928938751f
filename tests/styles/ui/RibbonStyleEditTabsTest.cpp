#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaTab.h"
#include "styles/ui/RibbonStyleEditTabs.h"
#include "tests/styles/ui/StyleEditBench.h"

#include <gtest/gtest.h>

TEST(RibbonStyleEditTabsTest, EveryKindsTabsAreAddedHiddenAndInOrder)
{
    StyleEditBench bench;
    ASSERT_TRUE(bench.factory.CreateStyleEditTabs());

    std::vector<std::uint32_t> expected;
    for (const StyleEditTabsLayout& layout : StyleEditTabLayouts::All())
    {
        for (const StyleEditTabLayout& tab : layout.tabs)
            expected.push_back(tab.stringId);
    }
    std::vector<std::uint32_t> recorded;
    for (const QuorvantaTab* tab : bench.factory.GetStyleEditTabs())
    {
        recorded.push_back(tab->GetID());
        EXPECT_FALSE(tab->IsVisible()) << tab->GetID();
        EXPECT_FALSE(tab->GetCaption().isEmpty()) << tab->GetID();
    }
    EXPECT_EQ(recorded, expected);
    // Every tab the style edit mode looks for is there.
    for (const StyleEditTabsLayout& layout : StyleEditTabLayouts::All())
    {
        for (const std::uint32_t id : StyleEditTabLayouts::EditModeTabIds(layout.kind))
            EXPECT_NE(bench.Ribbon().FindTab(id), nullptr) << id;
    }
    // A second call makes nothing more.
    ASSERT_TRUE(bench.factory.CreateStyleEditTabs());
    EXPECT_EQ(bench.factory.GetStyleEditTabs().size(), expected.size());
}

TEST(RibbonStyleEditTabsTest, EveryKindsFirstTabEndsWithDiscardBeforeSave)
{
    StyleEditBench bench;
    ASSERT_TRUE(bench.factory.CreateStyleEditTabs());
    for (const StyleEditTabsLayout& layout : StyleEditTabLayouts::All())
    {
        auto* tab = dynamic_cast<QuorvantaTab*>(bench.Ribbon().FindTab(layout.tabs.front().stringId));
        ASSERT_NE(tab, nullptr);
        ASSERT_TRUE(tab->Prepare()) << tab->GetID();
        ASSERT_EQ(tab->GetGroups().size(), layout.tabs.front().groups.size()) << tab->GetID();
        const RibbonGroupBase* changes = tab->GetGroups().back().get();
        EXPECT_EQ(changes->GetCaption(), QStringLiteral("Zmiany"));
        ASSERT_EQ(changes->GetCount(), 2);
        EXPECT_EQ(changes->GetControls()[0]->GetID(), layout.discardId);
        EXPECT_EQ(changes->GetControls()[0]->GetCaption(), QStringLiteral("Odrzuć"));
        EXPECT_EQ(changes->GetControls()[1]->GetID(), layout.saveId);
        EXPECT_EQ(changes->GetControls()[1]->GetCaption(), QStringLiteral("Zapisz"));
    }
}

TEST(RibbonStyleEditTabsTest, AKindsGroupsGetTheirFillersAndAFailureStopsTheTab)
{
    StyleEditBench bench;
    const StyleEditTabsLayout layout{StyleTypes::TextField,
                                     {{33084, {{54}, {999999}, {78, QStringLiteral("Zmiany"), true}}}},
                                     33097, 33098};
    int filled = 0;
    RibbonStyleEditTabs creator(bench.factory, bench.Ribbon(), layout,
                                {{54, [&filled](RibbonGroupBase&) { return ++filled > 0; }}});
    ASSERT_TRUE(creator.CreateTabs());
    auto* tab = dynamic_cast<QuorvantaTab*>(bench.Ribbon().FindTab(33084));
    ASSERT_NE(tab, nullptr);

    // The group without a caption in the string table ends the tab after the first group.
    EXPECT_FALSE(tab->Prepare());
    EXPECT_EQ(filled, 1);
    EXPECT_EQ(tab->GetGroups().size(), 1u);
}
