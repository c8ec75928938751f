#include "AlertsFakes.h"

#include "alerts/engine/BLAlert.h"
#include "platform/base/Log.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <thread>

bool FakeArgumentSource::IsArgumentValid(const AlertExprArgDesc& argument)
{
    const std::lock_guard lock(m_mutex);
    return m_invalid.count(argument) == 0;
}

bool FakeArgumentSource::AddArgumentUsage(const AlertExprArgDesc& argument)
{
    const std::lock_guard lock(m_mutex);
    ++m_adds[argument];
    return m_refused.count(argument) == 0;
}

void FakeArgumentSource::RemoveArgumentUsage(const AlertExprArgDesc& argument)
{
    const std::lock_guard lock(m_mutex);
    ++m_removes[argument];
}

void FakeArgumentSource::Refuse(const AlertExprArgDesc& argument)
{
    const std::lock_guard lock(m_mutex);
    m_refused.insert(argument);
}

void FakeArgumentSource::Invalidate(const AlertExprArgDesc& argument)
{
    const std::lock_guard lock(m_mutex);
    m_invalid.insert(argument);
}

int FakeArgumentSource::AddCalls(const AlertExprArgDesc& argument) const
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_adds.find(argument);
    return found == m_adds.end() ? 0 : found->second;
}

int FakeArgumentSource::RemoveCalls(const AlertExprArgDesc& argument) const
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_removes.find(argument);
    return found == m_removes.end() ? 0 : found->second;
}

int FakeArgumentSource::TotalCalls() const
{
    const std::lock_guard lock(m_mutex);
    int total = 0;
    for (const auto& [argument, count] : m_adds)
        total += count;
    for (const auto& [argument, count] : m_removes)
        total += count;
    return total;
}

IAlertArgumentSource* FakeAlertsMediator::GetAlertArgumentSource(const QString& moduleName)
{
    const auto found = sources.find(moduleName);
    return found == sources.end() ? nullptr : found->second;
}

bool FakeAlertsMediator::PostToMainFrame(unsigned message)
{
    {
        const std::lock_guard lock(m_mutex);
        m_messages.push_back(message);
        ++m_posts;
    }
    m_posted.notify_all();
    return true;
}

void FakeAlertsMediator::BroadcastGeneratedAlert(const std::shared_ptr<GeneratedAlertInfo>& alert)
{
    if (broadcasts)
        broadcasts->Record(*alert);
}

void FakeAlertsMediator::ShowAlertNotification(const QString& name, const QString& argumentName,
                                               const QString& valueText, unsigned side, bool cloudEvent)
{
    const std::lock_guard lock(m_mutex);
    m_popups.append(QStringLiteral("%1|%2|%3|%4|%5").arg(name, argumentName, valueText).arg(side).arg(int(cloudEvent)));
}

AlertsGeneralSettingsValues FakeAlertsMediator::GetNotificationSettings()
{
    const std::lock_guard lock(m_mutex);
    return m_settings;
}

QStringList FakeAlertsMediator::Popups() const
{
    const std::lock_guard lock(m_mutex);
    return m_popups;
}

void FakeAlertsMediator::SetNotificationSettings(const AlertsGeneralSettingsValues& settings)
{
    const std::lock_guard lock(m_mutex);
    m_settings = settings;
}

void FakeSoundPlayer::PlayFileBlocking(const QString& path)
{
    std::unique_lock lock(m_mutex);
    ++m_started;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return !m_held; });
    m_played.append(path);
    m_changed.notify_all();
}

void FakeSoundPlayer::Purge()
{
    Release();
}

void FakeSoundPlayer::Hold()
{
    const std::lock_guard lock(m_mutex);
    m_held = true;
}

void FakeSoundPlayer::Release()
{
    {
        const std::lock_guard lock(m_mutex);
        m_held = false;
    }
    m_changed.notify_all();
}

bool FakeSoundPlayer::WaitForStarted(std::size_t count, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this, count] { return m_started >= count; });
}

bool FakeSoundPlayer::WaitForPlayed(std::size_t count, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this, count] { return static_cast<std::size_t>(m_played.size()) >= count; });
}

QStringList FakeSoundPlayer::Played() const
{
    const std::lock_guard lock(m_mutex);
    return m_played;
}

std::vector<unsigned> FakeAlertsMediator::TakePostedMessages()
{
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_messages, {});
}

bool FakeAlertsMediator::WaitForPosts(std::size_t count, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_posted.wait_for(lock, timeout, [this, count] { return m_posts >= count; });
}

void RecordingGenerator::Record(const GeneratedAlertInfo& alert)
{
    {
        const std::lock_guard lock(m_mutex);
        m_alerts.push_back(Generated{alert.GetAlertId(), alert.GetName(), alert.GetSide(), alert.GetSnapshots().size()});
        ++m_total;
        ++m_byName[alert.GetName()];
    }
    m_generated.notify_all();
}

std::vector<RecordingGenerator::Generated> RecordingGenerator::Taken()
{
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_alerts, {});
}

std::size_t RecordingGenerator::Count() const
{
    const std::lock_guard lock(m_mutex);
    return m_total;
}

bool RecordingGenerator::WaitFor(std::size_t count, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_generated.wait_for(lock, timeout, [this, count] { return m_total >= count; });
}

bool RecordingGenerator::WaitFor(const QString& name, std::size_t count, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_generated.wait_for(lock, timeout, [this, &name, count] { return m_byName[name] >= count; });
}

std::size_t RecordingGenerator::Count(const QString& name) const
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_byName.find(name);
    return found == m_byName.end() ? 0 : found->second;
}

void RecordingObserver::OnAlertAdded(std::uint32_t alertId)
{
    const std::lock_guard lock(m_mutex);
    m_events << QStringLiteral("added %1").arg(alertId);
}

void RecordingObserver::OnAlertsChanged()
{
    const std::lock_guard lock(m_mutex);
    m_events << QStringLiteral("changed");
}

void RecordingObserver::OnAlertRemoved(std::uint32_t alertId)
{
    const std::lock_guard lock(m_mutex);
    m_events << QStringLiteral("removed %1").arg(alertId);
}

void RecordingObserver::OnAllAlertsRemoved()
{
    const std::lock_guard lock(m_mutex);
    m_events << QStringLiteral("all removed");
}

void RecordingObserver::OnArgumentDestroyed(const AlertExprArgDesc& argument)
{
    const std::lock_guard lock(m_mutex);
    m_events << QStringLiteral("destroyed %1").arg(argument.GetArgumentName());
}

QStringList RecordingObserver::Events() const
{
    const std::lock_guard lock(m_mutex);
    return m_events;
}

LogCapture::LogCapture()
{
    QTemporaryDir dir;
    dir.setAutoRemove(false);
    m_folder = dir.path();
    m_path = QDir(m_folder).filePath(QStringLiteral("Log.txt"));
    Log::Init(m_path);
}

LogCapture::~LogCapture()
{
    Log::Close();
    QDir(m_folder).removeRecursively();
}

QString LogCapture::Text() const
{
    QFile file(m_path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool LogCapture::WaitFor(const QString& text, std::chrono::milliseconds timeout) const
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!Text().contains(text))
    {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}
