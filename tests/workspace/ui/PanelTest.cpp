#include "tests/workspace/ui/FrameFixture.h"

#include "platform/modules/ModuleWndBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/ui/PanelDocTemplate.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/TabClientWnd.h"
#include "workspace/ui/WorkspaceCommandIds.h"

#include <QCoreApplication>
#include <QTest>

using namespace WorkspaceIds;

class PanelTest : public FrameFixture
{
protected:
    // Back to the first screen through its tab.
    void SelectScreen(int index) { frame->GetTabClient()->ActivateItem(frame->GetTabClient()->GetItemWindow(index)); }
};

TEST_F(PanelTest, APanelWithoutModuleWindowsResetsTheRibbonContext)
{
    MakeFrame();
    frame->screensLimit = 2;
    AddModuleWindow(*ActiveView())->ForceActivate();
    ASSERT_TRUE(ContextTabShown());

    frame->ExecuteCommand(ID_NEW_SCREEN);
    EXPECT_EQ(frame->GetActiveModuleWnd(), nullptr);
    EXPECT_FALSE(ContextTabShown());

    // Back on the first screen its top window is active again.
    SelectScreen(0);
    EXPECT_NE(frame->GetActiveModuleWnd(), nullptr);
    EXPECT_TRUE(ContextTabShown());
}

TEST_F(PanelTest, TheTopModuleWindowIsActivatedWithItsPanelUnlessItIsHiddenByItsModule)
{
    MakeFrame();
    frame->screensLimit = 4;
    PanelView& view = *ActiveView();
    FakeModuleWnd* lower = AddModuleWindow(view);
    FakeModuleWnd* top = AddModuleWindow(view);
    ASSERT_EQ(view.GetModuleWindows().front(), top);

    const struct
    {
        bool mechanism;
        bool shownByModule;
        bool activated;
    } cases[] = {{false, false, true}, {true, false, false}, {true, true, true}};
    for (const auto& item : cases)
    {
        top->showHideMechanism = item.mechanism;
        top->shownByModule = item.shownByModule;
        frame->ExecuteCommand(ID_NEW_SCREEN);
        SelectScreen(0);
        EXPECT_EQ(frame->GetActiveModuleWnd() == top, item.activated) << item.mechanism << item.shownByModule;
        EXPECT_NE(frame->GetActiveModuleWnd(), lower);
    }
}

TEST_F(PanelTest, BeforeTheSessionIsLoadedAPanelActivatesNoWindow)
{
    MakeFrame(false);
    ASSERT_TRUE(frame->LoadFrame());
    frame->ShowFrame();
    frame->OnActivateApp(true);
    PanelFrame* first = frame->GetPanelTemplate().OpenNew(true);
    ASSERT_NE(first, nullptr);
    FakeModuleWnd* window = AddModuleWindow(*first->GetPanelView());
    window->setFocusPolicy(Qt::StrongFocus);
    frame->activateWindow();
    frame->GetPanelTemplate().OpenNew(true);
    SelectScreen(0);
    QCoreApplication::processEvents();

    EXPECT_EQ(application.activeView, first->GetPanelView());
    EXPECT_FALSE(window->hasFocus());
    EXPECT_EQ(frame->GetActiveModuleWnd(), nullptr);

    // Once it is loaded, the same activation reaches the window.
    frame->SetSessionLoaded(true);
    SelectScreen(1);
    SelectScreen(0);
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([window] { return window->hasFocus(); }));
    EXPECT_EQ(frame->GetActiveModuleWnd(), window);
}

TEST_F(PanelTest, DeactivationForgetsTheActiveViewOnlyWhenItWasThisView)
{
    MakeFrame();
    PanelView* view = ActiveView();
    QWidget other;
    application.activeView = &other;
    view->OnActivateView(false);
    EXPECT_EQ(application.activeView, &other);

    application.activeView = view;
    view->OnActivateView(false);
    EXPECT_EQ(application.activeView, nullptr);
}

TEST_F(PanelTest, AClickOnAModuleWindowActivatesItExceptOnItsOwnCaptionButtons)
{
    MakeFrame();
    PanelView& view = *ActiveView();
    FakeModuleWnd* first = AddModuleWindow(view);
    FakeModuleWnd* second = AddModuleWindow(view);
    second->move(300, 10);
    first->captionButton = QRect(180, 0, 20, 20);
    second->ForceActivate();

    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(190, 10));
    EXPECT_EQ(frame->GetActiveModuleWnd(), second);
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(frame->GetActiveModuleWnd(), first);
}

