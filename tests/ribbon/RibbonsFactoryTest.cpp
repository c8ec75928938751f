#include "platform/toolkit/RibbonCreateControlRequest.h"
#include "platform/toolkit/RibbonImageManager.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/UpdateRibbonContext.h"
#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"
#include "tests/support/ribbon/FakeRibbonsFactoryOwner.h"
#include "tests/support/ribbon/TestRibbonTab.h"
#include "tests/support/ribbon/TestTabsCreator.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
using Kind = TestTabsCreator::Kind;

// Tab string ids (ids with texts in the string table, so tabs get real captions).
constexpr std::uint32_t MAIN_1 = 34101;
constexpr std::uint32_t MAIN_2 = 34102;
constexpr std::uint32_t A_2 = 9;   // module A: levels 2 and 3
constexpr std::uint32_t A_3 = 11;
constexpr std::uint32_t B_2a = 13; // module B: two tabs of level 2
constexpr std::uint32_t B_2b = 14;
constexpr std::uint32_t C_2 = 68;  // module C: its only tab is not available
constexpr std::uint32_t D_2 = 101; // module D: levels 2 and 3
constexpr std::uint32_t D_3 = 92;

enum Module
{
    NoModule = -1,
    A,
    B,
    C,
    D,
    E // a module without tabs
};

// The factory of a frame with two main tabs and the contextual tabs of four modules.
class RibbonsFactoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        SetCreator("main", Kind::Main, NoModule, {{MAIN_1, RibbonTabLevelMain}, {MAIN_2, RibbonTabLevelMain}});
        SetCreator("tables", Kind::Module, A, {{A_2, RibbonTabLevelContext}, {A_3, RibbonTabLevelSubContext}});
        SetCreator("details", Kind::Module, B, {{B_2a, RibbonTabLevelContext}, {B_2b, RibbonTabLevelContext}});
        SetCreator("offers", Kind::Module, C, {{C_2, RibbonTabLevelContext, false}});
        SetCreator("charts", Kind::Module, D, {{D_2, RibbonTabLevelContext}, {D_3, RibbonTabLevelSubContext}});
    }

    IGenericModule* ModuleOf(int module) { return module < 0 ? nullptr : reinterpret_cast<IGenericModule*>(&m_modules[module]); }

    void SetCreator(const std::string& kind, Kind tabsKind, int module, std::vector<TestTabsCreator::TabLayout> tabs)
    {
        creators->Set(kind, [this, tabsKind, module, tabs](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
            auto creator = std::make_shared<TestTabsCreator>(factory, ribbonBar, tabsKind, ModuleOf(module), tabs);
            made.push_back(creator.get());
            return creator;
        });
    }

    QuorvantaRibbonBar& Ribbon() { return *factory.GetRibbonBar(); }
    std::uint32_t Selected() { return Ribbon().GetSelectedTab() ? Ribbon().GetSelectedTab()->GetID() : 0; }
    void Click(std::uint32_t tabId)
    {
        ASSERT_TRUE(Ribbon().SetCurrentTab(factory.FindTab(tabId))) << tabId;
        Ribbon().RememberTabLevel(factory.FindTab(tabId)->GetLevel());
    }
    void Activate(int module, const QString& caption = QStringLiteral("Okno"))
    {
        UpdateRibbonContext context(ModuleOf(module));
        context.SetContextText(caption);
        factory.UpdateRibbonContext(context);
    }

    FakeRibbonsFactoryOwner owner;
    std::shared_ptr<FakeRibbonTabsCreatorsFactory> creators = std::make_shared<FakeRibbonTabsCreatorsFactory>();
    RibbonsFactory factory{owner, creators};
    std::vector<TestTabsCreator*> made;

private:
    int m_modules[5] = {};
};

struct SelectionCase
{
    const char* name;
    int priorModule;      // the window active before
    std::uint32_t click;  // the tab the user clicked then (0: none)
    int module;           // the window activated now
    bool justChange;
    ERibbonTabLevel level;
    bool preserve;
    std::uint32_t selected;
    ERibbonTabLevel remembered;
};

