#include "platform/settings/Settings.h"
#include "tests/workspace/engine/DesktopFixture.h"
#include "workspace/engine/PanelStateFiles.h"
#include "tests/support/TestPaths.h"

namespace
{
QStringList Listed(const QString& panelFile)
{
    Settings panel;
    QStringList listed;
    if (!panel.LoadFromFile(panelFile, QStringLiteral("Panel")))
        return {QStringLiteral("(nie wczytano)")};
    ConstSettingsIterator it = static_cast<const Settings&>(panel).IteratorUnnamed(1);
    while (it.Iterate())
        listed << it.Node()[QStringLiteral("ModuleName")].ToString() + QLatin1Char('/') +
                      it.Node()[QStringLiteral("WindowName")].ToString();
    return listed;
}
}

class PanelStateFilesTest : public DesktopFixture
{
protected:
    // A panel's windows saved, then restored into a new screen; the new screen's contents.
    QString RoundTrip(FakeScreen& screen)
    {
        const QString file = Path(QStringLiteral("Pulpit/Ekran 1.q4s"));
        EXPECT_TRUE(PanelStateFiles::SavePanel(file, host.GetModuleWindows(host.ViewOf(screen)), false));
        QWidget* view = host.OpenPanel(QStringLiteral("wczytany"));
        PanelStateFiles::RestorePanel(view, file, modules);
        return host.Contents().back();
    }
};

TEST_F(PanelStateFilesTest, EmptyPanelWritesARootWithoutChildrenAndAnEmptyFolder)
{
    FakeScreen& screen = host.AddScreen(QStringLiteral("Ekran"));
    const QString file = Path(QStringLiteral("Pulpit/Ekran 1.q4s"));
    ASSERT_TRUE(PanelStateFiles::SavePanel(file, host.GetModuleWindows(host.ViewOf(screen)), false));
    EXPECT_EQ(Listed(file), QStringList());
    EXPECT_TRUE(QFileInfo(Path(QStringLiteral("Pulpit/Ekran 1"))).isDir());
    EXPECT_TRUE(Tree(Path(QStringLiteral("Pulpit/Ekran 1"))).isEmpty());
}

TEST_F(PanelStateFilesTest, WindowsOfOneModuleShareAFolderAndRestoreInOrder)
{
    FakeScreen& screen = host.AddScreen(QStringLiteral("Ekran"));
    host.AddWindow(screen, &table, QStringLiteral("Tabela 1"), QStringLiteral("KGHM"));
    host.AddWindow(screen, &chart, QStringLiteral("Wykres"), QStringLiteral("PKO"));
    host.AddWindow(screen, &table, QStringLiteral("Tabela 2"), QStringLiteral("CDR"));

    EXPECT_EQ(RoundTrip(screen), QStringLiteral("wczytany: Tabela 1=KGHM, Wykres=PKO, Tabela 2=CDR"));
    EXPECT_EQ(Tree(Path(QStringLiteral("Pulpit"))),
              QStringList({QStringLiteral("Ekran 1"), QStringLiteral("Ekran 1.q4s"), QStringLiteral("Ekran 1/ChartModule"),
                           QStringLiteral("Ekran 1/ChartModule/Wykres.q4sCH"), QStringLiteral("Ekran 1/TableModule"),
                           QStringLiteral("Ekran 1/TableModule/Tabela 1.q4sTB"),
                           QStringLiteral("Ekran 1/TableModule/Tabela 2.q4sTB")}));
}

TEST_F(PanelStateFilesTest, WindowsTheirModulesDoNotKeepOrCannotSaveAreLeftOut)
{
    FakeScreen& screen = host.AddScreen(QStringLiteral("Ekran"));
    host.AddWindow(screen, &table, QStringLiteral("Tymczasowa"), QStringLiteral("x"));
    host.AddWindow(screen, &table, QStringLiteral("Zepsuta"), QStringLiteral("y"));
    host.AddWindow(screen, nullptr, QStringLiteral("Bez modułu"), QStringLiteral("z"));
    host.AddWindow(screen, &chart, QStringLiteral("Wykres"), QStringLiteral("PKO"));
    screen.windows.push_back(screen.windows.back());  // the same window listed twice is saved once
    table.declinedWindows.insert(QStringLiteral("Tymczasowa"));
    table.failingWindows.insert(QStringLiteral("Zepsuta"));

    EXPECT_EQ(RoundTrip(screen), QStringLiteral("wczytany: Wykres=PKO"));
    EXPECT_EQ(Listed(Path(QStringLiteral("Pulpit/Ekran 1.q4s"))), QStringList({QStringLiteral("ChartModule/Wykres")}));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("Pulpit/Ekran 1/TableModule/Zepsuta.q4sTB"))));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("Pulpit/Ekran 1/TableModule/Tymczasowa.q4sTB"))));
    EXPECT_TRUE(Errors().contains(QStringLiteral("Nie udało się zapisać stanu okna modułu TableModule")));
}

