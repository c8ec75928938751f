// Alert arguments delivered through IAlertModule and tested by the alerts worker, with 10,000
// defined alerts over 1,000 arguments: how many updates per second the worker takes from one
// and from several delivering threads, how long a delivered value takes to become a generated
// alert under an offered load, and how much memory it holds when the feed outruns it; beside
// them, the same updates through a plain queue and hash map, the yardstick of the worker's speed.
//
// The throughput cases run five times each, so that the minimum shows beside the median on a
// busy machine. The memory case takes a minute; it runs alone with
// --benchmark_filter=BM_MemoryUnderOverload, and the rest with --benchmark_filter=-BM_MemoryUnderOverload.

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/AlertsModuleWorkerThread.h"
#include "alerts/engine/BLAlert.h"
#include "alerts/engine/IAlertsMediator.h"
#include "alerts/engine/ISoundPlayer.h"
#include "platform/modules/AlertExprArgValue.h"
#include "platform/modules/GeneratedAlertInfo.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <barrier>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <unordered_map>
#include <utility>
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

class SilentPlayer : public ISoundPlayer
{
public:
    void PlayFileBlocking(const QString&) override {}
    void Purge() override {}
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
    void BroadcastGeneratedAlert(const std::shared_ptr<GeneratedAlertInfo>& alert) override
    {
        if (onGenerated)
            onGenerated(*alert);
    }
    void ShowAlertNotification(const QString&, const QString&, const QString&, unsigned, bool) override {}
    AlertsGeneralSettingsValues GetNotificationSettings() override { return {}; }
    std::shared_ptr<ISoundPlayer> CreateSoundPlayer() override { return std::make_shared<SilentPlayer>(); }

    std::function<void(const GeneratedAlertInfo&)> onGenerated;

private:
    AcceptingSource m_source;
};

