#include "core/settings/DataVersionUpdater.h"
#include "platform/settings/Settings.h"
#include "tests/core/mediator/MediatorFixture.h"
#include "tests/core/settings/TestSettingsGroup.h"

class AppMediatorDataVersionTest : public MediatorFixture
{
protected:
    // The updater of the run, after it ran over globals whose stored data version is the text.
    std::shared_ptr<DataVersionUpdater> RunOver(const QString& storedVersion)
    {
        TestSettingsGroup globals;
        Settings node;
        node[QStringLiteral("DataVersion")] = storedVersion;
        EXPECT_TRUE(globals.SaveCurrentSettingsNode(node));
        std::shared_ptr<DataVersionUpdater> updater = mediator->GetDataVersionUpdater();
        updater->Run(globals);
        TakePluginEvents();
        return updater;
    }
};

TEST_F(AppMediatorDataVersionTest, TheFactoryMakesTheUpdaterOnceOnTheFirstCall)
{
    Make();
    EXPECT_FALSE(TakePluginEvents().contains(QStringLiteral("Factory:CreateDataVersionUpdater")));
    const std::shared_ptr<DataVersionUpdater> first = mediator->GetDataVersionUpdater();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(mediator->GetDataVersionUpdater(), first);
    EXPECT_EQ(TakePluginEvents(), QStringList{QStringLiteral("Factory:CreateDataVersionUpdater")});
}

TEST_F(AppMediatorDataVersionTest, ProviderSettingsAreUpgradedOnlyAfterAChangeOfTheDataVersion)
{
    Make();
    // Data of this version, or data that stores none (an installation), change nothing.
    for (const QString& stored : {QStringLiteral("4.2.210.1"), QStringLiteral("4.1.58.0")})
    {
        ASSERT_FALSE(RunOver(stored)->IsVersionChanged()) << stored.toStdString();
        Settings node;
        EXPECT_FALSE(mediator->UpgradeProviderSettings(node, QStringLiteral("Kelvora OnLine")));
        EXPECT_FALSE(node.Exists(QStringLiteral("IPCluster2")));
        EXPECT_TRUE(TakePluginEvents().isEmpty());
    }
}

TEST_F(AppMediatorDataVersionTest, AfterAChangeBothProviderStepsRunAndEitherAnswersForTheUpgrade)
{
    Make();
    std::shared_ptr<DataVersionUpdater> updater = RunOver(QStringLiteral("4.1.0.0"));
    ASSERT_TRUE(updater->IsVersionChanged());

    Settings online;
    EXPECT_TRUE(mediator->UpgradeProviderSettings(online, QStringLiteral("Kelvora OnLine")));
    EXPECT_EQ(std::as_const(online)[QStringLiteral("IPCluster2")].ToString(),
              QString::fromUtf8(DataVersionUpdater::kOnLineClusterAddress));
    EXPECT_EQ(TakePluginEvents(), (QStringList{QStringLiteral("DataVersionUpdater:UpdateProviderSettings(Kelvora OnLine)"),
                                               QStringLiteral("DataVersionUpdater:UpdateOnLineProviderSettings(Kelvora OnLine)")}));

    Settings other;
    EXPECT_FALSE(mediator->UpgradeProviderSettings(other, QStringLiteral("Inny Dostawca")));
    static_cast<RecordingDataVersionUpdater&>(*updater).providerStepAnswer = true;
    EXPECT_TRUE(mediator->UpgradeProviderSettings(other, QStringLiteral("Inny Dostawca")));
    EXPECT_FALSE(other.Exists(QStringLiteral("IPCluster2")));
}
