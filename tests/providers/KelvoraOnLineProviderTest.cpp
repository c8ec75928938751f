#include "core/engine/BLProvidersManager.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/base/ThreadEvent.h"
#include "platform/modules/AlertEventGenerate.h"
#include "platform/modules/AlertReceiver.h"
#include "platform/modules/CurrentState.h"
#include "platform/modules/IQuotesReceiver.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/ProviderBase.h"
#include "platform/modules/SeriesIds.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsManager.h"
#include "providers/simfeed/KelvoraOnLineProvider.h"
#include "providers/simfeed/SimCalendar.h"
#include "providers/simfeed/SimFeedOptions.h"
#include "tests/support/FakeAppMediator.h"
#include "tests/support/SimSessionClock.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <gtest/gtest.h>

namespace
{
class FirstQuote : public IQuotesReceiver
{
public:
    void OnQuote(const Asset& asset, const CurrentState& state) override
    {
        if (quotes++ == 0)
        {
            price = state.GetDouble(SeriesIds::kPrice);
            arrived.Set();
        }
    }

    std::atomic<int> quotes = 0;
    double price = 0.0;
    ThreadEvent arrived;
};

class LatestPrice : public IQuotesReceiver
{
public:
    void OnQuote(const Asset&, const CurrentState& state) override { price.store(state.GetDouble(SeriesIds::kPrice)); }

    std::atomic<double> price = 0.0;
};

class CountingAlertReceiver : public AlertReceiver
{
public:
    void OnAlertEvent(const AlertEventGenerate& event) override
    {
        alertId.store(event.alertId);
        events.fetch_add(1);
        arrived.Set();
    }
    void OnAlertsModified() override {}
    QString GetReceiverText() const override { return QString(); }

    std::atomic<int> events = 0;
    std::atomic<std::int32_t> alertId = 0;
    ThreadEvent arrived;
};

// The executable folder of the build: "Providers" holds the real plug-in.
class KelvoraOnLineProviderTest : public ::testing::Test
{
protected:
    KelvoraOnLineProviderTest()
    {
        AppPaths::SetExecutableFolder(TestPaths::BinFolder());
        Log::Init(QDir(home.Path()).filePath(QStringLiteral("Log.txt")));
    }
    ~KelvoraOnLineProviderTest() override
    {
        Log::Close();
        AppPaths::SetExecutableFolder(QString());
    }

