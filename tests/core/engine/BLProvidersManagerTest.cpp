#include "core/engine/BLProvidersManager.h"
#include "platform/modules/ProviderBase.h"
#include "tests/core/engine/PluginFolder.h"
#include "tests/core/plugins/PluginEvents.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

namespace
{
const QString kGood = QStringLiteral("Testowy Dostawca");
const QString kSecond = QStringLiteral("Drugi Dostawca");
}

class BLProvidersManagerTest : public ::testing::Test
{
protected:
    BLProvidersManagerTest() { TakePluginEvents(); }
    ~BLProvidersManagerTest() override { TakePluginEvents(); }

    void AddBothGood()
    {
        folder.Add(QStringLiteral("Providers"), QStringLiteral("provider_good"), QStringLiteral("a_good.so"));
        folder.Add(QStringLiteral("Providers"), QStringLiteral("provider_second"), QStringLiteral("b_second.so"));
    }

    TempHome home;
    PluginFolder folder;
    QStringList written;
    BLProvidersManager::DefaultNameWriter writer = [this](const QString& name) { written.append(name); };
};

TEST_F(BLProvidersManagerTest, KeepsProvidersThatAcceptTheirSettingsStoreAndSkipsTheOthers)
{
    folder.Add(QStringLiteral("Providers"), QStringLiteral("provider_good"));
    const QStringList skipped = {QStringLiteral("provider_refusing"), QStringLiteral("provider_null"),
                                 QStringLiteral("provider_no_export"), QStringLiteral("provider_other_version")};
    for (const QString& plugin : skipped)
        folder.Add(QStringLiteral("Providers"), plugin);
    {
        BLProvidersManager manager(writer);
        EXPECT_TRUE(manager.Load());
        ASSERT_EQ(manager.GetProviders().size(), 1u);
        EXPECT_EQ(manager.GetProvidersNames(), std::vector<QString>{kGood});
        EXPECT_EQ(manager.FindProvider(QStringLiteral("TESTOWY dostawca")), manager.GetProviders().front());
        EXPECT_EQ(manager.FindProvider(QStringLiteral("Odmawiający Dostawca")), nullptr);
        EXPECT_EQ(manager.GetLibraryCount(), 1u);
        // Each is offered a store named after it; the refusing one says no.
        EXPECT_EQ(TakePluginEvents(), (QStringList{QStringLiteral("Testowy Dostawca:Accept(Testowy Dostawca)"),
                                                   QStringLiteral("Odmawiający Dostawca:Accept(Odmawiający Dostawca)")}));
    }
    // Not shut down by hand: the manager does it before it frees the library.
    EXPECT_EQ(TakePluginEvents(), (QStringList{kGood + QStringLiteral(":StopWork"), kGood + QStringLiteral(":ShutDown")}));

    const QString log = folder.LogText();
    for (const QString& plugin : skipped)
        EXPECT_TRUE(log.contains(QStringLiteral("Pominięto bibliotekę \"%1\"")
                                     .arg(folder.Path(QStringLiteral("Providers"), plugin + QStringLiteral(".so")))))
            << plugin.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("Wczytano dostawcę danych Testowy Dostawca")));
}

TEST_F(BLProvidersManagerTest, ASecondProviderOfTheSameNameIsSkipped)
{
    folder.Add(QStringLiteral("Providers"), QStringLiteral("provider_good"), QStringLiteral("a.so"));
    folder.Add(QStringLiteral("Providers"), QStringLiteral("provider_good"), QStringLiteral("b.so"));
    BLProvidersManager manager(writer);
    manager.Load();
    EXPECT_EQ(manager.GetProvidersNames(), std::vector<QString>{kGood});
    EXPECT_TRUE(folder.LogText().contains(
        QStringLiteral("\"%1\": dostawca danych o nazwie Testowy Dostawca już jest")
            .arg(folder.Path(QStringLiteral("Providers"), QStringLiteral("b.so")))));
}

TEST_F(BLProvidersManagerTest, AMissingFolderLoadsNothing)
{
    BLProvidersManager manager(writer);
    EXPECT_TRUE(manager.Load());
    EXPECT_TRUE(manager.GetProviders().empty());
    EXPECT_FALSE(manager.SetDefaultProviderByName(kGood));
    EXPECT_EQ(manager.GetDefaultProvider(), nullptr);
    EXPECT_TRUE(written.isEmpty());
}

TEST_F(BLProvidersManagerTest, TheDefaultProviderFollowsTheStoredName)
{
    const struct
    {
        const char* stored;
        QString expected;
    } cases[] = {
        {"testowy DOSTAWCA", kGood},   // the provider's own spelling is stored
        {"drugi dostawca", kSecond},
        {"Nieznany", kGood},           // no match: the first loaded
        {"", kGood},
    };
    AddBothGood();
    for (const auto& c : cases)
    {
        written.clear();
        BLProvidersManager manager(writer);
        manager.Load();
        ASSERT_TRUE(manager.SetDefaultProviderByName(QString::fromUtf8(c.stored)));
        ASSERT_NE(manager.GetDefaultProvider(), nullptr);
        EXPECT_EQ(manager.GetDefaultProvider()->GetName(), c.expected) << c.stored;
        EXPECT_EQ(written, QStringList{c.expected}) << c.stored;

        // Choosing the default again, by any spelling or directly, writes nothing.
        EXPECT_TRUE(manager.SetDefaultProviderByName(c.expected.toUpper()));
        manager.SetDefaultProvider(manager.FindProvider(c.expected));
        EXPECT_EQ(written, QStringList{c.expected}) << c.stored;
    }
}

TEST_F(BLProvidersManagerTest, ChoosingAnotherProviderStoresItsName)
{
    AddBothGood();
    BLProvidersManager manager(writer);
    manager.Load();
    manager.SetDefaultProviderByName(kGood);
    manager.SetDefaultProvider(manager.FindProvider(kSecond));
    manager.SetDefaultProvider(nullptr);
    EXPECT_EQ(written, (QStringList{kGood, kSecond, QString()}));
    EXPECT_EQ(manager.GetDefaultProvider(), nullptr);
}
