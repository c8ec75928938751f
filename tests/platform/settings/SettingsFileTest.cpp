#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "tests/support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <limits>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
const QString kFixtures = (TestPaths::Fixtures() + QStringLiteral("/settings"));

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SettingsFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(Log::Init(m_dir.filePath(QStringLiteral("Log.txt")))); }
    void TearDown() override { Log::Close(); }

    QString PathOf(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    QString LoggedErrors() const { return QString::fromUtf8(ReadBytes(m_dir.filePath(QStringLiteral("LogError.txt")))); }

    QTemporaryDir m_dir;
};

Settings SampleTree()
{
    Settings tree;
    tree["kept"] = QStringLiteral("old value");
    tree.AddUnnamed() = 1;
    return tree;
}

void ExpectSampleTree(const Settings& tree)
{
    EXPECT_EQ(tree["kept"].ToString(), QStringLiteral("old value"));
    EXPECT_FALSE(tree.Exists(QStringLiteral("Desktop")));
}
}

TEST_F(SettingsFileTest, EveryKindOfValueAndNameSurvivesARoundTrip)
{
    const QString loneSurrogate = QString(QChar(0xD800)) + QStringLiteral("x");
    const struct
    {
        QString name;
        QString value;
    } texts[] = {
        {QStringLiteral("Polish"), QStringLiteral("Zażółć gęślą jaźń ZAŻÓŁĆ")},
        {QStringLiteral("XML specials"), QStringLiteral("<a href=\"x\">&amp; 'y'</a>]]>")},
        {QStringLiteral("line breaks"), QStringLiteral("a\r\nb\rc\nd\te  ")},
        {QStringLiteral("control characters"), QStringLiteral("\x01\x1f") + QChar(0xFFFF)},
        {QStringLiteral("lone surrogate"), loneSurrogate},
        {QStringLiteral("emoji"), QString::fromUtf8("\xF0\x9F\x93\x88 kurs")},
        {QStringLiteral("1 starts with a digit"), QStringLiteral("1")},
        {QStringLiteral("name with \"quotes\" and 'apostrophes'"), QStringLiteral("q")},
        {QStringLiteral("Ćma & <spółka>"), QStringLiteral("p")},
        {QStringLiteral("\x02 control in name"), QStringLiteral("c")},
        {QString(), QStringLiteral("empty name")},
    };
    Settings tree;
    for (const auto& text : texts)
        tree[text.name] = text.value;
    tree["int min"] = std::numeric_limits<std::int32_t>::min();
    tree["int max"] = std::numeric_limits<std::int32_t>::max();
    tree["negative"] = -42;
    tree["uint max"] = std::numeric_limits<std::uint32_t>::max();
    tree["true"] = true;
    tree["false"] = false;
    const double reals[] = {0.1, -1e300, 5e-324, 123456789.125, 1.0 / 3.0};
    for (double real : reals)
        tree["reals"].AddUnnamed() = real;
    const Rect rect{-1000000000, -5, 1000000000, 2000000000};
    const Size size{-1, 1920};
    const OleDate dates[] = {OleDate(QDate(2024, 2, 29), QTime(23, 59, 59, 999)), OleDate(-1.25),
                             OleDate(QDate(100, 1, 1)), OleDate(QDate(9999, 12, 31), QTime(12, 0))};
    tree["rect"] = rect;
    tree["size"] = size;
    for (const OleDate& date : dates)
        tree["dates"].AddUnnamed() = date;

    const QString path = PathOf("round trip.settings.xml");
    ASSERT_TRUE(tree.SaveToFile(path, QStringLiteral("Settings")));
    Settings loaded;
    ASSERT_TRUE(loaded.LoadFromFile(path, QStringLiteral("Settings")));

    for (const auto& text : texts)
    {
        ASSERT_TRUE(loaded.Exists(text.name)) << text.name.toStdString();
        EXPECT_EQ(loaded[text.name].ToString(), text.value) << text.name.toStdString();
    }
    EXPECT_EQ(loaded["int min"].ToInt(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(loaded["int max"].ToInt(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(loaded["negative"].ToInt(), -42);
    EXPECT_EQ(loaded["uint max"].ToUInt(), std::numeric_limits<std::uint32_t>::max());
    EXPECT_TRUE(loaded["true"].ToBool());
    EXPECT_FALSE(loaded["false"].ToBool());
    ConstSettingsIterator it = std::as_const(loaded)["reals"].IteratorUnnamed(1);
    for (double real : reals)
    {
        ASSERT_TRUE(it.Iterate());
        EXPECT_EQ(it.Node().ToDouble(), real);
    }
    EXPECT_EQ(loaded["rect"].ToRect(), rect);
    EXPECT_EQ(loaded["size"].ToSize(), size);
    it = std::as_const(loaded)["dates"].IteratorUnnamed(1);
    for (const OleDate& date : dates)
    {
        ASSERT_TRUE(it.Iterate());
        EXPECT_EQ(it.Node().ToOleDate(), date);
        EXPECT_EQ(it.Node().ToOleDate().ToQDateTime(), date.ToQDateTime());
    }
}

TEST_F(SettingsFileTest, StructureVersionsAndDialogMetadataSurviveARoundTrip)
{
    Settings tree;
    tree.Version(3);
    for (const char* panel : {"Ekran 3", "Ekran 1", "Ekran 2"})
    {
        Settings& child = tree["Desktop"].AddUnnamed();
        child["PanelName"] = panel;
        child.Version(1);
    }
    tree["Desktop"]["ShowHideRibbon"] = 1;
    tree["Desktop"]["ShowHideRibbon"].Version(7);

    const QString path = PathOf("LastSession.q4s");
    ASSERT_TRUE(tree.SaveToFile(path, QStringLiteral("LastSession")));
    Settings loaded;
    ASSERT_TRUE(loaded.LoadFromFile(path, QStringLiteral("LastSession")));

    EXPECT_EQ(loaded.Version(), 3u);
    EXPECT_EQ(loaded["Desktop"]["ShowHideRibbon"].Version(), 7u);
    QStringList panels;
    SettingsIterator it = loaded["Desktop"].IteratorUnnamed(1);
    while (it.Iterate())
    {
        panels << it.Node()["PanelName"].ToString();
        EXPECT_EQ(it.Node().Version(), 1u);
    }
    EXPECT_EQ(panels, QStringList({"Ekran 3", "Ekran 1", "Ekran 2"}));
}

TEST_F(SettingsFileTest, FileIsUtf16LittleEndianWithoutMarkOrTerminator)
{
    Settings tree;
    tree["a"] = QStringLiteral("ż");
    const QString path = PathOf("bytes.xml");
    ASSERT_TRUE(tree.SaveToFile(path, QStringLiteral("Settings")));

    const QByteArray bytes = ReadBytes(path);
    ASSERT_GE(bytes.size(), 4);
    EXPECT_EQ(bytes.left(4), QByteArray("<\0?\0", 4));
    EXPECT_NE(bytes.right(2), QByteArray("\0\0", 2));
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    EXPECT_TRUE(text.startsWith(QStringLiteral("<?xml version=\"1.0\"?>\r\n<Settings>")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("</Settings>")));
}

TEST_F(SettingsFileTest, AnotherRootOrAMissingFileFailsQuietlyAndChangesNothing)
{
    Settings other;
    other["Desktop"] = 1;
    const QString path = PathOf("desktop.q4s");
    ASSERT_TRUE(other.SaveToFile(path, QStringLiteral("Desktop")));

    Settings tree = SampleTree();
    EXPECT_FALSE(tree.LoadFromFile(path, QStringLiteral("LastSession")));
    EXPECT_FALSE(tree.LoadFromFile(PathOf("missing.q4s"), QStringLiteral("Desktop")));
    ExpectSampleTree(tree);
    EXPECT_TRUE(LoggedErrors().isEmpty());
    EXPECT_TRUE(tree.LoadFromFile(path, QStringLiteral("Desktop")));
    EXPECT_EQ(tree["Desktop"].ToInt(), 1);
}

TEST_F(SettingsFileTest, GoodFixturesLoad)
{
    Settings polish;
    ASSERT_TRUE(polish.LoadFromFile(kFixtures + QStringLiteral("/good/utf16-polish-names.settings.xml"),
                                    QStringLiteral("Settings")));
    EXPECT_EQ(polish.Version(), 2u);
    EXPECT_EQ(polish["1st key with spaces"].ToString(), QStringLiteral("pierwszy"));
    const Settings& quoted = polish[QStringLiteral("Zażółć \"gęślą\" jaźń")];
    EXPECT_EQ(quoted.ToString(), QStringLiteral("<&> ąęłńóśźż"));
    EXPECT_EQ(quoted.Version(), 7u);
    EXPECT_EQ(quoted.GetType(), VariableText);
    EXPECT_EQ(quoted.GetDisplayName(), QStringLiteral("Podpis"));
    EXPECT_EQ(polish["Liczby"]["ujemna"].ToInt(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(polish["Liczby"]["bez znaku"].ToUInt(), std::numeric_limits<std::uint32_t>::max());
    EXPECT_EQ(polish["Liczby"]["real"].ToDouble(), -0.1);
    EXPECT_EQ(polish[QStringLiteral("sterujące")].ToString(), QStringLiteral("\x01\n"));
    QStringList unnamed;
    SettingsIterator it = polish.IteratorUnnamed(1);
    while (it.Iterate())
        unnamed << it.Node().ToString();
    EXPECT_EQ(unnamed, QStringList({"a", "b", "c"}));

    Settings indented;
    ASSERT_TRUE(indented.LoadFromFile(kFixtures + QStringLiteral("/good/utf8-bom-indented.xml"), QStringLiteral("Settings")));
    EXPECT_EQ(indented["Desktop"].Version(), 2u);
    EXPECT_EQ(indented["Desktop"].IteratorUnnamed(1).Iterate(), 1);
    EXPECT_TRUE(indented["Desktop"].ToString().isEmpty());

    Settings padded;
    ASSERT_TRUE(padded.LoadFromFile(kFixtures + QStringLiteral("/good/utf16-bom-zero-padded.xml"), QStringLiteral("Globals")));
    EXPECT_EQ(padded["DataVersion"].ToString(), QStringLiteral("4.2.210.1"));
    EXPECT_TRUE(LoggedErrors().isEmpty()) << LoggedErrors().toStdString();
}

TEST_F(SettingsFileTest, BrokenFilesAreRefusedWithALoggedErrorAndChangeNothing)
{
    const QStringList broken = QDir(kFixtures + QStringLiteral("/broken")).entryList(QDir::Files, QDir::Name);
    ASSERT_GE(broken.size(), 10);
    for (const QString& name : broken)
    {
        Settings tree = SampleTree();
        EXPECT_FALSE(tree.LoadFromFile(kFixtures + QStringLiteral("/broken/") + name, QStringLiteral("Settings")))
            << name.toStdString();
        ExpectSampleTree(tree);
        EXPECT_TRUE(LoggedErrors().contains(name)) << name.toStdString();
    }
    Settings tree = SampleTree();
    EXPECT_FALSE(tree.LoadFromFile(m_dir.path(), QStringLiteral("Settings")));
    ExpectSampleTree(tree);
}

TEST_F(SettingsFileTest, RefusedSaveLeavesTheOldFileAndIsLogged)
{
    const QString path = PathOf("kept.xml");
    ASSERT_TRUE(SampleTree().SaveToFile(path, QStringLiteral("Settings")));
    const QByteArray before = ReadBytes(path);

    Settings deep;
    Settings* node = &deep;
    for (int i = 0; i < 300; ++i)
        node = &node->AddUnnamed();
    EXPECT_FALSE(deep.SaveToFile(path, QStringLiteral("Settings")));
    EXPECT_FALSE(SampleTree().SaveToFile(path, QStringLiteral("not a name")));
    EXPECT_FALSE(Settings::InvalidVariable().SaveToFile(path, QStringLiteral("Settings")));
    EXPECT_FALSE(SampleTree().SaveToFile(path + QStringLiteral("/below a file.xml"), QStringLiteral("Settings")));

    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(LoggedErrors().count(QStringLiteral("Settings::SaveToFile")), 4);
}

// A save killed at any moment must leave either the old or the new file, whole.
TEST_F(SettingsFileTest, SaveKilledHalfwayLeavesAWholeFile)
{
    Settings big;
    for (int i = 0; i < 20000; ++i)
        big[QStringLiteral("key %1").arg(i)] = QStringLiteral("wartość numer %1").arg(i);
    const QString path = PathOf("killed.xml");
    ASSERT_TRUE(SampleTree().SaveToFile(path, QStringLiteral("Settings")));

    for (int delayMs : {2, 5, 11, 20, 35, 60})
    {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
        {
            for (;;)
                big.SaveToFile(path, QStringLiteral("Settings"));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        Settings loaded;
        ASSERT_TRUE(loaded.LoadFromFile(path, QStringLiteral("Settings"))) << delayMs;
        if (loaded.Exists(QStringLiteral("kept")))
            ExpectSampleTree(loaded);
        else
            EXPECT_EQ(loaded["key 19999"].ToString(), QStringLiteral("wartość numer 19999"));
    }
}
