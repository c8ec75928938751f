#include "platform/base/QuorvantaException.h"
#include "platform/toolkit/RibbonTabControl.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "tests/support/ribbon/TestRibbonTab.h"
#include "tests/support/toolkit/FakeRibbonBarSite.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
constexpr std::uint32_t ID_MAIN_TAB = 34101;
constexpr std::uint32_t ID_TABLE_TAB = 9;

class QuorvantaRibbonBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        ribbon.SetSite(&site);
    }

    TestRibbonTab* Add(std::uint32_t stringId, ERibbonTabLevel level)
    {
        return static_cast<TestRibbonTab*>(ribbon.AddTab(stringId, std::make_unique<TestRibbonTab>(level)));
    }

    QuorvantaRibbonBar ribbon;
    FakeRibbonBarSite site;
};
}

TEST(QuorvantaRibbonBarTextTest, SplitsATabsStringIntoTooltipCaptionAndKeyTip)
{
    struct Case
    {
        const char* text;
        const char* tooltip;
        const char* caption;
        const char* keyTip;
    };
    const Case cases[] = {
        {"&Tabela", "", "&Tabela", ""},
        {"nieużywane\nPodpowiedź\nNazwa\nN", "Podpowiedź", "Nazwa", "N"},
        {"nieużywane\nPodpowiedź\n\nP", "Podpowiedź", "Podpowiedź", "P"},
        {"nieużywane\nTylko podpowiedź", "Tylko podpowiedź", "Tylko podpowiedź", ""},
        {"\n", "", "", ""},
    };
    for (const Case& test : cases)
    {
        const QuorvantaRibbonBar::TabTexts texts = QuorvantaRibbonBar::SplitTabText(QString::fromUtf8(test.text));
        EXPECT_EQ(texts.tooltip, QString::fromUtf8(test.tooltip)) << test.text;
        EXPECT_EQ(texts.caption, QString::fromUtf8(test.caption)) << test.text;
        EXPECT_EQ(texts.keyboardTip, QString::fromUtf8(test.keyTip)) << test.text;
    }
}

TEST_F(QuorvantaRibbonBarTest, AddsTabsFromTheStringTableAndSelectsTheFirst)
{
    TestRibbonTab* main = Add(ID_MAIN_TAB, RibbonTabLevelMain);
    TestRibbonTab* table = Add(ID_TABLE_TAB, RibbonTabLevelContext);

    EXPECT_EQ(main->GetCaption(), QStringLiteral("Główna"));
    EXPECT_EQ(main->GetKeyboardTip(), QStringLiteral("G"));
    EXPECT_EQ(main->GetID(), ID_MAIN_TAB);
    EXPECT_EQ(table->GetCaption(), QStringLiteral("&Tabela"));
    EXPECT_EQ(ribbon.GetSelectedTab(), main) << "the first tab added becomes the selected one";
    EXPECT_EQ(ribbon.GetTabControl().GetID(), 9604u);
}

TEST_F(QuorvantaRibbonBarTest, AMissingTabIsRefusedWithAnException)
{
    try
    {
        ribbon.AddTab(ID_MAIN_TAB, nullptr);
        FAIL() << "no exception";
    }
    catch (const QuorvantaException& error)
    {
        EXPECT_EQ(error.Place(), QStringLiteral("QuorvantaRibbonControlTab::AddQuorvantaTabItem"));
        EXPECT_EQ(error.Text(), QStringLiteral("tab can't be nullptr !"));
    }
    EXPECT_EQ(ribbon.GetTabCount(), 0);
}

