#include "tests/workspace/ui/FrameFixture.h"

#include "platform/ui/CmdUI.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/TabClientWnd.h"
#include "workspace/ui/WorkspaceCommandIds.h"

#include <QCoreApplication>
#include <QTest>

using namespace WorkspaceIds;

class TabClientTest : public FrameFixture
{
protected:
    TabClientWnd& Tabs() const { return *frame->GetTabClient(); }
    SingleWorkspaceEx& Strip() const { return Tabs().GetWorkspace(); }
    QPoint TabCenter(int index) const { return Strip().tabRect(index).center(); }

    QStringList Captions() const
    {
        QStringList captions;
        for (int index = 0; index < Tabs().GetItemCount(); ++index)
            captions.append(Tabs().GetItemCaption(index));
        return captions;
    }

    // Renames the screen of the tab as the user does: double click, type, Enter.
    void Rename(int index, const QString& text)
    {
        QTest::mouseDClick(&Strip(), Qt::LeftButton, {}, TabCenter(index));
        NoteCtrl& note = Strip().GetNoteCtrl();
        ASSERT_TRUE(note.IsShown());
        note.clear();
        QTest::keyClicks(&note, text);
        QTest::keyClick(&note, Qt::Key_Return);
    }

    void RightClick(int index) { QTest::mouseClick(&Strip(), Qt::RightButton, {}, TabCenter(index)); }

    ScopedFakeDialogs dialogs;
};

TEST_F(TabClientTest, NewScreensComeBeforeTheNewScreenTabAndActivationFollowsTheSelectedTab)
{
    MakeFrame();
    frame->screensLimit = 3;
    PanelView* first = ActiveView();
    FakeModuleWnd* window = AddModuleWindow(*first);

    frame->ExecuteCommand(ID_NEW_SCREEN);
    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Ekran"), QStringLiteral("Ekran (1)"), QStringLiteral("+")}));
    PanelView* second = ActiveView();
    ASSERT_NE(second, first);
    EXPECT_EQ(application.activeView, second);
    EXPECT_EQ(application.currentView, second);
    EXPECT_EQ(window->backgroundCount, 1);

    // A click on the new-screen tab asks for a new screen and never selects the tab itself.
    QTest::mouseClick(&Strip(), Qt::LeftButton, {}, TabCenter(2));
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([this] { return frame->GetPanels().size() == 3; }));
    EXPECT_FALSE(Tabs().IsNewWindowTab(Tabs().GetSelectedItem()));

    QTest::mouseClick(&Strip(), Qt::LeftButton, {}, TabCenter(0));
    EXPECT_EQ(ActiveView(), first);
    EXPECT_EQ(application.activeView, first);
    EXPECT_EQ(application.currentView, first);
    EXPECT_EQ(window->currentCount, 1);
    EXPECT_EQ(frame->GetActiveModuleWnd(), window);
}

TEST_F(TabClientTest, ARenamedScreenTakesTheNameWithoutTrailingBlanksMadeUniqueAmongTheScreens)
{
    MakeFrame();
    frame->screensLimit = 2;
    frame->ExecuteCommand(ID_NEW_SCREEN);

    Rename(0, QStringLiteral("Akcje   "));
    EXPECT_EQ(Tabs().GetItemCaption(0), QStringLiteral("Akcje"));
    EXPECT_EQ(frame->FindPanelViewByName(QStringLiteral("Akcje")), Tabs().GetItemWindow(0)->GetPanelView());
    Rename(1, QStringLiteral("Akcje"));
    EXPECT_EQ(Tabs().GetItemCaption(1), QStringLiteral("Akcje (1)"));
    // A screen keeps its own name, and a name differing in case is another name.
    Rename(0, QStringLiteral("Akcje"));
    EXPECT_EQ(Tabs().GetItemCaption(0), QStringLiteral("Akcje"));
    Rename(1, QStringLiteral("akcje"));
    EXPECT_EQ(Tabs().GetItemCaption(1), QStringLiteral("akcje"));
}

TEST_F(TabClientTest, ARefusedNameIsExplainedAndTheScreenKeepsItsCaption)
{
    MakeFrame();
    Rename(0, QStringLiteral("   "));
    EXPECT_EQ(Tabs().GetItemCaption(0), QStringLiteral("Ekran"));
    ASSERT_EQ(popups->shown.size(), 1u);
    EXPECT_EQ(popups->shown.front().text, QStringLiteral("Nazwa nie może być pusta."));

    // Escape leaves the name as it was.
    QTest::mouseDClick(&Strip(), Qt::LeftButton, {}, TabCenter(0));
    QTest::keyClicks(&Strip().GetNoteCtrl(), QStringLiteral("Inna"));
    QTest::keyClick(&Strip().GetNoteCtrl(), Qt::Key_Escape);
    EXPECT_EQ(Tabs().GetItemCaption(0), QStringLiteral("Ekran"));
}

