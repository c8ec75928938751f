#include "SettingsFixture.h"
#include "TestSettingsGroup.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace
{
class GeneralSettingsGroupManagerBaseTest : public SettingsFixture
{
protected:
    void WriteValue(const QString& path, const QString& value, unsigned version = 2)
    {
        Settings node;
        node["value"] = value;
        node.Version(version);
        WriteNode(path, node, TestSettingsGroup::kRoot);
    }
    QString Current() const { return group.GetSettingsFilePath(true); }
    QString Base() const { return group.GetSettingsFilePath(false); }

    TestSettingsGroup group;
};
}

TEST_F(GeneralSettingsGroupManagerBaseTest, FilesLieInTheUsersFolderAndBesideTheExecutable)
{
    EXPECT_EQ(Current(), UserFile(QStringLiteral("TestGroup7"), TestSettingsGroup::kCurrent));
    EXPECT_TRUE(QFileInfo(QFileInfo(Current()).absolutePath()).isDir());
    EXPECT_EQ(Base(), FactoryFile(QStringLiteral("TestGroup7"), TestSettingsGroup::kBase));
}

TEST_F(GeneralSettingsGroupManagerBaseTest, CurrentFileWinsOverBaseFile)
{
    WriteValue(Base(), QStringLiteral("factory"));
    WriteValue(Current(), QStringLiteral("user"));
    EXPECT_EQ((*group.LoadCurrentSettingsNode())["value"].ToString(), QStringLiteral("user"));
}

TEST_F(GeneralSettingsGroupManagerBaseTest, MissingCurrentFileFallsBackToBaseWithoutCreatingIt)
{
    WriteValue(Base(), QStringLiteral("factory"));
    EXPECT_EQ((*group.LoadCurrentSettingsNode())["value"].ToString(), QStringLiteral("factory"));
    EXPECT_FALSE(QFileInfo::exists(Current()));
    EXPECT_FALSE(LogText().contains(Current()));
}

TEST_F(GeneralSettingsGroupManagerBaseTest, NeitherFileGivesAnUpgradedEmptyNode)
{
    std::shared_ptr<Settings> node = group.LoadCurrentSettingsNode();
    ASSERT_TRUE(node);
    EXPECT_EQ((*node)["value"].ToString(), QString());
    EXPECT_EQ(node->Version(), 2u);
}

TEST_F(GeneralSettingsGroupManagerBaseTest, ValidatorsUpgradeInOrderAndStampTheVersion)
{
    struct Case
    {
        unsigned stored;
        const char* steps;
        unsigned version;
    };
    // A node newer than the chain knows is left as it is.
    for (const Case& c : {Case{0, "ab", 2}, Case{1, "b", 2}, Case{2, "", 2}, Case{5, "", 5}})
    {
        WriteValue(Current(), QStringLiteral("user"), c.stored);
        std::shared_ptr<Settings> node = group.LoadCurrentSettingsNode();
        EXPECT_EQ((*node)["steps"].ToString(), QString::fromLatin1(c.steps)) << c.stored;
        EXPECT_EQ(node->Version(), c.version) << c.stored;
        EXPECT_EQ((*node)["value"].ToString(), QStringLiteral("user")) << c.stored;
    }
}

TEST_F(GeneralSettingsGroupManagerBaseTest, UnreadableCurrentFileFallsBackToBaseAndIsKeptWhenSaved)
{
    WriteValue(Base(), QStringLiteral("factory"));
    Settings otherRoot;
    otherRoot["value"] = QStringLiteral("user");
    ASSERT_TRUE(otherRoot.SaveToFile(home.Path() + QStringLiteral("/other"), QStringLiteral("OtherRoot")));
    const QByteArray broken[] = {
        QByteArray("\x01\x02 not a settings file"),
        QByteArray("<\0?\0x\0m\0l\0", 10),
        ReadBytes(home.Path() + QStringLiteral("/other")),
    };
    int copies = 0;
    for (const QByteArray& bytes : broken)
    {
        WriteBytes(Current(), bytes);
        std::shared_ptr<Settings> node = group.LoadCurrentSettingsNode();
        EXPECT_EQ((*node)["value"].ToString(), QStringLiteral("factory"));
        EXPECT_TRUE(LogText().contains(Current()));
        EXPECT_EQ(ReadBytes(Current()), bytes) << "reading never changes the user's file";

        (*node)["value"] = QStringLiteral("edited");
        ASSERT_TRUE(group.SaveGroup(node));
        ++copies;
        const QString copy = Current() + (copies == 1 ? QStringLiteral(".bak") : QStringLiteral(".bak%1").arg(copies));
        EXPECT_EQ(ReadBytes(copy), bytes) << "an older copy is never replaced";
        EXPECT_TRUE(LogText().contains(copy));
        EXPECT_EQ((*group.LoadCurrentSettingsNode())["value"].ToString(), QStringLiteral("edited"));
    }
}

TEST_F(GeneralSettingsGroupManagerBaseTest, ReadableCurrentFileIsReplacedWithoutCopy)
{
    WriteValue(Current(), QStringLiteral("user"));
    std::shared_ptr<Settings> node = group.LoadCurrentSettingsNode();
    (*node)["value"] = QStringLiteral("edited");
    ASSERT_TRUE(group.SaveGroup(node));
    EXPECT_FALSE(QFileInfo::exists(Current() + QStringLiteral(".bak")));
    EXPECT_EQ(ReadNode(Current(), TestSettingsGroup::kRoot).value()["value"].ToString(), QStringLiteral("edited"));
}

TEST_F(GeneralSettingsGroupManagerBaseTest, UnreadableCurrentFileIsNotReplacedWhenNoCopyCanBeKept)
{
    WriteBytes(Current(), "broken");
    // Every name a copy could take is taken already.
    WriteBytes(Current() + QStringLiteral(".bak"), "old copy");
    for (int number = 2; number <= 100; ++number)
        WriteBytes(Current() + QStringLiteral(".bak%1").arg(number), "old copy");

    EXPECT_FALSE(group.SaveGroup(group.LoadCurrentSettingsNode()));
    EXPECT_EQ(ReadBytes(Current()), QByteArray("broken"));
    EXPECT_EQ(ReadBytes(Current() + QStringLiteral(".bak")), QByteArray("old copy"));
    EXPECT_TRUE(LogText().contains(QStringLiteral("Nie zapisano ustawień grupy")));
}

TEST_F(GeneralSettingsGroupManagerBaseTest, FactoryParametersComeFromTheUpgradedBaseFile)
{
    WriteValue(Base(), QStringLiteral("factory"), 0);
    WriteValue(Current(), QStringLiteral("user"));
    std::shared_ptr<Settings> node = group.LoadParametersNode(false);
    EXPECT_EQ((*node)["value"].ToString(), QStringLiteral("factory"));
    EXPECT_EQ(node->Version(), 2u);
}

TEST_F(GeneralSettingsGroupManagerBaseTest, FactoryParametersWithoutBaseFileAreEmptyAndLogged)
{
    WriteValue(Current(), QStringLiteral("user"));
    std::shared_ptr<Settings> node = group.LoadParametersNode(false);
    EXPECT_EQ((*node)["value"].ToString(), QString());
    EXPECT_TRUE(LogText().contains(QStringLiteral("Brak ustawień fabrycznych")));
}

TEST_F(GeneralSettingsGroupManagerBaseTest, SavingNoNodeFails)
{
    EXPECT_FALSE(group.SaveGroup(nullptr));
    EXPECT_FALSE(QFileInfo::exists(Current()));
}
