#include "platform/settings/Settings.h"
#include "tests/workspace/engine/DesktopFixture.h"
#include "workspace/engine/DesktopSession.h"
#include "tests/support/TestPaths.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/mount.h>

#include <algorithm>
#include <map>

namespace
{
QString Fixture(const QString& relative)
{
    return QDir((TestPaths::Fixtures() + QStringLiteral("/desktop"))).filePath(relative);
}

Settings LoadTree(const QString& path)
{
    Settings tree;
    tree.LoadFromFile(path, QStringLiteral("LastSession"));
    return tree;
}

// The unnamed children of the desktop node as "name value=..., ..." lines.
QStringList Entries(const Settings& desktop)
{
    QStringList entries;
    ConstSettingsIterator it = desktop.IteratorUnnamed(1);
    while (it.Iterate())
    {
        QStringList values;
        ConstSettingsIterator value = it.Node().Iterator(1);
        while (value.Iterate())
            values << value.Name() + QLatin1Char('=') + value.Node().ToString();
        entries << values.join(QStringLiteral(", "));
    }
    return entries;
}

// One run of the program: its frame, its modules and its desktop files, over one home.
struct ProgramRun
{
    explicit ProgramRun(const QString& appData, int screensLimit = 3)
        : session(host, modules, appData)
    {
        host.screensLimit = screensLimit;
        modules.Add(table);
        modules.Add(chart);
    }

    FakeDesktopHost host;
    FakeModule table{host, QStringLiteral("TableModule"), QStringLiteral(".q4sTB")};
    FakeModule chart{host, QStringLiteral("ChartModule"), QStringLiteral(".q4sCH")};
    FakeDesktopModules modules;
    DesktopSession session;
};
}

class DesktopSessionTest : public DesktopFixture
{
protected:
    QString AppData() const { return Folder(QStringLiteral(".local/share/Quorvanta 4")); }

    // Two screens with windows, the second one on top.
    void MakeTwoScreens(FakeDesktopHost& frame, FakeModule& tables, FakeModule& charts)
    {
        FakeScreen& quotes = frame.AddScreen(QStringLiteral("Notowania"));
        frame.AddWindow(quotes, &tables, QStringLiteral("Tabela 1"), QStringLiteral("KGHM"));
        frame.AddWindow(quotes, &tables, QStringLiteral("Tabela 2"), QStringLiteral("PKO"));
        FakeScreen& charts2 = frame.AddScreen(QStringLiteral("Wykresy"));
        frame.AddWindow(charts2, &charts, QStringLiteral("Wykres"), QStringLiteral("CDR"));
        frame.Activate(charts2);
    }

    DesktopSession session{host, modules, AppData()};
};

TEST_F(DesktopSessionTest, SeveralScreensRoundTripWithNamesOrderActiveScreenAndStates)
{
    host.screensLimit = 3;
    MakeTwoScreens(host, table, chart);
    FakeScreen& third = host.AddScreen(QStringLiteral("Akcje/Obligacje"));
    host.AddWindow(third, &table, QStringLiteral("Tabela 1"), QStringLiteral("PZU"));
    host.ribbonMinimized = true;
    modules.consumersState = QStringLiteral("konsumenci");
    modules.alertsState = QStringLiteral("alerty");
    const QString path = Path(QStringLiteral("Pulpity/Praca.q4s"));
    Folder(QStringLiteral("Pulpity"));
    ASSERT_TRUE(session.SaveCurrentSession(path));

    EXPECT_EQ(Entries(LoadTree(path)[QStringLiteral("Desktop")]),
              QStringList({QStringLiteral("PanelName=Notowania, Active=0"), QStringLiteral("PanelName=Wykresy, Active=1"),
                           QStringLiteral("PanelName=Akcje%2FObligacje, Active=0, Caption=Akcje/Obligacje")}));
    const QStringList saved = host.Contents();
    host.ribbonMinimized = false;
    modules.consumersState.clear();
    modules.alertsState.clear();

    ASSERT_TRUE(session.LoadSession(path));
    EXPECT_EQ(host.closeAllCalls, 1);
    EXPECT_EQ(host.Contents(), saved);
    ASSERT_NE(host.ActiveScreen(), nullptr);
    EXPECT_EQ(host.ActiveScreen()->caption, QStringLiteral("Wykresy"));
    EXPECT_EQ(host.ribbonMinimized, std::optional<bool>(true));
    EXPECT_EQ(modules.consumersState, QStringLiteral("konsumenci"));
    EXPECT_EQ(modules.alertsState, QStringLiteral("alerty"));
    EXPECT_EQ(modules.events, QStringList({QStringLiteral("Begin"), QStringLiteral("Unserialise"),
                                           QStringLiteral("PostUnserialise"), QStringLiteral("End"),
                                           QStringLiteral("After")}));
    EXPECT_EQ(modules.postActiveView, host.active);
    EXPECT_EQ(host.fitted.size(), 3u);
    EXPECT_TRUE(host.sessionLoaded);
}

