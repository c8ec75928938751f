#include "ribbon/QuorvantaTab.h"
#include "tests/styles/ui/StyleEditBench.h"

#include <QRegion>

#include <gtest/gtest.h>

using namespace TestTextFieldIds;

namespace
{
std::vector<std::uint32_t> VisibleTabs(QuorvantaRibbonBar& ribbon)
{
    std::vector<std::uint32_t> ids;
    for (int index = 0; index < ribbon.GetTabCount(); ++index)
    {
        if (const RibbonTabBase* tab = ribbon.GetTab(index); tab->IsVisible())
            ids.push_back(tab->GetID());
    }
    return ids;
}
}

TEST(StyleEditModeHandlerTest, EnteringIsolatesTheWindowAndLeavingPutsEverythingBack)
{
    StyleEditBench bench;
    bench.Begin();

    ASSERT_TRUE(bench.handler.IsInEditMode());
    EXPECT_EQ(bench.handler.GetEditedWindow(), bench.window);
    EXPECT_NE(bench.handler.GetEditedCmdTarget(), nullptr);
    EXPECT_EQ(bench.handler.GetEditModeTitle(), QStringLiteral("Podgląd i edycja stylu pola"));
    EXPECT_EQ(VisibleTabs(bench.Ribbon()), std::vector<std::uint32_t>{TEXT_FIELD_TAB});
    EXPECT_EQ(bench.SelectedTab(), TEXT_FIELD_TAB);
    EXPECT_EQ(bench.window->pos(), QPoint(150, 110));
    EXPECT_EQ(bench.window->mask(), QRegion(bench.window->rect()));
    EXPECT_FALSE(bench.window->isEnabled());
    EXPECT_TRUE(bench.shownSibling->isHidden());
    EXPECT_TRUE(bench.host->styleEditFlag);
    EXPECT_EQ(bench.host->calls, (std::vector<std::string>{"flag on", "titles", "style edit menu"}));

    bench.host->calls.clear();
    const int redraws = bench.window->redrawCount;
    bench.handler.LeaveEditStyleMode();

    EXPECT_FALSE(bench.handler.IsInEditMode());
    EXPECT_EQ(bench.handler.GetEditedCmdTarget(), nullptr);
    EXPECT_EQ(bench.handler.GetEditedWindow(), nullptr);
    EXPECT_EQ(bench.window->pos(), QPoint(10, 20));
    EXPECT_TRUE(bench.window->mask().isEmpty());
    EXPECT_TRUE(bench.window->isEnabled());
    EXPECT_EQ(bench.window->redrawCount, redraws + 1);
    EXPECT_FALSE(bench.shownSibling->isHidden());
    // A window that was hidden before stays hidden.
    EXPECT_TRUE(bench.hiddenSibling->isHidden());
    EXPECT_EQ(VisibleTabs(bench.Ribbon()), std::vector<std::uint32_t>{MAIN_TAB});
    EXPECT_EQ(bench.host->calls, (std::vector<std::string>{"flag off", "titles", "main menu", "ribbon context",
                                                           "redraw windows"}));

    // A second leave does nothing.
    bench.host->calls.clear();
    bench.handler.LeaveEditStyleMode();
    EXPECT_TRUE(bench.host->calls.empty());
}

TEST(StyleEditModeHandlerTest, TheWindowIsCentredByIntegerHalves)
{
    struct Case
    {
        QRect parent;
        QSize window;
        QPoint expected;
    };
    const Case cases[] = {
        {QRect(0, 0, 400, 300), QSize(100, 80), QPoint(150, 110)},
        {QRect(0, 0, 401, 301), QSize(101, 81), QPoint(150, 110)},
        // A window larger than its parent stands out on both sides, still centred.
        {QRect(0, 0, 100, 50), QSize(300, 151), QPoint(-100, -50)},
    };
    for (const Case& item : cases)
        EXPECT_EQ(StyleEditModeHandler::CentredPosition(item.parent, item.window), item.expected) << item.window.width();
}