TEST_F(PanelStateFilesTest, WindowNamesBecomeSafeAndDistinctFileNames)
{
    // Names that would leave the folder, and two windows of one name that would share a file.
    FakeScreen& screen = host.AddScreen(QStringLiteral("Ekran"));
    host.AddWindow(screen, &table, QStringLiteral("../../../poza"), QStringLiteral("1"));
    host.AddWindow(screen, &table, QStringLiteral("Akcje/Obligacje: 2024"), QStringLiteral("2"));
    host.AddWindow(screen, &table, QStringLiteral("Tabela"), QStringLiteral("3"));
    host.AddWindow(screen, &table, QStringLiteral("Tabela"), QStringLiteral("4"));

    EXPECT_EQ(RoundTrip(screen),
              QStringLiteral("wczytany: ../../../poza=1, Akcje/Obligacje: 2024=2, Tabela=3, Tabela=4"));
    EXPECT_EQ(Listed(Path(QStringLiteral("Pulpit/Ekran 1.q4s"))),
              QStringList({QStringLiteral("TableModule/..%2F..%2F..%2Fpoza"),
                           QStringLiteral("TableModule/Akcje%2FObligacje%3A 2024"), QStringLiteral("TableModule/Tabela"),
                           QStringLiteral("TableModule/Tabela (1)")}));
    EXPECT_EQ(Tree(home.Path()).filter(QStringLiteral("poza")),
              QStringList({QStringLiteral("Pulpit/Ekran 1/TableModule/..%2F..%2F..%2Fpoza.q4sTB")}));
}

TEST_F(PanelStateFilesTest, OldPanelFilesAndEmptyModuleNamesRestore)
{
    const QString folder = (TestPaths::Fixtures() + QStringLiteral("/desktop/good/version0/Pulpit"));
    QWidget* view = host.OpenPanel(QStringLiteral("stary"));
    EXPECT_EQ(PanelStateFiles::RestorePanel(view, folder + QStringLiteral("/Ekran 1.q4s"), modules), 2);
    EXPECT_EQ(host.Contents(), QStringList({QStringLiteral("stary: Tabela 1=KGHM, Wykres=PKN ORLEN")}));
}

TEST_F(PanelStateFilesTest, CraftedEntriesNeverReachOutsideThePanelFolder)
{
    const QString file = Path(QStringLiteral("Pulpit/Ekran 1.q4s"));
    Settings panel;
    const auto add = [&panel](const QString& module, const QString& window) {
        Settings& child = panel.AddUnnamed();
        child[QStringLiteral("ModuleName")] = module;
        child[QStringLiteral("WindowName")] = window;
    };
    add(QStringLiteral("TableModule"), QStringLiteral("../../../../etc/passwd"));
    add(QStringLiteral("TableModule"), QStringLiteral(".."));
    add(QStringLiteral("../TableModule"), QStringLiteral("Tabela"));
    add(QStringLiteral("NieznanyModul"), QStringLiteral("Tabela"));
    add(QStringLiteral("TableModule"), QStringLiteral("Tabela"));
    ASSERT_TRUE(panel.SaveToFile(file, QStringLiteral("Panel")));
    ASSERT_TRUE(Write(Path(QStringLiteral("Pulpit/Ekran 1/TableModule/Tabela.q4sTB")), "Tabela\nKGHM"));

    QWidget* view = host.OpenPanel(QStringLiteral("ekran"));
    EXPECT_EQ(PanelStateFiles::RestorePanel(view, file, modules), 1);
    EXPECT_EQ(table.openedFiles, QStringList({Path(QStringLiteral("Pulpit/Ekran 1/TableModule/Tabela.q4sTB"))}));
    EXPECT_TRUE(Warnings().contains(QStringLiteral("../../../../etc/passwd")));
}

TEST_F(PanelStateFilesTest, MissingOrUnreadablePanelFilesOpenNothing)
{
    QWidget* view = host.OpenPanel(QStringLiteral("ekran"));
    EXPECT_EQ(PanelStateFiles::RestorePanel(view, Path(QStringLiteral("brak.q4s")), modules), 0);
    ASSERT_TRUE(Write(Path(QStringLiteral("zly.q4s")), "<?xml version=\"1.0\"?>\r\n<Panel><u><n k="));
    EXPECT_EQ(PanelStateFiles::RestorePanel(view, Path(QStringLiteral("zly.q4s")), modules), 0);
    EXPECT_EQ(host.Contents(), QStringList({QStringLiteral("ekran: ")}));
}

TEST_F(PanelStateFilesTest, ExportUsesTheNextGenerationNamesAndPanelSettings)
{
    FakeScreen& screen = host.AddScreen(QStringLiteral("Ekran"));
    host.AddWindow(screen, &table, QStringLiteral("Tabela 1"), QStringLiteral("KGHM"));
    host.AddWindow(screen, &chart, QStringLiteral("Wykres"), QStringLiteral("PKO"));
    modules.panelSettings = true;
    const QString file = Path(QStringLiteral("Eksport/Ekran.q5p"));
    ASSERT_TRUE(PanelStateFiles::SavePanelToQ5Format(file, host.GetModuleWindows(host.ViewOf(screen)), modules));

    Settings panel;
    ASSERT_TRUE(panel.LoadFromFile(file, QStringLiteral("Panel")));
    EXPECT_EQ(panel[QStringLiteral("PanelSettings")][QStringLiteral("Layout")].ToString(), QStringLiteral("chart"));
    EXPECT_EQ(Listed(file), QStringList({QStringLiteral("Table/Tabela 1"), QStringLiteral("Chart/Wykres")}));
    EXPECT_EQ(Read(Path(QStringLiteral("Eksport/Ekran/Table/Tabela 1.q4sTB"))), QByteArray("q5 Tabela 1\nKGHM"));
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("Eksport/Ekran/Chart/Wykres.q4sCH"))));
}