TEST_F(DesktopSessionTest, OneScreenEditionKeepsOnlyTheScreenOnTopAsEkran1)
{
    MakeTwoScreens(host, table, chart);
    host.tabsWithoutPanel = 1;
    const QString path = Path(QStringLiteral("Pulpit.q4s"));
    ASSERT_TRUE(session.SaveCurrentSession(path));

    const Settings tree = LoadTree(path);
    EXPECT_EQ(Entries(tree[QStringLiteral("Desktop")]),
              QStringList({QStringLiteral("PanelName=Ekran 1, Active=1, Caption=Wykresy")}));
    EXPECT_EQ(tree[QStringLiteral("Desktop")][QStringLiteral("ShowHideRibbon")].ToString(), QStringLiteral("0"));
    EXPECT_TRUE(tree[QStringLiteral("ModulesStates")][QStringLiteral("Consumers")].IsValid());
    EXPECT_EQ(Tree(Path(QStringLiteral("Pulpit"))),
              QStringList({QStringLiteral("Ekran 1"), QStringLiteral("Ekran 1.q4s"), QStringLiteral("Ekran 1/ChartModule"),
                           QStringLiteral("Ekran 1/ChartModule/Wykres.q4sCH")}));
    EXPECT_TRUE(Errors().contains(QStringLiteral("Nie znaleziono panelu")));

    ASSERT_TRUE(session.LoadSession(path));
    EXPECT_EQ(host.Contents(), QStringList({QStringLiteral("Wykresy: Wykres=CDR")}));
}

TEST_F(DesktopSessionTest, VersionInformationScreenIsMarkedAndReopenedAsSuch)
{
    FakeScreen& info = host.AddScreen(QStringLiteral("Co nowego"), true);
    host.Activate(info);
    host.ribbonMinimized.reset();
    const QString path = Path(QStringLiteral("Pulpit.q4s"));
    ASSERT_TRUE(session.SaveCurrentSession(path));
    const Settings tree = LoadTree(path);
    EXPECT_EQ(Entries(tree[QStringLiteral("Desktop")]),
              QStringList({QStringLiteral("PanelName=Ekran 1, Active=1, VersInfo=1, Caption=Co nowego")}));
    EXPECT_FALSE(tree[QStringLiteral("Desktop")].Exists(QStringLiteral("ShowHideRibbon")));

    ASSERT_TRUE(session.LoadSession(path));
    ASSERT_EQ(host.ScreenCount(), 1u);
    EXPECT_TRUE(host.ActiveScreen()->versionInfo);
}

TEST_F(DesktopSessionTest, WithoutScreensTheFileIsStillWrittenWithAnEmptyDesktop)
{
    modules.alertsState = QStringLiteral("alerty");
    const QString path = Path(QStringLiteral("Pulpit.q4s"));
    EXPECT_FALSE(session.SaveCurrentSession(path));
    const Settings tree = LoadTree(path);
    EXPECT_TRUE(Entries(tree[QStringLiteral("Desktop")]).isEmpty());
    EXPECT_FALSE(tree[QStringLiteral("Desktop")].Exists(QStringLiteral("ShowHideRibbon")));
    EXPECT_EQ(tree[QStringLiteral("ModulesStates")][QStringLiteral("Alerts")][QStringLiteral("Value")].ToString(),
              QStringLiteral("alerty"));
    EXPECT_TRUE(QFileInfo(Path(QStringLiteral("Pulpit"))).isDir());
}

