#include "modulelibs/transmonitor/TransMonitorModule.h"
#include "modulelibs/transmonitor/TransMonitorModuleConsumer.h"
#include "platform/modules/PluginBase.h"
#include "platform/settings/Settings.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/ui/NotifyCodes.h"
#include "styles/engine/StyleTextField.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/targets/CmdTargetTransactionsMonitor.h"

#include <QDir>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

namespace
{
auto* Monitor() { return static_cast<TransMonitorModuleConsumer*>(GetTransactionsMonitorConsumer()); }

class CmdTargetTransactionsMonitorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        m_view = std::make_unique<QWidget>();
        PluginBase::Init(&m_mediator);
        m_mediator.targets = {{Monitor(), &m_target}};
        ASSERT_TRUE(Monitor()->ShowNewTransactionsMonitorWindow(m_view.get(), 0));
        m_window = Monitor()->ActiveWindow();
    }
    void TearDown() override
    {
        m_view.reset();
        PluginBase::NullifyAppMediator();
    }

    CmdUI Update(std::uint32_t id, QObject* control = nullptr)
    {
        CmdUI cmdUI(id, control);
        EXPECT_TRUE(m_target.UpdateCommandUI(cmdUI)) << id;
        return cmdUI;
    }
    std::intptr_t Notify(std::uint32_t id, int code, std::int32_t itemId = 0)
    {
        GalleryControl gallery(id);
        gallery.AddItem(static_cast<std::uint32_t>(itemId), QStringLiteral("x"));
        gallery.SetSelectedItem(0);
        NotifyInfo info(id, code, &gallery);
        EXPECT_TRUE(m_target.SendNotify(info)) << id << " " << code;
        return info.result;
    }
    void Command(std::uint32_t id) { EXPECT_TRUE(m_target.ExecuteCommand(id)) << id; }

    TempHome m_home;
    ScopedFakeDialogs m_dialogs;
    SimFeedProvider m_provider;
    SimFeedMediator m_mediator{&m_provider};
    std::unique_ptr<QWidget> m_view;
    CmdTargetTransactionsMonitor m_target{&TransactionsMonitorActiveObject, [] { return Monitor()->DefaultStyle(); }};
    QPointer<TransMonitorWindow> m_window;
};
}

TEST_F(CmdTargetTransactionsMonitorTest, ShowsTheBigTransactionsOfEveryInstrumentNewestFirst)
{
    ASSERT_NE(m_window, nullptr);
    EXPECT_EQ(m_window->FollowedAssets().size(), m_provider.GetAllAssets().size());
    m_provider.Step(300);
    m_window->Pump();
    ASSERT_GT(m_window->ShownCount(), 1);
    QSet<QString> tickers;
    for (int i = 0; i < m_window->ShownCount(); ++i)
    {
        const Transaction& transaction = m_window->Shown(i).trade.transaction;
        EXPECT_GE(transaction.price * transaction.volume, m_window->MinValue());
        tickers.insert(m_window->Shown(i).trade.ticker);
        if (i > 0)
        {
            EXPECT_GE(m_window->Shown(i - 1).trade.transaction.time.ToQDateTime(), transaction.time.ToQDateTime());
        }
    }
    EXPECT_GT(tickers.size(), 1);
}

TEST_F(CmdTargetTransactionsMonitorTest, LockAndScrollToggleThroughTheActiveObject)
{
    EXPECT_EQ(Update(33795).Checked(), 0);
    Command(33795);
    EXPECT_TRUE(m_window->AreColumnsLocked());
    EXPECT_EQ(Update(33795).Checked(), 1);
    // "Ukryj suwak" is checked exactly while the scroll bar is not shown.
    EXPECT_EQ(Update(33796).Checked(), 0);
    Command(33796);
    EXPECT_TRUE(m_window->IsScrollHidden());
    EXPECT_EQ(Update(33796).Checked(), 1);
    for (std::uint32_t id : {33797u, 33798u, 33894u, 33906u, 33907u, 33908u, 33909u, 33910u, 33911u})
        EXPECT_EQ(Update(id).Enabled(), true) << id;
}

