#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsManager.h"
#include "platform/settings/SettingsPaths.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace
{
class SettingsManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppPaths::SetExecutableFolder(m_home.Path() + QStringLiteral("/exe"));
        ASSERT_TRUE(QDir().mkpath(m_home.Path() + QStringLiteral("/exe")));
        ASSERT_TRUE(Log::Init(m_home.Path() + QStringLiteral("/Log.txt")));
    }
    void TearDown() override
    {
        Log::Close();
        AppPaths::SetExecutableFolder(QString());
    }

    QString UserFile(const QString& manager, const QString& tree) const
    {
        return AppPaths::AppDataFolder() + QLatin1Char('/') + manager + QLatin1Char('/') + tree + QStringLiteral(".settings.xml");
    }
    QString DefaultFile(const QString& manager, const QString& tree) const
    {
        return AppPaths::InstallSettingsFolder() + QLatin1Char('/') + manager + QLatin1Char('/') + tree +
               QStringLiteral(".settings.xml");
    }
    static void WriteTree(const QString& path, const QString& value, const QString& root = QStringLiteral("Settings"))
    {
        Settings tree;
        tree["value"] = value;
        ASSERT_TRUE(tree.SaveToFile(path, root));
    }

    TempHome m_home;
};
}

TEST_F(SettingsManagerTest, DefaultCopyIsReadUntilTheUserCopyIsSaved)
{
    WriteTree(DefaultFile(QStringLiteral("Kelvora OnLine"), QStringLiteral("Connection")), QStringLiteral("default"));
    SettingsManager manager(QStringLiteral("Kelvora OnLine"));
    EXPECT_EQ(manager.GetName(), QStringLiteral("Kelvora OnLine"));

    ASSERT_TRUE(manager.Load(QStringLiteral("Connection")));
    Settings& tree = *manager.GetSettings(QStringLiteral("Connection"), false);
    EXPECT_EQ(tree["value"].ToString(), QStringLiteral("default"));

    tree["value"] = QStringLiteral("user");
    ASSERT_TRUE(manager.Save(QStringLiteral("Connection")));
    EXPECT_TRUE(QFileInfo::exists(UserFile(QStringLiteral("Kelvora OnLine"), QStringLiteral("Connection"))));

    SettingsManager again(QStringLiteral("Kelvora OnLine"));
    EXPECT_EQ((*again.GetSettings(QStringLiteral("Connection"), true))["value"].ToString(), QStringLiteral("user"));
}

TEST_F(SettingsManagerTest, NeitherFileGivesAnEmptyFindableTreeAndCreatesNoFolder)
{
    SettingsManager manager(QStringLiteral("Provider"));
    EXPECT_FALSE(manager.FindSettings(QStringLiteral("Unknown"))->IsValid());
    EXPECT_FALSE(manager.FindSettings(QStringLiteral("Unknown"))->IsValid());  // the first call added nothing

    Settings& tree = *manager.GetSettings(QStringLiteral("Tree"), false);
    tree["stale"] = 1;
    EXPECT_FALSE(manager.Load(QStringLiteral("Tree")));
    std::shared_ptr<Settings> found = manager.FindSettings(QStringLiteral("Tree"));
    EXPECT_TRUE(found->IsValid());
    EXPECT_FALSE(found->Exists(QStringLiteral("stale")));
    EXPECT_FALSE(QFileInfo::exists(AppPaths::AppDataFolder() + QStringLiteral("/Provider")));
    EXPECT_FALSE(QFileInfo::exists(AppPaths::InstallSettingsFolder()));
}