TEST_F(PanelTest, MaximisedChildrenFillTheView)
{
    MakeFrame();
    PanelView& view = *ActiveView();
    FakeModuleWnd* window = AddModuleWindow(view);
    window->setWindowState(Qt::WindowMaximized);
    FakeModuleWnd* normal = AddModuleWindow(view);
    const QRect placed = normal->geometry();
    view.FitMaximizedChildren();
    EXPECT_EQ(window->geometry(), view.rect());
    EXPECT_EQ(normal->geometry(), placed);
}

TEST_F(PanelTest, AModuleWindowBeyondTheFramesReachIsPulledBack)
{
    MakeFrame();
    PanelView& view = *ActiveView();
    PanelFrame& panel = *ActivePanel();
    FakeModuleWnd* far = AddModuleWindow(view);
    far->move(3000, 20);
    FakeModuleWnd* near = AddModuleWindow(view);
    const QPoint placed = near->pos();

    panel.OnGetMinMaxInfo(QSize());
    panel.FitModuleWindows(view);
    EXPECT_EQ(far->pos(), QPoint(3000, 20));

    panel.OnGetMinMaxInfo(QSize(800, 600));
    panel.FitModuleWindows(view);
    const QPoint fromFrame = far->mapToGlobal(QPoint(0, 0)) - frame->frameGeometry().topLeft();
    EXPECT_EQ(fromFrame.x(), 800 - 60);
    EXPECT_EQ(near->pos(), placed);
}

TEST_F(PanelTest, TheWindowsThatFollowTheCurrentViewMoveIntoItUnlessTheyAreThereAlready)
{
    MakeFrame();
    frame->screensLimit = 2;
    QWidget definition;
    cloud->definitionDialog = &definition;
    frame->ExecuteCommand(ID_NEW_SCREEN);
    PanelView* second = ActiveView();
    EXPECT_EQ(definition.parentWidget(), second);

    definition.move(40, 30);
    second->AdoptSharedWindows();
    EXPECT_EQ(definition.pos(), QPoint(40, 30));
    SelectScreen(0);
    EXPECT_EQ(definition.parentWidget(), ActiveView());
    definition.setParent(nullptr);
}

TEST_F(PanelTest, WhileAStyleIsEditedTheScreensShowTheEditModesTitle)
{
    MakeFrame();
    RecordingTarget edited(QStringLiteral("style"), {}, routed);
    styleEdit->editedTarget = &edited;
    frame->UpdateFrameTitles();
    EXPECT_EQ(frame->GetTabClient()->GetItemCaption(0), QStringLiteral("Edycja stylu"));
    // The panel keeps its name meanwhile.
    EXPECT_NE(frame->FindPanelViewByName(QStringLiteral("Ekran")), nullptr);

    styleEdit->editedTarget = nullptr;
    frame->UpdateFrameTitles();
    EXPECT_EQ(frame->GetTabClient()->GetItemCaption(0), QStringLiteral("Ekran"));
}

TEST_F(PanelTest, PrintModeFreezesTheRibbonTheTabsAndThePanelAndKeepsTheFrameLargeEnough)
{
    MakeFrame();
    FakeModuleWnd* window = AddModuleWindow(*ActiveView());
    frame->resize(500, 400);
    const QSize around = frame->size() - ActiveView()->size();

    frame->EnterPrintMode(QSize(640, 480));
    EXPECT_TRUE(frame->IsPrintMode());
    EXPECT_TRUE(frame->GetRibbonsFactory()->GetRibbonBar()->IsLocked());
    EXPECT_FALSE(frame->GetTabClient()->GetWorkspace().isEnabled());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(frame->GetPrintMinimumSize(), QSize(640, 480) + around);
    EXPECT_GE(frame->width(), frame->GetPrintMinimumSize().width());
    EXPECT_GE(frame->height(), frame->GetPrintMinimumSize().height());

    frame->LeavePrintMode();
    EXPECT_FALSE(frame->IsPrintMode());
    EXPECT_FALSE(frame->GetRibbonsFactory()->GetRibbonBar()->IsLocked());
    EXPECT_TRUE(frame->GetTabClient()->GetWorkspace().isEnabled());
    EXPECT_TRUE(window->isEnabled());
}
