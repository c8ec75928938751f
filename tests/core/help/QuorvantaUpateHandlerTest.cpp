#include "core/help/QuorvantaUpateHandler.h"
#include "tests/core/help/ExecutableFolderFixture.h"
#include "tests/core/help/RecordingHelpHost.h"
#include "tests/support/ui/FakeShellService.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
struct Mode
{
    const char* name;
    std::function<void(IUpdatesHandler&)> run;
    const char* argument;
    bool toldToUser;
};

const Mode kModes[] = {
    {"check", [](IUpdatesHandler& handler) { handler.CheckForUpdates(); }, "/check", true},
    {"hidden", [](IUpdatesHandler& handler) { handler.UpdateHidden(); }, "/hidden", false},
    {"ask", [](IUpdatesHandler& handler) { handler.AskToUpdate(); }, "/asktoupdate", false},
};

class QuorvantaUpateHandlerTest : public ExecutableFolderFixture
{
protected:
    RecordingHelpHost host;
    std::shared_ptr<FakeShellService> shell = std::make_shared<FakeShellService>();
    QuorvantaUpateHandler handler{host, shell};
};
}

TEST_F(QuorvantaUpateHandlerTest, EachModeStartsTheUpdaterBesideTheExecutableWithExactlyItsArgument)
{
    WriteFile(QStringLiteral("Updater"), "#!/bin/sh\n", true);
    for (const Mode& mode : kModes)
    {
        SCOPED_TRACE(mode.name);
        shell = std::make_shared<FakeShellService>();
        QuorvantaUpateHandler updater(host, shell);
        mode.run(updater);
        ASSERT_EQ(shell->StartedProcesses().size(), 1u);
        const FakeShellService::Started& started = shell->StartedProcesses()[0];
        EXPECT_EQ(started.program, PathOf(QStringLiteral("Updater")));
        EXPECT_EQ(started.arguments, QStringList{QString::fromLatin1(mode.argument)});
        EXPECT_EQ(started.workingFolder, Folder());
    }
    EXPECT_TRUE(host.warnings.isEmpty());
    EXPECT_TRUE(host.messageBoxes.isEmpty());
}

TEST_F(QuorvantaUpateHandlerTest, AMissingUpdaterIsToldToTheUserWhoAskedAndLoggedOtherwise)
{
    // A file that cannot run counts as missing.
    WriteFile(QStringLiteral("Updater"), "tekst", false);
    const QString expected = QStringLiteral("Nie znaleziono programu aktualizującego \"%1\".").arg(PathOf(QStringLiteral("Updater")));
    for (const Mode& mode : kModes)
    {
        SCOPED_TRACE(mode.name);
        host.warnings.clear();
        host.messageBoxes.clear();
        mode.run(handler);
        EXPECT_TRUE(shell->StartedProcesses().empty());
        if (mode.toldToUser)
        {
            EXPECT_EQ(host.messageBoxes, QStringList{expected});
            EXPECT_TRUE(host.warnings.isEmpty());
        }
        else
        {
            EXPECT_TRUE(host.messageBoxes.isEmpty());
            EXPECT_EQ(host.warnings, QStringList{QStringLiteral("Quorvanta 4|QuorvantaUpateHandler::RunUpdater|") + expected});
        }
    }
}

TEST_F(QuorvantaUpateHandlerTest, AnUpdaterThatDoesNotStartIsReportedToo)
{
    WriteFile(QStringLiteral("Updater"), "#!/bin/sh\n", true);
    shell->SetSucceeds(false);
    handler.CheckForUpdates();
    EXPECT_EQ(host.messageBoxes, QStringList{QStringLiteral("Nie udało się uruchomić programu aktualizującego \"%1\".")
                                                 .arg(PathOf(QStringLiteral("Updater")))});
}
