#include "app/MediatorSettingsQ4Classic.h"
#include "core/mediator/AppMediator.h"
#include "core/settings/AlertsGeneralSettingsGroup.h"
#include "core/settings/GeneralSettingsGroupManagerBase.h"
#include "core/settings/GlobalSettingsQ4Classic.h"
#include "platform/modules/ProviderBase.h"
#include "platform/settings/Settings.h"
#include "tests/app/ClassicAppFixture.h"

#include <QFile>
#include <QFileInfo>

#include <map>

class MediatorSettingsQ4ClassicTest : public ClassicAppFixture
{
protected:
    // The groups of the general settings manager by id.
    std::map<unsigned, GeneralSettingsGroupManagerBase*> Groups() const
    {
        std::map<unsigned, GeneralSettingsGroupManagerBase*> groups;
        for (GeneralSettingsManager::CConstIterator it(Settings().GetGeneralSettingsManager()); it.IsNotEnd(); it.Next())
            groups[it.Key()] = it.Value().get();
        return groups;
    }

    static QString Globals(const QString& key) { return std::as_const(*ReadGlobals())[key].ToString(); }
};

TEST_F(MediatorSettingsQ4ClassicTest, AFirstStartMakesTheGlobalsFromTheFactoryFileAndRegistersTheGroups)
{
    ASSERT_TRUE(Start());
    GlobalSettingsQ4Classic* globals = Settings().GetGlobalSettings();
    ASSERT_NE(globals, nullptr);
    EXPECT_EQ(Mediator().GetGlobalSettingsObject(), globals);
    EXPECT_EQ(globals->GetGlobalInteger(), 32);

    const std::map<unsigned, GeneralSettingsGroupManagerBase*> groups = Groups();
    ASSERT_TRUE(groups.contains(GlobalSettingsQ4Classic::kGroupId));
    EXPECT_EQ(groups.at(GlobalSettingsQ4Classic::kGroupId), globals);
    ASSERT_TRUE(groups.contains(AlertsGeneralSettingsGroup::kGroupId));
    EXPECT_NE(dynamic_cast<AlertsGeneralSettingsGroup*>(groups.at(AlertsGeneralSettingsGroup::kGroupId)), nullptr);

    // The factory file names the feed as the time source; the feed became the default provider.
    ProviderBase* feed = Mediator().GetDefaultProvider();
    EXPECT_TRUE(Settings().IsTimeSourceProvider(feed));
    EXPECT_FALSE(Settings().IsTimeSourceProvider(nullptr));
    Exit();

    EXPECT_EQ(Globals(QStringLiteral("DataVersion")), QStringLiteral("4.2.210.1"));
    EXPECT_EQ(Globals(QStringLiteral("DefaultProviderName")), QStringLiteral("Kelvora OnLine"));
    EXPECT_EQ(Globals(QStringLiteral("TimeSourceProvider")), QStringLiteral("Kelvora OnLine"));
    const QString log = LogText();
    EXPECT_TRUE(log.contains(QStringLiteral("Wczytano ustawienia globalne"))) << log.toStdString();
    EXPECT_FALSE(log.contains(QStringLiteral("Program działa bez"))) << log.toStdString();
}

TEST_F(MediatorSettingsQ4ClassicTest, TheStoredDefaultProviderChoosesItAndItsOwnSpellingIsStored)
{
    WriteGlobals({{QStringLiteral("DataVersion"), QStringLiteral("4.2.210.1")},
                  {QStringLiteral("DefaultProviderName"), QStringLiteral("KELVORA online")}});
    ASSERT_TRUE(Start());
    EXPECT_EQ(Settings().GetDefaultProviderName(), QStringLiteral("Kelvora OnLine"));
    Exit();
    EXPECT_EQ(Globals(QStringLiteral("DefaultProviderName")), QStringLiteral("Kelvora OnLine"));
}

TEST_F(MediatorSettingsQ4ClassicTest, ADamagedGlobalsFileFallsBackToTheFactoryValuesAndIsKeptAsACopy)
{
    const QByteArray damaged = QByteArrayLiteral("<Globals><n k=\"PulpitTab\" v=");
    {
        QFile file(GlobalsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    ASSERT_TRUE(Start());
    // The factory file's time source, not the damaged file's nothing.
    EXPECT_TRUE(Settings().IsTimeSourceProvider(Mediator().GetDefaultProvider()));
    Exit();

    QFile copy(GlobalsPath() + QStringLiteral(".bak"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), damaged);
    EXPECT_EQ(Globals(QStringLiteral("DataVersion")), QStringLiteral("4.2.210.1"));
    const QString log = LogText();
    EXPECT_TRUE(log.contains(QStringLiteral("Nie można odczytać pliku ustawień"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("zachowano jako"))) << log.toStdString();
}

TEST_F(MediatorSettingsQ4ClassicTest, ProviderSettingsAreUpgradedOnceTheDataVersionChanged)
{
    const struct
    {
        const char* storedVersion;
        bool upgraded;
    } cases[] = {{"4.1.0.0", true}, {"4.2.210.1", false}, {"4.1.58.0", false}};
    for (const auto& testCase : cases)
    {
        WriteGlobals({{QStringLiteral("DataVersion"), QString::fromLatin1(testCase.storedVersion)}});
        ASSERT_TRUE(Start()) << testCase.storedVersion;
        ::Settings providerSettings;
        EXPECT_EQ(Mediator().UpgradeProviderSettings(providerSettings, QStringLiteral("Kelvora OnLine")), testCase.upgraded)
            << testCase.storedVersion;
        EXPECT_EQ(providerSettings.Exists(QStringLiteral("IPCluster2")), testCase.upgraded) << testCase.storedVersion;
        Exit();
        EXPECT_EQ(Globals(QStringLiteral("DataVersion")), QStringLiteral("4.2.210.1")) << testCase.storedVersion;
    }
}