TEST_F(DesktopSessionTest, OpeningADesktopSkipsWhatCannotOpenAndTheLaterActiveScreenWins)
{
    const auto desktopWith = [this](const QString& file, const QStringList& names, const QStringList& active) {
        Settings tree;
        Settings& desktop = tree[QStringLiteral("Desktop")];
        for (const QString& name : names)
        {
            Settings& entry = desktop.AddUnnamed();
            entry[QStringLiteral("PanelName")] = name;
            entry[QStringLiteral("Active")] = active.contains(name);
        }
        const QString path = Path(file);
        tree.SaveToFile(path, QStringLiteral("LastSession"));
        return path;
    };
    host.screensLimit = 3;
    ASSERT_TRUE(session.LoadSession(desktopWith(QStringLiteral("a.q4s"), {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")},
                                                {QStringLiteral("A"), QStringLiteral("B")})));
    EXPECT_EQ(host.Captions(), QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_EQ(host.ActiveScreen()->caption, QStringLiteral("B"));
    EXPECT_EQ(host.shownViews.size(), 3u);

    // Names that are no file names, and screens beyond what the edition allows, do not open.
    host.screensLimit = 1;
    ASSERT_TRUE(session.LoadSession(desktopWith(QStringLiteral("b.q4s"),
                                                {QStringLiteral("../../x"), QStringLiteral(""), QStringLiteral("D"), QStringLiteral("E")},
                                                {QStringLiteral("E")})));
    EXPECT_EQ(host.Captions(), QStringList({QStringLiteral("D")}));
    EXPECT_TRUE(Warnings().contains(QStringLiteral("../../x")));
    EXPECT_TRUE(Warnings().contains(QStringLiteral("\"E\"")));
    EXPECT_EQ(host.newPanelCalls, 0);

    // With no screen that opens, one empty screen is made.
    ASSERT_TRUE(session.LoadSession(desktopWith(QStringLiteral("c.q4s"), {QStringLiteral("a/b")}, {})));
    EXPECT_EQ(host.newPanelCalls, 1);
    EXPECT_EQ(host.ScreenCount(), 1u);
}

TEST_F(DesktopSessionTest, OldLayoutFilesLoad)
{
    ASSERT_TRUE(session.LoadSession(Fixture(QStringLiteral("good/version0/Pulpit.q4s"))));
    EXPECT_EQ(host.Contents(), QStringList({QStringLiteral("Ekran 1: Tabela 1=KGHM, Wykres=PKN ORLEN")}));
    EXPECT_EQ(host.ribbonMinimized, std::optional<bool>(true));
    EXPECT_EQ(modules.consumersState, QStringLiteral("stan konsumentów"));
    EXPECT_FALSE(modules.modulesStatesValid);

    modules.alertsState = QStringLiteral("bez zmian");
    ASSERT_TRUE(session.LoadSession(Fixture(QStringLiteral("good/without-modules-states/Pulpit.q4s"))));
    EXPECT_EQ(modules.consumersState, QStringLiteral("stan z korzenia"));
    EXPECT_EQ(modules.alertsState, QStringLiteral("bez zmian"));
    EXPECT_EQ(host.Captions(), QStringList({QStringLiteral("Ekran 1")}));
}

TEST_F(DesktopSessionTest, AnExportToTheNextGenerationFormatDoesNotLoadAsADesktop)
{
    MakeTwoScreens(host, table, chart);
    Folder(QStringLiteral("Pulpity"));
    const QString desktop = Path(QStringLiteral("Pulpity/Eksport.q4s"));
    ASSERT_TRUE(session.SaveCurrentSession(desktop));
    for (const QString& exported : {QStringLiteral("Pulpity/Eksport.q5"), QStringLiteral("Pulpity/Eksport.q5s")})
    {
        ASSERT_TRUE(QFile::copy(desktop, Path(exported)));
        EXPECT_FALSE(session.LoadSession(Path(exported))) << exported.toStdString();
        EXPECT_TRUE(Errors().contains(QStringLiteral("Nie wczytano pulpitu %1").arg(Path(exported))));
    }
    EXPECT_TRUE(session.LoadSession(desktop));
}

TEST_F(DesktopSessionTest, BrokenDesktopsAreRefusedAndTheCurrentDesktopStays)
{
    const QDir broken(Fixture(QStringLiteral("broken")));
    host.AddWindow(host.AddScreen(QStringLiteral("Bieżący")), &table, QStringLiteral("Tabela"), QStringLiteral("KGHM"));
    const QStringList current = host.Contents();
    for (const QString& name : broken.entryList(QDir::Files))
    {
        for (bool loaded : {true, false})
        {
            host.sessionLoaded = loaded;
            EXPECT_FALSE(session.LoadSession(broken.filePath(name))) << name.toStdString();
            EXPECT_EQ(host.sessionLoaded, loaded) << name.toStdString();
            EXPECT_EQ(host.Contents(), current) << name.toStdString();
            EXPECT_TRUE(Errors().contains(QStringLiteral("Nie wczytano pulpitu %1").arg(broken.filePath(name))))
                << name.toStdString();
        }
    }
    EXPECT_EQ(host.closeAllCalls, 0);
    EXPECT_TRUE(modules.events.isEmpty());
}

TEST_F(DesktopSessionTest, SessionLoadedFlagAfterEveryKindOfLoad)
{
    host.AddScreen(QStringLiteral("Ekran"));
    const QString good = Path(QStringLiteral("dobry.q4s"));
    ASSERT_TRUE(session.SaveCurrentSession(good));
    const QString corrupt = Path(QStringLiteral("zly.q4s"));
    ASSERT_TRUE(Write(corrupt, "<?xml version=\"1.0\"?>\r\n<LastSession><n k=\"Desktop\">"));
    const QString missing = Path(QStringLiteral("brak.q4s"));
    struct Case
    {
        QString path;
        bool before;
        bool handOver;
        bool after;
    };
    const Case cases[] = {
        {missing, false, false, false}, {missing, true, false, true}, {missing, true, true, true},
        {corrupt, false, false, false}, {corrupt, true, false, true}, {corrupt, true, true, true},
        {good, false, false, true},     {good, true, false, true},    {good, true, true, true},
    };
    for (const Case& c : cases)
    {
        host.sessionLoaded = c.before;
        host.handOver = c.handOver;
        host.sessionLoadedHistory.clear();
        session.LoadSession(c.path);
        EXPECT_EQ(host.sessionLoaded, c.after) << c.path.toStdString() << " " << c.before << c.handOver;
        // A hand-over loads into the running session and never clears the flag.
        const bool cleared = std::find(host.sessionLoadedHistory.begin(), host.sessionLoadedHistory.end(), false) !=
                             host.sessionLoadedHistory.end();
        EXPECT_FALSE(c.handOver && cleared) << c.path.toStdString();
    }
}

TEST_F(DesktopSessionTest, MissingDesktopOnTheCommandLineDoesNotOverwriteTheLastSession)
{
    {
        ProgramRun earlier(AppData());
        MakeTwoScreens(earlier.host, earlier.table, earlier.chart);
        earlier.host.sessionLoaded = true;
        ASSERT_TRUE(earlier.session.SaveLastSession());
    }
    QStringList restored;
    {
        // The path given on the command line is opened before the last session is restored.
        ProgramRun run(AppData());
        EXPECT_FALSE(run.session.LoadSession(Path(QStringLiteral("Dokumenty/nie ma.q4s"))));
        EXPECT_FALSE(run.host.sessionLoaded);
        run.session.LoadLastSession();
        restored = run.host.Contents();
        EXPECT_EQ(restored, QStringList({QStringLiteral("Notowania: Tabela 1=KGHM, Tabela 2=PKO"),
                                         QStringLiteral("Wykresy: Wykres=CDR")}));
        ASSERT_TRUE(run.session.SaveLastSession());
    }
    ProgramRun later(AppData());
    later.session.LoadLastSession();
    EXPECT_EQ(later.host.Contents(), restored);
}

TEST_F(DesktopSessionTest, LastSessionIsNotSavedWhileItWasNeverLoaded)
{
    MakeTwoScreens(host, table, chart);
    host.sessionLoaded = true;
    ASSERT_TRUE(session.SaveLastSession());
    const QByteArray saved = Read(session.GetLastSessionPath());

    FakeDesktopHost empty;
    DesktopSession fresh(empty, modules, AppData());
    EXPECT_FALSE(fresh.SaveLastSession());
    EXPECT_EQ(Read(session.GetLastSessionPath()), saved);
    EXPECT_TRUE(Warnings().contains(QStringLiteral("Nie zapisano sesji")));
}

TEST_F(DesktopSessionTest, StartWithoutAUsableLastSessionShowsOneEmptyScreen)
{
    for (const QByteArray& content : {QByteArray(), QByteArray("<?xml version=\"1.0\"?>\r\n<LastSess")})
    {
        FakeDesktopHost frame;
        FakeDesktopModules states;
        DesktopSession start(frame, states, AppData());
        QFile::remove(start.GetLastSessionPath());
        ASSERT_TRUE(content.isEmpty() || Write(start.GetLastSessionPath(), content));
        start.LoadLastSession();
        EXPECT_EQ(frame.newPanelCalls, 1);
        EXPECT_EQ(frame.ScreenCount(), 1u);
        EXPECT_TRUE(frame.sessionLoaded);
        EXPECT_EQ(states.events, QStringList({QStringLiteral("NotifySessionLoaded")}));
        EXPECT_EQ(states.postActiveView, frame.active);

        // A session loaded already is kept.
        start.LoadLastSession();
        EXPECT_EQ(frame.newPanelCalls, 1);
    }
}

TEST_F(DesktopSessionTest, SavingBesideTheUsersFilesReplacesOnlyWhatTheDesktopWritesAndSaysNothing)
{
    struct Case
    {
        const char* label;
        QString desktop;
        std::function<void()> prepare;
        // Files of the user's or of other desktops, which must stay as they were.
        QStringList kept;
    };
    const Case cases[] = {
        {"a folder of the user's documents", QStringLiteral("Dokumenty.q4s"),
         [this] {
             Write(Path(QStringLiteral("Dokumenty/umowa.txt")), "umowa");
             Write(Path(QStringLiteral("Dokumenty/Ekran 2.q4s")), "notatka, nie panel");
         },
         {QStringLiteral("Dokumenty/umowa.txt"), QStringLiteral("Dokumenty/Ekran 2.q4s")}},
        {"a folder of saved desktops", QStringLiteral("Pulpity.q4s"),
         [this] {
             ProgramRun other(Folder(QStringLiteral("Pulpity")));
             MakeTwoScreens(other.host, other.table, other.chart);
             other.session.SaveCurrentSession(Path(QStringLiteral("Pulpity/Praca.q4s")));
         },
         {QStringLiteral("Pulpity/Praca.q4s"), QStringLiteral("Pulpity/Praca/Notowania.q4s"),
          QStringLiteral("Pulpity/Praca/Wykresy/ChartModule/Wykres.q4sCH")}},
        {"an earlier save's panel folder the user added a file to", QStringLiteral("Dodane.q4s"),
         [this] {
             ProgramRun other(Folder(QStringLiteral("x")));
             MakeTwoScreens(other.host, other.table, other.chart);
             other.session.SaveCurrentSession(Path(QStringLiteral("Dodane.q4s")));
             Write(Path(QStringLiteral("Dodane/Wykresy/ChartModule/notatki/plik.txt")), "notatki");
         },
         {QStringLiteral("Dodane/Wykresy/ChartModule/notatki/plik.txt"),
          QStringLiteral("Dodane/Wykresy/ChartModule/Wykres.q4sCH")}},
    };
    MakeTwoScreens(host, table, chart);
    const QStringList saved = {QStringLiteral("Wykresy: Wykres=CDR")};
    for (const Case& c : cases)
    {
        c.prepare();
        std::map<QString, QByteArray> before;
        for (const QString& file : c.kept)
            before[file] = Read(Path(file));
        host.shownMessages.clear();
        ASSERT_TRUE(session.SaveCurrentSession(Path(c.desktop))) << c.label;
        for (const auto& [file, content] : before)
            EXPECT_EQ(Read(Path(file)), content) << c.label << ": " << file.toStdString();
        EXPECT_TRUE(host.shownMessages.isEmpty()) << c.label;
        EXPECT_TRUE(Tree(home.Path()).filter(QStringLiteral(".bak")).isEmpty()) << c.label;

        ProgramRun later(Folder(QStringLiteral("x")), 1);
        ASSERT_TRUE(later.session.LoadSession(Path(c.desktop))) << c.label;
        EXPECT_EQ(later.host.Contents(), saved) << c.label;
    }
}

TEST_F(DesktopSessionTest, SavingIsRefusedWhereThePanelFolderCannotBeAFolder)
{
    struct Case
    {
        const char* label;
        QString desktop;
        std::function<void()> prepare;
    };
    const Case cases[] = {
        {"a file named like the folder", QStringLiteral("Notatki.q4s"),
         [this] { Write(Path(QStringLiteral("Notatki")), "notatki"); }},
        {"a link to a folder", QStringLiteral("Link.q4s"),
         [this] { QFile::link(Folder(QStringLiteral("Gdzie indziej")), Path(QStringLiteral("Link"))); }},
        {"a file name with no extension", QStringLiteral("Pulpit"), [] {}},
        {"a file name of an extension only", QStringLiteral(".q4s"), [] {}},
    };
    MakeTwoScreens(host, table, chart);
    for (const Case& c : cases)
    {
        c.prepare();
        const QStringList before = Tree(home.Path());
        host.shownMessages.clear();
        EXPECT_FALSE(session.SaveCurrentSession(Path(c.desktop))) << c.label;
        EXPECT_EQ(Tree(home.Path()).filter(QRegularExpression(QStringLiteral("^(?!Log)"))),
                  before.filter(QRegularExpression(QStringLiteral("^(?!Log)"))))
            << c.label;
        EXPECT_EQ(host.shownMessages.size(), 1) << c.label;
    }
    EXPECT_TRUE(Errors().contains(QStringLiteral("Nie zapisano pulpitu")));
}

TEST_F(DesktopSessionTest, TheLastSessionIsSavedOverADamagedOrMissingPanelFileWithoutAWordAtClose)
{
    const QString folder = AppData() + QStringLiteral("/LastSession");
    const QString panel = folder + QStringLiteral("/Ekran 1.q4s");
    const QString windows = folder + QStringLiteral("/Ekran 1");
    struct Case
    {
        const char* label;
        std::function<void()> damage;
        // What was there and is kept aside, under the backup name.
        QString keptAs;
    };
    const Case cases[] = {
        {"a damaged panel file", [&] { Write(panel, "<?xml version=\"1.0\"?>\r\n<Pan"); }, panel + QStringLiteral(".bak")},
        {"a missing panel file", [&] { QFile::remove(panel); }, QString()},
        {"a file in place of the windows' folder",
         [&] {
             QDir(windows).removeRecursively();
             Write(windows, "nie folder");
         },
         windows + QStringLiteral(".bak")},
    };
    for (const Case& c : cases)
    {
        QDir(folder).removeRecursively();
        for (const QString& old : Tree(AppData()).filter(QStringLiteral(".bak")))
            QFile::remove(AppData() + QLatin1Char('/') + old);
        {
            ProgramRun earlier(AppData(), 1);
            MakeTwoScreens(earlier.host, earlier.table, earlier.chart);
            earlier.host.sessionLoaded = true;
            ASSERT_TRUE(earlier.session.SaveLastSession()) << c.label;
        }
        Write(folder + QStringLiteral("/notatki.txt"), "moje");
        c.damage();
        const QByteArray damaged = c.keptAs.isEmpty() ? QByteArray() : Read(c.keptAs.chopped(4));

        ProgramRun run(AppData(), 1);
        run.session.LoadLastSession();
        // A damaged panel file was told of when the session opened; nothing is asked at close.
        EXPECT_EQ(run.host.shownMessages.size(), c.keptAs == panel + QStringLiteral(".bak") ? 1 : 0) << c.label;
        run.host.shownMessages.clear();
        run.host.AddWindow(*run.host.ActiveScreen(), &run.table, QStringLiteral("Tabela"), QStringLiteral("PZU"));
        const QStringList open = run.host.Contents();
        ASSERT_TRUE(run.session.SaveLastSession()) << c.label;
        EXPECT_TRUE(run.host.shownMessages.isEmpty()) << c.label;
        EXPECT_EQ(Read(folder + QStringLiteral("/notatki.txt")), QByteArray("moje")) << c.label;
        if (!c.keptAs.isEmpty())
        {
            EXPECT_EQ(Read(c.keptAs), damaged) << c.label;
            EXPECT_TRUE(Warnings().contains(c.keptAs)) << c.label;
        }

        ProgramRun next(AppData(), 1);
        next.session.LoadLastSession();
        EXPECT_EQ(next.host.Contents(), open) << c.label;
    }

    // Under a desktop of the user's, what was moved aside is told once.
    Write(Path(QStringLiteral("Moje/Ekran 1.q4s")), "lista zakupów");
    MakeTwoScreens(host, table, chart);
    ASSERT_TRUE(session.SaveCurrentSession(Path(QStringLiteral("Moje.q4s"))));
    EXPECT_EQ(Read(Path(QStringLiteral("Moje/Ekran 1.q4s.bak"))), QByteArray("lista zakupów"));
    ASSERT_EQ(host.shownMessages.size(), 1);
    EXPECT_TRUE(host.shownMessages.front().contains(QStringLiteral("Ekran 1.q4s.bak")));
}

TEST_F(DesktopSessionTest, ADamagedSessionOrPanelFileLosesNoWindowThatCanStillBeRead)
{
    const QString session = AppData() + QStringLiteral("/LastSession.q4s");
    const QString panel = AppData() + QStringLiteral("/LastSession/Ekran 1.q4s");
    QByteArray deep;
    for (int i = 0; i < 20000; ++i)
        deep += "<a>";
    QByteArray random;
    for (int i = 0; i < 4096; ++i)
        random += static_cast<char>((i * 7919 + 13) % 256);
    const std::pair<const char*, std::function<QByteArray(const QByteArray&)>> damages[] = {
        {"truncated", [](const QByteArray& whole) { return whole.left(whole.size() / 2); }},
        {"random bytes", [&](const QByteArray&) { return random; }},
        {"wrong root", [](const QByteArray&) { return QByteArray("<?xml version=\"1.0\"?><Inny><a/></Inny>"); }},
        {"deep nesting", [&](const QByteArray&) { return deep; }},
    };
    const QStringList windows = {QStringLiteral("Tabela 1=KGHM"), QStringLiteral("Tabela 2=PKO"),
                                 QStringLiteral("Wykres=CDR")};
    const auto windowsOf = [](const FakeDesktopHost& frame) {
        QStringList open;
        for (const QString& screen : frame.Contents())
            open += screen.section(QStringLiteral(": "), 1).split(QStringLiteral(", "), Qt::SkipEmptyParts);
        open.sort();
        return open;
    };
    for (const QString& damaged : {session, panel})
    {
        for (const auto& [label, damage] : damages)
        {
            SCOPED_TRACE(QStringLiteral("%1, %2").arg(QFileInfo(damaged).fileName(), QString::fromLatin1(label)).toStdString());
            QDir(AppData()).removeRecursively();
            {
                ProgramRun earlier(AppData(), 1);
                FakeScreen& screen = earlier.host.AddScreen(QStringLiteral("Notowania"));
                earlier.host.AddWindow(screen, &earlier.table, QStringLiteral("Tabela 1"), QStringLiteral("KGHM"));
                earlier.host.AddWindow(screen, &earlier.table, QStringLiteral("Tabela 2"), QStringLiteral("PKO"));
                earlier.host.AddWindow(screen, &earlier.chart, QStringLiteral("Wykres"), QStringLiteral("CDR"));
                earlier.host.sessionLoaded = true;
                ASSERT_TRUE(earlier.session.SaveLastSession());
            }
            const QByteArray written = damage(Read(damaged));
            Write(damaged, written);

            ProgramRun run(AppData(), 1);
            run.session.LoadLastSession();
            EXPECT_EQ(windowsOf(run.host), windows);
            ASSERT_EQ(run.host.shownMessages.size(), 1);
            EXPECT_TRUE(run.host.shownMessages.front().contains(QDir::toNativeSeparators(damaged)));
            EXPECT_TRUE(Errors().contains(damaged));
            ASSERT_TRUE(run.session.SaveLastSession());
            EXPECT_EQ(Read(damaged + QStringLiteral(".bak")), written);

            ProgramRun next(AppData(), 1);
            next.session.LoadLastSession();
            EXPECT_EQ(windowsOf(next.host), windows);
            EXPECT_TRUE(next.host.shownMessages.isEmpty());
        }
    }
}

TEST_F(DesktopSessionTest, AWindowFileThatCannotBeOpenedIsKeptAsACopyThroughLaterSaves)
{
    const QString windows = AppData() + QStringLiteral("/LastSession/Ekran 1");
    const QString damaged = windows + QStringLiteral("/TableModule/Tabela 1.q4sTB");
    {
        ProgramRun earlier(AppData(), 1);
        FakeScreen& screen = earlier.host.AddScreen(QStringLiteral("Notowania"));
        earlier.host.AddWindow(screen, &earlier.table, QStringLiteral("Tabela 1"), QStringLiteral("KGHM"));
        earlier.host.AddWindow(screen, &earlier.chart, QStringLiteral("Wykres"), QStringLiteral("CDR"));
        earlier.host.sessionLoaded = true;
        ASSERT_TRUE(earlier.session.SaveLastSession());
    }
    ASSERT_TRUE(Write(damaged, "zepsuty"));
    // Once with the panel file whole, once with it damaged too: the window folder is read then.
    for (const bool panelDamaged : {false, true})
    {
        SCOPED_TRACE(panelDamaged ? "panel file damaged" : "panel file whole");
        if (panelDamaged)
            ASSERT_TRUE(Write(windows + QStringLiteral(".q4s"), "zepsuty"));
        for (int run = 0; run < 2; ++run)
        {
            ProgramRun program(AppData(), 1);
            program.table.strictFiles = true;
            program.session.LoadLastSession();
            EXPECT_EQ(program.host.Contents(), QStringList{QStringLiteral("Notowania: Wykres=CDR")});
            ASSERT_TRUE(program.session.SaveLastSession());
            EXPECT_EQ(Read(damaged + QStringLiteral(".bak")), QByteArray("zepsuty")) << run;
            EXPECT_FALSE(QFileInfo::exists(damaged + QStringLiteral(".bak2"))) << run;
        }
    }
    EXPECT_TRUE(Warnings().contains(damaged + QStringLiteral(".bak")));
}

// On a real full disk, and on a file system mounted read-only; a small one in memory, which
// needs the right to mount one.
TEST_F(DesktopSessionTest, ALastSessionThatCannotBeWrittenIsToldWithWhereAndWhy)
{
    QTemporaryDir mountPoint;
    const QByteArray target = QFile::encodeName(mountPoint.path());
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no right to mount a small file system";
    struct Unmount
    {
        ~Unmount() { ::umount(path.constData()); }
        QByteArray path;
    } unmount{target};
    const QString filler = mountPoint.filePath(QStringLiteral("wypełnienie"));
    {
        QFile file(filler);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (file.write(block) == block.size())
        {
        }
    }
    const auto saveOneScreen = [&] {
        ProgramRun run(mountPoint.path(), 1);
        FakeScreen& screen = run.host.AddScreen(QStringLiteral("Notowania"));
        run.host.AddWindow(screen, &run.table, QStringLiteral("Tabela"), QStringLiteral("KGHM"));
        run.host.sessionLoaded = true;
        EXPECT_FALSE(run.session.SaveLastSession());
        return run.host.shownMessages;
    };
    const QStringList full = saveOneScreen();
    ASSERT_EQ(full.size(), 1);
    EXPECT_TRUE(full.front().contains(QStringLiteral("LastSession.q4s")));
    EXPECT_TRUE(full.front().contains(QStringLiteral("brak wolnego miejsca na dysku")));

    ASSERT_TRUE(QFile::remove(filler));
    ASSERT_EQ(::mount("tmpfs", target.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
    const QStringList readOnly = saveOneScreen();
    ASSERT_EQ(readOnly.size(), 1);
    EXPECT_TRUE(readOnly.front().contains(QStringLiteral("system plików z katalogiem")));
    EXPECT_FALSE(readOnly.front().contains(QStringLiteral("plik jest tylko do odczytu")));
}

TEST_F(DesktopSessionTest, SavingAgainReplacesTheFolderItMadeAndOldSessionsFolders)
{
    // A folder laid out by an earlier version of the program is recognised as well.
    const QString path = Path(QStringLiteral("Pulpit.q4s"));
    for (const QString& file : Tree(Fixture(QStringLiteral("good/version0"))))
    {
        const QString source = Fixture(QStringLiteral("good/version0/") + file);
        if (QFileInfo(source).isFile())
            Write(Path(file), Read(source));
    }
    host.screensLimit = 3;
    MakeTwoScreens(host, table, chart);
    ASSERT_TRUE(session.SaveCurrentSession(path));
    EXPECT_TRUE(Tree(Path(QStringLiteral("Pulpit"))).contains(QStringLiteral("Notowania/TableModule/Tabela 2.q4sTB")));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("Pulpit/Ekran 1.q4s"))));

    // One screen and one window fewer: their files go.
    host.CloseAllPanels();
    FakeScreen& screen = host.AddScreen(QStringLiteral("Notowania"));
    host.AddWindow(screen, &table, QStringLiteral("Tabela 1"), QStringLiteral("KGHM"));
    ASSERT_TRUE(session.SaveCurrentSession(path));
    EXPECT_EQ(Tree(Path(QStringLiteral("Pulpit"))),
              QStringList({QStringLiteral("Notowania"), QStringLiteral("Notowania.q4s"),
                           QStringLiteral("Notowania/TableModule"), QStringLiteral("Notowania/TableModule/Tabela 1.q4sTB")}));
    EXPECT_TRUE(Tree(home.Path()).filter(QStringLiteral(".Pulpit.")).isEmpty());
}

TEST_F(DesktopSessionTest, TheEarlierSaveStaysWholeUntilTheNewOneIsComplete)
{
    const QString path = Path(QStringLiteral("Pulpit.q4s"));
    const QString windowFile = Path(QStringLiteral("Pulpit/Ekran 1/TableModule/Tabela 1.q4sTB"));
    FakeScreen& screen = host.AddScreen(QStringLiteral("Ekran 1"));
    host.AddWindow(screen, &table, QStringLiteral("Tabela 1"), QStringLiteral("stary"));
    ASSERT_TRUE(session.SaveCurrentSession(path));
    const QByteArray earlierDesktop = Read(path);

    // Were the program to stop while the windows are written, the earlier save is all there.
    host.CloseAllPanels();
    host.AddWindow(host.AddScreen(QStringLiteral("Ekran 1")), &table, QStringLiteral("Tabela 1"), QStringLiteral("nowy"));
    int checks = 0;
    table.beforeSave = [&](const QString& file) {
        EXPECT_NE(file, windowFile);
        EXPECT_EQ(Read(windowFile), QByteArray("Tabela 1\nstary"));
        EXPECT_EQ(Read(path), earlierDesktop);
        ++checks;
    };
    ASSERT_TRUE(session.SaveCurrentSession(path));
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(Read(windowFile), QByteArray("Tabela 1\nnowy"));

    // A desktop file that cannot be written keeps its panels: they go back in place.
    table.beforeSave = nullptr;
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    host.CloseAllPanels();
    host.AddWindow(host.AddScreen(QStringLiteral("Ekran 1")), &table, QStringLiteral("Tabela 1"), QStringLiteral("trzeci"));
    EXPECT_FALSE(session.SaveCurrentSession(path));
    EXPECT_EQ(Read(windowFile), QByteArray("Tabela 1\nnowy"));
    EXPECT_TRUE(Tree(home.Path()).filter(QStringLiteral(".Pulpit.")).isEmpty());
}

TEST_F(DesktopSessionTest, ASaveWhenTheSystemSessionEndsLeavesTheClosingSaveToWin)
{
    host.screensLimit = 3;
    MakeTwoScreens(host, table, chart);
    host.sessionLoaded = true;
    // The end of the system session was asked for and then cancelled; the user goes on.
    ASSERT_TRUE(session.SaveLastSession());
    host.AddWindow(host.AddScreen(QStringLiteral("Nowy")), &chart, QStringLiteral("Wykres 2"), QStringLiteral("PZU"));
    const QStringList later = host.Contents();
    ASSERT_TRUE(session.SaveLastSession());

    ProgramRun next(AppData());
    next.session.LoadLastSession();
    EXPECT_EQ(next.host.Contents(), later);
}