const SelectionCase kSelectionCases[] = {
    {"NoModuleKeepsAMainTab", NoModule, MAIN_2, NoModule, false, RibbonTabLevelNone, false, MAIN_2, RibbonTabLevelMain},
    {"NoModuleLeavesAContextTabForTheFirstMainTab", A, A_2, NoModule, false, RibbonTabLevelNone, false, MAIN_1,
     RibbonTabLevelMain},
    {"NothingRememberedKeepsTheShownTab", NoModule, 0, A, false, RibbonTabLevelNone, false, MAIN_1, RibbonTabLevelNone},
    {"RememberedLevel2PicksLevel2", B, B_2a, A, false, RibbonTabLevelNone, false, A_2, RibbonTabLevelContext},
    {"RememberedLevel3PicksLevel3", A, A_3, D, false, RibbonTabLevelNone, false, D_3, RibbonTabLevelSubContext},
    {"OfTwoTabsOfALevelTheFirstAdded", A, A_2, B, false, RibbonTabLevelNone, false, B_2a, RibbonTabLevelContext},
    {"TheRememberedTabIfItShows", A, A_3, A, false, RibbonTabLevelNone, false, A_3, RibbonTabLevelSubContext},
    {"NoAvailableTabKeepsTheSelection", NoModule, MAIN_2, C, false, RibbonTabLevelNone, false, MAIN_2,
     RibbonTabLevelMain},
    // The table's tab goes with its context: the first main tab, not the tab beside it.
    {"AHiddenContextTabGivesWayToTheFirstMainTab", A, A_2, C, false, RibbonTabLevelNone, false, MAIN_1,
     RibbonTabLevelContext},
    {"AHiddenSubContextTabGivesWayToTheFirstMainTab", A, A_3, C, false, RibbonTabLevelNone, false, MAIN_1,
     RibbonTabLevelSubContext},
    {"PreservedContextKeepsTheRememberedLevel", A, A_3, NoModule, false, RibbonTabLevelNone, true, MAIN_1,
     RibbonTabLevelSubContext},
    {"JustChangeForAModuleWithoutTabsSelectsTheFirstMainTab", NoModule, MAIN_2, E, true, RibbonTabLevelContext, false,
     MAIN_1, RibbonTabLevelContext},
    {"JustChangeSelectsTheModulesTabOfTheLevel", D, 0, D, true, RibbonTabLevelSubContext, false, D_3,
     RibbonTabLevelSubContext},
    {"JustChangeToAMissingLevelChangesNothing", B, B_2a, B, true, RibbonTabLevelSubContext, false, B_2a,
     RibbonTabLevelContext},
};

void PrintTo(const SelectionCase& test, std::ostream* out)
{
    *out << test.name;
}

class ContextSelectionTest : public RibbonsFactoryTest, public ::testing::WithParamInterface<SelectionCase>
{
};
}

TEST_P(ContextSelectionTest, SelectsTheTabTheContextAndTheRememberedLevelCallFor)
{
    const SelectionCase& test = GetParam();
    ASSERT_TRUE(factory.CreateRibbon());
    if (test.priorModule != NoModule)
        Activate(test.priorModule);
    if (test.click != 0)
        Click(test.click);

    UpdateRibbonContext context =
        test.justChange ? UpdateRibbonContext::JustChangeTabSelection(ModuleOf(test.module), test.level)
                        : UpdateRibbonContext(ModuleOf(test.module));
    context.SetPreseveRibbonTabContext(test.preserve);
    factory.UpdateRibbonContext(context);

    EXPECT_EQ(Selected(), test.selected);
    EXPECT_EQ(Ribbon().GetRememberedLevel(), test.remembered);
}

