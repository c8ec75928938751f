#include "modulelibs/chart/ChartDocument.h"
#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/chart/ChartWindow.h"
#include "platform/modules/PluginBase.h"
#include "platform/settings/Settings.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{

std::shared_ptr<DataRequestParams> Request(unsigned kinds, const QDate& from, const QDate& to)
{
    auto request = std::make_shared<DataRequestParams>(DataRequestParams::kDay, 1, 0);
    request->AddKindData(kinds);
    request->SetDateRange(from, to);
    return request;
}

class ChartOfPastSessionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        PluginBase::Init(&m_mediator);
        m_panel = std::make_unique<QWidget>();
        m_panel->resize(600, 400);
    }
    void TearDown() override
    {
        m_panel.reset(); // the charts go before the provider they follow
        PluginBase::NullifyAppMediator();
    }

    ChartWindow* Open(unsigned kinds, const QDate& from, const QDate& to)
    {
        const Asset asset = m_provider.GetAllAssets().front();
        auto request = Request(kinds, from, to);
        auto range = std::make_shared<ShowedRange>(*request);
        range->rangeType = ShowedRange::kDates;
        EXPECT_TRUE(m_charts.OpenNewChart(m_panel.get(), asset, request, range, 0, 0));
        const QList<ChartWindow*> charts = m_panel->findChildren<ChartWindow*>();
        return charts.isEmpty() ? nullptr : charts.back();
    }

    class Mediator : public SimFeedMediator
    {
    public:
        using SimFeedMediator::SimFeedMediator;
        ProviderBase* GetRunningProvider(const QString&) override { return GetDefaultProvider(); }
    };

    TempHome m_home;
    SimFeedProvider m_provider;
    Mediator m_mediator{&m_provider};
    ChartModuleConsumer m_charts;
    std::unique_ptr<QWidget> m_panel;
};

TEST_F(ChartOfPastSessionsTest, OnlyARangeReachingTodayFollowsTheLiveFeedAlsoAfterItsFileIsRead)
{
    const QDate today = QDate::currentDate();
    const QDate earlier = today.addDays(-14);
    ChartWindow* live = Open(Params::kHistory | AssetParams::kRecord, earlier, today);
    ASSERT_NE(live, nullptr);
    EXPECT_TRUE(live->IsLive());

    ChartWindow* past = Open(Params::kHistory, earlier, today.addDays(-7));
    ASSERT_NE(past, nullptr);
    EXPECT_FALSE(past->IsLive());
    EXPECT_GT(past->Document().range.rightOffset, 0);

    Settings node;
    past->Document().Save(node);
    ChartDocument read;
    ASSERT_TRUE(read.Load(node));
    EXPECT_FALSE(read.request.IsLive());
}

} // namespace
