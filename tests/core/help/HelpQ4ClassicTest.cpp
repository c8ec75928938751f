#include "core/help/HelpQ4Classic.h"
#include "tests/core/help/RecordingHelpHost.h"
#include "tests/support/ui/FakeShellService.h"

#include <gtest/gtest.h>

TEST(HelpQ4ClassicTest, OpensTheOnlineHelpAndTellsTheAddressWhenNoBrowserDoes)
{
    RecordingHelpHost host;
    auto shell = std::make_shared<FakeShellService>();
    HelpQ4Classic help(host, shell);

    help.ShowHelp();
    ASSERT_EQ(shell->OpenedUrls().size(), 1u);
    EXPECT_EQ(shell->OpenedUrls()[0], QUrl(QString::fromLatin1(HelpQ4Classic::kHelpAddress)));
    EXPECT_TRUE(host.messageBoxes.isEmpty());

    shell->SetSucceeds(false);
    help.ShowHelp();
    ASSERT_EQ(host.messageBoxes.size(), 1);
    EXPECT_TRUE(host.messageBoxes[0].contains(QString::fromLatin1(HelpQ4Classic::kHelpAddress)));
}
