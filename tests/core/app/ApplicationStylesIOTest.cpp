#include "core/app/ApplicationStylesIO.h"
#include "platform/base/AppPaths.h"
#include "platform/settings/SettingsManager.h"
#include "platform/settings/SettingsPaths.h"
#include "tests/core/app/FakeApplicationStyles.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace
{
const QString kProduct = QStringLiteral("Quorvanta 4");

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

void MakeFiles(const QString& folder, const QStringList& names)
{
    QDir().mkpath(folder);
    for (const QString& name : names)
    {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
}
}

class ApplicationStylesIOTest : public ::testing::Test
{
protected:
    ApplicationStylesIOTest() { AppPaths::SetExecutableFolder(home.Path() + QStringLiteral("/bin")); }
    ~ApplicationStylesIOTest() override { AppPaths::SetExecutableFolder(QString()); }

    // The user's styles in the older single-file form.
    QString WriteSingleFileStyles(const QStringList& names)
    {
        SettingsManager store(kProduct);
        Settings& tree = *store.GetSettings(SettingsManager::kStylesName, false);
        for (const QString& name : names)
            tree[name] = 1;
        EXPECT_TRUE(store.Save(SettingsManager::kStylesName));
        return GetUserSettingsFilePath(kProduct, SettingsManager::kStylesName, false).value_or(QString());
    }

    TempHome home;
    FakeApplicationStyles styles;
    ApplicationStylesIO io{styles, kProduct};
};

TEST_F(ApplicationStylesIOTest, InstalledStylesComeFirstThenTheUsersFolder)
{
    MakeFiles(io.InstalledStylesFolder(), {QStringLiteral("Fabryczny")});
    MakeFiles(ApplicationStylesIO::UserStylesFolder(), {QStringLiteral("Mój")});
    io.LoadApplicationStyles();
    EXPECT_EQ(styles.styles, (QStringList{QStringLiteral("Fabryczny"), QStringLiteral("Mój")}));
}

TEST_F(ApplicationStylesIOTest, TheOldSingleFileIsMovedIntoTheFolderAndRemovedOnlyAfterward)
{
    const QString oldFile = WriteSingleFileStyles({QStringLiteral("A"), QStringLiteral("B")});
    ASSERT_TRUE(QFileInfo::exists(oldFile));
    MakeFiles(ApplicationStylesIO::UserStylesFolder(), {QStringLiteral("Nieaktualny")});

    io.LoadApplicationStyles();
    EXPECT_EQ(styles.styles, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(FilesIn(ApplicationStylesIO::UserStylesFolder()), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_FALSE(QFileInfo::exists(oldFile));
}

TEST_F(ApplicationStylesIOTest, AMoveThatCannotWriteTheFolderKeepsTheOldFileAndTheFolder)
{
    const QString oldFile = WriteSingleFileStyles({QStringLiteral("A"), QStringLiteral("B")});
    MakeFiles(ApplicationStylesIO::UserStylesFolder(), {QStringLiteral("Poprzedni")});
    styles.failOn = QStringLiteral("B");

    io.LoadApplicationStyles();
    EXPECT_TRUE(QFileInfo::exists(oldFile));
    EXPECT_EQ(FilesIn(ApplicationStylesIO::UserStylesFolder()), QStringList{QStringLiteral("Poprzedni")});
    EXPECT_FALSE(QFileInfo::exists(ApplicationStylesIO::UserStylesFolder() + ApplicationStylesIO::kFreshSuffix));
}

TEST_F(ApplicationStylesIOTest, SavingAnewReplacesTheFolderOnlyWhenEveryStyleWasWritten)
{
    const QString folder = ApplicationStylesIO::UserStylesFolder();
    MakeFiles(folder, {QStringLiteral("Usunięty"), QStringLiteral("A")});
    styles.styles = {QStringLiteral("A"), QStringLiteral("B")};

    styles.failOn = QStringLiteral("B");
    EXPECT_FALSE(io.SaveApplicationStyles(true));
    EXPECT_EQ(FilesIn(folder), (QStringList{QStringLiteral("A"), QStringLiteral("Usunięty")}));

    styles.failOn.clear();
    EXPECT_TRUE(io.SaveApplicationStyles(true));
    EXPECT_EQ(FilesIn(folder), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    const QStringList siblings = QDir(AppPaths::AppDataFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(siblings, QStringList{ApplicationStylesIO::kStylesName});
}

TEST_F(ApplicationStylesIOTest, AfterASaveCutShortTheUsersStylesAreFoundInTheFolderTheyWereIn)
{
    const QString folder = ApplicationStylesIO::UserStylesFolder();
    MakeFiles(folder + ApplicationStylesIO::kPreviousSuffix, {QStringLiteral("Zachowany")});
    MakeFiles(folder + ApplicationStylesIO::kFreshSuffix, {QStringLiteral("Niedokończony")});

    io.LoadApplicationStyles();
    EXPECT_EQ(styles.styles, QStringList{QStringLiteral("Zachowany")});
    EXPECT_EQ(FilesIn(folder), QStringList{QStringLiteral("Zachowany")});
    EXPECT_FALSE(QFileInfo::exists(folder + ApplicationStylesIO::kFreshSuffix));
}
