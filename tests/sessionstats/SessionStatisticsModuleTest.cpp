// The module and its window: making and toggling the window, the panes, the feed that follows
// the window's show and hide steps, and the window files.

#include "SessionStatisticsFakes.h"

#include "platform/settings/Settings.h"
#include "sessionstats/engine/SessionStatisticsModule.h"
#include "tests/support/GuiTestApplication.h"
#include "tests/support/TempHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

namespace
{
class SessionStatisticsModuleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        mediator.alerts = &alerts;
        module.SetWindowFactory(Factory());
    }

    SessionStatisticsModule::WindowFactory Factory()
    {
        return [this](SessionStatisticsModule& owner) {
            auto window = std::make_shared<FakeStatisticsWindow>(owner);
            window->createResult = createResult;
            windows.push_back(window);
            return window;
        };
    }

    FakeStatisticsWindow& Window() { return *windows.back(); }
    bool Processed() { return module.GetDisplayData().revision > 0; }
    QString PathOf(const QString& name) const { return QDir(home.Path()).filePath(name); }

    TempHome home;
    FakeSessionStatisticsMediator mediator;
    StatisticsProvider provider;
    FakeAlertModule alerts;
    bool createResult = true;
    std::vector<std::shared_ptr<FakeStatisticsWindow>> windows;
    SessionStatisticsModule module{mediator};
};

// Long enough for a running worker to take statistics, so a paused one is seen not to.
constexpr auto kQuiet = std::chrono::milliseconds(100);
}

TEST_F(SessionStatisticsModuleTest, NamesItsFilesAndExports)
{
    EXPECT_EQ(module.GetModuleName(), QStringLiteral("SessionStatistics"));
    EXPECT_EQ(module.GetFileExtension(), QStringLiteral(".q4SS"));
    EXPECT_TRUE(module.GetFileFilter().isEmpty());
    EXPECT_EQ(module.GetQ5ModuleName(), QStringLiteral("SessionStatistics"));
    EXPECT_EQ(module.GetQ5FileExtension(), QStringLiteral(".q5SS"));
    EXPECT_TRUE(module.IsTopPaneVisible());
    EXPECT_TRUE(module.IsBottomPaneVisible());
}

TEST_F(SessionStatisticsModuleTest, ToggleMakesTheWindowUnderTheMainWindowThenHidesIt)
{
    char mainWindow = 0;
    mediator.mainWindow = reinterpret_cast<QWidget*>(&mainWindow);

    module.ToggleWindow();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(Window().parent, mediator.mainWindow);
    EXPECT_EQ(module.GetWindow(), Window().Widget());
    EXPECT_TRUE(module.IsWindowVisible());

    module.ToggleWindow();
    EXPECT_EQ(windows.size(), 1u);
    EXPECT_FALSE(module.IsWindowVisible());
}

TEST_F(SessionStatisticsModuleTest, AWindowThatCannotBeMadeIsLoggedAndLeavesNothing)
{
    for (bool withFactory : {false, true})
    {
        createResult = false;
        module.SetWindowFactory(withFactory ? Factory() : nullptr);

        module.ToggleWindow();

        EXPECT_EQ(module.GetWindow(), nullptr) << withFactory;
        EXPECT_FALSE(module.IsWindowVisible());
        EXPECT_FALSE(module.SetNewStatistics(MakeStatistics(1))) << "no worker is left";
    }
    EXPECT_EQ(mediator.Errors(),
              QStringList(2, QStringLiteral("Quorvanta 4|SessionStatisticsModule::EnsureWindow|"
                                            "Statystyka Sesji: nie udało sie utworzyć okna statystyk sesji")));
}

TEST_F(SessionStatisticsModuleTest, PanesFlipTheirFlagsAndTheWindowFollows)
{
    module.ToggleTopPane();
    module.ToggleBottomPane();
    EXPECT_FALSE(module.IsTopPaneVisible());
    EXPECT_FALSE(module.IsBottomPaneVisible());

    module.ToggleWindow();
    module.ToggleTopPane();
    module.ToggleBottomPane();

    EXPECT_TRUE(module.IsTopPaneVisible());
    EXPECT_TRUE(module.IsBottomPaneVisible());
    EXPECT_EQ(Window().calls, QStringList({"ShowTopPane(1)", "FitToContent(-1)", "ShowBottomPane(1)",
                                           "FitToContent(-1)"}));
}

