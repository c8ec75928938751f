#include "AlertsFixture.h"

#include "alerts/engine/AlertsModuleWorkerThread.h"
#include "alerts/engine/ArgumentsListManager.h"
#include "platform/base/AppPaths.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

#include <mutex>
#include <thread>
#include <vector>

// The alerts face as a module library built apart from this program declares it: the slots in
// their published order. Calls through it reach the module only while the program keeps that order.
// Outside the anonymous namespace: a class only this file could derive from would let the
// compiler resolve its calls to the pure slots instead of going through the table.
class PublishedAlertFace
{
public:
    virtual ~PublishedAlertFace() = default;
    virtual void OnUpdateArgRequestId(const AlertExprArgDesc& argument, std::uint32_t requestId) = 0;
    virtual void OnUpdateArgValue(const AlertExprArgDesc& argument, const AlertExprArgValue& value) = 0;
    virtual void OnUpdateArgListValues(std::shared_ptr<const AlertExprArgList> values) = 0;
    virtual void OnArgDestroyed(const AlertExprArgDesc& argument) = 0;
    virtual void GatherAssociatedAlertsInfo(const AlertExprArgDesc& argument, std::vector<BasicAlertInfo>& alerts) = 0;
};

namespace
{
class AlertModuleTest : public AlertsFixture
{
protected:
    AlertModuleTest() { module.SetObserver(&observer); }
    ~AlertModuleTest() override { module.SetObserver(nullptr); }

    static AlertExprArgValue Value(double value, double time) { return AlertExprArgValue(value, 2, OleDate(time)); }

    // A value that fires a marker alert, queued after everything before it: once the marker
    // fired, the worker has handled the values and destroyed arguments queued earlier. Not the
    // request-id changes: they wake the worker with a message of their own.
    void WaitForWorker()
    {
        static std::uint32_t round = 0;
        const AlertExprArgDesc marker = Arg(1000);
        if (!m_markerId)
        {
            auto alert = NewAlert(QStringLiteral("marker"));
            alert->BuySide().SetSideEnabled(true);
            AddExpr(alert->BuySide(), marker, eCmpNotEqual, -1);
            m_markerId = module.AddAlert(alert);
        }
        const QString name = QStringLiteral("marker");
        const std::size_t before = generator.Count(name);
        ++round;
        // Alternating values make the edge-triggered marker fire every second time; two
        // deliveries guarantee one firing.
        module.OnUpdateArgValue(marker, Value(-1, round * 2.0));
        module.OnUpdateArgValue(marker, Value(round, round * 2.0 + 1));
        ASSERT_TRUE(generator.WaitFor(name, before + 1));
    }

    // A buy side that fires when argument 1 rises above 10.
    void AddRiseAboveTen(const QString& name)
    {
        auto alert = NewAlert(name);
        alert->BuySide().SetSideEnabled(true);
        AddExpr(alert->BuySide(), Arg(1), eCmpGreater, 10);
        module.AddAlert(alert);
    }

    std::vector<QString> GeneratedNames()
    {
        std::vector<QString> names;
        for (const auto& generated : generator.Taken())
        {
            if (generated.name != QStringLiteral("marker"))
                names.push_back(generated.name);
        }
        return names;
    }

    RecordingObserver observer;
    std::uint32_t m_markerId = 0;
};

class ExposedWorker : public AlertsModuleWorkerThread
{
public:
    using AlertsModuleWorkerThread::AlertsModuleWorkerThread;
    using AlertsModuleWorkerThread::ProcessMessage;
};
}

TEST_F(AlertModuleTest, ValueFromAForeignThreadFiresTheLinkedAlert)
{
    ASSERT_EQ(AlertModule::Instance(), &module);
    ASSERT_TRUE(module.HasWorker());
    AddTwoSided(QStringLiteral("kupno"), Arg(1), 10, 5);
    std::thread producer([this] {
        IAlertModule& alerts = module;
        alerts.OnUpdateArgValue(Arg(9), Value(50, 1));
        alerts.OnUpdateArgValue(Arg(1), Value(11, 1));
    });
    producer.join();
    ASSERT_TRUE(generator.WaitFor(1));
    const auto generated = generator.Taken();
    ASSERT_EQ(generated.size(), 1u);
    EXPECT_EQ(generated[0].name, QStringLiteral("kupno"));
    EXPECT_EQ(generated[0].side, BLAlert::kBuySide);
    EXPECT_FALSE(module.Arguments().Find(Arg(9)));
}

