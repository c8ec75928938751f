#include "tests/workspace/ui/FrameFixture.h"

#include "platform/base/AppPaths.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "platform/ui/Document.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "workspace/ui/FrameDesktopHost.h"
#include "workspace/ui/MainWindowPlacement.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/TabClientWnd.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

class FrameDesktopTest : public FrameFixture
{
protected:
    // A frame allowing the screens, started as the application starts it.
    TestFrame& StartFrame(int screensLimit)
    {
        MakeFrame(false);
        frame->screensLimit = screensLimit;
        EXPECT_TRUE(frame->LoadFrame());
        frame->ShowFrame();
        frame->StartSession();
        return *frame;
    }

    QStringList Captions() const
    {
        QStringList captions;
        for (PanelFrame* panel : frame->GetPanels())
            captions << panel->GetActiveDocument()->GetTitle();
        return captions;
    }

    QuorvantaRibbonBar& Ribbon() const { return *frame->GetRibbonsFactory()->GetRibbonBar(); }

    static QString SessionPath() { return QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("LastSession.q4s")); }
};

TEST_F(FrameDesktopTest, TheScreensTheirActiveOneAndTheRibbonComeBackAfterARestart)
{
    StartFrame(3);
    frame->OnNewScreen();
    PanelFrame* renamed = frame->OnNewScreen();
    renamed->GetActiveDocument()->SetTitle(QStringLiteral("Waluty/surowce"));
    const QStringList before = Captions();
    ASSERT_EQ(before.size(), 3);
    frame->GetPanels()[1]->ActivateFrame();
    Ribbon().SetRibbonMinimized(true);
    // The test frame only records its closing save; the real one runs here.
    ASSERT_TRUE(frame->PulpitFrame::SaveLastSession());
    CloseFrame();

    StartFrame(3);
    EXPECT_EQ(Captions(), before);
    EXPECT_EQ(ActivePanel(), frame->GetPanels()[1]);
    EXPECT_TRUE(Ribbon().IsRibbonMinimized());
    EXPECT_TRUE(frame->IsSessionLoaded());
    EXPECT_TRUE(mediator->IsMainFrameReady());
}

TEST_F(FrameDesktopTest, TheStandardEditionKeepsTheScreenOnTopUnderItsName)
{
    StartFrame(1);
    frame->GetPanels().front()->GetActiveDocument()->SetTitle(QStringLiteral("Analiza"));
    ASSERT_TRUE(frame->PulpitFrame::SaveLastSession());
    CloseFrame();

    StartFrame(1);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Analiza")});
    EXPECT_TRUE(QFile::exists(QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("LastSession/Ekran 1.q4s"))));
}

TEST_F(FrameDesktopTest, AMissingDesktopOnTheCommandLineLeavesTheLastSessionToBeRestored)
{
    StartFrame(3);
    frame->OnNewScreen();
    ASSERT_TRUE(frame->PulpitFrame::SaveLastSession());
    const QStringList saved = Captions();
    CloseFrame();

    MakeFrame(false);
    frame->screensLimit = 3;
    ASSERT_TRUE(frame->LoadFrame());
    EXPECT_EQ(frame->LoadSession(QStringLiteral("/nie/ma/takiego/Pulpit.q4s")), 0);
    EXPECT_FALSE(frame->IsSessionLoaded());
    frame->StartSession();
    EXPECT_EQ(Captions(), saved);
}

