#include "tests/workspace/ui/FrameFixture.h"

#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/UpdateRibbonContext.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/ui/PanelView.h"

#include <QCoreApplication>

#include <thread>

class RibbonContextTest : public FrameFixture
{
protected:
    void HideContextTabs() { frame->GetRibbonsFactory()->HideModuleTabs(); }
    const RibbonTabBase* SelectedTab() const { return frame->GetRibbonsFactory()->GetRibbonBar()->GetSelectedTab(); }
};

TEST_F(RibbonContextTest, AContextAskedForOnAWorkerThreadReachesTheRibbonOnTheMainThread)
{
    MakeFrame();
    AddModuleWindow(*ActiveView())->ForceActivate();
    HideContextTabs();

    // The context itself stays with the worker: the frame completes an empty one from its window.
    std::thread([this] { mediator->UpdateRibbonContext(true, ::UpdateRibbonContext(nullptr)); }).join();
    EXPECT_FALSE(ContextTabShown());
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([this] { return ContextTabShown(); }));
}

TEST_F(RibbonContextTest, AContextAskedForBeforeTheSessionIsLoadedIsDropped)
{
    MakeFrame();
    AddModuleWindow(*ActiveView())->ForceActivate();
    HideContextTabs();
    frame->SetSessionLoaded(false);

    std::thread([this] { mediator->UpdateRibbonContext(true, ::UpdateRibbonContext(nullptr)); }).join();
    mediator->UpdateRibbonContext(true, ::UpdateRibbonContext(&module));
    QCoreApplication::processEvents();
    EXPECT_FALSE(ContextTabShown());
    EXPECT_FALSE(folder.LogText().contains(QStringLiteral("PostMessageToPulpitFrame")));
}

TEST_F(RibbonContextTest, WhileTheApplicationStateForbidsRibbonUpdatesNoContextIsApplied)
{
    MakeFrame();
    AddModuleWindow(*ActiveView())->ForceActivate();
    HideContextTabs();

    ApplicationState state;
    state.RibbonUpdateAlgorithmAllowed = false;
    mediator->SetApplicationState(state);
    frame->UpdateRibbonContext(::UpdateRibbonContext(nullptr));
    EXPECT_FALSE(ContextTabShown());

    mediator->SetApplicationState(ApplicationState());
    frame->UpdateRibbonContext(::UpdateRibbonContext(nullptr));
    EXPECT_TRUE(ContextTabShown());
}

TEST_F(RibbonContextTest, ATabSelectionRequestKeepsItsOwnModule)
{
    MakeFrame();
    AddModuleWindow(*ActiveView())->ForceActivate();
    QuorvantaTab* context = frame->GetRibbonsFactory()->FindTab(kContextTabId);
    ASSERT_TRUE(frame->GetRibbonsFactory()->GetRibbonBar()->SetCurrentTab(context));

    // Completed from the window it would look for a main tab of the test module and stay put.
    frame->UpdateRibbonContext(::UpdateRibbonContext::JustChangeTabSelection(nullptr, RibbonTabLevelMain));
    EXPECT_EQ(SelectedTab(), frame->GetRibbonsFactory()->GetMainTabs().front());
    EXPECT_TRUE(ContextTabShown());
}

TEST_F(RibbonContextTest, ActivationCountsOnlyInAnActiveApplicationWithAnActivePanelView)
{
    MakeFrame();
    FakeModuleWnd* window = AddModuleWindow(*ActiveView());

    frame->OnActivateApp(false);
    window->ForceActivate();
    EXPECT_EQ(frame->GetActiveModuleWnd(), nullptr);

    frame->OnActivateApp(true);
    application.activeView = nullptr;
    window->ForceActivate();
    EXPECT_EQ(frame->GetActiveModuleWnd(), nullptr);
    EXPECT_FALSE(ContextTabShown());

    application.activeView = ActiveView();
    window->ForceActivate();
    EXPECT_EQ(frame->GetActiveModuleWnd(), window);
    EXPECT_TRUE(ContextTabShown());
}

TEST_F(RibbonContextTest, OnlyTheActiveWindowsDeactivationClearsTheContext)
{
    MakeFrame();
    FakeModuleWnd* other = AddModuleWindow(*ActiveView());
    FakeModuleWnd* active = AddModuleWindow(*ActiveView());
    active->ForceActivate();

    mediator->OnModuleWndActivate(other, false, false);
    EXPECT_EQ(frame->GetActiveModuleWnd(), active);
    EXPECT_TRUE(ContextTabShown());

    mediator->OnModuleWndActivate(active, false, false);
    EXPECT_EQ(frame->GetActiveModuleWnd(), nullptr);
    EXPECT_FALSE(ContextTabShown());
}

TEST_F(RibbonContextTest, TheApplicationComingBackActivatesItsActiveWindowAgain)
{
    MakeFrame();
    FakeModuleWnd* window = AddModuleWindow(*ActiveView());
    window->ForceActivate();
    frame->OnActivateApp(false);
    HideContextTabs();

    frame->OnActivateApp(true);
    EXPECT_EQ(frame->GetActiveModuleWnd(), window);
    EXPECT_TRUE(ContextTabShown());
}

TEST_F(RibbonContextTest, AWindowWithoutContextTabsShowsTheMainTabsOnly)
{
    MakeFrame();
    FakeModuleWnd* window = AddModuleWindow(*ActiveView());
    window->contextRibbon = false;
    window->ForceActivate();
    EXPECT_EQ(frame->GetActiveModuleWnd(), window);
    EXPECT_FALSE(ContextTabShown());
}

TEST_F(RibbonContextTest, WhileAStyleIsEditedTheContextStays)
{
    MakeFrame();
    RecordingTarget edited(QStringLiteral("style"), {}, routed);
    styleEdit->editedTarget = &edited;
    AddModuleWindow(*ActiveView())->ForceActivate();
    EXPECT_FALSE(ContextTabShown());
}
