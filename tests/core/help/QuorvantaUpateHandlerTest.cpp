#include "core/help/QuorvantaUpateHandler.h"
#include "platform/base/Log.h"
#include "tests/core/help/ExecutableFolderFixture.h"
#include "tests/support/ui/FakeMessageBoxService.h"
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
    void SetUp() override
    {
        ExecutableFolderFixture::SetUp();
        ASSERT_TRUE(Log::Init(PathOf(QStringLiteral("log/Log.txt"))));
    }
    void TearDown() override
    {
        Log::Close();
        ExecutableFolderFixture::TearDown();
    }

    QString Warnings() const
    {
        QFile file(PathOf(QStringLiteral("log/LogWarning.txt")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    std::shared_ptr<FakeShellService> shell = std::make_shared<FakeShellService>();
    std::shared_ptr<FakeMessageBoxService> messageBox = std::make_shared<FakeMessageBoxService>();
    QuorvantaUpateHandler handler{shell, messageBox};
};
}

TEST_F(QuorvantaUpateHandlerTest, EachModeStartsTheUpdaterBesideTheExecutableWithExactlyItsArgument)
{
    WriteFile(QStringLiteral("Updater"), "#!/bin/sh\n", true);
    for (const Mode& mode : kModes)
    {
        SCOPED_TRACE(mode.name);
        shell = std::make_shared<FakeShellService>();
        QuorvantaUpateHandler updater(shell, messageBox);
        mode.run(updater);
        ASSERT_EQ(shell->StartedProcesses().size(), 1u);
        const FakeShellService::Started& started = shell->StartedProcesses()[0];
        EXPECT_EQ(started.program, PathOf(QStringLiteral("Updater")));
        EXPECT_EQ(started.arguments, QStringList{QString::fromLatin1(mode.argument)});
        EXPECT_EQ(started.workingFolder, Folder());
    }
    EXPECT_TRUE(messageBox->Boxes().empty());
    EXPECT_TRUE(Warnings().isEmpty());
}

TEST_F(QuorvantaUpateHandlerTest, AMissingUpdaterIsToldToTheUserWhoAskedAndLoggedOtherwise)
{
    // A file that cannot run counts as missing.
    WriteFile(QStringLiteral("Updater"), "tekst", false);
    const QString expected = QStringLiteral("Nie znaleziono programu aktualizującego \"%1\".").arg(PathOf(QStringLiteral("Updater")));
    for (const Mode& mode : kModes)
    {
        SCOPED_TRACE(mode.name);
        const std::size_t boxesBefore = messageBox->Boxes().size();
        const int warningsBefore = Warnings().count(expected);
        mode.run(handler);
        EXPECT_TRUE(shell->StartedProcesses().empty());
        if (mode.toldToUser)
        {
            ASSERT_EQ(messageBox->Boxes().size(), boxesBefore + 1);
            EXPECT_EQ(messageBox->Boxes().back().text, expected);
            EXPECT_EQ(messageBox->Boxes().back().caption, QStringLiteral("Quorvanta 4"));
            EXPECT_EQ(Warnings().count(expected), warningsBefore);
        }
        else
        {
            EXPECT_EQ(messageBox->Boxes().size(), boxesBefore);
            EXPECT_EQ(Warnings().count(expected), warningsBefore + 1);
        }
    }
    EXPECT_TRUE(Warnings().contains(QStringLiteral("QuorvantaUpateHandler::RunUpdater")));
}

TEST_F(QuorvantaUpateHandlerTest, AnUpdaterThatDoesNotStartIsReportedToo)
{
    WriteFile(QStringLiteral("Updater"), "#!/bin/sh\n", true);
    shell->SetSucceeds(false);
    handler.CheckForUpdates();
    ASSERT_EQ(messageBox->Boxes().size(), 1u);
    EXPECT_EQ(messageBox->Boxes()[0].text, QStringLiteral("Nie udało się uruchomić programu aktualizującego \"%1\".")
                                               .arg(PathOf(QStringLiteral("Updater"))));
}