INSTANTIATE_TEST_SUITE_P(Cases, ContextSelectionTest, ::testing::ValuesIn(kSelectionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RibbonsFactoryTest, AModuleContextShowsOnlyThatModulesAvailableTabsWithItsCaption)
{
    ASSERT_TRUE(factory.CreateRibbon());
    for (const std::uint32_t id : {A_2, A_3, B_2a, C_2, D_2})
        EXPECT_FALSE(factory.FindTab(id)->IsVisible()) << "module tabs start hidden: " << id;

    Activate(A, QStringLiteral("Notowania"));
    EXPECT_TRUE(factory.FindTab(A_2)->IsVisible());
    EXPECT_EQ(factory.FindTab(A_2)->GetContextCaption(), QStringLiteral("Notowania"));
    EXPECT_TRUE(factory.FindTab(A_2)->AreGroupsCreated()) << "a shown context tab is prepared";

    Activate(C);
    EXPECT_FALSE(factory.FindTab(A_2)->IsVisible()) << "another module's tabs hide";
    EXPECT_FALSE(factory.FindTab(C_2)->IsVisible()) << "a tab that is not available stays hidden";
    EXPECT_TRUE(factory.FindTab(MAIN_1)->IsVisible());

    Activate(B);
    factory.UpdateRibbonContext(UpdateRibbonContext());
    for (const std::uint32_t id : {A_2, B_2a, B_2b})
        EXPECT_FALSE(factory.FindTab(id)->IsVisible()) << "no module: every module tab hides: " << id;
    EXPECT_EQ(static_cast<TestRibbonTab*>(factory.FindTab(B_2a))->groupBuilds, 1);
}

TEST_F(RibbonsFactoryTest, ANewCaptionKeepsTheSelectedContextTabSelected)
{
    ASSERT_TRUE(factory.CreateRibbon());
    Activate(A, QStringLiteral("Tabela 1"));
    Click(A_3);

    factory.UpdateContextCaption(ModuleOf(A), QStringLiteral("Tabela 2"));

    EXPECT_EQ(Selected(), A_3);
    EXPECT_EQ(factory.FindTab(A_2)->GetContextCaption(), QStringLiteral("Tabela 2"));
    EXPECT_EQ(factory.FindTab(A_3)->GetContextCaption(), QStringLiteral("Tabela 2"));
    EXPECT_TRUE(factory.FindTab(A_3)->IsVisible());
    EXPECT_TRUE(factory.FindTab(MAIN_1)->GetContextCaption().isEmpty()) << "main tabs keep no context caption";
    factory.UpdateContextCaption(ModuleOf(E), QStringLiteral("Nic"));
    EXPECT_EQ(Selected(), A_3);
}

TEST_F(RibbonsFactoryTest, CreatesTheBarAndRunsTheCreatorsInTheirOrderUntilOneFails)
{
    SetCreator("formula language", Kind::Module, E, {});
    ASSERT_TRUE(factory.CreateRibbon());
    const std::vector<std::string> order = {"main",          "charts",          "tables",
                                            "alerts",        "orders sheet",    "files generator",
                                            "details",       "offers",          "transaction lists",
                                            "transactions monitor", "session statistics", "formations",
                                            "formula language"};
    EXPECT_EQ(creators->calls, order);
    ASSERT_EQ(made.size(), 6u) << "kinds without a creator are left out";
    EXPECT_EQ(made[1]->tabs.front()->GetID(), D_2) << "charts come second";

    QuorvantaRibbonBar& ribbon = Ribbon();
    EXPECT_EQ(ribbon.GetName(), QStringLiteral("The Ribbon"));
    ASSERT_NE(ribbon.GetSystemButton(), nullptr);
    EXPECT_EQ(ribbon.GetSystemButton()->GetID(), 33u);
    ASSERT_EQ(ribbon.GetRightAlignedControls().size(), 2u) << "no style popup without --extended";
    EXPECT_EQ(ribbon.GetRightAlignedControls()[0]->GetCaption(), QStringLiteral("Rozmiń Wstążkę"));
    EXPECT_EQ(ribbon.GetRightAlignedControls()[1]->GetCaption(), QStringLiteral("Minimalizuj Wstążkę"));
    EXPECT_EQ(ribbon.GetRightAlignedControls()[1]->GetDescription(), QStringLiteral("Pokazuje tylko nazwy zakładek"));
    const RibbonImageManager& images = owner.GetCommandBars()->GetImageManager();
    EXPECT_EQ(images.ResourceId(33633, RibbonImageManager::kSmall), 700u);
    EXPECT_EQ(images.ResourceId(33466, RibbonImageManager::kLarge), 585u);
    EXPECT_TRUE(images.HasIcon(33000, RibbonImageManager::kLarge));
}

TEST_F(RibbonsFactoryTest, AFailingCreatorEndsTheRibbonAndLaterCreatorsNeverRun)
{
    creators->Set("files generator", [this](RibbonsFactory& f, QuorvantaRibbonBar& bar) {
        auto creator = std::make_shared<TestTabsCreator>(f, bar, Kind::Module, ModuleOf(E));
        creator->succeeds = false;
        made.push_back(creator.get());
        return creator;
    });
    EXPECT_FALSE(factory.CreateRibbon());
    ASSERT_EQ(made.size(), 6u);
    EXPECT_EQ(made[0]->runs + made[1]->runs + made[2]->runs, 3) << "main, charts and tables ran";
    EXPECT_EQ(made[3]->runs, 1) << "the failing one";
    EXPECT_EQ(made[4]->runs + made[5]->runs, 0) << "details and offers did not";
    EXPECT_NE(factory.FindTab(A_2), nullptr) << "tabs made so far stay";
}

TEST_F(RibbonsFactoryTest, WithoutCommandBarsThereIsNoRibbon)
{
    owner.SetHasCommandBars(false);
    EXPECT_FALSE(factory.CreateRibbon());
    EXPECT_EQ(factory.GetRibbonBar(), nullptr);
    EXPECT_TRUE(made.empty());
}

TEST_F(RibbonsFactoryTest, TheExtendedModeAddsTheStylePopupOfColourThemes)
{
    owner.SetExtendedMode(true);
    ASSERT_TRUE(factory.CreateRibbon());
    ASSERT_EQ(Ribbon().GetRightAlignedControls().size(), 3u);
    const RibbonControl& style = *Ribbon().GetRightAlignedControls()[2];
    EXPECT_EQ(style.GetCaption(), QStringLiteral("Style"));
    EXPECT_EQ(style.GetType(), RibbonControlPopup);
    ASSERT_NE(style.GetCommandBar(), nullptr);

    std::vector<std::uint32_t> ids;
    for (const auto& control : style.GetCommandBar()->GetControls())
        ids.push_back(control->GetID());
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{33602, 33604, 33605, 33606, 33607, 33603, 33608, 33609, 33610}));
    const auto& controls = style.GetCommandBar()->GetControls();
    EXPECT_FALSE(controls[0]->GetEnabled()) << "Office 2007 is a heading";
    EXPECT_FALSE(controls[5]->GetEnabled());
    EXPECT_TRUE(controls[5]->GetBeginGroup()) << "the separator before Office 2010";
    EXPECT_EQ(controls[4]->GetCaption(), QStringLiteral("Aqua"));
}

