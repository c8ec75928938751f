#include "AlertsFixture.h"

#include "alerts/engine/GeneratedAlertsAnnouncer.h"
#include "platform/modules/AlertExprArgValue.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace
{
// An announcer over a handler that notes every record's id, its argument values and the
// thread it ran on, and that the test can hold.
class GeneratedAlertsAnnouncerTest : public AlertsFixture
{
protected:
    GeneratedAlertsAnnouncerTest()
    {
        // Values for the alert's two arguments, as the worker would have stored them.
        auto alert = NewAlert(QStringLiteral("a"));
        alert->BuySide().SetSideEnabled(true);
        AddExpr(alert->BuySide(), Arg(1), eCmpGreater, 10);
        AddExpr(alert->BuySide(), Arg(2), eCmpGreater, 10);
        module.AddAlert(alert);
        Deliver(Arg(1), 3, 1);
        Deliver(Arg(2), 4, 2);
        m_alert = alert;
    }

    std::unique_ptr<GeneratedAlertsAnnouncer> MakeAnnouncer(std::size_t limit = GeneratedAlertsAnnouncer::kLimit)
    {
        return std::make_unique<GeneratedAlertsAnnouncer>(
            [this](GeneratedAlertsAnnouncer::Batch& batch) {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [this] { return !m_held; });
                std::size_t snapshot = 0;
                for (const GeneratedAlertsAnnouncer::Record& record : batch.records)
                {
                    QString values;
                    for (; snapshot < record.snapshotsEnd; ++snapshot)
                        values += QString::number(batch.snapshots[snapshot].GetValue());
                    m_announced.push_back(QStringLiteral("%1:%2").arg(record.alertId).arg(values));
                    m_threads.push_back(std::this_thread::get_id());
                }
                m_changed.notify_all();
            },
            limit);
    }

    void Add(GeneratedAlertsAnnouncer& announcer, std::uint32_t id)
    {
        GeneratedAlertsAnnouncer::Record record;
        record.alertId = id;
        announcer.Add(std::move(record), *m_alert);
    }

    void Hold(bool held)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_held = held;
        }
        m_changed.notify_all();
    }

    QStringList Announced()
    {
        const std::lock_guard lock(m_mutex);
        return m_announced;
    }

    static QStringList Expected(std::uint32_t from, std::uint32_t to)
    {
        QStringList expected;
        for (std::uint32_t id = from; id <= to; ++id)
            expected << QStringLiteral("%1:34").arg(id);
        return expected;
    }

    std::shared_ptr<BLAlert> m_alert;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false;
    QStringList m_announced;
    std::vector<std::thread::id> m_threads;
};
}

TEST_F(GeneratedAlertsAnnouncerTest, RecordsAreAnnouncedInOrderOnTheAnnouncersThreadAndFlushWaitsForThem)
{
    const auto announcer = MakeAnnouncer();
    Hold(true);
    for (std::uint32_t id = 1; id <= 500; ++id)
        Add(*announcer, id);
    // Flush returns only after the held batch and everything behind it went out.
    std::thread flush([&announcer] { announcer->Flush(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(Announced().isEmpty());
    Hold(false);
    flush.join();
    EXPECT_EQ(Announced(), Expected(1, 500));
    const std::lock_guard lock(m_mutex);
    EXPECT_TRUE(std::none_of(m_threads.begin(), m_threads.end(),
                             [](std::thread::id thread) { return thread == std::this_thread::get_id(); }));
}

TEST_F(GeneratedAlertsAnnouncerTest, AFullHandOverHoldsTheAdderUntilTheAnnouncerTakesItNothingIsDropped)
{
    const auto announcer = MakeAnnouncer(4);
    Hold(true);
    std::atomic<std::uint32_t> added = 0;
    std::thread adder([&] {
        for (std::uint32_t id = 1; id <= 20; ++id)
        {
            Add(*announcer, id);
            added = id;
        }
    });
    // One batch is held in the handler and the limit waits behind it.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_LE(added.load(), 8u);
    Hold(false);
    adder.join();
    announcer->Flush();
    EXPECT_EQ(Announced(), Expected(1, 20));
}

TEST_F(GeneratedAlertsAnnouncerTest, StoppingAnnouncesWhatWaitsAndLaterRecordsGoOutOnTheCallersThread)
{
    const auto announcer = MakeAnnouncer();
    Hold(true);
    for (std::uint32_t id = 1; id <= 10; ++id)
        Add(*announcer, id);
    std::thread stop([&announcer] { announcer->Stop(); });
    Hold(false);
    stop.join();
    EXPECT_EQ(Announced(), Expected(1, 10));

    Add(*announcer, 11);
    EXPECT_EQ(Announced(), Expected(1, 11));
    const std::lock_guard lock(m_mutex);
    EXPECT_EQ(m_threads.back(), std::this_thread::get_id());
}

TEST_F(GeneratedAlertsAnnouncerTest, ARemovedAlertLeavesNoHistoryRowThoughSomeOfItsAlertsWereStillToBeAnnounced)
{
    const std::uint32_t id = AddTwoSided(QStringLiteral("zmienny"), Arg(3), 10, 5);
    std::atomic<bool> stop = false;
    std::thread source([this, &stop] {
        IAlertModule& alerts = module;
        for (int i = 0; !stop.load(); ++i)
            alerts.OnUpdateArgValue(Arg(3), AlertExprArgValue(i % 2 == 0 ? 11 : 4, 2,
                                                              OleDate(44000.0 + static_cast<double>(i) / 86400000.0)));
    });
    const bool fired = generator.WaitFor(QStringLiteral("zmienny"), 1000);
    EXPECT_TRUE(module.RemoveAlert(QStringLiteral("zmienny")));
    stop = true;
    source.join();
    ASSERT_TRUE(fired);
    module.WaitForAnnouncements();
    const BLAlertsHistory& history = module.GetAlertsHistory();
    for (std::size_t row = 0; row < history.GetRowCount(); ++row)
        ASSERT_NE(history.GetRow(row)->GetAlertId(), id) << row;
}

TEST_F(GeneratedAlertsAnnouncerTest, AFewRecordsOfARunAreAnnouncedByTheAdderMoreWakeTheAnnouncer)
{
    const auto announcer = MakeAnnouncer();
    const struct
    {
        std::uint32_t records;
        bool inPlace;
    } cases[] = {{1, true}, {GeneratedAlertsAnnouncer::kAnnouncedInPlace, true},
                 {GeneratedAlertsAnnouncer::kAnnouncedInPlace + 1, false}};
    std::uint32_t id = 0;
    for (const auto& c : cases)
    {
        // The announcer has gone idle after the run before.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const std::uint32_t first = id + 1;
        for (std::uint32_t i = 0; i < c.records; ++i)
            Add(*announcer, ++id);
        announcer->Post();
        announcer->Flush();
        EXPECT_EQ(Announced(), Expected(1, id)) << c.records;
        const std::lock_guard lock(m_mutex);
        EXPECT_EQ(m_threads.back() == std::this_thread::get_id(), c.inPlace) << c.records;
        EXPECT_EQ(m_threads[first - 1] == std::this_thread::get_id(), c.inPlace) << c.records;
    }
}