TEST_F(SettingsManagerTest, WrongRootOrBrokenUserFileFailsAndKeepsTheTree)
{
    SettingsManager manager(QStringLiteral("Provider"));
    Settings& tree = *manager.GetSettings(QStringLiteral("Tree"), false);
    tree["value"] = QStringLiteral("in memory");

    WriteTree(UserFile(QStringLiteral("Provider"), QStringLiteral("Tree")), QStringLiteral("x"), QStringLiteral("Other"));
    EXPECT_FALSE(manager.Load(QStringLiteral("Tree")));
    EXPECT_EQ(tree["value"].ToString(), QStringLiteral("in memory"));

    QFile broken(UserFile(QStringLiteral("Provider"), QStringLiteral("Tree")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write(QByteArray("<\0S\0", 4));
    broken.close();
    EXPECT_FALSE(manager.Load(QStringLiteral("Tree")));
    EXPECT_EQ(tree["value"].ToString(), QStringLiteral("in memory"));
}

TEST_F(SettingsManagerTest, SaveOfAnUnknownNameLoadsItFirst)
{
    WriteTree(DefaultFile(QStringLiteral("Provider"), QStringLiteral("Tree")), QStringLiteral("from disk"));
    SettingsManager manager(QStringLiteral("Provider"));
    ASSERT_TRUE(manager.Save(QStringLiteral("Tree")));

    Settings copy;
    ASSERT_TRUE(copy.LoadFromFile(UserFile(QStringLiteral("Provider"), QStringLiteral("Tree")), QStringLiteral("Settings")));
    EXPECT_EQ(copy["value"].ToString(), QStringLiteral("from disk"));
}

TEST_F(SettingsManagerTest, SaveAllWritesEveryTreeItCanAndReportsTheOneThatFailed)
{
    SettingsManager manager(QStringLiteral("Provider"));
    EXPECT_TRUE(manager.Save(std::nullopt));

    for (const char* name : {"C", "A", "B"})
        (*manager.GetSettings(QString::fromLatin1(name), false))["value"] = QString::fromLatin1(name);
    // A folder where the file of "B" should be makes its save fail.
    ASSERT_TRUE(QDir().mkpath(UserFile(QStringLiteral("Provider"), QStringLiteral("B"))));

    EXPECT_FALSE(manager.Save(std::nullopt));
    for (const char* name : {"A", "C"})
    {
        Settings copy;
        ASSERT_TRUE(copy.LoadFromFile(UserFile(QStringLiteral("Provider"), QString::fromLatin1(name)), QStringLiteral("Settings")))
            << name;
        EXPECT_EQ(copy["value"].ToString(), QString::fromLatin1(name));
    }
    EXPECT_TRUE(QFileInfo(UserFile(QStringLiteral("Provider"), QStringLiteral("B"))).isDir());

    QFile log(Log::LogFilePath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("B.settings.xml"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("A.settings.xml"))) << text.toStdString();
}

// Only saving makes folders: neither a load from the default copy, nor a load of a missing
// name, nor a path asked for without creating makes the edition's data folder.
TEST_F(SettingsManagerTest, LoadingCreatesNoFolder)
{
    WriteTree(DefaultFile(QStringLiteral("Provider"), QStringLiteral("Tree")), QStringLiteral("default"));
    const QString edition = AppPaths::AppDataFolderPath();
    ASSERT_FALSE(QFileInfo::exists(edition));

    SettingsManager manager(QStringLiteral("Provider"));
    EXPECT_TRUE(manager.Load(QStringLiteral("Tree")));
    EXPECT_EQ((*manager.GetSettings(QStringLiteral("Tree"), false))["value"].ToString(), QStringLiteral("default"));
    EXPECT_FALSE(manager.Load(QStringLiteral("Missing")));
    manager.GetSettings(QStringLiteral("Other"), true);
    EXPECT_FALSE(GetUserSettingsFilePath(QStringLiteral("Provider"), QStringLiteral("Tree"), false));
    EXPECT_FALSE(QFileInfo::exists(edition));

    ASSERT_TRUE(manager.Save(QStringLiteral("Tree")));
    EXPECT_TRUE(QFileInfo(UserFile(QStringLiteral("Provider"), QStringLiteral("Tree"))).isFile());
    EXPECT_EQ(GetUserSettingsFilePath(QStringLiteral("Provider"), QStringLiteral("Tree"), false),
              UserFile(QStringLiteral("Provider"), QStringLiteral("Tree")));
}

TEST_F(SettingsManagerTest, CreateStylesSettingsReplacesTheTreeAndReportsTheLoad)
{
    SettingsManager manager(QStringLiteral("Quorvanta 4"));
    std::shared_ptr<Settings> old = manager.GetSettings(QStringLiteral("Styles"), false);
    (*old)["x"] = 1;

    EXPECT_EQ(manager.CreateStylesSettings(), nullptr);
    std::shared_ptr<Settings> empty = manager.FindSettings(QStringLiteral("Styles"));
    EXPECT_NE(empty, old);
    EXPECT_TRUE(empty->IsValid());
    EXPECT_FALSE(empty->Exists(QStringLiteral("x")));

    WriteTree(UserFile(QStringLiteral("Quorvanta 4"), QStringLiteral("Styles")), QStringLiteral("styles"));
    std::shared_ptr<Settings> loaded = manager.CreateStylesSettings();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ((*loaded)["value"].ToString(), QStringLiteral("styles"));
    EXPECT_EQ(manager.FindSettings(QStringLiteral("Styles")), loaded);
}

TEST_F(SettingsManagerTest, PathsRefuseNamesThatLeaveTheirFolder)
{
    for (const QString& bad : {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("../x"),
                               QStringLiteral("a/b")})
    {
        EXPECT_FALSE(GetUserSettingsFilePath(bad, QStringLiteral("Tree"), true)) << bad.toStdString();
        EXPECT_FALSE(GetUserSettingsFilePath(QStringLiteral("Provider"), bad, true)) << bad.toStdString();
        EXPECT_FALSE(GetUserStylesFolderPath(bad)) << bad.toStdString();
    }
    SettingsManager manager(QStringLiteral(".."));
    EXPECT_FALSE(manager.Save(QStringLiteral("Tree")));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(AppPaths::AppDataFolder()).path() + QStringLiteral("/Tree.settings.xml")));

    const std::optional<QString> styles = GetDefaultStylesFolderPath(QStringLiteral("Styles"));
    ASSERT_TRUE(styles);
    EXPECT_EQ(*styles, AppPaths::InstallSettingsFolder() + QStringLiteral("/Styles"));
    EXPECT_TRUE(QFileInfo(*styles).isDir());
}