TEST_F(TabClientTest, ADoubleClickOnTheNewScreenTabStartsNoRename)
{
    MakeFrame();
    QTest::mouseDClick(&Strip(), Qt::LeftButton, {}, TabCenter(1));
    EXPECT_FALSE(Strip().GetNoteCtrl().IsShown());
}

TEST_F(TabClientTest, AScreenThatGoesDuringItsRenameTakesNoName)
{
    MakeFrame();
    frame->screensLimit = 2;
    frame->ExecuteCommand(ID_NEW_SCREEN);
    QTest::mouseDClick(&Strip(), Qt::LeftButton, {}, TabCenter(1));
    ASSERT_TRUE(Strip().GetNoteCtrl().IsShown());
    delete Tabs().GetItemWindow(1);

    QTest::keyClicks(&Strip().GetNoteCtrl(), QStringLiteral("Nowa"));
    QTest::keyClick(&Strip().GetNoteCtrl(), Qt::Key_Return);
    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Ekran"), QStringLiteral("+")}));
}

TEST_F(TabClientTest, TheTabMenuFollowsTheTabsPositionAndItsEnableRules)
{
    MakeFrame();
    frame->screensLimit = 2;
    frame->ExecuteCommand(ID_NEW_SCREEN);
    FakeMenuTracker& menu = dialogs.MenuTracker();

    const struct
    {
        int position;
        std::uint32_t towardsStart;
        std::uint32_t towardsEnd;
    } layouts[] = {
        {0, ID_SCREEN_MOVE_LEFT, ID_SCREEN_MOVE_RIGHT},
        {1, ID_SCREEN_MOVE_UP, ID_SCREEN_MOVE_DOWN},
        {2, ID_SCREEN_MOVE_LEFT, ID_SCREEN_MOVE_RIGHT},
        {3, ID_SCREEN_MOVE_UP, ID_SCREEN_MOVE_DOWN},
    };
    for (const auto& layout : layouts)
    {
        frame->SetPulpitTabPosition(layout.position);
        RightClick(0);
        const auto& items = menu.Items();
        ASSERT_TRUE(items.contains(layout.towardsStart)) << layout.position;
        EXPECT_FALSE(items.contains(layout.towardsStart == ID_SCREEN_MOVE_UP ? ID_SCREEN_MOVE_LEFT : ID_SCREEN_MOVE_UP))
            << layout.position;
        EXPECT_FALSE(items.at(layout.towardsStart).enabled) << layout.position;
        EXPECT_TRUE(items.at(layout.towardsEnd).enabled) << layout.position;
        // Two screens allowed and open: a screen may close, no further one opens.
        EXPECT_TRUE(items.at(ID_SCREEN_CLOSE).enabled);
        EXPECT_FALSE(items.at(ID_NEW_SCREEN).enabled);

        RightClick(1);
        EXPECT_TRUE(menu.Items().at(layout.towardsStart).enabled) << layout.position;
        EXPECT_FALSE(menu.Items().at(layout.towardsEnd).enabled) << layout.position;
    }

    // Nothing opens on the new-screen tab.
    const int shown = menu.TimesShown();
    RightClick(2);
    EXPECT_EQ(menu.TimesShown(), shown);
}

TEST_F(TabClientTest, TheTabMenuMovesRenamesAndOpensScreens)
{
    MakeFrame();
    frame->screensLimit = 3;
    frame->ExecuteCommand(ID_NEW_SCREEN);
    FakeMenuTracker& menu = dialogs.MenuTracker();

    menu.Choose(ID_SCREEN_MOVE_RIGHT);
    RightClick(0);
    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Ekran (1)"), QStringLiteral("Ekran"), QStringLiteral("+")}));
    menu.Choose(ID_SCREEN_MOVE_LEFT);
    RightClick(1);
    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Ekran"), QStringLiteral("Ekran (1)"), QStringLiteral("+")}));

    menu.Choose(ID_SCREEN_RENAME);
    RightClick(1);
    EXPECT_TRUE(Strip().GetNoteCtrl().IsShown());
    Strip().GetNoteCtrl().HideNote();

    menu.Choose(ID_NEW_SCREEN);
    RightClick(0);
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([this] { return frame->GetPanels().size() == 3; }));
}

