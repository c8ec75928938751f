#include "app/CmdTargetGeneral.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IMainFrame.h"
#include "core/settingsui/GeneralSettingsDlg.h"
#include "platform/ui/Document.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "tests/app/ClassicAppFixture.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PulpitFrame.h"
#include "workspace/ui/TabClientWnd.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{
class GeneralCommandsHostTest : public ClassicAppFixture
{
protected:
    ScopedFakeDialogs dialogs;
    CmdTargetGeneral target;

    PulpitFrame& Frame() const { return dynamic_cast<PulpitFrame&>(*Mediator().GetMainFrame()); }
    Document& ActiveScreen() const { return *Frame().GetTabClient()->GetActivePanel()->GetActiveDocument(); }
    QString DesktopPath(const QString& name) const { return QDir(home.Path()).filePath(name); }
};

TEST_F(GeneralCommandsHostTest, OptionsShowTheDialogOverEveryRegisteredGroup)
{
    ASSERT_TRUE(Start());
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<GeneralSettingsDlg*>(QApplication::activeModalWidget());
        shown = dialog != nullptr;
        if (dialog)
            dialog->reject();
    });
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_OPTIONS));
    EXPECT_TRUE(shown);
    Exit();
}

TEST_F(GeneralCommandsHostTest, HelpAndUpdateGoThroughTheShellAndCloseEndsTheWindow)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_HELP));
    EXPECT_EQ(dialogs.Shell().OpenedUrls().size(), 1u);
    // No updater beside the test program: the user who asked is told.
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_UPDATE_PROGRAM));
    EXPECT_EQ(dialogs.MessageBox().Boxes().size(), 1u);

    QWidget* window = Mediator().GetMainFrame()->GetWindow();
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_CLOSE_APPLICATION));
    EXPECT_FALSE(window->isVisible());
    Exit(false);
}

TEST_F(GeneralCommandsHostTest, DesktopsAreSavedOpenedAndExportedThroughTheFileDialogs)
{
    ASSERT_TRUE(Start());
    ActiveScreen().SetTitle(QStringLiteral("Poranek"));
    dialogs.FileDialog().SetAnswer(DesktopPath(QStringLiteral("Rano.q4s")));
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_SAVE_DESKTOP));
    EXPECT_TRUE(QFile::exists(DesktopPath(QStringLiteral("Rano.q4s"))));
    EXPECT_EQ(dialogs.FileDialog().Requests().back().defaultExtension, QStringLiteral("q4s"));

    ActiveScreen().SetTitle(QStringLiteral("Wieczór"));
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_OPEN_DESKTOP));
    EXPECT_EQ(ActiveScreen().GetTitle(), QStringLiteral("Poranek"));
    EXPECT_TRUE(dialogs.MessageBox().Boxes().empty());

    // A file that is no desktop leaves the screens and tells the user.
    QFile broken(DesktopPath(QStringLiteral("Zepsuty.q4s")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("nie pulpit");
    broken.close();
    dialogs.FileDialog().SetAnswer(broken.fileName());
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_OPEN_DESKTOP));
    EXPECT_EQ(ActiveScreen().GetTitle(), QStringLiteral("Poranek"));
    EXPECT_EQ(dialogs.MessageBox().Boxes().size(), 1u);

    dialogs.FileDialog().SetAnswer(DesktopPath(QStringLiteral("Eksport.q5")));
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_SAVE_DESKTOP_Q5));
    EXPECT_EQ(dialogs.FileDialog().Requests().back().defaultExtension, QStringLiteral("q5"));
    EXPECT_TRUE(QFile::exists(DesktopPath(QStringLiteral("Eksport/Ekran.q5p"))));

    // Cancelled: the dialog was asked, and nothing is written.
    const QStringList before = QDir(home.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const std::size_t asked = dialogs.FileDialog().Requests().size();
    dialogs.FileDialog().SetAnswer(std::nullopt);
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_SAVE_DESKTOP));
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_SAVE_DESKTOP_Q5));
    EXPECT_EQ(dialogs.FileDialog().Requests().size(), asked + 2);
    EXPECT_EQ(QDir(home.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    Exit();
}

TEST_F(GeneralCommandsHostTest, OpeningADesktopOffersDesktopFilesAndRefusesAnExport)
{
    ASSERT_TRUE(Start());
    ActiveScreen().SetTitle(QStringLiteral("Poranek"));
    dialogs.FileDialog().SetAnswer(DesktopPath(QStringLiteral("Eksport.q5")));
    ASSERT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_SAVE_DESKTOP_Q5));
    ASSERT_TRUE(QFile::exists(DesktopPath(QStringLiteral("Eksport.q5"))));

    ActiveScreen().SetTitle(QStringLiteral("Wieczór"));
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_OPEN_DESKTOP));
    EXPECT_EQ(dialogs.FileDialog().Requests().back().filter, QStringLiteral("Pliki stanu pulpitu (*.q4s)|*.q4s||"));
    EXPECT_EQ(ActiveScreen().GetTitle(), QStringLiteral("Wieczór"));
    ASSERT_EQ(dialogs.MessageBox().Boxes().size(), 1u);
    EXPECT_TRUE(dialogs.MessageBox().Boxes().front().text.contains(QStringLiteral("to nie jest plik stanu pulpitu")));
    Exit();
}

TEST_F(GeneralCommandsHostTest, TheRibbonIsMinimisedAndExpandedAndTheScreensKeepItAcrossARestart)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_RIBBON_MINIMIZE));
    EXPECT_TRUE(Frame().GetRibbonsFactory()->GetRibbonBar()->IsRibbonMinimized());
    ActiveScreen().SetTitle(QStringLiteral("Poranek"));
    Exit();

    ASSERT_TRUE(Start());
    EXPECT_EQ(ActiveScreen().GetTitle(), QStringLiteral("Poranek"));
    EXPECT_TRUE(Frame().GetRibbonsFactory()->GetRibbonBar()->IsRibbonMinimized());
    EXPECT_TRUE(target.ExecuteCommand(CmdTargetGeneral::ID_RIBBON_EXPAND));
    EXPECT_FALSE(Frame().GetRibbonsFactory()->GetRibbonBar()->IsRibbonMinimized());
    Exit();
}
}
