#pragma once
// A data provider for tests: it tells its work-state calls to a sink as "<name>:<operation>"
// (and the name of the settings store it was given, as "<name>:Accept(<store>)"), accepts or
// refuses as the test set, and knows no instruments.

#include "platform/modules/ProviderBase.h"
#include "platform/settings/ISettingsManager.h"

#include <QString>

#include <functional>
#include <utility>

class FakeProvider : public ProviderBase
{
public:
    using Sink = std::function<void(const QString& event)>;

    explicit FakeProvider(QString name, Sink sink = {})
        : m_name(std::move(name))
        , m_sink(std::move(sink))
    {
    }

    void StopWork() override
    {
        m_running = false;
        Tell(QStringLiteral("StopWork"));
    }
    bool IsRunning() const override { return m_running; }

    QString GetName() const override { return m_name; }
    void ShutDown() override { Tell(QStringLiteral("ShutDown")); }
    int QueryBeforeConfigure() override { return 0; }
    bool ShowConfiguration(QWidget*) override { return false; }
    std::vector<DSProp> GetAllSeries() const override { return {}; }
    bool HasNotifyPane() const override { return false; }
    bool AcceptSettingsManager(std::shared_ptr<ISettingsManager> store) override
    {
        Tell(QStringLiteral("Accept(%1)").arg(store ? store->GetName() : QString()));
        return accepts;
    }
    bool TakeForwardedValue1(std::int64_t) override { return false; }
    bool TakeForwardedValue2(std::int64_t) override { return false; }
    int GetAppNewsNumber() override { return 0; }
    bool GetLastTime(NDateTime&) const override { return false; }
    void NotifyLastTimeChanged(bool) override {}
    QString GetCaption() const override { return m_name; }
    QString GetDescription() const override { return {}; }
    std::vector<Asset> GetAllAssets() const override { return {}; }
    std::vector<DSProp> GetAssetSeries(const Asset&) const override { return {}; }
    bool AddQuotesReceiver(IQuotesReceiver*, const Asset&) override { return false; }
    bool RemoveQuotesReceiver(IQuotesReceiver*, const Asset&) override { return false; }
    bool AddOrdersSheetReceiver(IOrdersSheetReceiver*, const Asset&) override { return false; }
    bool RemoveOrdersSheetReceiver(IOrdersSheetReceiver*, const Asset&) override { return false; }
    bool AddStatisticsSessionReceiver(IStatisticsSessionReceiver*) override { return false; }
    bool RemoveStatisticsSessionReceiver(IStatisticsSessionReceiver*) override { return false; }

    bool accepts = true;

private:
    void Tell(const QString& operation) const
    {
        if (m_sink)
            m_sink(m_name + QLatin1Char(':') + operation);
    }

    QString m_name;
    Sink m_sink;
    bool m_running = true;
};