TEST_F(CmdTargetTransactionsMonitorTest, FontsChangeEvenRowsThenOddAndRestoreUndoes)
{
    const int odd = Monitor()->GetDSParam(0, 12);
    const int even = Monitor()->GetDSParam(1, 12);
    Command(33906);
    EXPECT_GT(Monitor()->GetDSParam(0, 12), odd);
    EXPECT_GT(Monitor()->GetDSParam(1, 12), even);
    Command(33910);
    EXPECT_EQ(Monitor()->GetDSParam(0, 12), odd);
}

TEST_F(CmdTargetTransactionsMonitorTest, BackgroundGalleriesColourTheRiseAndFallBackgroundsToo)
{
    constexpr std::int32_t kRed = 0x000000FF;
    Notify(33905, NotifyCodes::GalleryPreviewChange, kRed);
    for (int param : {3, 5, 7})
        EXPECT_EQ(Monitor()->GetDSParam(0, param), kRed) << param;
    EXPECT_EQ(Notify(33905, NotifyCodes::CheckedItemQuery), kRed);
    Notify(33905, NotifyCodes::GalleryPreviewApply);

    // After "more colours" the dialog's colour goes to all three as well.
    m_dialogs.ColorDialog().SetAnswer(QColor(0x12, 0x34, 0x56));
    Notify(33904, NotifyCodes::GalleryPreviewChange, DisplayParamsCmdTarget::kMoreColoursItem);
    Notify(33904, NotifyCodes::GalleryPreviewApply);
    for (int param : {3, 5, 7})
        EXPECT_EQ(Monitor()->GetDSParam(1, param), 0x00563412) << param;
    // The odd rows kept theirs.
    EXPECT_EQ(Monitor()->GetDSParam(0, 3), kRed);
}

TEST_F(CmdTargetTransactionsMonitorTest, WindowFileRoundTripKeepsLockScrollAndChosenInstruments)
{
    const std::set<Asset> chosen{m_provider.GetAllAssets().at(1), m_provider.GetAllAssets().at(2)};
    m_window->SetChosenAssets(chosen);
    Command(33795);
    Command(33796);
    const QString path = QDir(m_home.Path()).filePath(QStringLiteral("monitor.q4tm"));
    ASSERT_TRUE(Monitor()->SaveWindowToFile(m_window, path, 0, false));
    ASSERT_TRUE(Monitor()->OpenWindowFromFile(m_view.get(), path, false));
    TransMonitorWindow* opened = Monitor()->ActiveWindow();
    ASSERT_NE(opened, m_window.data());
    EXPECT_TRUE(opened->AreColumnsLocked());
    EXPECT_TRUE(opened->IsScrollHidden());
    EXPECT_EQ(opened->ChosenAssets(), chosen);
    EXPECT_EQ(opened->FollowedAssets().size(), 2u);
}

TEST_F(CmdTargetTransactionsMonitorTest, WithoutAWindowNothingRuns)
{
    delete m_window.data();
    Command(33795);
    Command(33906);
    Command(32797);
    EXPECT_EQ(Update(33795).Checked(), 0);
    EXPECT_TRUE(Monitor()->GetValue(TMActiveObject::ContextLock).IsEmpty());
}

TEST_F(CmdTargetTransactionsMonitorTest, TheFeedsThreadDeliversWhileTheMonitorRepaintsAndChangesItsInstruments)
{
    std::atomic<bool> stop{false};
    std::thread feed([&] {
        while (!stop.load())
            m_provider.Step(1);
    });
    const auto pumpUntil = [&](int count) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (m_window->ShownCount() < count && std::chrono::steady_clock::now() < deadline)
        {
            m_window->Pump();
            std::this_thread::yield();
        }
    };
    pumpUntil(10);
    // Follows other instruments while the feed runs: the old ones are let go first.
    m_window->SetChosenAssets({m_provider.GetAllAssets().at(0)});
    pumpUntil(20);
    stop.store(true);
    feed.join();
    m_window->Pump();
    EXPECT_GE(m_window->ShownCount(), 1);
    EXPECT_EQ(m_window->FollowedAssets().size(), 1u);
}