    QString LogText() const
    {
        QFile file(QDir(home.Path()).filePath(QStringLiteral("Log.txt")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TempHome home;
};
}

TEST_F(KelvoraOnLineProviderTest, LoadsFromTheProvidersFolderAndTicksOnItsOwnThread)
{
    BLProvidersManager manager;
    ASSERT_TRUE(manager.Load());
    ProviderBase* provider = manager.FindProvider(QStringLiteral("kelvora online"));
    ASSERT_NE(provider, nullptr);
    EXPECT_EQ(provider->GetName(), QStringLiteral("Kelvora OnLine"));
    EXPECT_TRUE(provider->IsRunning());
    EXPECT_TRUE(provider->HasNotifyPane());
    EXPECT_TRUE(LogText().contains(QStringLiteral("Wczytano dostawcę danych Kelvora OnLine")));

    const std::vector<Asset> assets = provider->GetAllAssets();
    ASSERT_GE(assets.size(), 40u);
    QSet<QString> markets;
    for (const Asset& asset : assets)
    {
        EXPECT_EQ(asset.GetProvider(), provider);
        markets.insert(asset.GetMarket());
    }
    EXPECT_GE(markets.size(), 3);
    EXPECT_FALSE(provider->GetAssetSeries(assets.front()).empty());
    EXPECT_TRUE(provider->GetAssetSeries(Asset(provider, {}, QStringLiteral("NIEMA"), {}, {})).empty());

    // A receiver gets the instrument's state at once, also while the session is closed.
    FirstQuote receiver;
    for (const Asset& asset : assets)
        ASSERT_TRUE(provider->AddQuotesReceiver(&receiver, asset));
    ASSERT_TRUE(receiver.arrived.WaitFor(std::chrono::seconds(5)));
    EXPECT_GT(receiver.price, 0.0);
    const QDateTime now = QDateTime::currentDateTime();
    if (SimCalendar::IsOpen(now.date(), now.time().addSecs(-1)) && SimCalendar::IsOpen(now.date(), now.time().addSecs(5)))
    {
        NDateTime last;
        for (int wait = 0; wait < 100 && !provider->GetLastTime(last); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_TRUE(last.IsValid());
        EXPECT_TRUE(provider->GetSessionStateText().isEmpty());
    }
    else if (!SimCalendar::IsOpen(now.date(), now.time()))
        EXPECT_TRUE(provider->GetSessionStateText().startsWith(QStringLiteral("Sesja zamknięta")));

    provider->StopWork();
    EXPECT_FALSE(provider->IsRunning());
    const int quotes = receiver.quotes.load();
    for (const Asset& asset : assets)
        EXPECT_TRUE(provider->RemoveQuotesReceiver(&receiver, asset));
    EXPECT_EQ(receiver.quotes.load(), quotes);
    manager.ShutDown();
    EXPECT_FALSE(provider->AddQuotesReceiver(&receiver, assets.front()));
}

// Two cloud alerts on either side of the price the provider's first evaluation sees: the next
// move of the price crosses one of them, and the provider pushes its event. The provider's
// clock keeps its market in a session.
TEST_F(KelvoraOnLineProviderTest, PushesTheEventsOfTheUsersCloudAlertsToTheRegisteredReceiver)
{
    KelvoraOnLineProvider kelvora(SessionClock());
    ASSERT_TRUE(kelvora.AcceptSettingsManager(nullptr));
    ProviderBase* provider = &kelvora;
    const Asset asset = provider->GetAllAssets().front();
    LatestPrice quotes;
    ASSERT_TRUE(provider->AddQuotesReceiver(&quotes, asset));
    for (int wait = 0; wait < 200 && quotes.price.load() == 0.0; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_GT(quotes.price.load(), 0.0);

    std::once_flag levelTaken;
    std::atomic<double> level = 0.0;
    CountingAlertReceiver receiver;
    ASSERT_TRUE(provider->SetAlertReceiver(&receiver, [&] {
        std::call_once(levelTaken, [&] { level.store(quotes.price.load()); });
        const CloudAlertSideCondition above{true, 1, 0, level.load()};
        const CloudAlertSideCondition below{true, 1, 1, level.load()};
        return std::vector<CloudAlertCondition>{{7, asset.GetIsin(), false, above, {}}, {8, asset.GetIsin(), false, {}, below}};
    }));
    ASSERT_TRUE(receiver.arrived.WaitFor(std::chrono::seconds(20)));
    EXPECT_TRUE(receiver.alertId.load() == 7 || receiver.alertId.load() == 8);

    ASSERT_TRUE(provider->SetAlertReceiver(nullptr, nullptr));
    const int events = receiver.events.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_EQ(receiver.events.load(), events);
    EXPECT_TRUE(provider->RemoveQuotesReceiver(&quotes, asset));
    provider->StopWork();
    provider->ShutDown();
    EXPECT_FALSE(provider->SetAlertReceiver(&receiver, nullptr));
}

TEST_F(KelvoraOnLineProviderTest, TakesItsRateAndSeedFromItsSettingsStore)
{
    SettingsManager store(QStringLiteral("Kelvora OnLine"));
    Settings& feed = *store.GetSettings(SimFeedOptions::kTreeName, false);
    feed[QStringLiteral("Seed")] = QStringLiteral("77");
    feed[QStringLiteral("TickIntervalMs")] = QStringLiteral("5");   // below the shortest interval
    feed[QStringLiteral("TicksPerStep")] = QStringLiteral("many");
    ASSERT_TRUE(store.Save(SimFeedOptions::kTreeName));

    BLProvidersManager manager;
    manager.Load();
    ASSERT_NE(manager.FindProvider(QStringLiteral("Kelvora OnLine")), nullptr);
    const QString log = LogText();
    EXPECT_TRUE(log.contains(QStringLiteral("ziarno 77, 10 ms, 8 tików na krok"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("TickIntervalMs = \"5\" (przyjęto 10)")));
    EXPECT_TRUE(log.contains(QStringLiteral("TicksPerStep = \"many\" (przyjęto 8)")));
}

// The plug-in reaches the application through the same plug-in base as the program: it logs
// through the mediator the program gave, and reports its last quote time while it is the
// application's time source.
TEST_F(KelvoraOnLineProviderTest, ReachesTheApplicationThroughTheMediator)
{
    FakeAppMediator mediator;
    PluginBase::Init(&mediator);
    {
        BLProvidersManager manager;
        manager.Load();
        ProviderBase* provider = manager.FindProvider(QStringLiteral("Kelvora OnLine"));
        ASSERT_NE(provider, nullptr);
        const QStringList info = mediator.Lines().filter(QStringLiteral("INFO|Kelvora OnLine|"));
        EXPECT_EQ(info.filter(QStringLiteral("Notowania symulowane:")).size(), 1) << info.join(QLatin1Char('\n')).toStdString();
        // Without a cloud account in its settings the provider leaves the cloud link off, and says so.
        EXPECT_EQ(info.filter(QStringLiteral("Łącze z Chmurą wyłączone: ustawienia dostawcy nie podają adresu serwera Chmury.")).size(), 1);

        provider->NotifyLastTimeChanged(true);
        for (int wait = 0; wait < 100 && mediator.lastQuoteTimeReports.load() == 0; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_GT(mediator.lastQuoteTimeReports.load(), 0);
        EXPECT_EQ(mediator.lastQuoteTimeProvider.load(), provider);

        provider->NotifyLastTimeChanged(false);
        provider->StopWork();
        const int reports = mediator.lastQuoteTimeReports.load();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_EQ(mediator.lastQuoteTimeReports.load(), reports);
        manager.ShutDown();
    }
    PluginBase::NullifyAppMediator();
}

// Outside the session hours the market stands still: a receiver gets the instrument's state and
// no trade, and the provider tells the status bar the session is closed.
TEST_F(KelvoraOnLineProviderTest, SaysTheSessionIsClosedOutsideItsHours)
{
    FakeAppMediator mediator;
    PluginBase::Init(&mediator);
    {
        const NDateTime saturday(QDateTime(QDate(2026, 12, 12), QTime(12, 0)));
        KelvoraOnLineProvider provider([saturday] { return saturday; });
        ASSERT_TRUE(provider.AcceptSettingsManager(nullptr));
        provider.NotifyLastTimeChanged(true);
        FirstQuote quotes;
        ASSERT_TRUE(provider.AddQuotesReceiver(&quotes, provider.GetAllAssets().front()));
        ASSERT_TRUE(quotes.arrived.WaitFor(std::chrono::seconds(5)));
        for (int wait = 0; wait < 100 && mediator.lastQuoteTimeReports.load() == 0; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_GT(mediator.lastQuoteTimeReports.load(), 0);
        EXPECT_EQ(provider.GetSessionStateText(), QStringLiteral("Sesja zamknięta"));
        EXPECT_TRUE(provider.GetDescription().endsWith(QStringLiteral("sesje w dni robocze 9:00–17:00")));
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        EXPECT_EQ(quotes.quotes.load(), 1) << "no trade";
        NDateTime last;
        EXPECT_FALSE(provider.GetLastTime(last));
        EXPECT_TRUE(provider.RemoveQuotesReceiver(&quotes, provider.GetAllAssets().front()));
        provider.StopWork();
        provider.ShutDown();
    }
    PluginBase::NullifyAppMediator();
}

TEST(SimFeedOptionsTest, RoundTripThroughASettingsTree)
{
    SimFeedOptions options;
    options.seed = 123456;
    options.tickInterval = std::chrono::milliseconds(40);
    options.ticksPerStep = 25;
    options.statisticsEverySteps = 0;
    options.cloudAddress = QStringLiteral("https://chmura.test/rest/");
    options.cloudLogin = QStringLiteral("jan");
    options.cloudPassword = QStringLiteral("tajne hasło");
    Settings node;
    options.ToSettings(node);
    // The password is kept enciphered.
    EXPECT_FALSE(node[QStringLiteral("CloudPassword")].ToString().isEmpty());
    EXPECT_FALSE(node[QStringLiteral("CloudPassword")].ToString().contains(QStringLiteral("tajne")));
    QStringList problems;
    EXPECT_EQ(SimFeedOptions::FromSettings(node, &problems), options);
    EXPECT_TRUE(problems.isEmpty());
    EXPECT_EQ(SimFeedOptions::FromSettings(Settings::InvalidVariable()), SimFeedOptions());
    EXPECT_FALSE(SimFeedOptions().HasCloudAccount());
}
