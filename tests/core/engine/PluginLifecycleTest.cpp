#include "core/engine/BLProvidersManager.h"
#include "core/engine/ConsumerManagerQ4Classic.h"
#include "core/engine/PluginLifecycle.h"
#include "tests/core/engine/PluginFolder.h"
#include "tests/core/engine/RecordingConsumers.h"
#include "tests/core/plugins/PluginEvents.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

TEST(PluginLifecycleTest, ProvidersStopBeforeConsumersAndShutDownTheSameWay)
{
    TempHome home;
    PluginFolder folder;
    RecordingConsumers::Instance().Reset();
    folder.Add(QStringLiteral("Providers"), QStringLiteral("provider_good"), QStringLiteral("a_good.so"));
    folder.Add(QStringLiteral("Providers"), QStringLiteral("provider_second"), QStringLiteral("b_second.so"));
    folder.Add(QStringLiteral("Consumers"), QStringLiteral("consumer_good"));
    BLProvidersManager providers;
    ConsumerManagerQ4Classic consumers(RecordingConsumers::Instance().Accessors(), {});
    providers.Load();
    consumers.Load();
    TakePluginEvents();

    auto order = [](const QString& operation) {
        QStringList names = {QStringLiteral("Testowy Dostawca"), QStringLiteral("Drugi Dostawca"),
                             QStringLiteral("TestModule"), QStringLiteral("Chart"), QStringLiteral("Table"),
                             QStringLiteral("TransList"), QStringLiteral("Details"), QStringLiteral("Offers"),
                             QStringLiteral("FilesGenerator"), QStringLiteral("TransactionsMonitor")};
        for (QString& name : names)
            name += QLatin1Char(':') + operation;
        return names;
    };
    PluginLifecycle::StopWork(providers, consumers);
    EXPECT_EQ(TakePluginEvents(), order(QStringLiteral("StopWork")));
    PluginLifecycle::ShutDown(providers, consumers);
    EXPECT_EQ(TakePluginEvents(), order(QStringLiteral("ShutDown")));
}
