#include "app/SessionStatisticsQ4Classic.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IMainFrame.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/IAlertArgumentSource.h"
#include "platform/modules/ISessionStatisticsModule.h"
#include "tests/app/ClassicAppFixture.h"

#include <QWidget>

#include <algorithm>

class SessionStatisticsQ4ClassicTest : public ClassicAppFixture
{
};

TEST_F(SessionStatisticsQ4ClassicTest, TheMediatorHoldsTheModuleWithItsNameArgumentsAndFiles)
{
    ASSERT_TRUE(Start());
    AppMediator& mediator = Mediator();
    auto* module = dynamic_cast<SessionStatisticsQ4Classic*>(mediator.GetModuleByName(QStringLiteral("SessionStatistics")));
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(mediator.GetModuleByName(QStringLiteral("sessionstatistics")), nullptr);
    EXPECT_EQ(mediator.GetSessionStatisticsInterface(), &module->GetModule());
    EXPECT_EQ(module->GetQ5ModuleName(), QStringLiteral("SessionStatistics"));
    EXPECT_EQ(module->GetQ5FileExtension(), QStringLiteral(".q5SS"));

    std::vector<IGenericModule*> fileModules;
    mediator.GetWindowFileModules(fileModules);
    EXPECT_NE(std::find(fileModules.begin(), fileModules.end(), module), fileModules.end());

    IAlertArgumentSource* source = mediator.GetAlertArgumentSourceByName(QStringLiteral("SessionStatistics"));
    ASSERT_EQ(source, &module->GetModule());
    const auto argument = [](std::uint32_t id) {
        return AlertExprArgDesc(QStringLiteral("SessionStatistics"), id, QString(), QString());
    };
    EXPECT_TRUE(source->IsArgumentValid(argument(23)));
    EXPECT_FALSE(source->IsArgumentValid(argument(4)));

    // The window is made in the program's panel and shown; a second toggle hides it.
    ISessionStatisticsModule* statistics = mediator.GetSessionStatisticsInterface();
    statistics->ToggleWindow();
    ASSERT_NE(statistics->GetWindow(), nullptr);
    EXPECT_NE(statistics->GetWindow()->parentWidget(), nullptr);
    EXPECT_TRUE(statistics->IsWindowVisible());
    statistics->ToggleWindow();
    EXPECT_FALSE(statistics->IsWindowVisible());

    App().GetPulpitFrame()->GetWindow()->close();
    EXPECT_EQ(mediator.GetSessionStatisticsInterface(), nullptr);
    EXPECT_EQ(mediator.GetModuleByName(QStringLiteral("SessionStatistics")), nullptr);
}
