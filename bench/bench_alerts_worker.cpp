// Alert arguments delivered through IAlertModule and tested by the alerts worker, with 10,000
// defined alerts over 1,000 arguments: how many updates per second the worker takes, and how
// long a delivered value takes to become a generated alert.

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/BLAlert.h"
#include "alerts/engine/IAlertGenerator.h"
#include "alerts/engine/IAlertsMediator.h"
#include "platform/modules/AlertExprArgValue.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

namespace
{
constexpr int kArguments = 1000;
constexpr int kAlerts = 10000;
const QString kSourceName = QStringLiteral("BenchSource");

using Clock = std::chrono::steady_clock;

class AcceptingSource : public IAlertArgumentSource
{
public:
    void PublishArgumentValues(std::shared_ptr<const AlertExprArgList>) override {}
    void NotifyArgumentDestroyed(const AlertExprArgDesc&) override {}
    bool IsArgumentValid(const AlertExprArgDesc&) override { return true; }
    bool AddArgumentUsage(const AlertExprArgDesc&) override { return true; }
    void RemoveArgumentUsage(const AlertExprArgDesc&) override {}
};

class BenchMediator : public IAlertsMediator
{
public:
    IAlertArgumentSource* GetAlertArgumentSource(const QString& name) override
    {
        return name == kSourceName ? &m_source : nullptr;
    }
    int GetProductKind() override { return 1; }
    std::optional<QStringList> GetListedInstruments() override { return std::nullopt; }
    bool CloudAlertExists(const QString&) override { return false; }
    AlertPropsDefaults GetNewAlertDefaults() override { return {}; }
    bool PostToMainFrame(unsigned) override { return false; }

private:
    AcceptingSource m_source;
};

// Counts generated alerts and tells when the probe alert fired.
class ProbeGenerator : public IAlertGenerator
{
public:
    void GenerateAlert(const BLAlert& alert, unsigned) override
    {
        m_generated.fetch_add(1, std::memory_order_relaxed);
        if (alert.GetId() != probeId)
            return;
        {
            const std::lock_guard lock(m_mutex);
            m_probeTime = Clock::now();
            ++m_probes;
        }
        m_probeFired.notify_all();
    }

    // Waits for the probe's count-th alert and gives its time.
    Clock::time_point WaitForProbe(long count)
    {
        std::unique_lock lock(m_mutex);
        m_probeFired.wait(lock, [this, count] { return m_probes >= count; });
        return m_probeTime;
    }

    long Generated() const { return m_generated.load(); }

    std::uint32_t probeId = BLAlert::kNoId;

private:
    std::atomic<long> m_generated = 0;
    std::mutex m_mutex;
    std::condition_variable m_probeFired;
    Clock::time_point m_probeTime;
    long m_probes = 0;
};

// The arguments as a source keeps them: made once, delivered as copies.
const AlertExprArgDesc& Argument(int index)
{
    static const std::vector<AlertExprArgDesc> arguments = [] {
        std::vector<AlertExprArgDesc> made;
        for (int i = 0; i <= kArguments; ++i)
            made.emplace_back(kSourceName, static_cast<std::uint32_t>(i + 1), QStringLiteral("arg%1").arg(i),
                              QStringLiteral("opis"));
        return made;
    }();
    return arguments[static_cast<std::size_t>(index)];
}

// 10,000 two-sided alerts, ten on each of 1,000 arguments: buy when the value rises above a
// level, sell when it falls below one, each level a random distance from 100. The values
// wander around 100 (a step of one on average, pulled back towards 100), so the alerts whose
// levels lie near fire again and again and the far ones seldom. A probe alert on an argument
// of its own fires on every rise above 0.
class AlertsBench
{
public:
    AlertsBench(double nearest, double farthest)
    {
        m_module.SetAlertGenerator(&m_generator);
        std::mt19937 random(7);
        std::uniform_real_distribution<double> distance(nearest, farthest);
        for (int i = 0; i < kAlerts; ++i)
        {
            auto alert = std::make_shared<BLAlert>(m_module);
            alert->Properties().SetName(QStringLiteral("alert %1").arg(i));
            AddSide(alert->BuySide(), Argument(i % kArguments), eCmpGreater, 100.0 + distance(random));
            AddSide(alert->SellSide(), Argument(i % kArguments), eCmpLess, 100.0 - distance(random));
            m_module.AddAlert(alert);
        }
        auto probe = std::make_shared<BLAlert>(m_module);
        probe->Properties().SetName(QStringLiteral("probe"));
        AddSide(probe->BuySide(), ProbeArgument(), eCmpGreater, 0.0);
        m_generator.probeId = m_module.AddAlert(probe);
        m_values.assign(kArguments, 100.0);
    }

    ~AlertsBench() { m_module.StopThreads(); }

    static const AlertExprArgDesc& ProbeArgument() { return Argument(kArguments); }

    // count updates of the arguments in turn. One thread at a time.
    void Deliver(long count)
    {
        IAlertModule& alerts = m_module;
        for (long i = 0; i < count; ++i)
        {
            const int argument = static_cast<int>(m_next++ % kArguments);
            double& value = m_values[static_cast<std::size_t>(argument)];
            value += 0.1 * (100.0 - value) + m_step(m_random);
            alerts.OnUpdateArgValue(Argument(argument), AlertExprArgValue(value, 2, NextTime()));
        }
    }

