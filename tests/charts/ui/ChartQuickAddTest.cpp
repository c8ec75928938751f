#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/chart/ChartWindow.h"
#include "platform/modules/PluginBase.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/ui/TestApplication.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace
{

class QuickAddMediator : public SimFeedMediator
{
public:
    using SimFeedMediator::SimFeedMediator;
    ProviderBase* GetRunningProvider(const QString&) override { return GetDefaultProvider(); }
    void ShowQuickAddInstrumentDlgAtCursor(const QuickAddAssetReceiver& shown, QWidget* window) override
    {
        receiver = shown;
        receiverWindow = window;
    }
    QuickAddAssetReceiver receiver;
    QWidget* receiverWindow = nullptr;
};

TEST(ChartQuickAddTest, TypingOnAChartOpensTheQuickAddAndTheChoiceBecomesTheChartsInstrument)
{
    TestApplication::Ensure();
    SimFeedProvider provider;
    QuickAddMediator mediator(&provider);
    PluginBase::Init(&mediator);
    {
        ChartModuleConsumer charts;
        ChartWindow chart(charts,
                          ChartDocument::Standard(provider.GetName(), QStringLiteral("KLV"), QStringLiteral("GPW"),
                                                  DataRequestParams(DataRequestParams::kDay, 1, 50), ShowedRange(), 3),
                          nullptr);
        chart.LoadData();
        ASSERT_EQ(chart.GetAsset().GetShortName(), QStringLiteral("KLV"));

        QKeyEvent control(QEvent::KeyPress, Qt::Key_K, Qt::ControlModifier, QStringLiteral("k"));
        QCoreApplication::sendEvent(&chart, &control);
        EXPECT_FALSE(mediator.receiver);
        QKeyEvent letter(QEvent::KeyPress, Qt::Key_K, Qt::NoModifier, QStringLiteral("k"));
        QCoreApplication::sendEvent(&chart, &letter);
        ASSERT_TRUE(mediator.receiver);
        EXPECT_EQ(mediator.receiverWindow, &chart);

        Asset krk;
        for (const Asset& asset : provider.GetAllAssets())
            if (asset.GetShortName() == QStringLiteral("KRK"))
                krk = asset;
        mediator.receiver(&chart, krk);
        EXPECT_EQ(chart.Document().ticker, QStringLiteral("KRK"));
        EXPECT_EQ(chart.GetAsset(), krk);
        EXPECT_EQ(chart.Document().request.interval, DataRequestParams::kDay);
        EXPECT_FALSE(chart.ShowAsset(Asset()));
        EXPECT_EQ(chart.Document().ticker, QStringLiteral("KRK"));
    }
    PluginBase::NullifyAppMediator();
}

}
