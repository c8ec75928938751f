#include "core/help/VersionInfoManager.h"
#include "tests/core/help/ExecutableFolderFixture.h"
#include "tests/core/help/RecordingHelpHost.h"
#include "tests/support/ui/FakeShellService.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
class VersionInfoManagerTest : public ExecutableFolderFixture
{
protected:
    VersionInfoManager& manager = VersionInfoManager::Instance();
};
}

TEST_F(VersionInfoManagerTest, TheServerComesFromTheFirstLineThatStartsWithThePrefix)
{
    struct Case
    {
        const char* name;
        const char* content;
        const char* server;
    };
    const Case cases[] = {
        {"no file", nullptr, ""},
        {"plain", "URL=http://x\n", "http://x"},
        {"after other lines", "[Client]\nName=Jan\r\nURL=https://serwer.example\r\n", "https://serwer.example"},
        {"indented", "  URL=http://x\n", ""},
        {"first wins", "URL=http://a\nURL=http://b\n", "http://a"},
        {"prefix inside the address stays", "URL=http://x/?returnURL=y\n", "http://x/?returnURL=y"},
        {"lower case", "url=http://x\n", ""},
        {"no such line", "Server=http://x\n", ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        QFile::remove(PathOf(QStringLiteral("ClientDetails.ini")));
        if (c.content)
            WriteFile(QStringLiteral("ClientDetails.ini"), c.content);
        EXPECT_EQ(manager.ReadServerAddress(), QString::fromLatin1(c.server));
    }
}

TEST_F(VersionInfoManagerTest, ThePageAddressHasTheVersionAFullTimeStampAndThePanelMark)
{
    EXPECT_TRUE(manager.BuildPageAddress(false, 1700000000).isEmpty()) << "no server, no address";

    WriteFile(QStringLiteral("ClientDetails.ini"), "URL=https://serwer.example\n");
    EXPECT_EQ(manager.BuildPageAddress(false, 1700000000),
              QStringLiteral("https://serwer.example/ShowChangesDetails.php?version=4.2.210.1&t=1700000000"));
    EXPECT_EQ(manager.BuildPageAddress(true, 4102444800),
              QStringLiteral("https://serwer.example/ShowChangesDetails.php?version=4.2.210.1&t=4102444800&addview=1"))
        << "times after 2038 are not cut to 32 bits";
    EXPECT_EQ(VersionInfoManager::GetCaption(), QStringLiteral("Nowości"));
}

TEST_F(VersionInfoManagerTest, TheBrowserGetsThePageOnlyWhenThereIsAnAddress)
{
    FakeShellService shell;
    EXPECT_FALSE(manager.OpenPageInBrowser(shell));
    EXPECT_TRUE(shell.OpenedUrls().empty());

    WriteFile(QStringLiteral("ClientDetails.ini"), "URL=https://serwer.example\n");
    EXPECT_TRUE(manager.OpenPageInBrowser(shell));
    ASSERT_EQ(shell.OpenedUrls().size(), 1u);
    const QString opened = shell.OpenedUrls()[0].toString();
    EXPECT_TRUE(opened.startsWith(QStringLiteral("https://serwer.example/ShowChangesDetails.php?version=4.2.210.1&t=")));
    EXPECT_FALSE(opened.contains(QStringLiteral("addview")));
}

TEST(IsProgramVersionChangedTest, NoUpdaterOrAFailureCountsAsUnchanged)
{
    RecordingHelpHost host;
    EXPECT_FALSE(IsProgramVersionChanged(host));
    host.dataVersionUpdater = []() -> std::shared_ptr<DataVersionUpdater> { throw std::runtime_error("awaria"); };
    EXPECT_FALSE(IsProgramVersionChanged(host));
}