TEST_F(AlertModuleTest, ValuesKeepTheirOrderAcrossDeliveries)
{
    AddRiseAboveTen(QStringLiteral("krawędź"));
    for (int i = 0; i < 200; ++i)
        module.OnUpdateArgValue(Arg(1), Value(i % 2 == 0 ? 11 : 5, i));
    WaitForWorker();
    EXPECT_EQ(GeneratedNames().size(), 100u);
}

TEST_F(AlertModuleTest, ValuesFromSeveralThreadsAreHandledInArrivalOrder)
{
    // Each value from a thread of its own while the worker waits: the threads' values wait
    // apart and every second value is a rise, which only their arrival order keeps.
    const QString name = QStringLiteral("krawędź");
    AddRiseAboveTen(name);
    ExposedWorker worker(module);
    ASSERT_TRUE(worker.Start(MessageThread::StartMode::Suspended));
    constexpr int kValues = 40;
    for (int i = 0; i < kValues; ++i)
        std::thread([&worker, i] { worker.OnUpdateArgValue(Arg(1), Value(i % 2 == 0 ? 5 : 11, i)); }).join();
    ASSERT_TRUE(worker.Resume());
    EXPECT_TRUE(generator.WaitFor(name, kValues / 2));
    worker.Stop();
    EXPECT_EQ(generator.Count(name), static_cast<std::size_t>(kValues / 2));
}

TEST_F(AlertModuleTest, ValuesFromSeveralThreadsKeepTheirOrderWhenATakeHasGapsFromShedding)
{
    // A thread's sub-queue is thinned between the first value and the rest, so the numbers
    // taken do not run without gaps and the sub-queues' heads are compared.
    const QString name = QStringLiteral("krawędź");
    AddRiseAboveTen(name);
    ExposedWorker worker(module);
    ASSERT_TRUE(worker.Start(MessageThread::StartMode::Suspended));
    std::thread([&worker] { worker.OnUpdateArgValue(Arg(1), Value(5, 0)); }).join();
    std::thread([&worker] {
        for (std::size_t i = 0; i < AlertsModuleWorkerThread::kQueueLimit / AlertsModuleWorkerThread::kSubQueues; ++i)
            worker.OnUpdateArgValue(Arg(2), Value(1, static_cast<double>(i)));
    }).join();
    ASSERT_GT(worker.ShedCount(), 0u);
    constexpr int kValues = 40;
    for (int i = 0; i < kValues; ++i)
        std::thread([&worker, i] { worker.OnUpdateArgValue(Arg(1), Value(i % 2 == 0 ? 11 : 5, i + 1)); }).join();
    ASSERT_TRUE(worker.Resume());
    EXPECT_TRUE(generator.WaitFor(name, kValues / 2));
    worker.Stop();
    EXPECT_EQ(generator.Count(name), static_cast<std::size_t>(kValues / 2));
}

