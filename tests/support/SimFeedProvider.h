#pragma once
// A provider over the simulated market that the test steps itself, on its own thread, and an
// application mediator that names it the default provider and hands each consumer the command
// target the test gives it. Steps fall on the morning of the last session day.

#include "platform/modules/ConsumerBase.h"
#include "providers/simfeed/SimFeed.h"
#include "tests/support/FakeAppMediator.h"
#include "tests/support/FakeProvider.h"
#include "tests/support/SimSessionClock.h"

#include <map>

class SimFeedProvider : public FakeProvider
{
public:
    explicit SimFeedProvider(SimFeedOptions options = {})
        : FakeProvider(QStringLiteral("Kelvora OnLine"))
        , m_feed(this, options)
    {
    }

    std::vector<Asset> GetAllAssets() const override { return m_feed.Assets(); }
    bool AddQuotesReceiver(IQuotesReceiver* receiver, const Asset& asset) override
    {
        return m_feed.AddQuotesReceiver(receiver, asset);
    }
    bool RemoveQuotesReceiver(IQuotesReceiver* receiver, const Asset& asset) override
    {
        return m_feed.RemoveQuotesReceiver(receiver, asset);
    }
    bool GetHistoryBars(const Asset& asset, int barSeconds, int count, std::vector<PriceBar>& bars) const override
    {
        return m_feed.GetHistoryBars(asset, barSeconds, count, bars);
    }

    // Steps of the market, a second apart from a session's morning.
    void Step(int steps)
    {
        for (int i = 0; i < steps; ++i)
            m_feed.Step(NDateTime(m_morning.addSecs(m_steps++)));
    }
    SimFeed& Feed() { return m_feed; }

private:
    // Asking for history does not change the market, but the feed takes its lock for it.
    mutable SimFeed m_feed;
    const QDateTime m_morning = SessionMorning();
    int m_steps = 0;
};

class SimFeedMediator : public FakeAppMediator
{
public:
    explicit SimFeedMediator(ProviderBase* provider)
        : m_provider(provider)
    {
    }
    ProviderBase* GetDefaultProvider() override { return m_provider; }
    CmdTarget* GetConsumerById(const ConsumerBase* consumer) override
    {
        const auto found = targets.find(consumer);
        return found == targets.end() ? nullptr : found->second;
    }

    std::map<const ConsumerBase*, CmdTarget*> targets;

private:
    ProviderBase* m_provider;
};