TEST_F(RibbonsFactoryTest, StyleEditTabsAreMadeOnceAndAFailureStaysAFailure)
{
    ASSERT_TRUE(factory.CreateRibbon());
    TestTabsCreator* styleCreator = nullptr;
    creators->SetStyleEdit([&](std::vector<IRibbonTabsCreatorsFactory::Creator>& list) {
        auto creator = std::make_shared<TestTabsCreator>(factory, Ribbon(), Kind::StyleEdit, nullptr,
                                                         std::vector<TestTabsCreator::TabLayout>{{292, RibbonTabLevelMain}});
        styleCreator = creator.get();
        list.push_back(creator);
    });

    EXPECT_TRUE(factory.CreateStyleEditTabs());
    EXPECT_TRUE(factory.CreateStyleEditTabs());
    ASSERT_NE(styleCreator, nullptr);
    EXPECT_EQ(styleCreator->runs, 1);
    ASSERT_EQ(factory.GetStyleEditTabs().size(), 1u);
    EXPECT_FALSE(factory.GetStyleEditTabs()[0]->IsVisible());

    RibbonsFactory failing(owner, creators);
    FakeRibbonsFactoryOwner otherOwner;
    RibbonsFactory other(otherOwner, creators);
    ASSERT_TRUE(other.CreateRibbon());
    creators->SetStyleEdit([&](std::vector<IRibbonTabsCreatorsFactory::Creator>& list) {
        auto creator = std::make_shared<TestTabsCreator>(other, *other.GetRibbonBar(), Kind::StyleEdit);
        creator->succeeds = false;
        styleCreator = creator.get();
        list.push_back(creator);
    });
    EXPECT_FALSE(other.CreateStyleEditTabs());
    EXPECT_FALSE(other.CreateStyleEditTabs()) << "not reported as ready later";
    EXPECT_EQ(styleCreator->runs, 1);
    EXPECT_FALSE(failing.CreateStyleEditTabs()) << "no ribbon yet";
}

