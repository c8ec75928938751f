#pragma once
// The quote table library as a source of alert arguments: each numeric field of an instrument
// (last price, change, volume, bid, ask...) is an argument, named by the field id and the
// instrument's ticker, whether or not a table shows it now. While alerts use an argument the
// source follows its instrument on the running provider and hands every new value of the
// field to the alert module. The alert module calls Add/RemoveArgumentUsage on its own threads
// and the provider delivers on its thread: the usage counts live under the named lock, and the
// provider is asked to add or remove the receiver only outside it, since a removal waits for a
// delivery that may be taking the lock.

#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/Asset.h"
#include "platform/modules/IAlertArgumentSource.h"
#include "platform/modules/IQuotesReceiver.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class IAlertModule;
class ProviderBase;

class TableAlertArguments : public IAlertArgumentSource, public IQuotesReceiver
{
public:
    // The provider that resolves an instrument by its ticker, and the alert module that takes
    // the values; either may be missing (then nothing is followed or delivered).
    struct Services
    {
        std::function<ProviderBase*()> provider;
        std::function<IAlertModule*()> alerts;
    };

    TableAlertArguments(QString moduleName, Services services);
    ~TableAlertArguments() override;

    // The argument a cell of the field stands for; invalid for a field that is no number.
    AlertExprArgDesc Describe(const Asset& asset, int fieldId) const;

    void PublishArgumentValues(std::shared_ptr<const AlertExprArgList> values) override;
    void NotifyArgumentDestroyed(const AlertExprArgDesc& argument) override;
    bool IsArgumentValid(const AlertExprArgDesc& argument) override;
    bool AddArgumentUsage(const AlertExprArgDesc& argument) override;
    void RemoveArgumentUsage(const AlertExprArgDesc& argument) override;

    // Provider thread.
    void OnQuote(const Asset& asset, const CurrentState& state) override;

    // Stops following every instrument and forgets the usage (the library shuts down).
    void StopFollowing();
    int UsageCount(const AlertExprArgDesc& argument) const;

private:
    struct Followed
    {
        Asset asset;
        // Field id -> the arguments' usage count.
        std::map<int, int> fields;
        // Field id -> the last value handed on, so that an unchanged one is not sent again.
        std::map<int, double> lastValues;
    };

    std::optional<Asset> Resolve(const QString& ticker) const;

    const QString m_moduleName;
    const Services m_services;
    mutable SafeCriticalSection m_lock;
    // Ticker -> what alerts use of that instrument.
    std::map<QString, Followed> m_followed;
};