TEST_F(SessionStatisticsModuleTest, WithoutARunningProviderTheShownWindowGetsNothing)
{
    module.ToggleWindow();

    EXPECT_EQ(provider.Registrations(), 0);
    // Accepted for the worker, which stays paused.
    EXPECT_TRUE(module.SetNewStatistics(MakeStatistics(1)));
    std::this_thread::sleep_for(kQuiet);
    EXPECT_FALSE(Processed());
}

TEST_F(SessionStatisticsModuleTest, TheFeedRunsWhileTheWindowIsShown)
{
    mediator.provider = &provider;
    module.ToggleWindow();
    ASSERT_TRUE(provider.IsRegistered());

    std::thread([this] { provider.Deliver(MakeStatistics(1, {QStringLiteral("PKO")})); }).join();
    ASSERT_TRUE(WaitUntil([this] { return Processed(); }));

    module.ToggleWindow();
    EXPECT_FALSE(provider.IsRegistered());
    EXPECT_FALSE(provider.Deliver(MakeStatistics(2)));
    // Statistics that still come are kept for the next show.
    EXPECT_TRUE(module.SetNewStatistics(MakeStatistics(3, {QStringLiteral("KGHM")})));
    std::this_thread::sleep_for(kQuiet);
    EXPECT_EQ(module.GetDisplayData().revision, 1u);

    module.ToggleWindow();
    EXPECT_TRUE(provider.IsRegistered());
    ASSERT_TRUE(WaitUntil([this] { return module.GetDisplayData().revision == 2; }));
    EXPECT_EQ(module.GetDisplayData().highest[0].Slot(0).AssetName(), QStringLiteral("KGHM"));
}

TEST_F(SessionStatisticsModuleTest, RepeatedShowsRegisterOnceAndOneHideStopsTheFeed)
{
    mediator.provider = &provider;
    module.ToggleWindow();
    Window().Show();
    Window().Show();
    EXPECT_EQ(provider.Registrations(), 1);

    Window().Hide();

    EXPECT_FALSE(provider.IsRegistered());
    EXPECT_TRUE(module.SetNewStatistics(MakeStatistics(1)));
    std::this_thread::sleep_for(kQuiet);
    EXPECT_FALSE(Processed());
}

TEST_F(SessionStatisticsModuleTest, ADestroyedWindowTakesItsWorkerAlongAndAToggleMakesBothAgain)
{
    mediator.provider = &provider;
    module.ToggleWindow();

    module.OnWindowDestroyed();

    EXPECT_EQ(module.GetWindow(), nullptr);
    EXPECT_FALSE(provider.IsRegistered());
    EXPECT_FALSE(module.SetNewStatistics(MakeStatistics(1)));

    module.ToggleWindow();
    EXPECT_EQ(windows.size(), 2u);
    EXPECT_TRUE(module.IsWindowVisible());
    ASSERT_TRUE(provider.IsRegistered());
    std::thread([this] { provider.Deliver(MakeStatistics(2)); }).join();
    EXPECT_TRUE(WaitUntil([this] { return Processed(); }));
}

TEST_F(SessionStatisticsModuleTest, ShutdownEndsTheFeedForGood)
{
    mediator.provider = &provider;
    module.ToggleWindow();

    module.Shutdown();

    EXPECT_FALSE(provider.IsRegistered());
    EXPECT_FALSE(module.SetNewStatistics(MakeStatistics(1)));
}

