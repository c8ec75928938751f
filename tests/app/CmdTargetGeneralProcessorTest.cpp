#include "app/CmdTargetGeneralProcessor.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IMainFrame.h"
#include "core/settingsui/GeneralSettingsDlg.h"
#include "tests/app/ClassicAppFixture.h"
#include "tests/support/ui/ScopedFakeDialogs.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{
class CmdTargetGeneralProcessorTest : public ClassicAppFixture
{
protected:
    ScopedFakeDialogs dialogs;
    CmdTargetGeneralProcessor processor;
};

TEST_F(CmdTargetGeneralProcessorTest, OptionsShowTheDialogOverEveryRegisteredGroup)
{
    ASSERT_TRUE(Start());
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<GeneralSettingsDlg*>(QApplication::activeModalWidget());
        shown = dialog != nullptr;
        if (dialog)
            dialog->reject();
    });
    EXPECT_TRUE(processor.ExecuteCommand(CmdTargetGeneralProcessor::ID_OPTIONS));
    EXPECT_TRUE(shown);
    Exit();
}

TEST_F(CmdTargetGeneralProcessorTest, HelpAndUpdateGoThroughTheShellAndCloseEndsTheWindow)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(processor.ExecuteCommand(CmdTargetGeneralProcessor::ID_HELP));
    EXPECT_EQ(dialogs.Shell().OpenedUrls().size(), 1u);
    // No updater beside the test program: the user who asked is told.
    EXPECT_TRUE(processor.ExecuteCommand(CmdTargetGeneralProcessor::ID_UPDATE_PROGRAM));
    EXPECT_EQ(dialogs.MessageBox().Boxes().size(), 1u);

    QWidget* window = Mediator().GetMainFrame()->GetWindow();
    EXPECT_TRUE(processor.ExecuteCommand(CmdTargetGeneralProcessor::ID_CLOSE_APPLICATION));
    EXPECT_FALSE(window->isVisible());
    Exit(false);
}
}
