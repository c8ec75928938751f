#include "tests/workspace/engine/DesktopFixture.h"
#include "workspace/engine/DesktopSession.h"
#include "workspace/engine/StagedDesktopSave.h"

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace
{
// One run of the program: its frame and modules.
struct Program
{
    Program()
    {
        states.Add(tables);
        states.Add(charts);
    }

    FakeDesktopHost frame;
    FakeModule tables{frame, QStringLiteral("TableModule"), QStringLiteral(".q4sTB")};
    FakeModule charts{frame, QStringLiteral("ChartModule"), QStringLiteral(".q4sCH")};
    FakeDesktopModules states;
};
}

// A save killed at any moment: the program is a child process that ends at once, with no
// clean-up, at the point the test chooses; the next start must find the earlier desktop or
// the new one, whole, and no hidden folder of the save left behind.
class InterruptedDesktopSaveTest : public DesktopFixture
{
protected:
    QString AppData() const { return Folder(QStringLiteral(".local/share/Quorvanta 4")); }

    // The session of one screen with a table, and a chart only in the earlier one.
    void SaveSession(const QString& state, bool withChart)
    {
        Program run;
        FakeScreen& screen = run.frame.AddScreen(QStringLiteral("Notowania"));
        run.frame.AddWindow(screen, &run.tables, QStringLiteral("Tabela"), state);
        if (withChart)
            run.frame.AddWindow(screen, &run.charts, QStringLiteral("Wykres"), state);
        run.frame.Activate(screen);
        run.frame.sessionLoaded = true;
        if (killWhileWindowsAreWritten)
            run.tables.beforeSave = [](const QString&) { ::_exit(3); };
        DesktopSession(run.frame, run.states, AppData()).SaveLastSession();
    }

    // Saves the new session in a child process that ends before the rename numbered stopAt of
    // the commit; true when it ended there (or while writing the windows).
    bool SaveKilledAt(int stopAt)
    {
        const pid_t child = ::fork();
        if (child == 0)
        {
            StagedDesktopSave::SetRenameHook([stopAt](int done) {
                if (done == stopAt)
                    ::_exit(3);
            });
            SaveSession(QStringLiteral("nowy"), false);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 3;
    }

    QStringList HiddenFolders() const
    {
        const QStringList folders = QDir(AppData()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        return folders.filter(QStringLiteral(".LastSession."));
    }

    QStringList StartAndRestore()
    {
        Program run;
        DesktopSession(run.frame, run.states, AppData()).LoadLastSession();
        return run.frame.Contents();
    }

    bool killWhileWindowsAreWritten = false;
};

TEST_F(InterruptedDesktopSaveTest, ACommittedSaveIsFinishedAtTheNextStartWhereverItWasKilled)
{
    const QStringList earlier = {QStringLiteral("Notowania: Tabela=stary, Wykres=stary")};
    const QStringList later = {QStringLiteral("Notowania: Tabela=nowy")};
    bool completed = false;
    for (int stopAt = 0; !completed; ++stopAt)
    {
        QDir(AppData()).removeRecursively();
        SaveSession(QStringLiteral("stary"), true);
        ASSERT_EQ(StartAndRestore(), earlier);

        completed = !SaveKilledAt(stopAt);
        EXPECT_EQ(HiddenFolders().size(), completed ? 0 : 1) << stopAt;
        EXPECT_EQ(StartAndRestore(), later) << stopAt;
        EXPECT_TRUE(HiddenFolders().isEmpty()) << stopAt;
        // Nothing of the earlier save is left in the panel folder.
        EXPECT_FALSE(QFileInfo::exists(AppData() + QStringLiteral("/LastSession/Ekran 1/ChartModule"))) << stopAt;
        if (!completed)
        {
            EXPECT_TRUE(Warnings().contains(QStringLiteral("Dokończono przerwany zapis pulpitu"))) << stopAt;
        }
        ASSERT_LT(stopAt, 20);
    }
}

TEST_F(InterruptedDesktopSaveTest, ASaveKilledBeforeItsCommitLeavesTheEarlierDesktopAndIsCleanedAtStart)
{
    const QStringList earlier = {QStringLiteral("Notowania: Tabela=stary, Wykres=stary")};
    SaveSession(QStringLiteral("stary"), true);
    killWhileWindowsAreWritten = true;
    ASSERT_TRUE(SaveKilledAt(-1));
    ASSERT_EQ(HiddenFolders().size(), 1);

    EXPECT_EQ(StartAndRestore(), earlier);
    EXPECT_TRUE(HiddenFolders().isEmpty());
    EXPECT_TRUE(Warnings().contains(QStringLiteral("Usunięto katalog przerwanego zapisu pulpitu")));
}