TEST_F(SessionStatisticsModuleTest, AWindowFileKeepsThePanesAndTheWindowsState)
{
    module.ToggleWindow();
    module.ToggleTopPane();
    Window().activeTab = 3;
    const QString path = PathOf(QStringLiteral("stats.q4SS"));

    ASSERT_TRUE(module.SaveWindowToFile(Window().Widget(), path, 1, true));

    Settings saved;
    ASSERT_TRUE(saved.LoadFromFile(path, QStringLiteral("SessionStatistics")));
    EXPECT_EQ(saved["TopPaneVisible"].ToInt(), 0);
    EXPECT_EQ(saved["BottomPaneVisible"].ToInt(), 1);
    EXPECT_EQ(saved["ManWindow"]["ActiveTab"].ToInt(), 3);

    FakeSessionStatisticsMediator otherMediator;
    SessionStatisticsModule other(otherMediator);
    other.SetWindowFactory(Factory());
    char parent = 0;
    ASSERT_TRUE(other.OpenWindowFromFile(reinterpret_cast<QWidget*>(&parent), path, true));

    EXPECT_FALSE(other.IsTopPaneVisible());
    EXPECT_TRUE(other.IsBottomPaneVisible());
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(Window().parent, reinterpret_cast<QWidget*>(&parent));
    EXPECT_EQ(Window().activeTab, 3);
    EXPECT_EQ(Window().calls, QStringList({"UnSerializeState(1)"}));
}

