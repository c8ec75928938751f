#include "platform/base/AppPaths.h"
#include "platform/base/Cipher.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace
{
QStringList Names(SettingsIterator it)
{
    QStringList names;
    while (it.Iterate())
        names << it.Name() + QLatin1Char('=') + it.Node().ToString();
    return names;
}
}

TEST(SettingsTest, ReadOnlyAccessToMissingChildGivesInvalidNodeWithoutCreatingIt)
{
    Settings tree;
    tree["present"]["inner"] = 5;
    const Settings& readOnly = tree;

    const Settings& missing = readOnly["absent"]["deeper"];
    EXPECT_FALSE(missing.IsValid());
    EXPECT_EQ(missing.ToString(), QString());
    EXPECT_FALSE(missing.ToBool());
    EXPECT_EQ(missing.ToInt(), 0);
    EXPECT_EQ(missing.ToUInt(), 0u);
    EXPECT_EQ(missing.ToDouble(), 0.0);
    EXPECT_FALSE(tree.Exists(QStringLiteral("absent")));
    EXPECT_EQ(readOnly["present"]["inner"].ToInt(), 5);

    // An empty node that exists reads the same way.
    const Settings& empty = tree["made empty"];
    EXPECT_TRUE(empty.IsValid());
    EXPECT_EQ(empty.ToInt(), 0);
    EXPECT_FALSE(empty.ToBool());
}

TEST(SettingsTest, WritesToTheInvalidNodeAreIgnored)
{
    Settings& invalid = Settings::InvalidVariable();
    invalid = QStringLiteral("x");
    invalid["child"] = 1;
    invalid.AddUnnamed() = 2;
    invalid.Version(3);
    Settings source;
    source["a"] = 1;
    invalid = source;
    EXPECT_FALSE(invalid.AttachNamedNode(QStringLiteral("s"), std::make_shared<Settings>()));

    EXPECT_FALSE(invalid.IsValid());
    EXPECT_TRUE(invalid.ToString().isEmpty());
    EXPECT_EQ(invalid.Version(), 0u);
    EXPECT_FALSE(invalid.Exists(QStringLiteral("child")));
    EXPECT_FALSE(invalid.Exists(QStringLiteral("a")));
    SettingsIterator named = invalid.Iterator(1);
    SettingsIterator unnamed = invalid.IteratorUnnamed(1);
    EXPECT_EQ(named.Iterate(), 0);
    EXPECT_EQ(unnamed.Iterate(), 0);
}

TEST(SettingsTest, ConversionsFromStoredText)
{
    struct Case
    {
        const char* text;
        bool asBool;
        std::int32_t asInt;
        std::uint32_t asUInt;
        double asDouble;
    };
    const Case cases[] = {
        {"", false, 0, 0u, 0.0},
        {"abc", false, 0, 0u, 0.0},
        {"0", false, 0, 0u, 0.0},
        {"1", true, 1, 1u, 1.0},
        {"-1500", true, -1500, 4294965796u, -1500.0},
        {"4294967295", true, -1, 4294967295u, 4294967295.0},
        {"2.75", true, 2, 2u, 2.75},
        {"-2.75", true, -2, 0u, -2.75},
        {"true", true, 0, 0u, 0.0},
        {"1e3", true, 1000, 1000u, 1000.0},
        {"1e300", true, 2147483647, 4294967295u, 1e300},
        {"-1e300", true, -2147483647 - 1, 0u, -1e300},
    };
    for (const Case& c : cases)
    {
        Settings node;
        node = c.text;
        EXPECT_EQ(node.ToBool(), c.asBool) << c.text;
        EXPECT_EQ(node.ToInt(), c.asInt) << c.text;
        EXPECT_EQ(node.ToUInt(), c.asUInt) << c.text;
        EXPECT_EQ(node.ToDouble(), c.asDouble) << c.text;
    }
}

