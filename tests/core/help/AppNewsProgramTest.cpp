#include "core/help/AppNewsProgram.h"
#include "tests/core/help/ExecutableFolderFixture.h"
#include "tests/core/help/RecordingHelpHost.h"
#include "tests/support/FakeProvider.h"
#include "tests/support/ui/FakeShellService.h"

#include <gtest/gtest.h>

namespace
{
const QString kInfoFile = QStringLiteral("InstallSettings/Quorvanta 4/VersionInfo.xml");

class NewsProvider : public FakeProvider
{
public:
    NewsProvider()
        : FakeProvider(QStringLiteral("Kelvora OnLine"))
    {
    }
    int GetAppNewsNumber() override { return number; }
    int number = 3;
};

class AppNewsProgramTest : public ExecutableFolderFixture
{
protected:
    void SetUp() override
    {
        ExecutableFolderFixture::SetUp();
        host.runningProviders[QStringLiteral("Kelvora OnLine")] = &provider;
    }

    NewsProvider provider;
    RecordingHelpHost host;
    std::shared_ptr<FakeShellService> shell = std::make_shared<FakeShellService>();
    AppNewsProgram news{host, shell};
};
}

TEST_F(AppNewsProgramTest, StartsTheNamedProgramWithVersionNumberAndModeAsSeparateArguments)
{
    CopyFixture(QStringLiteral("good/VersionInfo.xml"), kInfoFile);
    EXPECT_TRUE(news.RunAppNewsProgram());
    ASSERT_EQ(shell->StartedProcesses().size(), 1u);
    EXPECT_EQ(shell->StartedProcesses()[0].program, PathOf(QStringLiteral("AppNews")));
    EXPECT_EQ(shell->StartedProcesses()[0].arguments,
              (QStringList{QStringLiteral("4.2.210.1 beta"), QStringLiteral("3"), QStringLiteral("NORMAL")}));
    EXPECT_EQ(AppNewsInfoPath(QStringLiteral("InstallSettings"), QStringLiteral("Quorvanta 4")), PathOf(kInfoFile));
}

TEST_F(AppNewsProgramTest, NothingStartsWithoutNewsOrWithoutTheRunningProvider)
{
    CopyFixture(QStringLiteral("good/VersionInfo.xml"), kInfoFile);
    provider.number = 0;
    EXPECT_FALSE(news.RunAppNewsProgram());
    EXPECT_EQ(news.Info().AppNewsFileName, QStringLiteral("AppNews")) << "the file is read all the same";

    provider.number = 3;
    host.runningProviders.clear();
    EXPECT_FALSE(news.RunAppNewsProgram());

    host.runningProviders[QStringLiteral("Kelvora OnLine")] = &provider;
    CopyFixture(QStringLiteral("good/VersionInfo-no-version.xml"), kInfoFile);
    EXPECT_FALSE(news.RunAppNewsProgram()) << "both texts are needed";
    EXPECT_TRUE(shell->StartedProcesses().empty());
}

TEST_F(AppNewsProgramTest, AFileThatCannotBeReadStartsNothingAndKeepsTheTextsReadBefore)
{
    CopyFixture(QStringLiteral("good/VersionInfo.xml"), kInfoFile);
    provider.number = 0;
    news.RunAppNewsProgram();
    provider.number = 3;

    const char* unreadable[] = {"broken/VersionInfo-truncated.xml", "broken/VersionInfo-other-root.xml", nullptr};
    for (const char* fixture : unreadable)
    {
        SCOPED_TRACE(fixture ? fixture : "missing");
        if (fixture)
            CopyFixture(QString::fromLatin1(fixture), kInfoFile);
        else
            QFile::remove(PathOf(kInfoFile));
        EXPECT_FALSE(news.RunAppNewsProgram());
        EXPECT_EQ(news.Info().AppNewsFileName, QStringLiteral("AppNews"));
        EXPECT_EQ(news.Info().AppNewsVersionId, QStringLiteral("4.2.210.1 beta"));
    }
    EXPECT_TRUE(shell->StartedProcesses().empty());
}

TEST_F(AppNewsProgramTest, ANewsProgramThatDoesNotStartIsLogged)
{
    CopyFixture(QStringLiteral("good/VersionInfo.xml"), kInfoFile);
    shell->SetSucceeds(false);
    EXPECT_FALSE(news.RunAppNewsProgram());
    EXPECT_EQ(host.warnings, QStringList{QStringLiteral("Quorvanta 4|AppNewsProgram::RunAppNewsProgram|"
                                                        "Nie udało się uruchomić programu nowości \"%1\".")
                                             .arg(PathOf(QStringLiteral("AppNews")))});
}