TEST_F(SessionStatisticsModuleTest, OnlyTheModulesWindowIsSaved)
{
    const QString path = PathOf(QStringLiteral("stats.q4SS"));
    char other = 0;
    EXPECT_FALSE(module.SaveWindowToFile(nullptr, path, 1, false));
    module.ToggleWindow();

    EXPECT_FALSE(module.SaveWindowToFile(reinterpret_cast<QWidget*>(&other), path, 1, false));
    EXPECT_FALSE(module.SaveWindowToQ5Format(reinterpret_cast<QWidget*>(&other), path, 1, 0));
    EXPECT_FALSE(module.SaveWindowToFile(nullptr, path, 1, false));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(SessionStatisticsModuleTest, AFailedSaveIsReportedAndLogged)
{
    module.ToggleWindow();
    QFile blocker(PathOf(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    EXPECT_FALSE(module.SaveWindowToFile(Window().Widget(), PathOf(QStringLiteral("file/stats.q4SS")), 1, false));

    EXPECT_EQ(mediator.Errors(), QStringList(QStringLiteral("Quorvanta 4|SessionStatisticsModule::SaveWindowToFile|"
                                                            "Statystyka Sesji: nie udało sie zapisać ustawień "
                                                            "statystyk sesji do pliku")));
}

TEST_F(SessionStatisticsModuleTest, AFileWithoutTheWindowsStateMakesNoWindow)
{
    Settings tree;
    tree["TopPaneVisible"] = std::int32_t(0);
    tree["BottomPaneVisible"] = std::int32_t(0);
    const QString path = PathOf(QStringLiteral("panes.q4SS"));
    ASSERT_TRUE(tree.SaveToFile(path, QStringLiteral("SessionStatistics")));

    ASSERT_TRUE(module.OpenWindowFromFile(nullptr, path, false));

    EXPECT_FALSE(module.IsTopPaneVisible());
    EXPECT_FALSE(module.IsBottomPaneVisible());
    EXPECT_TRUE(windows.empty());
    EXPECT_EQ(module.GetWindow(), nullptr);
}

TEST_F(SessionStatisticsModuleTest, AnUnreadableFileIsLoggedAndChangesNothing)
{
    module.ToggleTopPane();
    const QString path = PathOf(QStringLiteral("broken.q4SS"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Settings><n k=\"TopPaneVisible\" v=\"1\">");
    file.close();

    for (const QString& unreadable : {path, PathOf(QStringLiteral("missing.q4SS"))})
        EXPECT_FALSE(module.OpenWindowFromFile(nullptr, unreadable, false)) << unreadable.toStdString();

    EXPECT_FALSE(module.IsTopPaneVisible());
    EXPECT_TRUE(windows.empty());
    EXPECT_EQ(mediator.Errors(),
              QStringList(2, QStringLiteral("Quorvanta 4|SessionStatisticsModule::OpenWindowFromFile|"
                                            "Statystyka Sesji: nie udało sie wczytać ustawień statystyk sesji z "
                                            "pliku")));
}

TEST_F(SessionStatisticsModuleTest, TheExportWritesThePanesAndTheMainWindow)
{
    module.ToggleWindow();
    module.ToggleBottomPane();
    Window().activeTab = 2;
    const QString path = PathOf(QStringLiteral("stats.q5SS"));

    ASSERT_TRUE(module.SaveWindowToQ5Format(Window().Widget(), path, 0, 0));

    Settings exported;
    ASSERT_TRUE(exported.LoadFromFile(path, QStringLiteral("SessionStatistics")));
    EXPECT_EQ(exported["TopPane"].ToInt(), 1);
    EXPECT_EQ(exported["BottomPane"].ToInt(), 0);
    EXPECT_EQ(exported["MainWindow"]["ActiveTab"].ToInt(), 2);
}

// The worker, started paused by a window shown without a provider, takes what waits when the
// provider comes and the window is shown again.
TEST_F(SessionStatisticsModuleTest, StatisticsAfterASessionChangeOutliveTheReset)
{
    module.ToggleWindow();
    module.SetNewStatistics(MakeStatistics(1, {QStringLiteral("OLD")}));
    module.OnSessionChange();
    module.SetNewStatistics(MakeStatistics(2, {QStringLiteral("NEW")}));

    mediator.provider = &provider;
    Window().Show();

    // The newest statistics, the reset, the newest statistics again.
    ASSERT_TRUE(WaitUntil([this] { return module.GetDisplayData().revision == 3; }));
    const SessionStatisticsDisplayData data = module.GetDisplayData();
    EXPECT_EQ(data.highest[0].Slot(0).AssetName(), QStringLiteral("NEW"));
    EXPECT_EQ(data.overall.Data(OverallStatisticsWrapper::eIncrease)->instruments, 2u);
}

TEST_F(SessionStatisticsModuleTest, ASessionChangeDropsTheStatisticsReceivedBefore)
{
    module.ToggleWindow();
    module.SetNewStatistics(MakeStatistics(1, {QStringLiteral("OLD")}));
    module.OnSessionChange();

    mediator.provider = &provider;
    Window().Show();

    ASSERT_TRUE(WaitUntil([this] { return module.GetDisplayData().revision == 1; }));
    std::this_thread::sleep_for(kQuiet);
    const SessionStatisticsDisplayData data = module.GetDisplayData();
    EXPECT_EQ(data.revision, 1u);
    EXPECT_TRUE(data.highest[0].Slot(0).AssetName().isEmpty());
}

// Statistics received while the worker waits for the show each make a pass after it, and each
// pass publishes the newest: an alert on the figures sees one value per statistics received.
TEST_F(SessionStatisticsModuleTest, EachStatisticsReceivedBeforeTheShowIsPublishedAfterIt)
{
    module.ToggleWindow();
    module.AddArgumentUsage(AlertExprArgDesc(QStringLiteral("SessionStatistics"), 1, QStringLiteral("a"), QString()));
    for (std::uint32_t marker = 1; marker <= 3; ++marker)
        EXPECT_TRUE(module.SetNewStatistics(MakeStatistics(marker)));

    mediator.provider = &provider;
    Window().Show();

    ASSERT_TRUE(alerts.WaitForValues(3));
    std::this_thread::sleep_for(kQuiet);
    const std::vector<FakeAlertModule::Received> values = alerts.Values();
    ASSERT_EQ(values.size(), 3u);
    for (const FakeAlertModule::Received& value : values)
        EXPECT_EQ(value.value.Value(), 3.0);
    EXPECT_EQ(module.GetDisplayData().revision, 3u);
}

TEST_F(SessionStatisticsModuleTest, PassesWaitingForTheShowAreBoundedAndTakeTheNewest)
{
    constexpr std::uint64_t kPasses = SessionStatisticsModule::kMaxWaitingPasses;
    constexpr std::uint32_t kReceived = kPasses + 5;
    module.ToggleWindow();
    for (std::uint32_t marker = 1; marker <= kReceived; ++marker)
        EXPECT_TRUE(module.SetNewStatistics(MakeStatistics(marker)));

    mediator.provider = &provider;
    Window().Show();

    ASSERT_TRUE(WaitUntil([this] { return module.GetDisplayData().revision == kPasses; }));
    std::this_thread::sleep_for(kQuiet);
    SessionStatisticsDisplayData data = module.GetDisplayData();
    EXPECT_EQ(data.revision, kPasses);
    EXPECT_EQ(data.overall.Data(OverallStatisticsWrapper::eIncrease)->instruments, kReceived);
    // Once they ran, statistics make passes again.
    EXPECT_TRUE(module.SetNewStatistics(MakeStatistics(kReceived + 1)));
    ASSERT_TRUE(WaitUntil([this] { return module.GetDisplayData().revision == kPasses + 1; }));
    data = module.GetDisplayData();
    EXPECT_EQ(data.overall.Data(OverallStatisticsWrapper::eIncrease)->instruments, kReceived + 1);
}

TEST_F(SessionStatisticsModuleTest, RepaintsReachTheWindowOnTheMainThreadOncePerWait)
{
    GuiTestApplication::Ensure();
    module.ToggleWindow();
    module.SetNewStatistics(MakeStatistics(1));
    module.OnSessionChange();
    module.SetNewStatistics(MakeStatistics(2));
    mediator.provider = &provider;
    Window().Show();
    // Three passes while the main thread takes no events: one repaint waits for it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (module.GetDisplayData().revision < 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(module.GetDisplayData().revision, 3u);
    EXPECT_EQ(Window().refreshes, 0);

    QCoreApplication::processEvents();

    EXPECT_EQ(Window().refreshes, 1);
    EXPECT_EQ(Window().refreshedRevision, 3u);
    EXPECT_EQ(Window().refreshThread, std::this_thread::get_id());
}

TEST_F(SessionStatisticsModuleTest, ValuesReachTheAlertModuleFromTheWorkerWhileOthersRead)
{
    constexpr std::uint32_t kDeliveries = 2000;
    mediator.provider = &provider;
    module.ToggleWindow();
    module.AddArgumentUsage(AlertExprArgDesc(QStringLiteral("SessionStatistics"), 1, QStringLiteral("a"), QString()));

    std::thread feed([this] {
        for (std::uint32_t marker = 1; marker <= kDeliveries; ++marker)
        {
            provider.Deliver(MakeStatistics(marker, InstrumentNames(12, QStringLiteral("M%1-").arg(marker % 7))));
            if (marker % 500 == 0)
                provider.DeliverSessionChange();
        }
        provider.Deliver(MakeStatistics(kDeliveries + 1, {QStringLiteral("LAST")}));
    });
    // The alert module registers and drops arguments on its own thread meanwhile.
    std::thread alertsThread([this] {
        const AlertExprArgDesc argument(QStringLiteral("SessionStatistics"), 12, QStringLiteral("b"), QString());
        for (int i = 0; i < 500; ++i)
        {
            module.AddArgumentUsage(argument);
            module.RemoveArgumentUsage(argument);
        }
    });
    const bool shown = WaitUntil([this] {
        return module.GetDisplayData().highest[0].Slot(0).AssetName() == QStringLiteral("LAST");
    });
    const std::thread::id feedThread = feed.get_id();
    feed.join();
    alertsThread.join();

    ASSERT_TRUE(shown);
    ASSERT_TRUE(WaitUntil([this] {
        const std::vector<FakeAlertModule::Received> values = alerts.Values();
        return !values.empty() && values.back().value.Value() == kDeliveries + 1;
    }));
    for (const FakeAlertModule::Received& value : alerts.Values())
    {
        EXPECT_NE(value.thread, std::this_thread::get_id());
        EXPECT_NE(value.thread, feedThread);
    }
}

TEST_F(SessionStatisticsModuleTest, AFeedKeptForTheWholeRunOutlivesTheWindow)
{
    mediator.provider = &provider;
    module.KeepFeedForWholeRun(true);
    ASSERT_TRUE(module.Initialise());
    module.OnWindowShown();
    ASSERT_TRUE(provider.IsRegistered());

    std::thread([this] { provider.Deliver(MakeStatistics(1)); }).join();
    module.ToggleWindow();
    EXPECT_TRUE(WaitUntil([this] { return Processed(); }));

    Window().Hide();
    module.OnWindowDestroyed();
    EXPECT_EQ(provider.Registrations(), 1);
    EXPECT_TRUE(provider.IsRegistered());
    const std::uint64_t before = module.GetDisplayData().revision;
    std::thread([this] { provider.Deliver(MakeStatistics(2)); }).join();
    EXPECT_TRUE(WaitUntil([&] { return module.GetDisplayData().revision > before; }));
}
