#include "platform/settings/Settings.h"
#include "tests/workspace/engine/DesktopFixture.h"
#include "workspace/engine/DesktopFormat.h"
#include "workspace/engine/DesktopSession.h"

namespace
{
// The export is written as the program's own settings text, so its reader checks it.
Settings LoadExport(const QString& path)
{
    Settings tree;
    tree.LoadFromFile(path, QStringLiteral("LastSession"));
    return tree;
}

QStringList Entries(const Settings& desktop)
{
    QStringList entries;
    ConstSettingsIterator it = desktop.IteratorUnnamed(1);
    while (it.Iterate())
        entries << it.Node()[QStringLiteral("PanelName")].ToString() + QLatin1Char('/') +
                       it.Node()[QStringLiteral("Active")].ToString() +
                       (it.Node().Exists(QStringLiteral("VersInfo")) ? QStringLiteral("/VersInfo") : QString());
    return entries;
}
}

class DesktopExportTest : public DesktopFixture
{
protected:
    DesktopExportTest()
    {
        FakeScreen& info = host.AddScreen(QStringLiteral("Informacje"), true);
        FakeScreen& quotes = host.AddScreen(QStringLiteral("Notowania"));
        host.AddWindow(quotes, &table, QStringLiteral("Tabela 1"), QStringLiteral("KGHM"));
        host.AddWindow(info, &chart, QStringLiteral("Wykres"), QStringLiteral("PKO"));
        host.Activate(quotes);
        host.ribbonMinimized = true;
        modules.alertsState = QStringLiteral("statystyki");
    }

    DesktopSession session{host, modules, home.Path()};
};

TEST_F(DesktopExportTest, OneScreenEditionExportsTheScreenOnTopAsEkran)
{
    const QString path = Path(QStringLiteral("Eksport.q5"));
    ASSERT_TRUE(session.SaveDesktopToQ5Format(path));
    const Settings tree = LoadExport(path);
    EXPECT_EQ(Entries(tree[QStringLiteral("Desktop")]), QStringList({QStringLiteral("Ekran/1")}));
    EXPECT_FALSE(tree[QStringLiteral("Desktop")].Exists(QStringLiteral("ShowHideRibbon")));
    EXPECT_EQ(tree[QStringLiteral("ModulesStates")][QStringLiteral("SessionStatistics")][QStringLiteral("Value")].ToString(),
              QStringLiteral("statystyki"));
    EXPECT_EQ(Tree(Path(QStringLiteral("Eksport"))),
              QStringList({QStringLiteral("Ekran"), QStringLiteral("Ekran.q5p"), QStringLiteral("Ekran/Table"),
                           QStringLiteral("Ekran/Table/Tabela 1.q4sTB")}));
}

TEST_F(DesktopExportTest, EditionWithSeveralScreensExportsEachUnderItsCaption)
{
    host.screensLimit = 2;
    const QString path = Path(QStringLiteral("Eksport.q5s"));
    ASSERT_TRUE(session.SaveDesktopToQ5Format(path));
    // No version-information marker even for that screen.
    EXPECT_EQ(Entries(LoadExport(path)[QStringLiteral("Desktop")]),
              QStringList({QStringLiteral("Informacje/0"), QStringLiteral("Notowania/1")}));
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("Eksport/Informacje/Chart/Wykres.q4sCH"))));
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("Eksport/Notowania.q5p"))));
}

TEST_F(DesktopExportTest, ExportingAgainReplacesTheEarlierExport)
{
    host.screensLimit = 2;
    const QString path = Path(QStringLiteral("Eksport.q5"));
    ASSERT_TRUE(session.SaveDesktopToQ5Format(path));
    host.screensLimit = 1;
    ASSERT_TRUE(session.SaveDesktopToQ5Format(path));
    EXPECT_EQ(Tree(Path(QStringLiteral("Eksport"))),
              QStringList({QStringLiteral("Ekran"), QStringLiteral("Ekran.q5p"), QStringLiteral("Ekran/Table"),
                           QStringLiteral("Ekran/Table/Tabela 1.q4sTB")}));
}

TEST_F(DesktopExportTest, WithoutScreensTheFileIsStillWritten)
{
    host.CloseAllPanels();
    const QString path = Path(QStringLiteral("Eksport.q5"));
    EXPECT_FALSE(session.SaveDesktopToQ5Format(path));
    const Settings tree = LoadExport(path);
    EXPECT_TRUE(tree[QStringLiteral("Desktop")].IsValid());
    EXPECT_TRUE(Entries(tree[QStringLiteral("Desktop")]).isEmpty());
    EXPECT_TRUE(tree[QStringLiteral("ModulesStates")].IsValid());
}

TEST_F(DesktopExportTest, AnExportBesideTheUsersFilesLeavesThemAsTheyWere)
{
    ASSERT_TRUE(Write(Path(QStringLiteral("Projekty/plan.txt")), "plan"));
    EXPECT_TRUE(session.SaveDesktopToQ5Format(Path(QStringLiteral("Projekty.q5"))));
    EXPECT_EQ(Tree(Path(QStringLiteral("Projekty"))),
              QStringList({QStringLiteral("Ekran"), QStringLiteral("Ekran.q5p"), QStringLiteral("Ekran/Table"),
                           QStringLiteral("Ekran/Table/Tabela 1.q4sTB"), QStringLiteral("plan.txt")}));
    EXPECT_EQ(Read(Path(QStringLiteral("Projekty/plan.txt"))), QByteArray("plan"));
    EXPECT_TRUE(host.shownMessages.isEmpty());
}

TEST_F(DesktopExportTest, ADesktopAndItsExportOfTheSameNameKeepEachOthersPanels)
{
    ASSERT_TRUE(session.SaveCurrentSession(Path(QStringLiteral("Rano.q4s"))));
    const QStringList native = Tree(Path(QStringLiteral("Rano")));
    ASSERT_TRUE(session.SaveDesktopToQ5Format(Path(QStringLiteral("Rano.q5"))));
    const QStringList both = Tree(Path(QStringLiteral("Rano")));
    for (const QString& entry : native)
        EXPECT_TRUE(both.contains(entry)) << entry.toStdString();
    EXPECT_TRUE(both.contains(QStringLiteral("Ekran.q5p")));

    // Each saved again replaces only its own panels.
    ASSERT_TRUE(session.SaveCurrentSession(Path(QStringLiteral("Rano.q4s"))));
    ASSERT_TRUE(session.SaveDesktopToQ5Format(Path(QStringLiteral("Rano.q5"))));
    EXPECT_EQ(Tree(Path(QStringLiteral("Rano"))), both);
    ASSERT_TRUE(session.LoadSession(Path(QStringLiteral("Rano.q4s"))));
    EXPECT_EQ(host.Contents(), QStringList({QStringLiteral("Notowania: Tabela 1=KGHM")}));
    EXPECT_TRUE(host.shownMessages.isEmpty());
}

TEST_F(DesktopExportTest, DefaultExtensionFollowsTheProductKind)
{
    EXPECT_EQ(DesktopFormat::Q5DesktopExtension(1), QStringLiteral(".q5"));
    EXPECT_EQ(DesktopFormat::Q5DesktopExtension(2), QStringLiteral(".q5s"));
}
