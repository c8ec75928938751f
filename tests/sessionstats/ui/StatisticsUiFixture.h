#pragma once
// What the tests of the statistics window share: a module with a quiet mediator and a clock the
// test sets, its style kind registered, and top tens filled from instrument names.

#include "platform/modules/SessionStatistics.h"
#include "sessionstats/engine/AssetStatisticsContainer.h"
#include "sessionstats/engine/ISessionStatisticsMediator.h"
#include "sessionstats/engine/SessionStatisticsModule.h"
#include "sessionstats/engine/StatisticsClock.h"

#include <QStringList>

#include <atomic>
#include <cstdint>
#include <memory>

class QuietMediator : public ISessionStatisticsMediator
{
public:
    IAlertModule* GetAlertsInterface() override { return nullptr; }
    ProviderBase* GetRunningProvider(const QString&) override { return nullptr; }
    QWidget* GetMainWindow() override { return nullptr; }
    void WriteError(const QString&, const QString&, int, const QString& text) override { lastError = text; }
    QString lastError;
};

class SetClock : public StatisticsClock
{
public:
    std::uint32_t TickCount() const override { return tick.load(); }
    std::atomic<std::uint32_t> tick = 100000;
};

// A list of instruments named as given; instrument i has change 10 - i, price 100 + i,
// turnover 1000 * (i + 1), volume 10 * i and 50 + i transactions.
SessionStatistics::AssetsList MakeList(const QStringList& names);

struct StatisticsUiFixture
{
    StatisticsUiFixture();

    QuietMediator mediator;
    SetClock clock;
    std::unique_ptr<SessionStatisticsModule> module;
};
