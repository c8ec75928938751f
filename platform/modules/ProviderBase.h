#pragma once
// A data provider: the one object of a provider library, which delivers instruments, quotes,
// order books, transactions and session statistics. It lives in its library for the whole run;
// the application never deletes it. Receivers are called on the provider's own thread until
// they are removed; once a Remove... call returns, the receiver is not called any more and may
// be destroyed. A removal waits for a delivery under way, so whoever removes a receiver must not
// hold a lock that the receiver takes while it is called.

#include "platform/modules/Asset.h"
#include "platform/modules/CloudAlertCondition.h"
#include "platform/modules/DSProp.h"
#include "platform/modules/NDateTime.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/PriceBar.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class AlertReceiver;
class IOrdersSheetReceiver;
class IQuotesReceiver;
class ISettingsManager;
class IStatisticsSessionReceiver;
class QWidget;

class ProviderBase : public PluginBase
{
public:
    // The user's cloud alerts as the cloud link holds them at the moment of the call; any thread.
    using CloudAlertConditions = std::function<std::vector<CloudAlertCondition>()>;

    virtual QString GetName() const = 0;
    // Ends the provider's work for good; every receiver is dropped.
    virtual void ShutDown() = 0;
    // Non-zero when a change of the configuration must not reload the session.
    virtual int QueryBeforeConfigure() = 0;
    // The configuration dialog; true when the configuration changed.
    virtual bool ShowConfiguration(QWidget* parent) = 0;
    // Every data series the provider delivers for any of its instruments.
    virtual std::vector<DSProp> GetAllSeries() const = 0;
    virtual bool HasNotifyPane() const = 0;
    // The provider's settings store, named after it; false when the provider refuses to work.
    virtual bool AcceptSettingsManager(std::shared_ptr<ISettingsManager> settingsManager) = 0;
    // Values the application passes on to the default provider; false when the provider takes none.
    virtual bool TakeForwardedValue1(std::int64_t value) = 0;
    virtual bool TakeForwardedValue2(std::int64_t value) = 0;
    // The number the application-news program is started with; 0 for none.
    virtual int GetAppNewsNumber() = 0;
    // The time of the last quote received; false when there was none yet.
    virtual bool GetLastTime(NDateTime& time) const = 0;
    // Whether the application shows this provider's last quote time.
    virtual void NotifyLastTimeChanged(bool isTimeSource) = 0;
    // A word on the market's session shown beside the last quote time, such as that the session
    // is closed; empty when there is nothing to say. Any thread.
    virtual QString GetSessionStateText() const { return {}; }

    // The menu entry of the provider.
    virtual QString GetCaption() const = 0;
    virtual QString GetDescription() const = 0;

    virtual std::vector<Asset> GetAllAssets() const = 0;
    // The series the provider delivers for the instrument; empty for an instrument it does not know.
    virtual std::vector<DSProp> GetAssetSeries(const Asset& asset) const = 0;

    // Each Add... is false for an instrument the provider does not know and for a receiver
    // already added for it; each Remove... is false when the receiver was not added.
    virtual bool AddQuotesReceiver(IQuotesReceiver* receiver, const Asset& asset) = 0;
    virtual bool RemoveQuotesReceiver(IQuotesReceiver* receiver, const Asset& asset) = 0;
    // The receiver first gets the complete book, then its changes.
    virtual bool AddOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset& asset) = 0;
    virtual bool RemoveOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset& asset) = 0;
    virtual bool AddStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver) = 0;
    virtual bool RemoveStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver) = 0;

    // Registers the cloud link's receiver of the events of the user's cloud alerts, replacing the
    // previous one, or takes it back with null; alerts tells which cloud alerts the user has.
    // False when the provider pushes no alert events. Any thread; once the call returns, the
    // previous receiver is not called any more.
    virtual bool SetAlertReceiver(AlertReceiver* receiver, CloudAlertConditions alerts) { return false; }

    // The instrument's last count bars before its newest price, oldest first, each barSeconds
    // long (0: one bar per transaction); false when the provider keeps no history of it. Any thread.
    virtual bool GetHistoryBars(const Asset& asset, int barSeconds, int count, std::vector<PriceBar>& bars) const
    {
        return false;
    }
};