TEST(SettingsTest, AssignmentAndConversionOperatorsPickTheRightType)
{
    Settings tree;
    tree["text"] = "zażółć";
    tree["flag"] = true;
    tree["signed"] = std::numeric_limits<std::int32_t>::min();
    tree["unsigned"] = std::numeric_limits<std::uint32_t>::max();
    tree["real"] = 0.1;

    const QString text = tree["text"];
    const bool flag = tree["flag"];
    const std::int32_t signedValue = tree["signed"];
    const std::uint32_t unsignedValue = tree["unsigned"];
    const double real = tree["real"];
    EXPECT_EQ(text, QStringLiteral("zażółć"));
    EXPECT_TRUE(flag);
    EXPECT_EQ(tree["flag"].ToString(), QStringLiteral("1"));
    EXPECT_EQ(signedValue, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(unsignedValue, std::numeric_limits<std::uint32_t>::max());
    EXPECT_EQ(real, 0.1);
    EXPECT_EQ(tree["real"].ToString(), QStringLiteral("0.1"));
}

TEST(SettingsTest, ChildrenKeepTheirOrderAndIteratorsWalkASnapshot)
{
    Settings tree;
    tree["b"] = 1;
    tree["a"] = 2;
    tree["b"] = 3;  // an existing child keeps its place
    tree.AddUnnamed() = QStringLiteral("first");
    tree.AddUnnamed()["inner"] = 4;
    tree.AddUnnamed() = QStringLiteral("third");

    EXPECT_EQ(Names(tree.Iterator(1)), QStringList({"b=3", "a=2"}));
    SettingsIterator unnamed = tree.IteratorUnnamed(1);
    tree.AddUnnamed() = QStringLiteral("added during the walk");
    QStringList values;
    while (unnamed.Iterate())
        values << static_cast<Settings&>(unnamed).ToString();
    EXPECT_EQ(values, QStringList({"first", "", "third"}));

    // Depth 2 gives each child followed by its own children.
    tree["a"]["a1"] = 5;
    EXPECT_EQ(Names(tree.Iterator(2)), QStringList({"b=3", "a=2", "a1=5"}));

    SettingsIterator released = tree.Iterator(1);
    ASSERT_EQ(released.Iterate(), 1);
    released.Release();
    EXPECT_EQ(released.Iterate(), 0);
    EXPECT_FALSE(released.Node().IsValid());
}

TEST(SettingsTest, DetachAndAttachMoveASubtreeAndRefuseCycles)
{
    Settings tree;
    tree["old"]["port"] = 25;
    tree["old"]["host"] = QStringLiteral("smtp");
    tree["other"] = 1;

    std::shared_ptr<Settings> moved = tree.DetachNamedNode(QStringLiteral("old"));
    ASSERT_TRUE(moved);
    EXPECT_FALSE(tree.Exists(QStringLiteral("old")));
    EXPECT_EQ(tree.DetachNamedNode(QStringLiteral("old")), nullptr);
    EXPECT_FALSE(tree.AttachNamedNode(QStringLiteral("x"), nullptr));

    ASSERT_TRUE(tree.AttachNamedNode(QStringLiteral("new"), moved));
    EXPECT_EQ(std::as_const(tree)["new"]["port"].ToInt(), 25);
    EXPECT_EQ(std::as_const(tree)["new"]["host"].ToString(), QStringLiteral("smtp"));

    // A node cannot be put under itself or under one of its descendants.
    std::shared_ptr<Settings> own = tree.DetachNamedNode(QStringLiteral("new"));
    EXPECT_FALSE(own->AttachNamedNode(QStringLiteral("self"), own));
    auto outer = std::make_shared<Settings>();
    ASSERT_TRUE(outer->AttachNamedNode(QStringLiteral("inner"), own));
    EXPECT_FALSE(own->AttachNamedNode(QStringLiteral("loop"), outer));
}

TEST(SettingsTest, CopiesAreDeepAndAncestorsCanBeCopiedIntoDescendants)
{
    Settings tree;
    tree["a"]["b"] = 1;
    tree["a"].Version(4);
    tree["a"].AddUnnamed() = 2;

    Settings copy = tree;
    copy["a"]["b"] = 9;
    EXPECT_EQ(tree["a"]["b"].ToInt(), 1);
    EXPECT_EQ(copy["a"].Version(), 4u);

    tree["a"]["b"] = tree["a"];
    EXPECT_EQ(tree["a"]["b"]["b"].ToInt(), 1);
    EXPECT_EQ(tree["a"]["b"].Version(), 4u);

    tree["a"]["c"] = std::move(tree["a"]);  // a move that would make a cycle copies instead
    EXPECT_EQ(tree["a"]["c"]["b"]["b"].ToInt(), 1);

    Settings target;
    target["stays valid"] = std::as_const(tree)["missing"];
    EXPECT_TRUE(target["stays valid"].IsValid());
    EXPECT_TRUE(target["stays valid"].ToString().isEmpty());
}

TEST(SettingsTest, ClearEmptiesEverything)
{
    Settings tree;
    tree = QStringLiteral("value");
    tree.Version(2);
    tree["a"] = 1;
    tree.AddUnnamed();
    tree.Clear();
    EXPECT_TRUE(tree.IsValid());
    EXPECT_TRUE(tree.ToString().isEmpty());
    EXPECT_EQ(tree.Version(), 0u);
    EXPECT_FALSE(tree.Exists(QStringLiteral("a")));
    EXPECT_EQ(tree.IteratorUnnamed(1).Iterate(), 0);
}

TEST(SettingsTest, ManyNamedChildrenAreFoundAfterDetaching)
{
    Settings tree;
    for (int i = 0; i < 100; ++i)
        tree[QString::number(i)] = i;
    tree.DetachNamedNode(QStringLiteral("10"));
    EXPECT_FALSE(tree.Exists(QStringLiteral("10")));
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(std::as_const(tree)[QString::number(i)].ToInt(), i == 10 ? 0 : i) << i;
}

TEST(SettingsTest, MissingOrUnreadableGeometryAndDatesReadAsZero)
{
    const Settings& missing = std::as_const(Settings::InvalidVariable())["x"];
    EXPECT_EQ(missing.ToRect(), Rect());
    EXPECT_EQ(missing.ToSize(), Size());
    EXPECT_EQ(missing.ToOleDate(), OleDate());
    Settings garbled;
    garbled = QStringLiteral("1,2,x");
    EXPECT_EQ(garbled.ToRect(), Rect());
    EXPECT_EQ(garbled.ToSize(), Size());
    EXPECT_FALSE(garbled.ToOleDate().IsValid());

    Settings window;
    window["Rect"] = Rect{10, 20, 810, 620};
    const Rect rect = window["Rect"];
    EXPECT_EQ(rect.Width(), 800);
}

TEST(SettingsTest, PasswordsAreStoredEncipheredAndReadBack)
{
    TempHome home;
    ASSERT_TRUE(Log::Init(home.Path() + QStringLiteral("/Log.txt")));
    const QString password = QStringLiteral("Hasło z \"cudzysłowem\" & <znakami>");

    // No password is an empty text both ways and does not make the user's key.
    const QString keyFile = QDir(AppPaths::AppDataFolder()).filePath(QString::fromLatin1(Cipher::kKeyFileName));
    EXPECT_TRUE(Settings::CryptValue(QString()).isEmpty());
    EXPECT_TRUE(Settings::DecryptValue(QString()).isEmpty());
    EXPECT_FALSE(QFile::exists(keyFile));

    const QString stored = Settings::CryptValue(password);
    EXPECT_FALSE(stored.isEmpty());
    EXPECT_FALSE(stored.contains(QStringLiteral("Hasło")));
    EXPECT_EQ(Settings::DecryptValue(stored), password);
    EXPECT_TRUE(QFile::exists(keyFile));

    // A stored text that was altered is refused, never read as a wrong password.
    QString altered = stored;
    altered[altered.size() / 2] = altered[altered.size() / 2] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    EXPECT_TRUE(Settings::DecryptValue(altered).isEmpty());
    Log::Close();
    QFile errors(home.Path() + QStringLiteral("/LogError.txt"));
    ASSERT_TRUE(errors.open(QIODevice::ReadOnly));
    EXPECT_TRUE(errors.readAll().contains("Settings::DecryptValue"));
}
