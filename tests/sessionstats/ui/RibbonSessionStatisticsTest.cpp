#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "sessionstats/ui/RibbonSessionStatisticsQ4Classic.h"
#include "tests/support/FakeConsumer.h"
#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"
#include "tests/support/ribbon/FakeRibbonsFactoryOwner.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

TEST(RibbonSessionStatisticsTest, TheWindowsTabHoldsThePaneFontAndStyleCommands)
{
    TestApplication::Ensure();
    FakeConsumer module(QStringLiteral("SessionStatistics"), QStringLiteral(".q4SS"));
    auto creators = std::make_shared<FakeRibbonTabsCreatorsFactory>();
    creators->Set("session statistics", [&module](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
        return std::make_shared<RibbonSessionStatisticsQ4Classic>(factory, ribbonBar, [&module] { return &module; });
    });
    FakeRibbonsFactoryOwner owner;
    RibbonsFactory factory(owner, creators);
    ASSERT_TRUE(factory.CreateRibbon());
    QuorvantaTab* tab = factory.FindTab(RibbonSessionStatisticsQ4Classic::ID_TAB_SESSION_STATISTICS);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->GetContextColor(), RibbonContextColorGreen);
    EXPECT_EQ(factory.GetModuleTabs(&module).size(), 1u);
    ASSERT_TRUE(tab->Prepare());
    for (std::uint32_t id : {33067u, 33068u, 956u, 957u, 958u, 33393u, 33919u, 33917u})
        EXPECT_NE(tab->FindControl(id), nullptr) << id;
}

TEST(RibbonSessionStatisticsTest, WithoutTheModuleNoTabIsMade)
{
    TestApplication::Ensure();
    FakeRibbonsFactoryOwner owner;
    RibbonsFactory factory(owner, std::make_shared<FakeRibbonTabsCreatorsFactory>());
    ASSERT_TRUE(factory.CreateRibbon());
    RibbonSessionStatisticsQ4Classic creator(factory, *factory.GetRibbonBar(), [] { return nullptr; });
    EXPECT_FALSE(creator.CreateTabs());
}
