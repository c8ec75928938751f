#include "core/help/HelpQ4Classic.h"
#include "tests/support/ui/FakeMessageBoxService.h"
#include "tests/support/ui/FakeShellService.h"

#include <gtest/gtest.h>

TEST(HelpQ4ClassicTest, OpensTheOnlineHelpAndTellsTheAddressWhenNoBrowserDoes)
{
    auto shell = std::make_shared<FakeShellService>();
    auto messageBox = std::make_shared<FakeMessageBoxService>();
    HelpQ4Classic help(shell, messageBox);

    help.ShowHelp();
    ASSERT_EQ(shell->OpenedUrls().size(), 1u);
    EXPECT_EQ(shell->OpenedUrls()[0], QUrl(QString::fromLatin1(HelpQ4Classic::kHelpAddress)));
    EXPECT_TRUE(messageBox->Boxes().empty());

    shell->SetSucceeds(false);
    help.ShowHelp();
    ASSERT_EQ(messageBox->Boxes().size(), 1u);
    EXPECT_EQ(messageBox->Boxes()[0].caption, QStringLiteral("Quorvanta 4"));
    EXPECT_TRUE(messageBox->Boxes()[0].text.contains(QString::fromLatin1(HelpQ4Classic::kHelpAddress)));
}
