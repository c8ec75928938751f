#include "core/mediator/AppMediator.h"
#include "platform/base/AppPaths.h"
#include "tests/app/ClassicAppFixture.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "workspace/ui/PulpitFrame.h"
#include "workspace/ui/WorkspaceCommandIds.h"
#include "tests/support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
// The program started from a folder of its own, beside which "ClientDetails.ini" names the
// maker's server; the build's feed, themes and install settings are linked into it.
class FrameStartTest : public ClassicAppFixture
{
protected:
    FrameStartTest()
    {
        const QDir bin(TestPaths::BinFolder());
        for (const QString& name : {QStringLiteral("Providers"), QStringLiteral("Style"), QStringLiteral("InstallSettings")})
            QFile::link(bin.filePath(name), QDir(exeFolder.path()).filePath(name));
        QFile ini(QDir(exeFolder.path()).filePath(QStringLiteral("ClientDetails.ini")));
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Client]\nURL=http://nowosci.example\n");
        ini.close();
        AppPaths::SetExecutableFolder(exeFolder.path());
    }

    PulpitFrame& Frame() const { return dynamic_cast<PulpitFrame&>(*Mediator().GetMainFrame()); }

    QTemporaryDir exeFolder;
    ScopedFakeDialogs dialogs;
};

TEST_F(FrameStartTest, TheVersionPageOpensOnceAfterAnUpdate)
{
    WriteGlobals({{QStringLiteral("DataVersion"), QStringLiteral("4.1.90.0")}});
    ASSERT_TRUE(Start());
    ASSERT_EQ(dialogs.Shell().OpenedUrls().size(), 1u);
    const QString address = dialogs.Shell().OpenedUrls().front().toString();
    EXPECT_TRUE(address.startsWith(QStringLiteral("http://nowosci.example/ShowChangesDetails.php?version=4.2.210.1&t=")));
    EXPECT_FALSE(address.contains(QStringLiteral("addview")));
    Exit();

    ASSERT_TRUE(Start());
    EXPECT_EQ(dialogs.Shell().OpenedUrls().size(), 1u);
    Exit();
}

TEST_F(FrameStartTest, AFreshInstallationShowsNoVersionPage)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(dialogs.Shell().OpenedUrls().empty());
    Exit();
}

TEST_F(FrameStartTest, TheNewsTimerRunsOnceAMinuteAfterStart)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Frame().HasTimer(WorkspaceIds::kAppNewsTimerId));
    EXPECT_TRUE(Frame().FireTimer(WorkspaceIds::kAppNewsTimerId));
    EXPECT_FALSE(Frame().HasTimer(WorkspaceIds::kAppNewsTimerId));
    // The built-in feed has no news for the user: no program is started.
    EXPECT_TRUE(dialogs.Shell().StartedProcesses().empty());
    Exit();
}
}