TEST_F(TabClientTest, WithTwoScreensAllowedAScreenClosesAndEndsStyleEditing)
{
    MakeFrame();
    frame->screensLimit = 2;
    frame->ExecuteCommand(ID_NEW_SCREEN);
    EXPECT_TRUE(Strip().tabsClosable());
    PanelFrame* first = Tabs().GetItemWindow(0);
    TakePluginEvents();

    dialogs.MenuTracker().Choose(ID_SCREEN_CLOSE);
    RightClick(1);
    EXPECT_TRUE(dialogs.MenuTracker().Items().at(ID_SCREEN_CLOSE).enabled);
    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Ekran"), QStringLiteral("+")}));
    EXPECT_TRUE(TakePluginEvents().contains(QStringLiteral("StyleEdit:Leave")));
    EXPECT_EQ(ActivePanel(), first);
    EXPECT_EQ(application.activeView, first->GetPanelView());
    // The new-screen tab never gets a close button.
    EXPECT_EQ(Strip().tabButton(1, QTabBar::RightSide), nullptr);
}

// The edition's one screen: no way of the user's makes a second one, and the one there is
// neither closes nor shows a close button.
TEST_F(TabClientTest, WithOneScreenAllowedNoScreenIsMadeOrClosedAndTheTabsShowNoCloseButton)
{
    MakeFrame();
    PanelFrame* only = Tabs().GetItemWindow(0);
    EXPECT_FALSE(Strip().tabsClosable());
    EXPECT_FALSE(Strip().isTabEnabled(1));
    for (const std::uint32_t id : {ID_NEW_SCREEN, ID_NEW_SCREEN_MENU})
    {
        CmdUI ui(id);
        EXPECT_TRUE(frame->UpdateCommandUI(ui)) << id;
        EXPECT_EQ(ui.Enabled(), std::optional<bool>(false)) << id;
    }

    frame->ExecuteCommand(ID_NEW_SCREEN);
    frame->ExecuteCommand(ID_NEW_SCREEN_MENU);
    QTest::mouseClick(&Strip(), Qt::LeftButton, {}, TabCenter(1));
    dialogs.MenuTracker().Choose(ID_NEW_SCREEN);
    RightClick(0);
    EXPECT_FALSE(dialogs.MenuTracker().Items().at(ID_NEW_SCREEN).enabled);
    EXPECT_FALSE(dialogs.MenuTracker().Items().at(ID_SCREEN_CLOSE).enabled);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->GetPanels(), std::vector<PanelFrame*>{only});
    EXPECT_EQ(frame->OnNewScreen(), nullptr);

    EXPECT_FALSE(only->close());
    EXPECT_EQ(frame->GetPanels(), std::vector<PanelFrame*>{only});
    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Ekran"), QStringLiteral("+")}));
}

TEST_F(TabClientTest, WhileAStyleIsEditedTheTabsAreFrozen)
{
    MakeFrame();
    frame->screensLimit = 3;
    frame->ExecuteCommand(ID_NEW_SCREEN);
    PanelFrame* selected = ActivePanel();
    Tabs().SetStyleEditLock(true);
    EXPECT_FALSE(Tabs().IsTabActionAllowed());

    QTest::mouseClick(&Strip(), Qt::LeftButton, {}, TabCenter(0));
    QTest::mouseClick(&Strip(), Qt::LeftButton, {}, TabCenter(2));
    QTest::mouseDClick(&Strip(), Qt::LeftButton, {}, TabCenter(0));
    RightClick(0);
    frame->ExecuteCommand(ID_NEW_SCREEN);
    QCoreApplication::processEvents();
    EXPECT_EQ(ActivePanel(), selected);
    EXPECT_EQ(frame->GetPanels().size(), 2u);
    EXPECT_FALSE(Strip().GetNoteCtrl().IsShown());
    EXPECT_EQ(dialogs.MenuTracker().TimesShown(), 0);
    EXPECT_FALSE(Tabs().ActivateItem(Tabs().GetItemWindow(0)));
    EXPECT_FALSE(Tabs().ActivateNext());

    Tabs().SetStyleEditLock(false);
    EXPECT_TRUE(Tabs().ActivateNext());
    EXPECT_EQ(ActivePanel(), Tabs().GetItemWindow(0));
}
