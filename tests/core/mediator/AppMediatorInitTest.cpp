#include "core/engine/BLProvidersManager.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/ProviderBase.h"
#include "tests/core/mediator/MediatorFixture.h"

class AppMediatorInitTest : public MediatorFixture
{
};

TEST_F(AppMediatorInitTest, InitRunsItsStepsInOrderAndTheModuleLibrariesGetTheSeriesAfterTheyLoad)
{
    AddProviders({QStringLiteral("provider_good")});
    Make();
    ASSERT_TRUE(mediator->Init());

    EXPECT_EQ(TakePluginEvents(), (QStringList{QStringLiteral("Factory:CreateConsumerManager"),
                                               QStringLiteral("Settings:CreateGlobalSettings"),
                                               QStringLiteral("Cloud:made"),
                                               QStringLiteral("Testowy Dostawca:Accept(Testowy Dostawca)"),
                                               QStringLiteral("AlertModule:made"),
                                               QStringLiteral("SessionStatistics:made"),
                                               QStringLiteral("OrdersSheet:made"),
                                               QStringLiteral("Settings:AddGroup"),
                                               QStringLiteral("Settings:AddGroup"),
                                               QStringLiteral("Settings:AddGroup"),
                                               QStringLiteral("Settings:SetDefaultProviderName(Testowy Dostawca)"),
                                               QStringLiteral("Settings:ApplyTimeSourceProvider")}));
    // The cloud alerts' page joins the dialog after the local alerts'.
    EXPECT_EQ(settings->groups, (std::vector{settings->globalsGroup, alertModule->group, cloud->group}));
    EXPECT_EQ(PluginBase::GetAppMediator(), mediator);
    EXPECT_EQ(TestConsumers::Instance().chart.seriesCount, 43);
    EXPECT_EQ(mediator->GetDefaultProvider()->GetName(), QStringLiteral("Testowy Dostawca"));
}

TEST_F(AppMediatorInitTest, AModuleLibrarysGroupIsRegisteredAsTheLibrarysNotAsTheProgramsOwn)
{
    AddProviders({QStringLiteral("provider_good")});
    TestConsumers::Instance().chart.settingsGroup = MakeSettingsGroupToken();
    Make();
    ASSERT_TRUE(mediator->Init());
    EXPECT_EQ(settings->libraryGroups, (std::vector{TestConsumers::Instance().chart.settingsGroup}));
    EXPECT_EQ(settings->groups, (std::vector{settings->globalsGroup, alertModule->group, cloud->group}));
}

TEST_F(AppMediatorInitTest, WithoutTheAlertModuleTheLocalAlertsGroupOfTheSettingsFollowsTheGlobals)
{
    AddProviders({QStringLiteral("provider_good")});
    makesAlertModule = false;
    Make();
    ASSERT_TRUE(mediator->Init());
    EXPECT_EQ(settings->groups, (std::vector{settings->globalsGroup, settings->localAlertsGroup, cloud->group}));
}

TEST_F(AppMediatorInitTest, WithoutAnyProviderInitFailsWithOneClearLogLine)
{
    Make();
    EXPECT_FALSE(mediator->Init());

    const QStringList events = TakePluginEvents();
    EXPECT_FALSE(events.contains(QStringLiteral("Settings:ApplyTimeSourceProvider")));
    const QString log = folder.LogText();
    EXPECT_EQ(log.count(QStringLiteral("BŁĄD")), 1) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("Nie ma domyślnego dostawcy danych")));
    EXPECT_TRUE(log.contains(folder.Path(QStringLiteral("Providers"), QString())));
}

TEST_F(AppMediatorInitTest, TheStoredDefaultNameChoosesAmongTheProviders)
{
    AddProviders({QStringLiteral("provider_good"), QStringLiteral("provider_second")});
    settings->defaultProviderName = QStringLiteral("DRUGI dostawca");
    Make();
    ASSERT_TRUE(mediator->Init());
    EXPECT_EQ(mediator->GetDefaultProvider()->GetName(), QStringLiteral("Drugi Dostawca"));
    EXPECT_EQ(settings->defaultProviderName, QStringLiteral("Drugi Dostawca"));
}

TEST_F(AppMediatorInitTest, WithoutSettingsTheFirstProviderIsTheDefaultAndTheLogSaysSo)
{
    AddProviders({QStringLiteral("provider_good")});
    settings.reset();
    Make();
    ASSERT_TRUE(mediator->Init());
    EXPECT_EQ(mediator->GetDefaultProvider()->GetName(), QStringLiteral("Testowy Dostawca"));
    EXPECT_TRUE(folder.LogText().contains(QStringLiteral("Program działa bez ustawień ogólnych")));
}

TEST_F(AppMediatorInitTest, GlobalSettingsThatCannotBeMadeStopInitBeforeAnyPlugInLoads)
{
    AddProviders({QStringLiteral("provider_good")});
    settings->createAnswer = false;
    Make();
    EXPECT_FALSE(mediator->Init());
    EXPECT_EQ(mediator->GetProvidersManager()->GetProviders().size(), 0u);
}

TEST_F(AppMediatorInitTest, DestroyInstanceReleasesTheGlobalSettingsFirstAndASecondCallIsHarmless)
{
    MakeInitialised();
    AppMediator::DestroyInstance();
    const QStringList events = TakePluginEvents();
    ASSERT_FALSE(events.isEmpty());
    EXPECT_EQ(events.front(), QStringLiteral("Settings:ReleaseGlobalSettings"));
    EXPECT_TRUE(events.contains(QStringLiteral("Testowy Dostawca:ShutDown")));
    EXPECT_EQ(AppMediator::Instance(), nullptr);

    AppMediator::DestroyInstance();
    EXPECT_EQ(AppMediator::Instance(), nullptr);
    EXPECT_TRUE(TakePluginEvents().isEmpty());
}

TEST_F(AppMediatorInitTest, ASecondCreateAnswersTheMediatorThatExists)
{
    AppMediator& first = Make();
    AppMediatorSetup other;
    other.factory = std::make_shared<TestFactory>();
    EXPECT_EQ(AppMediator::Create(std::move(other)), &first);
}