TEST_F(FrameDesktopTest, ACorruptSessionStartsOneEmptyScreenAndADesktopThatFailsLaterChangesNothing)
{
    {
        QFile file(SessionPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<Settings><LastSession><Desktop>");
    }
    StartFrame(3);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Ekran")});
    EXPECT_TRUE(frame->IsSessionLoaded());
    EXPECT_TRUE(folder.LogText().contains(QStringLiteral("PulpitFrame::LoadSession")));

    frame->OnNewScreen();
    const QStringList open = Captions();
    EXPECT_EQ(frame->LoadSession(SessionPath()), 0);
    EXPECT_EQ(Captions(), open);
    EXPECT_TRUE(frame->IsSessionLoaded());
    EXPECT_TRUE(mediator->IsMainFrameReady());
}

TEST_F(FrameDesktopTest, ClosingSavesTheSessionOverADamagedPanelFileWithoutWaitingForTheUser)
{
    ScopedFakeDialogs dialogs;
    StartFrame(1);
    ASSERT_TRUE(frame->PulpitFrame::SaveLastSession());
    CloseFrame();
    const QString panel = QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("LastSession/Ekran 1.q4s"));
    {
        QFile file(panel);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("uszkodzony");
    }

    StartFrame(1);
    ActivePanel()->GetActiveDocument()->SetTitle(QStringLiteral("Po naprawie"));
    frame->savesLastSession = true;
    CloseFrame();
    EXPECT_TRUE(dialogs.MessageBox().Boxes().empty());
    QFile kept(panel + QStringLiteral(".bak"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("uszkodzony"));

    StartFrame(1);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Po naprawie")});
}

// A desktop's windows are restored into a screen before it is selected; those stored beyond
// the frame's reach are pulled within it then, not left out of sight.
TEST_F(FrameDesktopTest, RestoredWindowsBeyondTheFramesReachArePulledInBeforeTheirScreenShows)
{
    StartFrame(1);
    FrameDesktopHost host(*frame);
    host.CloseAllPanels();
    auto* view = qobject_cast<PanelView*>(host.OpenPanel(QStringLiteral("Ekran")));
    ASSERT_NE(view, nullptr);
    FakeModuleWnd* far = AddModuleWindow(*view);
    far->move(5000, 4000);
    FakeModuleWnd* near = AddModuleWindow(*view);
    const QPoint placed = near->pos();

    host.FitModuleWindows(view);
    const QSize reach = frame->screen()->availableSize();
    EXPECT_EQ(far->mapToGlobal(QPoint(0, 0)) - frame->frameGeometry().topLeft(),
              QPoint(reach.width() - 60, reach.height() - 60));
    EXPECT_EQ(near->pos(), placed);
}

TEST_F(FrameDesktopTest, AUserDesktopOpensInPlaceOfTheScreens)
{
    StartFrame(3);
    frame->OnNewScreen()->GetActiveDocument()->SetTitle(QStringLiteral("Rano"));
    const QString desktop = QDir(home.Path()).filePath(QStringLiteral("Moje/Rano.q4s"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(desktop).path()));
    ASSERT_TRUE(frame->SaveCurrentSession(desktop, true));
    const QStringList saved = Captions();

    frame->OnNewScreen();
    ASSERT_EQ(frame->LoadSession(desktop), 1);
    EXPECT_EQ(Captions(), saved);
    EXPECT_EQ(ActivePanel()->GetActiveDocument()->GetTitle(), QStringLiteral("Rano"));
}

TEST_F(FrameDesktopTest, TheMainWindowComesBackAtItsPlaceOrOntoAScreenThatIsThere)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct
    {
        QRect saved;
        bool kept;
    } cases[] = {
        {QRect(screen.topLeft() + QPoint(40, 30), QSize(500, 300)), true},
        // On a monitor that is gone: brought onto the one there is.
        {QRect(screen.right() + 3000, screen.top() + 50, 500, 300), false},
    };
    for (const auto& item : cases)
    {
        QWidget window;
        window.setGeometry(item.saved);
        window.show();
        ASSERT_TRUE(MainWindowPlacement::Save(window));
        window.close();

        QWidget restored;
        MainWindowPlacement::Restore(restored, QSize(800, 600));
        EXPECT_FALSE(restored.isMaximized());
        EXPECT_EQ(restored.geometry() == item.saved, item.kept);
        EXPECT_TRUE(screen.contains(restored.geometry().topLeft())) << item.saved.x();
    }
}

TEST_F(FrameDesktopTest, WithoutASavedPlaceTheMainWindowOpensMaximised)
{
    QWidget window;
    MainWindowPlacement::Restore(window, QSize(800, 600));
    EXPECT_TRUE(window.isMaximized());
}
