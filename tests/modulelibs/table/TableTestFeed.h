#pragma once
// The simulated market ticking fast, and a mediator that names it the running provider, for
// the quote-table suites. The mediator is the plug-ins' mediator while the fixture lives.

#include "platform/modules/PluginBase.h"
#include "providers/simfeed/KelvoraOnLineProvider.h"
#include "tests/support/SimSessionClock.h"
#include "tests/support/FakeAppMediator.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

class TableTestMediator : public FakeAppMediator
{
public:
    ProviderBase* GetDefaultProvider() override { return provider; }
    ProviderBase* GetProviders(std::vector<ProviderBase*>& providers) override
    {
        if (provider)
            providers.push_back(provider);
        return provider;
    }
    ProviderBase* provider = nullptr;
};

class TableFeedFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        ASSERT_TRUE(m_provider.AcceptSettingsManager(nullptr));
        SimFeedOptions options = m_provider.GetOptions();
        options.tickInterval = std::chrono::milliseconds(10);
        options.ticksPerStep = 40;
        m_provider.ApplyOptions(options);
        m_mediator.provider = &m_provider;
        PluginBase::Init(&m_mediator);
    }
    void TearDown() override { PluginBase::NullifyAppMediator(); }

    KelvoraOnLineProvider m_provider{SessionClock()};
    TableTestMediator m_mediator;
};