// Counts generated alerts and tells when the probe alert fired.
class ProbeGenerator
{
public:
    void Record(const GeneratedAlertInfo& alert)
    {
        m_generated.fetch_add(1, std::memory_order_relaxed);
        if (alert.GetAlertId() != probeId)
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

// One delivering thread: it updates every producers-th argument from its own first one,
// so that the values of one argument come in order from one thread. Each pass over its
// arguments takes them in a new random order, as a feed's trades come: in the order the
// arguments were made, the alerts' memory would be read in the order it was allocated,
// which one thread gives and several interleaved threads do not.
struct Producer
{
    Producer(int first, int producers)
        : first(first)
        , producers(producers)
        , random(11 + static_cast<unsigned>(first))
    {
        for (int argument = first; argument < kArguments; argument += producers)
            order.push_back(argument);
    }

    struct Update
    {
        int argument;
        double value;
        double time;
    };

    // The next of the producer's arguments and its new value and time.
    Update Next()
    {
        const long own = static_cast<long>(order.size());
        if (next % own == 0)
            std::shuffle(order.begin(), order.end(), random);
        const int argument = order[static_cast<std::size_t>(next++ % own)];
        double& value = values[static_cast<std::size_t>(argument)];
        value += 0.1 * (100.0 - value) + step(random);
        // Every value a time of its own, a millisecond apart per producer.
        const double millisecond = static_cast<double>(++time * producers + first);
        return Update{argument, value, 45000.0 + millisecond / 86400000.0};
    }

    int first;
    int producers;
    std::vector<int> order;
    std::vector<double> values = std::vector<double>(kArguments, 100.0);
    std::mt19937 random;
    std::normal_distribution<double> step{0.0, 1.0};
    long next = 0;
    long time = 0;
};

// 10,000 two-sided alerts, ten on each of 1,000 arguments: buy when the value rises above a
// level, sell when it falls below one, each level a random distance from 100. The values
// wander around 100 (a step of one on average, pulled back towards 100), so the alerts whose
// levels lie near fire again and again and the far ones seldom. A probe alert on an argument
// of its own fires on every value: the values change sign each time and its sides alternate,
// so that the newest value alone fires it even when the worker sheds older ones.
class AlertsBench
{
public:
    AlertsBench(double nearest, double farthest)
    {
        m_mediator.onGenerated = [this](const GeneratedAlertInfo& alert) { m_generator.Record(alert); };
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
        AddSide(probe->SellSide(), ProbeArgument(), eCmpLess, 0.0);
        m_generator.probeId = m_module.AddAlert(probe);
    }

    ~AlertsBench() { m_module.StopThreads(); }

    static const AlertExprArgDesc& ProbeArgument() { return Argument(kArguments); }

    // count updates of the producer's arguments in turn, on the calling thread.
    void Deliver(Producer& producer, long count)
    {
        IAlertModule& alerts = m_module;
        for (long i = 0; i < count; ++i)
        {
            const Producer::Update update = producer.Next();
            alerts.OnUpdateArgValue(Argument(update.argument), AlertExprArgValue(update.value, 2, OleDate(update.time)));
        }
    }
    void Deliver(long count) { Deliver(m_producer, count); }

    // Delivers the probe's next value and waits until the worker generated its alert:
    // everything delivered before has been tested (or shed) by then. Gives the time from the
    // delivery to the alert.
    Clock::duration Probe()
    {
        const Clock::time_point delivered = DeliverProbe();
        return WaitForProbe(m_probes) - delivered;
    }
    // The same in two steps: the probe's next value, and later the wait for the alert of the
    // count-th value delivered.
    Clock::time_point DeliverProbe()
    {
        IAlertModule& alerts = m_module;
        const double value = m_probes++ % 2 == 0 ? 1.0 : -1.0;
        const Clock::time_point delivered = Clock::now();
        alerts.OnUpdateArgValue(ProbeArgument(), AlertExprArgValue(value, 2, NextTime()));
        return delivered;
    }
    Clock::time_point WaitForProbe(long count) { return m_generator.WaitForProbe(count); }
    long ProbesDelivered() const { return m_probes; }

    long Generated() const { return m_generator.Generated(); }
    std::uint64_t Shed() const { return m_module.GetShedCount(); }
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

    // The probe's times, before every producer's.
    OleDate NextTime() { return OleDate(44000.0 + static_cast<double>(++m_time) / 86400000.0); }

    BenchMediator m_mediator;
    ProbeGenerator m_generator;
    AlertModule m_module{m_mediator};
    Producer m_producer{0, 1};
    long m_time = 0;
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
    const std::clock_t cpuBefore = std::clock();
    for (auto _ : state)
    {
        bench.Deliver(kBatch);
        bench.Probe();
        delivered += kBatch;
    }
    state.SetItemsProcessed(delivered);
    // The processor time of all threads, the worker's and the producer's, whatever else the
    // machine runs meanwhile.
    state.counters["cpu_ns_per_update"] =
        static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC * 1e9 / static_cast<double>(delivered);
    state.counters["alerts_per_update"] =
        static_cast<double>(bench.Generated() - generatedBefore - state.iterations()) / static_cast<double>(delivered);
    state.counters["shed"] = static_cast<double>(bench.Shed());
}

// The same logical work in a plain program, for a yardstick: the delivering thread queues
// (argument, value) pairs as a source gives them, under a mutex, and one thread drains the
// queue a take at a time, finds the argument's alerts in a hash map, compares each side's
// level as the two-sided alerts do (a side fires when it holds and the other side did not fire
// last) and hands every generated alert over as a record. The same levels, values and probe
// as AlertsBench.
class PlainConsumer
{
public:
    PlainConsumer(double nearest, double farthest)
    {
        std::mt19937 random(7);
        std::uniform_real_distribution<double> distance(nearest, farthest);
        for (int i = 0; i < kAlerts; ++i)
        {
            const double buyAbove = 100.0 + distance(random);
            const double sellBelow = 100.0 - distance(random);
            m_alerts[Argument(i % kArguments)].push_back(Alert{static_cast<std::uint32_t>(i), buyAbove, sellBelow});
        }
        m_alerts[Argument(kArguments)].push_back(Alert{kProbeId, 0.0, 0.0});
        m_thread = std::thread([this] { Run(); });
    }
    ~PlainConsumer()
    {
        {
            const std::lock_guard lock(m_queueMutex);
            m_stop = true;
        }
        m_queued.notify_one();
        m_thread.join();
    }

    void Deliver(long count)
    {
        for (long i = 0; i < count; ++i)
        {
            const Producer::Update update = m_producer.Next();
            Queue(Argument(update.argument), AlertExprArgValue(update.value, 2, OleDate(update.time)));
        }
    }
    // The probe's next value, and the wait until its alert was generated.
    void Probe()
    {
        const double value = m_probes++ % 2 == 0 ? 1.0 : -1.0;
        Queue(Argument(kArguments), AlertExprArgValue(value, 2, OleDate(44000.0 + static_cast<double>(m_probes) / 86400000.0)));
        std::unique_lock lock(m_probeMutex);
        m_probeFired.wait(lock, [this] { return m_probesFired >= m_probes; });
    }
    long Generated() const { return m_generated.load(); }

private:
    static constexpr std::uint32_t kProbeId = kAlerts;
    static constexpr unsigned kNone = 2;

    struct Alert
    {
        std::uint32_t id;
        double buyAbove;
        double sellBelow;
        unsigned last = kNone;
    };
    struct Record
    {
        std::uint32_t alertId;
        unsigned side;
        double value;
        OleDate time;
    };
    using Update = std::pair<AlertExprArgDesc, AlertExprArgValue>;

    void Queue(const AlertExprArgDesc& argument, const AlertExprArgValue& value)
    {
        bool wake = false;
        {
            const std::lock_guard lock(m_queueMutex);
            m_queue.emplace_back(argument, value);
            wake = std::exchange(m_waiting, false);
        }
        if (wake)
            m_queued.notify_one();
    }

    void Run()
    {
        std::vector<Update> taken;
        std::vector<Record> records;
        for (;;)
        {
            {
                std::unique_lock lock(m_queueMutex);
                while (m_queue.empty() && !m_stop)
                {
                    m_waiting = true;
                    m_queued.wait(lock);
                }
                if (m_queue.empty())
                    return;
                taken.swap(m_queue);
            }
            for (const Update& update : taken)
                Test(update.first, update.second, records);
            taken.clear();
        }
    }

    void Test(const AlertExprArgDesc& argument, const AlertExprArgValue& value, std::vector<Record>& records)
    {
        const auto found = m_alerts.find(argument);
        if (found == m_alerts.end())
            return;
        for (Alert& alert : found->second)
        {
            const bool buy = value.Value() > alert.buyAbove;
            const bool sell = value.Value() < alert.sellBelow;
            unsigned side = kNone;
            if (buy && alert.last != 1)
                side = 1;
            else if (sell && alert.last != 0)
                side = 0;
            if (side == kNone)
                continue;
            alert.last = side;
            // Handed over in batches: the records are let go when a batch is full.
            if (records.size() == 4096)
                records.clear();
            records.push_back(Record{alert.id, side, value.Value(), value.Timestamp()});
            m_generated.fetch_add(1, std::memory_order_relaxed);
            if (alert.id != kProbeId)
                continue;
            {
                const std::lock_guard lock(m_probeMutex);
                ++m_probesFired;
            }
            m_probeFired.notify_all();
        }
    }

    std::unordered_map<AlertExprArgDesc, std::vector<Alert>, AlertExprArgDescHash> m_alerts;
    Producer m_producer{0, 1};
    long m_probes = 0;
    std::mutex m_queueMutex;
    std::condition_variable m_queued;
    std::vector<Update> m_queue;
    bool m_waiting = false;
    bool m_stop = false;
    std::mutex m_probeMutex;
    std::condition_variable m_probeFired;
    long m_probesFired = 0;
    std::atomic<long> m_generated = 0;
    std::thread m_thread;
};

// BM_UpdatesTestedByTheWorker's scenarios through the plain consumer.
void BM_PlainQueueAndHashMapConsumer(benchmark::State& state)
{
    PlainConsumer consumer = state.range(0) == 0 ? PlainConsumer(2.0, 20.0) : PlainConsumer(0.0, 2.0);
    constexpr long kBatch = 10000;
    long delivered = 0;
    const long generatedBefore = consumer.Generated();
    for (auto _ : state)
    {
        consumer.Deliver(kBatch);
        consumer.Probe();
        delivered += kBatch;
    }
    state.SetItemsProcessed(delivered);
    state.counters["alerts_per_update"] =
        static_cast<double>(consumer.Generated() - generatedBefore - state.iterations()) / static_cast<double>(delivered);
}

// Delivering threads that live for the whole case, so that making threads is not measured:
// each round, every thread delivers its share and the round ends when all are done.
class ProducerThreads
{
public:
    ProducerThreads(AlertsBench& bench, int count)
        : m_rounds(count + 1)
    {
        for (int i = 0; i < count; ++i)
        {
            m_threads.emplace_back([this, &bench, i, count] {
                Producer producer(i, count);
                for (;;)
                {
                    m_rounds.arrive_and_wait();
                    if (m_stop)
                        return;
                    bench.Deliver(producer, m_share);
                    m_rounds.arrive_and_wait();
                }
            });
        }
    }
    ~ProducerThreads()
    {
        m_stop = true;
        m_rounds.arrive_and_wait();
        for (std::thread& thread : m_threads)
            thread.join();
    }

    void Deliver(long share)
    {
        m_share = share;
        m_rounds.arrive_and_wait();
        m_rounds.arrive_and_wait();
    }

private:
    std::barrier<> m_rounds;
    std::vector<std::thread> m_threads;
    // Set before a round starts, read by the threads after it.
    long m_share = 0;
    bool m_stop = false;
};

// The same with the updates delivered by several threads at once. Each round is delivered
// while the worker still tests the round before, and an iteration ends when that round's probe
// fired: the worker never waits for the delivering threads to be woken, which takes the longer
// the more threads there are, so an iteration lasts as long as the worker tests a round. A round
// starts only after the probe of the round before the last fired, so that no more than two rounds
// ever wait; a take of two rounds stays below the shedding threshold, and every value is tested.
void BM_UpdatesFromSeveralProducers(benchmark::State& state)
{
    AlertsBench bench = MakeBench(0);
    const int producers = static_cast<int>(state.range(0));
    ProducerThreads threads(bench, producers);
    constexpr long kBatch = 8000;
    static_assert(2 * (kBatch + 1) < static_cast<long>(AlertsModuleWorkerThread::kSheddingThreshold));
    threads.Deliver(kBatch / producers);
    bench.DeliverProbe();
    long delivered = 0;
    for (auto _ : state)
    {
        threads.Deliver(kBatch / producers);
        bench.DeliverProbe();
        bench.WaitForProbe(bench.ProbesDelivered() - 1);
        delivered += kBatch / producers * producers;
    }
    bench.WaitForProbe(bench.ProbesDelivered());
    state.SetItemsProcessed(delivered);
    state.counters["shed"] = static_cast<double>(bench.Shed());
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

// Delivers rate updates a second on its own thread until it is destroyed; a rate the thread
// cannot keep up with is delivered as fast as it can.
class OfferedLoad
{
public:
    OfferedLoad(AlertsBench& bench, long rate)
    {
        if (rate <= 0)
            return;
        m_thread = std::thread([this, &bench, rate] {
            constexpr long kSlotsPerSecond = 10000;
            Clock::time_point next = Clock::now();
            while (!m_stop.load())
            {
                bench.Deliver(rate / kSlotsPerSecond);
                m_delivered.fetch_add(rate / kSlotsPerSecond, std::memory_order_relaxed);
                next += std::chrono::microseconds(1000000 / kSlotsPerSecond);
                std::this_thread::sleep_until(next);
            }
        });
    }
    ~OfferedLoad()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    long Delivered() const { return m_delivered.load(); }

private:
    std::atomic<bool> m_stop = false;
    std::atomic<long> m_delivered = 0;
    std::thread m_thread;
};

// The resident memory of the process in megabytes.
double ResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
    {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0.0;
}

// Time from the delivery of a value to its generated alert, while another thread delivers
// updates at the given rate per second (0: the worker is idle otherwise).
void BM_DeliveryToGeneratedAlert(benchmark::State& state)
{
    AlertsBench bench = MakeBench(0);
    const long rate = state.range(0);
    auto load = std::make_unique<OfferedLoad>(bench, rate);
    std::vector<double> samples;
    for (auto _ : state)
    {
        const double seconds = std::chrono::duration<double>(bench.Probe()).count();
        samples.push_back(seconds * 1e6);
        state.SetIterationTime(seconds);
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    load.reset();
    state.counters["p50_us"] = Percentile(samples, 0.50);
    state.counters["p99_us"] = Percentile(samples, 0.99);
    state.counters["max_us"] = Percentile(samples, 1.0);
    state.counters["shed"] = static_cast<double>(bench.Shed());
}

// A feed that outruns the worker for a minute: the highest resident memory seen, sampled
// every 100 ms, and how much of what was offered the worker dropped.
void BM_MemoryUnderOverload(benchmark::State& state)
{
    AlertsBench bench = MakeBench(0);
    const long rate = state.range(0);
    const auto duration = std::chrono::seconds(state.range(1));
    double highest = ResidentMegabytes();
    long delivered = 0;
    for (auto _ : state)
    {
        OfferedLoad load(bench, rate);
        const Clock::time_point end = Clock::now() + duration;
        while (Clock::now() < end)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            highest = std::max(highest, ResidentMegabytes());
        }
        delivered = load.Delivered();
        state.SetIterationTime(std::chrono::duration<double>(duration).count());
    }
    state.counters["offered_per_s"] = static_cast<double>(delivered) / static_cast<double>(state.range(1));
    state.counters["max_rss_mb"] = highest;
    state.counters["shed_share"] = static_cast<double>(bench.Shed()) / static_cast<double>(std::max(delivered, 1L));
}
}

BENCHMARK(BM_UpdatesTestedByTheWorker)->Arg(0)->Arg(1)->Repetitions(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainQueueAndHashMapConsumer)
    ->Arg(0)
    ->Arg(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_TestsWithoutTheQueue)->Arg(0)->Arg(1);
BENCHMARK(BM_UpdatesFromSeveralProducers)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_DeliveryToGeneratedAlert)
    ->Arg(0)
    ->Arg(250000)
    ->Arg(500000)
    ->Iterations(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemoryUnderOverload)->Args({2000000, 60})->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
