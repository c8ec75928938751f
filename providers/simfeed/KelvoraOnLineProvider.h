#pragma once
// The built-in data provider "Kelvora OnLine": the simulated market of SimFeed, ticking on its
// own thread from the moment the application accepts it until it stops its work. Its seed and
// rate come from its settings store. The market trades in the session hours of its calendar;
// outside them the status bar says the session is closed.
//
// It also holds the user's cloud account. When its settings give a cloud address and a login,
// it hands the address to the application and posts the main frame the message that starts the
// cloud link, once, after the first step that finds the frame ready; the login and password go
// to the application through TakeForwardedValue2. Without an address the link stays off.
// Standing in for the server of the user's cloud alerts, it evaluates them on its own prices
// and pushes their events to the cloud link's receiver.

#include "platform/modules/ProviderBase.h"
#include "providers/simfeed/SimCloudAlerts.h"
#include "providers/simfeed/SimFeed.h"
#include "providers/simfeed/SimFeedOptions.h"
#include "providers/simfeed/SimFeedThread.h"

#include <atomic>
#include <memory>
#include <optional>

class KelvoraOnLineProvider : public ProviderBase
{
public:
    static QString Name() { return QStringLiteral("Kelvora OnLine"); }
    // The message that (re)starts the cloud link when the main frame takes it.
    static constexpr std::uint32_t kCloudLinkStartMessage = 0x62E;

    // clock: the time the feed steps at; the wall clock unless given another.
    explicit KelvoraOnLineProvider(SimFeedThread::Clock clock = {});
    ~KelvoraOnLineProvider() override;

    void StopWork() override;
    bool IsRunning() const override;

    QString GetName() const override { return Name(); }
    void ShutDown() override;
    int QueryBeforeConfigure() override;
    bool ShowConfiguration(QWidget* parent) override;
    std::vector<DSProp> GetAllSeries() const override;
    bool HasNotifyPane() const override { return true; }
    bool AcceptSettingsManager(std::shared_ptr<ISettingsManager> settingsManager) override;
    bool TakeForwardedValue1(std::int64_t value) override;
    // value: the address of a UserSettings that takes the cloud login and password; main thread.
    bool TakeForwardedValue2(std::int64_t value) override;
    int GetAppNewsNumber() override { return 0; }
    bool GetLastTime(NDateTime& time) const override;
    void NotifyLastTimeChanged(bool isTimeSource) override;
    QString GetSessionStateText() const override;
    QString GetCaption() const override;
    QString GetDescription() const override;

    std::vector<Asset> GetAllAssets() const override;
    std::vector<DSProp> GetAssetSeries(const Asset& asset) const override;
    bool AddQuotesReceiver(IQuotesReceiver* receiver, const Asset& asset) override;
    bool RemoveQuotesReceiver(IQuotesReceiver* receiver, const Asset& asset) override;
    bool AddOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset& asset) override;
    bool RemoveOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset& asset) override;
    bool AddStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver) override;
    bool RemoveStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver) override;
    bool GetHistoryBars(const Asset& asset, int barSeconds, int count, std::vector<PriceBar>& bars) const override;
    bool SetAlertReceiver(AlertReceiver* receiver, CloudAlertConditions alerts) override;

    // Takes new options: the rate at once, the seed from the next start, and keeps them in the
    // settings store; false when nothing changed.
    bool ApplyOptions(const SimFeedOptions& options);
    const SimFeedOptions& GetOptions() const { return m_options; }

private:
    void ReportLastTime();
    // Feed thread, after each step.
    void StartCloudLinkOnce();
    // Feed thread, after each step.
    void CheckCloudAlerts();
    // Main thread, before the feed runs.
    void PrepareCloudLink();
    void WriteError(const QString& where, int line, const QString& text) const;
    void WriteWarning(const QString& where, int line, const QString& text) const;

    std::shared_ptr<ISettingsManager> m_settingsManager;
    SimFeedOptions m_options;
    // Made when the application accepts the provider, kept until the library is unloaded, so that
    // late removals of receivers find it.
    std::unique_ptr<SimFeed> m_feed;
    std::unique_ptr<SimFeedThread> m_thread;
    std::atomic<bool> m_isTimeSource = false;
    std::atomic<bool> m_reportAgain = false;
    std::atomic<bool> m_shutDown = false;
    SimFeedThread::Clock m_clock;
    // The second and the session state last reported; touched only on the feed's thread.
    QString m_reportedSecond;
    std::optional<bool> m_reportedOpen;
    // Set before the feed's thread starts, read on it.
    QString m_cloudAddressAtStart;
    std::atomic<bool> m_cloudLinkPending = false;
    SimCloudAlerts m_cloudAlerts;
};