TEST_F(AlertModuleTest, CrossingsFromSeveralThreadsAllFire)
{
    // The threads deliver in bursts, so the worker runs dry and is woken again and again; a
    // value left waiting without a wake-up would keep its alert from firing.
    constexpr int kThreads = 4;
    constexpr int kCrossings = 200;
    for (int i = 0; i < kThreads; ++i)
    {
        auto alert = NewAlert(QStringLiteral("wątek %1").arg(i));
        alert->BuySide().SetSideEnabled(true);
        AddExpr(alert->BuySide(), Arg(static_cast<std::uint32_t>(i + 1)), eCmpGreater, 10);
        module.AddAlert(alert);
    }
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i)
    {
        threads.emplace_back([this, i] {
            IAlertModule& alerts = module;
            for (int value = 0; value < 2 * kCrossings; ++value)
            {
                alerts.OnUpdateArgValue(Arg(static_cast<std::uint32_t>(i + 1)), Value(value % 2 == 0 ? 5 : 11, value));
                if (value % 16 == 0)
                    std::this_thread::yield();
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (int i = 0; i < kThreads; ++i)
        ASSERT_TRUE(generator.WaitFor(QStringLiteral("wątek %1").arg(i), kCrossings));
}

TEST_F(AlertModuleTest, AfterTheWorkerStoppedDeliveriesFailAndNothingWaits)
{
    AddRiseAboveTen(QStringLiteral("a"));
    ExposedWorker worker(module);
    ASSERT_TRUE(worker.Start());
    ASSERT_TRUE(worker.OnUpdateArgValue(Arg(1), Value(11, 1)));
    ASSERT_TRUE(generator.WaitFor(QStringLiteral("a"), 1));
    // Stopped with a wake-up still waiting.
    ASSERT_TRUE(worker.Pause());
    EXPECT_TRUE(worker.OnUpdateArgValue(Arg(1), Value(5, 2)));
    worker.Stop();
    EXPECT_FALSE(worker.OnUpdateArgValue(Arg(1), Value(11, 3)));
    EXPECT_TRUE(worker.GetAllData().empty());
}

TEST_F(AlertModuleTest, ABatchAfterALargerOneHoldsOnlyTheNewValues)
{
    // The queue reuses the buffer of the batch handled before, whose old values stay behind
    // the new ones: a rise handled again would fire again.
    const QString name = QStringLiteral("krawędź");
    AddRiseAboveTen(name);
    for (int i = 0; i < 50; ++i)
        module.OnUpdateArgValue(Arg(1), Value(i % 2 == 0 ? 11 : 5, i));
    WaitForWorker();
    module.OnUpdateArgValue(Arg(1), Value(5, 100));
    WaitForWorker();
    EXPECT_EQ(generator.Count(name), 25u);
    module.OnUpdateArgValue(Arg(1), Value(11, 101));
    WaitForWorker();
    EXPECT_EQ(generator.Count(name), 26u);
    EXPECT_EQ(module.Arguments().ArgumentValue(Arg(1)), 11.0);
}

TEST_F(AlertModuleTest, ListWithARefusedValueStillRunsTheAcceptedOnes)
{
    AddTwoSided(QStringLiteral("a"), Arg(1), 10, 5);
    AddTwoSided(QStringLiteral("b"), Arg(2), 10, 5);
    auto values = std::make_shared<AlertExprArgList>();
    values->Attach(Arg(1), Value(11, 1));
    values->Attach(Arg(9), Value(11, 1));
    values->Attach(Arg(2), Value(12, 1));
    module.OnUpdateArgListValues(values);
    WaitForWorker();
    EXPECT_EQ(GeneratedNames(), (std::vector<QString>{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(module.Arguments().ArgumentValue(Arg(2)), 12.0);
    EXPECT_FALSE(module.Arguments().Find(Arg(9)));
}

TEST_F(AlertModuleTest, DestroyedArgumentStopsItsAlertsAndTellsTheWindows)
{
    const std::uint32_t id = AddTwoSided(QStringLiteral("a"), Arg(1), 10, 5);
    module.OnArgDestroyed(Arg(1));
    module.OnUpdateArgValue(Arg(1), Value(11, 1));
    WaitForWorker();
    EXPECT_TRUE(GeneratedNames().empty());
    EXPECT_FALSE(module.Alerts().GetAlertBoolParam(id, AlertsListManager::eExecuteAllowed));
    EXPECT_TRUE(observer.Events().contains(QStringLiteral("destroyed arg1")));
    EXPECT_FALSE(module.Arguments().Find(Arg(1)));
}

TEST_F(AlertModuleTest, DestroyedArgumentsReachTheDefinitionDialogHandlerUntilItDetaches)
{
    std::mutex mutex;
    std::vector<AlertExprArgDesc> told;
    module.SetArgumentDestroyedHandler([&](const AlertExprArgDesc& argument) {
        const std::lock_guard lock(mutex);
        told.push_back(argument);
    });
    module.OnArgDestroyed(Arg(1));
    WaitForWorker();
    module.SetArgumentDestroyedHandler(nullptr);
    module.OnArgDestroyed(Arg(2));
    WaitForWorker();
    const std::lock_guard lock(mutex);
    EXPECT_EQ(told, std::vector<AlertExprArgDesc>{Arg(1)});
}

TEST_F(AlertModuleTest, RequestIdChangesReBindAlertsOnTheMainThread)
{
    const LogCapture log;
    const AlertExprArgDesc first = SeriesArg(100, 1);
    const AlertExprArgDesc chained = SeriesArg(300, 3);
    const std::uint32_t firstId = AddTwoSided(QStringLiteral("pierwszy"), first, 10, 5);
    const std::uint32_t chainedId = AddTwoSided(QStringLiteral("łańcuch"), chained, 10, 5);
    const std::uint32_t deletedId = AddTwoSided(QStringLiteral("usunięty"), SeriesArg(100, 9), 10, 5);

    // The worker posts once for every change it recorded; a marker value would not do, since
    // the worker may take it with values queued before the change.
    IAlertModule& alerts = module;
    alerts.OnUpdateArgRequestId(first, 200);
    alerts.OnUpdateArgRequestId(chained, 400);
    ASSERT_TRUE(mediator.WaitForPosts(2));
    alerts.OnUpdateArgRequestId(SeriesArg(400, 3), 500);
    ASSERT_TRUE(mediator.WaitForPosts(3));
    EXPECT_FALSE(module.ProcessChangeRequests(AlertModule::kChangeRequestMessage + 1));
    module.RemoveAlert(QStringLiteral("usunięty"));
    EXPECT_TRUE(module.ProcessChangeRequests(AlertModule::kChangeRequestMessage));

    EXPECT_EQ(module.Alerts().Count(), 2u);
    EXPECT_FALSE(module.Alerts().Contains(firstId));
    EXPECT_FALSE(module.Alerts().Contains(chainedId));
    EXPECT_FALSE(module.Alerts().Contains(deletedId));
    EXPECT_FALSE(module.Alerts().FindIdByName(QStringLiteral("usunięty")));
    for (const auto& [old, moved] : {std::pair(first, SeriesArg(200, 1)), std::pair(chained, SeriesArg(500, 3))})
    {
        EXPECT_FALSE(module.Arguments().Find(old));
        EXPECT_EQ(source.RemoveCalls(old), 1);
        EXPECT_EQ(module.Arguments().ArgumentInstanceCount(moved), 2u);
        EXPECT_EQ(module.Alerts().LinkCount(moved), 1u);
    }
    const std::uint32_t newId = *module.Alerts().FindIdByName(QStringLiteral("pierwszy"));
    EXPECT_TRUE(module.Alerts().GetAlertBoolParam(newId, AlertsListManager::eExecuteAllowed));
    EXPECT_TRUE(observer.Events().contains(QStringLiteral("removed %1").arg(firstId)));
    EXPECT_TRUE(observer.Events().contains(QStringLiteral("added %1").arg(newId)));

    module.OnUpdateArgValue(first, Value(11, 1));
    module.OnUpdateArgValue(SeriesArg(200, 1), Value(11, 2));
    module.OnUpdateArgValue(SeriesArg(500, 3), Value(4, 2));
    WaitForWorker();
    EXPECT_EQ(GeneratedNames(), (std::vector<QString>{QStringLiteral("pierwszy"), QStringLiteral("łańcuch")}));
}

// Request 7 changes while the main thread has not re-bound its alerts yet: changed twice, or
// with an edit saved in between.
TEST_F(AlertModuleTest, AlertsEndOnTheLatestRequestWithTheirLatestEdit)
{
    struct Case
    {
        const char* name;
        std::vector<std::uint32_t> changes;
        double editedLevel;
        std::vector<double> values;
        std::string expected;
    };
    const Case cases[] = {
        {"changed twice", {101, 102}, 0, {11}, "B"},
        {"edited meanwhile", {101}, 20, {15, 25}, "-B"},
    };
    std::size_t posts = 0;
    double time = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromUtf8(c.name);
        auto alert = NewAlert(name);
        alert->BuySide().SetSideEnabled(true);
        AddExpr(alert->BuySide(), SeriesArg(7, 1), eCmpGreater, 10);
        const std::uint32_t id = module.AddAlert(alert);
        alert.reset();
        IAlertModule& alerts = module;
        for (const std::uint32_t change : c.changes)
            alerts.OnUpdateArgRequestId(SeriesArg(7, 1), change);
        posts += c.changes.size();
        ASSERT_TRUE(mediator.WaitForPosts(posts));
        if (c.editedLevel != 0)
        {
            const auto edited = module.Alerts().CloneAlert(id);
            edited->BuySide().Expression(0).SetConstant(SimpleExpr::eRight, ConstArgumentValue(c.editedLevel, 2));
            module.AddAlert(edited);
        }
        ASSERT_TRUE(module.ProcessChangeRequests(AlertModule::kChangeRequestMessage));

        const AlertExprArgDesc latest = SeriesArg(c.changes.back(), 1);
        EXPECT_FALSE(module.Arguments().Find(SeriesArg(7, 1)));
        EXPECT_EQ(module.Arguments().ArgumentInstanceCount(latest), 1u);
        EXPECT_EQ(module.Alerts().LinkCount(latest), 1u);
        for (const std::uint32_t change : c.changes)
            EXPECT_EQ(source.AddCalls(SeriesArg(change, 1)), change == c.changes.back() ? 1 : 0);
        std::string results;
        for (const double value : c.values)
        {
            Deliver(latest, value, ++time);
            results += generator.Taken().empty() ? '-' : 'B';
        }
        EXPECT_EQ(results, c.expected);
        module.RemoveAlert(name);
    }
}

TEST_F(AlertModuleTest, OnlyItsOwnMessagesReachTheWorker)
{
    ExposedWorker worker(module);
    EXPECT_FALSE(worker.ProcessMessage(ThreadMessage{0x403, 0, 0}));
    EXPECT_TRUE(worker.ProcessMessage(ThreadMessage{AlertsModuleWorkerThread::kDataQueuedMessage, 0, 0}));
    EXPECT_FALSE(worker.OnUpdateArgValue(Arg(1), Value(1, 1)));

    ASSERT_TRUE(worker.Start(MessageThread::StartMode::Suspended));
    AddTwoSided(QStringLiteral("a"), Arg(1), 10, 5);
    worker.OnUpdateArgValue(Arg(1), Value(11, 1));
    worker.OnArgDestroyed(Arg(1));
    worker.OnUpdateArgListValues(std::make_shared<AlertExprArgList>());
    const auto elements = worker.GetAllData();
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[0].kind, AlertsModuleWorkerThread::DataElement::eValue);
    EXPECT_EQ(elements[0].value.Value(), 11.0);
    EXPECT_EQ(elements[1].kind, AlertsModuleWorkerThread::DataElement::eArgumentDestroyed);
    EXPECT_EQ(elements[2].kind, AlertsModuleWorkerThread::DataElement::eValueList);
    worker.OnUpdateArgValue(Arg(1), Value(11, 2));
    worker.ClearData();
    EXPECT_TRUE(worker.GetAllData().empty());
    worker.Resume();
    worker.Stop();
    EXPECT_TRUE(module.Alerts().GetAlertBoolParam(1, AlertsListManager::eExecuteAllowed));
}

TEST_F(AlertModuleTest, EditedCopyOfAVanishedAlertComesBackAsNew)
{
    const std::uint32_t id = AddTwoSided(QStringLiteral("a"), Arg(1), 10, 5);
    const auto clone = module.Alerts().CloneAlert(id);
    EXPECT_TRUE(module.RemoveAlert(QStringLiteral("a")));
    EXPECT_FALSE(module.RemoveAlert(QStringLiteral("a")));
    const std::uint32_t newId = module.AddAlert(clone);
    EXPECT_NE(newId, id);
    EXPECT_EQ(observer.Events(),
              (QStringList{QStringLiteral("added %1").arg(id), QStringLiteral("removed %1").arg(id),
                           QStringLiteral("added %1").arg(newId)}));
    clone->Properties().SetName(QStringLiteral("b"));
    EXPECT_EQ(module.AddAlert(std::make_shared<BLAlert>(*clone)), newId);
    EXPECT_EQ(observer.Events().last(), QStringLiteral("changed"));
}

TEST_F(AlertModuleTest, ClearAllEmptiesListAndRegistry)
{
    const LogCapture log;
    mediator.productKind = AlertLog::kLoggingProductKind;
    AddTwoSided(QStringLiteral("a"), Arg(1), 10, 5);
    const auto held = module.Alerts().CloneAlert(1);
    module.ClearAll();
    EXPECT_EQ(module.Alerts().Count(), 0u);
    EXPECT_FALSE(module.Arguments().Find(Arg(1)));
    EXPECT_EQ(source.RemoveCalls(Arg(1)), 1);
    EXPECT_TRUE(observer.Events().contains(QStringLiteral("all removed")));
    EXPECT_TRUE(log.Text().contains(QStringLiteral("Alert lokalny usunięcie -  Usunięcie wszystkich alertów.")));
}

TEST_F(AlertModuleTest, SourcesAreFoundByModuleName)
{
    EXPECT_TRUE(module.IsArgumentSourceAvailable(Arg(1)));
    EXPECT_TRUE(module.AddArgumentUsage(Arg(1)));
    const AlertExprArgDesc foreign(QStringLiteral("Brak"), 1, QStringLiteral("x"), QStringLiteral("y"));
    EXPECT_FALSE(module.IsArgumentSourceAvailable(foreign));
    EXPECT_FALSE(module.AddArgumentUsage(foreign));
    module.RemoveArgumentUsage(foreign);
}

TEST_F(AlertModuleTest, DiagnosticFileReplacesTheOldOne)
{
    const TempHome home;
    const QString folder = QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("AlertsModule"));
    ASSERT_TRUE(AppPaths::EnsureFolder(folder));
    QFile old(QDir(folder).filePath(QStringLiteral("logAlertsState.txt")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("stara zawartość, dłuższa niż nowa, dużo dłuższa, naprawdę dużo");
    old.close();
    AddTwoSided(QStringLiteral("a"), Arg(1), 10, 5);
    ASSERT_TRUE(module.LogAlertsState());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(old.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("AlertsListManager\n\n\n=====")));
    EXPECT_FALSE(text.contains(QStringLiteral("stara")));
}

TEST_F(AlertModuleTest, SheddingKeepsTheNewestValueOfEveryArgumentInOrder)
{
    using Element = AlertsModuleWorkerThread::DataElement;
    const auto value = [](std::uint32_t argument, double number) {
        return Element{Element::eValue, Arg(argument), Value(number, number), nullptr};
    };
    const auto list = [](std::vector<std::pair<std::uint32_t, double>> values) {
        auto made = std::make_shared<AlertExprArgList>();
        for (const auto& [argument, number] : values)
            made->Attach(Arg(argument), Value(number, number));
        return Element{Element::eValueList, AlertExprArgDesc(), AlertExprArgValue(), made};
    };
    // A list stays while one of its values is the newest of its argument.
    std::vector<Element> elements{value(1, 1),
                                  list({{1, 2}, {2, 2}}),
                                  value(2, 3),
                                  Element{Element::eArgumentDestroyed, Arg(3), {}, nullptr},
                                  list({{2, 4}, {3, 4}}),
                                  value(1, 5),
                                  value(3, 6),
                                  value(3, 7)};
    EXPECT_EQ(AlertsModuleWorkerThread::ShedOlderValues(elements), 4u);
    ASSERT_EQ(elements.size(), 4u);
    EXPECT_EQ(elements[0].kind, Element::eArgumentDestroyed);
    EXPECT_EQ(elements[1].kind, Element::eValueList);
    EXPECT_EQ(elements[1].values->ArgValue(0).Value(), 4.0);
    EXPECT_EQ(elements[2].value.Value(), 5.0);
    EXPECT_EQ(elements[3].value.Value(), 7.0);
}

TEST_F(AlertModuleTest, AHeldUpWorkerKeepsItsQueueBoundedAndLogsOnce)
{
    const LogCapture log;
    ExposedWorker worker(module);
    ASSERT_TRUE(worker.Start(MessageThread::StartMode::Suspended));
    constexpr std::uint32_t kArguments = 10;
    for (std::size_t i = 0; i < 2 * AlertsModuleWorkerThread::kQueueLimit; ++i)
        worker.OnUpdateArgValue(Arg(static_cast<std::uint32_t>(i % kArguments)), Value(static_cast<double>(i), 1));
    const auto waiting = worker.GetAllData();
    EXPECT_LT(waiting.size(), AlertsModuleWorkerThread::kQueueLimit);
    EXPECT_EQ(waiting.back().value.Value(), static_cast<double>(2 * AlertsModuleWorkerThread::kQueueLimit - 1));
    EXPECT_GT(worker.ShedCount(), AlertsModuleWorkerThread::kQueueLimit);
    EXPECT_EQ(log.Text().count(QStringLiteral("pominięto")), 1);
    worker.Resume();
    worker.Stop();
}

TEST_F(AlertModuleTest, ALibraryCallingThePublishedSlotOrderReachesEveryOperation)
{
    AddRiseAboveTen(QStringLiteral("przez slot"));
    IAlertModule* face = &module;
    auto* library = reinterpret_cast<PublishedAlertFace*>(face);

    std::vector<BasicAlertInfo> linked;
    library->GatherAssociatedAlertsInfo(Arg(1), linked);
    ASSERT_EQ(linked.size(), 1u);
    EXPECT_EQ(linked[0].Name, QStringLiteral("przez slot"));

    library->OnUpdateArgValue(Arg(1), Value(11, 1));
    WaitForWorker();
    EXPECT_EQ(GeneratedNames(), std::vector<QString>{QStringLiteral("przez slot")});

    auto values = std::make_shared<AlertExprArgList>();
    values->Attach(Arg(1), Value(5, 100));
    library->OnUpdateArgListValues(values);
    WaitForWorker();
    EXPECT_EQ(module.Arguments().ArgumentValue(Arg(1)), 5.0);

    library->OnArgDestroyed(Arg(1));
    WaitForWorker();
    EXPECT_TRUE(observer.Events().contains(QStringLiteral("destroyed arg1")));
}