TEST_F(QuorvantaRibbonBarTest, AClickRemembersTheLevelOfTheTabOrOfTheHeadersFirstTab)
{
    Add(ID_MAIN_TAB, RibbonTabLevelMain);
    TestRibbonTab* series = Add(ID_TABLE_TAB, RibbonTabLevelSubContext);
    TestRibbonTab* axis = Add(11, RibbonTabLevelContext);
    RibbonHit onHeader;
    onHeader.headerFirstTab = series;
    RibbonHit onAxis;
    onAxis.tab = axis;
    site.SetHit(QPoint(100, 5), onHeader);
    site.SetHit(QPoint(150, 30), onAxis);

    ribbon.OnLButtonDown(QPoint(100, 5));
    EXPECT_EQ(ribbon.GetSelectedTab(), series);
    EXPECT_EQ(ribbon.GetRememberedLevel(), RibbonTabLevelSubContext);
    EXPECT_EQ(ribbon.GetRememberedTab(), series);

    ribbon.OnLButtonDown(QPoint(150, 30));
    EXPECT_EQ(ribbon.GetRememberedLevel(), RibbonTabLevelContext);
    EXPECT_EQ(ribbon.GetRememberedTab(), axis);

    ribbon.RememberTabLevel(RibbonTabLevelMain);
    EXPECT_EQ(ribbon.GetRememberedTab(), nullptr) << "the selected tab is of another level";
}

TEST_F(QuorvantaRibbonBarTest, WhileLockedOnlyTheCaptionAndSystemButtonTakeTheMouse)
{
    ScopedFakeDialogs dialogs;
    TestRibbonTab* main = Add(ID_MAIN_TAB, RibbonTabLevelMain);
    TestRibbonTab* table = Add(ID_TABLE_TAB, RibbonTabLevelContext);
    RibbonControl* system = ribbon.AddSystemButton(33);
    ribbon.SetSystemMenu({MenuItem::Command(1, QStringLiteral("Zamknij"))});
    RibbonHit onTab;
    onTab.code = RibbonHitClient;
    onTab.tab = table;
    RibbonHit onSystem;
    onSystem.code = RibbonHitSystemMenu;
    onSystem.control = system;
    site.SetHit(QPoint(60, 30), onTab);
    site.SetHit(QPoint(5, 30), onSystem);
    ribbon.SetLocked(true);

    ribbon.OnMouseMove(QPoint(60, 30));
    EXPECT_EQ(ribbon.GetHotTab(), nullptr) << "moves are ignored";
    ribbon.OnLButtonDown(QPoint(60, 30));
    ribbon.OnLButtonDblClk(QPoint(60, 30));
    EXPECT_EQ(ribbon.GetSelectedTab(), main) << "a click on a tab changes nothing";
    EXPECT_EQ(ribbon.GetRememberedLevel(), RibbonTabLevelNone);
    EXPECT_FALSE(ribbon.IsRibbonMinimized());
    ribbon.OnLButtonDown(QPoint(5, 30));
    EXPECT_EQ(dialogs.MenuTracker().TimesShown(), 1) << "the system button still opens its menu";

    ribbon.SetLocked(false);
    ribbon.OnLButtonDown(QPoint(60, 30));
    EXPECT_EQ(ribbon.GetSelectedTab(), table);
}

TEST_F(QuorvantaRibbonBarTest, ATabBuildsItsGroupsOnceOnFirstShowEvenWhenThatFailed)
{
    Add(ID_MAIN_TAB, RibbonTabLevelMain);
    TestRibbonTab* shown = Add(ID_TABLE_TAB, RibbonTabLevelContext);
    TestRibbonTab* broken = Add(11, RibbonTabLevelContext);
    broken->buildSucceeds = false;
    EXPECT_EQ(shown->groupBuilds, 0) << "nothing is built before the tab shows";

    ribbon.SetCurrentTab(shown);
    EXPECT_EQ(shown->groupBuilds, 1);
    EXPECT_TRUE(shown->Prepare());
    EXPECT_EQ(shown->groupBuilds, 1);
    EXPECT_EQ(shown->GetGroups().size(), 1u);

    EXPECT_FALSE(broken->Prepare());
    EXPECT_FALSE(broken->Prepare()) << "a failed build stays reported as failed";
    ribbon.SetCurrentTab(broken);
    EXPECT_EQ(broken->groupBuilds, 1);
}
