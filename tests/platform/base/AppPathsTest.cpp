#include "platform/base/AppPaths.h"

#include "tests/support/TempHome.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(AppPathsTest, AppDataFolderFollowsXdgDataHomeThenHome)
{
    TempHome home;
    EXPECT_EQ(AppPaths::AppDataFolder(), home.Path() + QStringLiteral("/.local/share/Quorvanta 4"));
    EXPECT_TRUE(QFileInfo(AppPaths::AppDataFolder()).isDir());

    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(AppPaths::AppDataFolder(), home.Path() + QStringLiteral("/.local/share/Quorvanta 4"));
    qputenv("XDG_DATA_HOME", "relative/is/ignored");
    EXPECT_EQ(AppPaths::AppDataFolder(), home.Path() + QStringLiteral("/.local/share/Quorvanta 4"));
}

TEST(AppPathsTest, InstalledFoldersSitBesideTheExecutable)
{
    AppPaths::SetExecutableFolder(QStringLiteral("/opt/q4"));
    EXPECT_EQ(AppPaths::InstallSettingsFolder(), QStringLiteral("/opt/q4/InstallSettings"));
    EXPECT_EQ(AppPaths::StyleFolder(), QStringLiteral("/opt/q4/Style"));
    EXPECT_EQ(AppPaths::ConsumersFolder(), QStringLiteral("/opt/q4/Consumers"));
    EXPECT_EQ(AppPaths::ProvidersFolder(), QStringLiteral("/opt/q4/Providers"));
    AppPaths::SetExecutableFolder(QString());
    EXPECT_TRUE(QFileInfo(AppPaths::ExecutableFolder() + QStringLiteral("/test_platform_base")).exists());
}
