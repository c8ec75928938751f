#pragma once
// Fakes shared by the session-statistics tests: statistics made from instrument names, a clock
// the test sets, a mediator, an alert module and a provider that record what reaches them on
// any thread, and a window that records how the module drives it.

#include "platform/modules/IAlertModule.h"
#include "platform/modules/SessionStatistics.h"
#include "sessionstats/engine/ISessionStatisticsMediator.h"
#include "sessionstats/engine/ISessionStatisticsWindow.h"
#include "sessionstats/engine/StatisticsClock.h"
#include "tests/support/FakeProvider.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class SessionStatisticsModule;

// Every ranking lists the named instruments in order; the rising instruments number marker,
// which tells one statistics from another.
SessionStatistics MakeStatistics(std::uint32_t marker, const QStringList& names = {});
// "A0", "A1", ... up to count.
QStringList InstrumentNames(int count, const QString& prefix = QStringLiteral("A"));
NDateTime At(int hour, int minute, int second = 0);
// Waits until condition holds, letting the main thread's events run; false after the timeout.
// The timeout only ends a test that would hang: on a busy machine the workers may need many
// seconds for what takes milliseconds alone, and a test must not fail for that.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(60));

class ManualClock : public StatisticsClock
{
public:
    std::uint32_t TickCount() const override { return tick.load(); }
    QDateTime Now() const override;
    void SetNow(const NDateTime& now);

    std::atomic<std::uint32_t> tick = 1000;

private:
    mutable std::mutex m_mutex;
    QDateTime m_now = At(9, 0).ToQDateTime();
};

class FakeAlertModule : public IAlertModule
{
public:
    struct Received
    {
        AlertExprArgDesc argument;
        AlertExprArgValue value;
        std::thread::id thread;
    };

    void OnUpdateArgRequestId(const AlertExprArgDesc& argument, std::uint32_t requestId) override {}
    void OnUpdateArgValue(const AlertExprArgDesc& argument, const AlertExprArgValue& value) override;
    void OnUpdateArgListValues(std::shared_ptr<const AlertExprArgList> values) override;
    void OnArgDestroyed(const AlertExprArgDesc& argument) override;
    void GatherAssociatedAlertsInfo(const AlertExprArgDesc& argument, std::vector<BasicAlertInfo>& alerts) override {}

    std::vector<Received> Values() const;
    int SingleCalls() const;
    int ListCalls() const;
    int Destroyed() const;
    // Waits until count values arrived in all; false after the timeout.
    bool WaitForValues(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5));

private:
    void Keep(const AlertExprArgDesc& argument, const AlertExprArgValue& value);

    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<Received> m_values;
    int m_singleCalls = 0;
    int m_listCalls = 0;
    int m_destroyed = 0;
};

// Delivers statistics to the registered receiver on the calling thread, as the provider's
// thread does; a removal waits for a delivery under way.
class StatisticsProvider : public FakeProvider
{
public:
    StatisticsProvider();

    bool AddStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver) override;
    bool RemoveStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver) override;

    bool IsRegistered() const;
    int Registrations() const;
    // False when no receiver is registered.
    bool Deliver(const SessionStatistics& statistics);
    bool DeliverSessionChange();

private:
    mutable std::mutex m_mutex;
    IStatisticsSessionReceiver* m_receiver = nullptr;
    int m_registrations = 0;
};

class FakeSessionStatisticsMediator : public ISessionStatisticsMediator
{
public:
    IAlertModule* GetAlertsInterface() override { return alerts.load(); }
    ProviderBase* GetRunningProvider(const QString& name) override;
    QWidget* GetMainWindow() override { return mainWindow; }
    void WriteError(const QString& module, const QString& where, int line, const QString& text) override;

    QStringList Errors() const;

    std::atomic<IAlertModule*> alerts = nullptr;
    // Running while set.
    ProviderBase* provider = nullptr;
    QWidget* mainWindow = nullptr;

private:
    mutable std::mutex m_mutex;
    QStringList m_errors;
};

class FakeStatisticsWindow : public ISessionStatisticsWindow
{
public:
    explicit FakeStatisticsWindow(SessionStatisticsModule& module);

    bool Create(QWidget* parent) override;
    QWidget* Widget() const override;
    void Show() override;
    void Hide() override;
    bool IsVisible() const override { return m_visible; }
    bool IsActive() const override { return active; }
    void ShowTopPane(bool show) override;
    void ShowBottomPane(bool show) override;
    void FitToContent(int width) override;
    void SerializeState(Settings& node) const override;
    bool UnSerializeState(const Settings& node, bool fromFile) override;
    void SaveToQ5Format(Q5Settings& node) const override;
    void RefreshViews() override;

    // The window's own calls, in order, such as "ShowTopPane(0)".
    QStringList calls;
    bool createResult = true;
    bool active = false;
    int activeTab = 0;
    QWidget* parent = nullptr;
    int refreshes = 0;
    std::uint64_t refreshedRevision = 0;
    std::thread::id refreshThread;

private:
    SessionStatisticsModule& m_module;
    bool m_created = false;
    bool m_visible = false;
    // The widget handle: only compared, never used as a widget.
    char m_handle = 0;
};