TEST(StyleEditModeHandlerTest, AResizedPanelKeepsTheWindowCentredAndClipped)
{
    StyleEditBench bench;
    bench.Begin();
    bench.window->resize(120, 60);
    bench.panel.resize(200, 100);
    bench.handler.UpdateEditedWindowLayout();

    EXPECT_EQ(bench.window->pos(), QPoint(40, 20));
    EXPECT_EQ(bench.window->mask(), QRegion(QRect(0, 0, 120, 60)));
}

TEST(StyleEditModeHandlerTest, NothingChangesWhenTheModeCannotBegin)
{
    struct Case
    {
        const char* name;
        std::function<void(StyleEditBench&)> arrange;
    };
    const Case cases[] = {
        {"no ribbon", [](StyleEditBench& bench) { bench.host->factory = nullptr; }},
        {"no active window", [](StyleEditBench& bench) { bench.host->activeWindow = nullptr; }},
        {"a kind without a target",
         [](StyleEditBench& bench) { bench.handler.RegisterCmdTarget(StyleTextField::Type, nullptr); }},
        {"a kind whose target is not made",
         [](StyleEditBench& bench) {
             bench.handler.RegisterCmdTarget(StyleTextField::Type,
                                             [](const std::shared_ptr<StyleBase>&, StyleEditModeHandler&) {
                                                 return std::shared_ptr<CmdTarget>();
                                             });
         }},
        {"no style tab of the kind on the ribbon",
         [](StyleEditBench& bench) { bench.creators->SetStyleEdit([](std::vector<IRibbonTabsCreatorsFactory::Creator>&) {}); }},
        {"style tabs that cannot be made",
         [](StyleEditBench& bench) {
             bench.creators->SetStyleEdit([&bench](std::vector<IRibbonTabsCreatorsFactory::Creator>& list) {
                 auto failing = std::make_shared<TestTabsCreator>(bench.factory, bench.Ribbon(),
                                                                  TestTabsCreator::Kind::StyleEdit);
                 failing->succeeds = false;
                 list.push_back(failing);
             });
         }},
    };
    for (const Case& item : cases)
    {
        StyleEditBench bench;
        item.arrange(bench);
        bench.Begin();

        EXPECT_FALSE(bench.handler.IsInEditMode()) << item.name;
        EXPECT_EQ(bench.handler.GetEditedCmdTarget(), nullptr) << item.name;
        EXPECT_TRUE(bench.host->calls.empty()) << item.name;
        EXPECT_FALSE(bench.shownSibling->isHidden()) << item.name;
        EXPECT_EQ(bench.window->pos(), QPoint(10, 20)) << item.name;
        EXPECT_TRUE(bench.window->isEnabled()) << item.name;
    }
}

TEST(StyleEditModeHandlerTest, ASecondBeginWhileEditingChangesNothing)
{
    StyleEditBench bench;
    bench.Begin();
    CmdTarget* first = bench.handler.GetEditedCmdTarget();
    bench.handler.BeginEditStyle(bench.style, QStringLiteral("Inny"));

    EXPECT_EQ(bench.handler.GetEditedCmdTarget(), first);
    EXPECT_EQ(bench.handler.GetEditModeTitle(), QStringLiteral("Podgląd i edycja stylu pola"));
    bench.handler.LeaveEditStyleMode();
    // The place before the first begin, not the centred one, comes back.
    EXPECT_EQ(bench.window->pos(), QPoint(10, 20));
    EXPECT_FALSE(bench.shownSibling->isHidden());
}

TEST(StyleEditModeHandlerTest, ClosedWindowsAreLetGo)
{
    StyleEditBench bench;
    bench.Begin();
    delete bench.shownSibling;
    bench.host->activeWindow = nullptr;
    delete bench.window;

    EXPECT_FALSE(bench.handler.IsInEditMode());
    EXPECT_EQ(bench.handler.GetEditedCmdTarget(), nullptr);
    EXPECT_TRUE(bench.hiddenSibling->isHidden());
    EXPECT_EQ(VisibleTabs(bench.Ribbon()), std::vector<std::uint32_t>{MAIN_TAB});
}