TEST_F(RibbonsFactoryTest, StyleEditModeShowsOnlyTheChosenTabsAndLeavingBringsTheMainTabsBack)
{
    ASSERT_TRUE(factory.CreateRibbon());
    creators->SetStyleEdit([&](std::vector<IRibbonTabsCreatorsFactory::Creator>& list) {
        list.push_back(std::make_shared<TestTabsCreator>(
            factory, Ribbon(), Kind::StyleEdit, nullptr,
            std::vector<TestTabsCreator::TabLayout>{{292, RibbonTabLevelMain}, {33633, RibbonTabLevelMain},
                                                  {33634, RibbonTabLevelMain}}));
    });
    ASSERT_TRUE(factory.CreateStyleEditTabs());
    const auto& styleTabs = factory.GetStyleEditTabs();
    Activate(A);
    Click(A_2);

    factory.ShowStyleEditTabs(true, {styleTabs[1], styleTabs[2]});
    EXPECT_FALSE(styleTabs[0]->IsVisible());
    EXPECT_TRUE(styleTabs[1]->IsVisible());
    EXPECT_TRUE(styleTabs[2]->IsVisible());
    EXPECT_EQ(Ribbon().GetSelectedTab(), styleTabs[1]);
    for (const std::uint32_t id : {MAIN_1, MAIN_2, A_2, A_3})
        EXPECT_FALSE(factory.FindTab(id)->IsVisible()) << id;

    factory.ShowStyleEditTabs(false);
    for (const QuorvantaTab* tab : styleTabs)
        EXPECT_FALSE(tab->IsVisible());
    EXPECT_TRUE(factory.FindTab(MAIN_1)->IsVisible());
    EXPECT_EQ(Selected(), MAIN_1) << "never a hidden style tab";
    factory.UpdateRibbonContext(UpdateRibbonContext());
    EXPECT_EQ(Selected(), MAIN_1);
}

TEST_F(RibbonsFactoryTest, WithoutMainTabsSelectingTheFirstMainTabDoesNothing)
{
    creators->Set("main", nullptr);
    ASSERT_TRUE(factory.CreateRibbon());
    Activate(A);
    EXPECT_EQ(Selected(), A_2) << "the only tabs shown";
    factory.UpdateRibbonContext(UpdateRibbonContext());
    EXPECT_EQ(Selected(), 0u);
    factory.UpdateRibbonContext(UpdateRibbonContext::JustChangeTabSelection(ModuleOf(E), RibbonTabLevelMain));
    EXPECT_EQ(Selected(), 0u);
}

TEST_F(RibbonsFactoryTest, TheFramesControlRequestsGoToTheFirstCreatorThatMakesTheControl)
{
    ASSERT_TRUE(factory.CreateRibbon());
    made[2]->requestId = 500;
    creators->SetStyleEdit([&](std::vector<IRibbonTabsCreatorsFactory::Creator>& list) {
        auto creator = std::make_shared<TestTabsCreator>(factory, Ribbon(), Kind::StyleEdit);
        creator->requestId = 600;
        list.push_back(creator);
    });
    ASSERT_TRUE(factory.CreateStyleEditTabs());

    EXPECT_FALSE(factory.DispatchToTabCreators(nullptr));
    for (const std::uint32_t id : {500u, 600u})
    {
        RibbonCreateControlRequest request;
        request.id = id;
        EXPECT_TRUE(factory.DispatchToTabCreators(&request)) << id;
        ASSERT_NE(request.control, nullptr);
        EXPECT_EQ(request.control->GetID(), id);
    }
    RibbonCreateControlRequest unknown;
    unknown.id = 700;
    EXPECT_FALSE(factory.DispatchToTabCreators(&unknown));
}

TEST_F(RibbonsFactoryTest, FindsControlsByIdOnPreparedTabs)
{
    ASSERT_TRUE(factory.CreateRibbon());
    EXPECT_EQ(factory.FindControl(A_2 + 1000), nullptr) << "a tab never shown has no controls yet";
    Activate(A);
    ASSERT_NE(factory.FindControl(A_2 + 1000), nullptr);
    EXPECT_EQ(factory.FindControl(A_2 + 1000)->GetID(), A_2 + 1000);
    EXPECT_EQ(factory.FindControl(33633)->GetCaption(), QStringLiteral("Minimalizuj Wstążkę"));
}