    // Delivers the probe's rise and waits until the worker generated it: everything
    // delivered before has been tested by then. Gives the time from the delivery to the alert.
    Clock::duration Probe()
    {
        IAlertModule& alerts = m_module;
        alerts.OnUpdateArgValue(ProbeArgument(), AlertExprArgValue(-1.0, 2, NextTime()));
        const Clock::time_point delivered = Clock::now();
        alerts.OnUpdateArgValue(ProbeArgument(), AlertExprArgValue(1.0, 2, NextTime()));
        return m_generator.WaitForProbe(++m_probes) - delivered;
    }

    long Generated() const { return m_generator.Generated(); }
    AlertModule& Module() { return m_module; }

private:
    static void AddSide(BLDirectAlert& side, const AlertExprArgDesc& argument, std::uint32_t op, double level)
    {
        side.SetSideEnabled(true);
        SimpleExpr& expression = side.InsertExpression(0);
        expression.SetArgument(SimpleExpr::eLeft, argument);
        expression.SetConstant(SimpleExpr::eRight, ConstArgumentValue(level, 2));
        expression.SetCompareOperator(op);
    }

    // Every value a time of its own, a millisecond apart.
    OleDate NextTime() { return OleDate(45000.0 + static_cast<double>(++m_time) / 86400000.0); }

    BenchMediator m_mediator;
    ProbeGenerator m_generator;
    AlertModule m_module{m_mediator};
    std::vector<double> m_values;
    std::mt19937 m_random{11};
    std::normal_distribution<double> m_step{0.0, 1.0};
    long m_next = 0;
    std::atomic<long> m_time = 0;
    long m_probes = 0;
};

// Levels of the alerts: 0 spread 2 to 20 from 100, 1 all within 2 of 100 (most fire often).
AlertsBench MakeBench(std::int64_t scenario)
{
    return scenario == 0 ? AlertsBench(2.0, 20.0) : AlertsBench(0.0, 2.0);
}

void BM_UpdatesTestedByTheWorker(benchmark::State& state)
{
    AlertsBench bench = MakeBench(state.range(0));
    constexpr long kBatch = 10000;
    long delivered = 0;
    const long generatedBefore = bench.Generated();
    for (auto _ : state)
    {
        bench.Deliver(kBatch);
        bench.Probe();
        delivered += kBatch;
    }
    state.SetItemsProcessed(delivered);
    state.counters["alerts_per_update"] =
        static_cast<double>(bench.Generated() - generatedBefore - state.iterations()) / static_cast<double>(delivered);
}

// The tests alone, run on the calling thread as the worker runs them, without the queue.
void BM_TestsWithoutTheQueue(benchmark::State& state)
{
    AlertsBench bench = MakeBench(state.range(0));
    std::vector<double> values(kArguments, 100.0);
    std::mt19937 random(3);
    std::normal_distribution<double> step(0.0, 1.0);
    long count = 0;
    for (auto _ : state)
    {
        const auto argument = static_cast<std::size_t>(count % kArguments);
        values[argument] += 0.1 * (100.0 - values[argument]) + step(random);
        ++count;
        bench.Module().OnArgValueUpdated(Argument(static_cast<int>(argument)),
                                         AlertExprArgValue(values[argument], 2,
                                                           OleDate(45000.0 + static_cast<double>(count) / 86400000.0)));
    }
    state.SetItemsProcessed(count);
}

double Percentile(std::vector<double> samples, double fraction)
{
    std::sort(samples.begin(), samples.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    return samples[index];
}

// Time from the delivery of a value to its generated alert, while another thread delivers
// updates at the given rate per second (0: the worker is idle otherwise).
void BM_DeliveryToGeneratedAlert(benchmark::State& state)
{
    AlertsBench bench = MakeBench(0);
    const long rate = state.range(0);
    std::atomic<bool> stop = false;
    std::thread load;
    if (rate > 0)
    {
        load = std::thread([&bench, &stop, rate] {
            constexpr long kSlotsPerSecond = 10000;
            Clock::time_point next = Clock::now();
            while (!stop.load())
            {
                bench.Deliver(rate / kSlotsPerSecond);
                next += std::chrono::microseconds(1000000 / kSlotsPerSecond);
                std::this_thread::sleep_until(next);
            }
        });
    }
    std::vector<double> samples;
    for (auto _ : state)
    {
        const double seconds = std::chrono::duration<double>(bench.Probe()).count();
        samples.push_back(seconds * 1e6);
        state.SetIterationTime(seconds);
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    stop = true;
    if (load.joinable())
        load.join();
    state.counters["p50_us"] = Percentile(samples, 0.50);
    state.counters["p99_us"] = Percentile(samples, 0.99);
    state.counters["max_us"] = Percentile(samples, 1.0);
}
}

BENCHMARK(BM_UpdatesTestedByTheWorker)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TestsWithoutTheQueue)->Arg(0)->Arg(1);
BENCHMARK(BM_DeliveryToGeneratedAlert)
    ->Arg(0)
    ->Arg(500000)
    ->Iterations(4000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
