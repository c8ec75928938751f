#include "SessionStatisticsFakes.h"

#include "platform/modules/IStatisticsSessionReceiver.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "sessionstats/engine/SessionStatisticsModule.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QTime>

SessionStatistics MakeStatistics(std::uint32_t marker, const QStringList& names)
{
    SessionStatistics::AssetsList list;
    for (int i = 0; i < names.size(); ++i)
        list.push_back(std::make_shared<AssetStatistics>(names[i], 10.0 - i, 100.0 + i, 1000.0 * (i + 1), 10.0 * i,
                                                         static_cast<std::uint32_t>(marker + i)));
    SessionStatistics statistics;
    for (int kind = 0; kind < kAssetStatisticTypes; ++kind)
        statistics.SetHighestAssetsList(static_cast<EAssetStatisticType>(kind), list);
    statistics.SetGeneralInfo(
        std::make_shared<SessionStatistics::GeneralData>(SessionStatistics::GeneralData{marker, 1.5 * marker, 7.0, 2 * marker}),
        std::make_shared<SessionStatistics::GeneralData>(SessionStatistics::GeneralData{2, 20.25, 8.0, 30}),
        std::make_shared<SessionStatistics::GeneralData>(SessionStatistics::GeneralData{3, 0.5, 9.0, 4}));
    return statistics;
}

QStringList InstrumentNames(int count, const QString& prefix)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(prefix + QString::number(i));
    return names;
}

NDateTime At(int hour, int minute, int second)
{
    return NDateTime(QDateTime(QDate(2024, 5, 6), QTime(hour, minute, second)));
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition())
    {
        if (std::chrono::steady_clock::now() > end)
            return false;
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

QDateTime ManualClock::Now() const
{
    const std::lock_guard lock(m_mutex);
    return m_now;
}

void ManualClock::SetNow(const NDateTime& now)
{
    const std::lock_guard lock(m_mutex);
    m_now = now.ToQDateTime();
}

void FakeAlertModule::OnUpdateArgValue(const AlertExprArgDesc& argument, const AlertExprArgValue& value)
{
    {
        const std::lock_guard lock(m_mutex);
        ++m_singleCalls;
    }
    Keep(argument, value);
}

void FakeAlertModule::OnUpdateArgListValues(std::shared_ptr<const AlertExprArgList> values)
{
    {
        const std::lock_guard lock(m_mutex);
        ++m_listCalls;
    }
    for (std::size_t i = 0; i < values->ArgumentsCount(); ++i)
        Keep(values->ArgDescription(i), values->ArgValue(i));
}

void FakeAlertModule::OnArgDestroyed(const AlertExprArgDesc& argument)
{
    const std::lock_guard lock(m_mutex);
    ++m_destroyed;
}

void FakeAlertModule::Keep(const AlertExprArgDesc& argument, const AlertExprArgValue& value)
{
    {
        const std::lock_guard lock(m_mutex);
        m_values.push_back({argument, value, std::this_thread::get_id()});
    }
    m_arrived.notify_all();
}

std::vector<FakeAlertModule::Received> FakeAlertModule::Values() const
{
    const std::lock_guard lock(m_mutex);
    return m_values;
}

int FakeAlertModule::SingleCalls() const
{
    const std::lock_guard lock(m_mutex);
    return m_singleCalls;
}

int FakeAlertModule::ListCalls() const
{
    const std::lock_guard lock(m_mutex);
    return m_listCalls;
}

int FakeAlertModule::Destroyed() const
{
    const std::lock_guard lock(m_mutex);
    return m_destroyed;
}

bool FakeAlertModule::WaitForValues(std::size_t count, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_arrived.wait_for(lock, timeout, [&] { return m_values.size() >= count; });
}

StatisticsProvider::StatisticsProvider()
    : FakeProvider(QStringLiteral("Kelvora OnLine"))
{
}

bool StatisticsProvider::AddStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver)
{
    const std::lock_guard lock(m_mutex);
    if (!receiver || m_receiver)
        return false;
    m_receiver = receiver;
    ++m_registrations;
    return true;
}

bool StatisticsProvider::RemoveStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver)
{
    const std::lock_guard lock(m_mutex);
    if (!receiver || m_receiver != receiver)
        return false;
    m_receiver = nullptr;
    return true;
}

bool StatisticsProvider::IsRegistered() const
{
    const std::lock_guard lock(m_mutex);
    return m_receiver != nullptr;
}

int StatisticsProvider::Registrations() const
{
    const std::lock_guard lock(m_mutex);
    return m_registrations;
}

bool StatisticsProvider::Deliver(const SessionStatistics& statistics)
{
    const std::lock_guard lock(m_mutex);
    return m_receiver && m_receiver->SetNewStatistics(statistics);
}

bool StatisticsProvider::DeliverSessionChange()
{
    const std::lock_guard lock(m_mutex);
    if (!m_receiver)
        return false;
    m_receiver->OnSessionChange();
    return true;
}

ProviderBase* FakeSessionStatisticsMediator::GetRunningProvider(const QString& name)
{
    return provider && provider->GetName().compare(name, Qt::CaseInsensitive) == 0 ? provider : nullptr;
}

void FakeSessionStatisticsMediator::WriteError(const QString& module, const QString& where, int line,
                                               const QString& text)
{
    const std::lock_guard lock(m_mutex);
    m_errors.append(QStringLiteral("%1|%2|%3").arg(module, where, text));
}

QStringList FakeSessionStatisticsMediator::Errors() const
{
    const std::lock_guard lock(m_mutex);
    return m_errors;
}

FakeStatisticsWindow::FakeStatisticsWindow(SessionStatisticsModule& module)
    : m_module(module)
{
}

bool FakeStatisticsWindow::Create(QWidget* parentWidget)
{
    parent = parentWidget;
    m_created = createResult;
    return createResult;
}

QWidget* FakeStatisticsWindow::Widget() const
{
    return m_created ? reinterpret_cast<QWidget*>(const_cast<char*>(&m_handle)) : nullptr;
}

void FakeStatisticsWindow::Show()
{
    m_visible = true;
    m_module.OnWindowShown();
}

void FakeStatisticsWindow::Hide()
{
    m_visible = false;
    m_module.OnWindowHidden();
}

void FakeStatisticsWindow::ShowTopPane(bool show)
{
    calls.append(QStringLiteral("ShowTopPane(%1)").arg(show));
}

void FakeStatisticsWindow::ShowBottomPane(bool show)
{
    calls.append(QStringLiteral("ShowBottomPane(%1)").arg(show));
}

void FakeStatisticsWindow::FitToContent(int width)
{
    calls.append(QStringLiteral("FitToContent(%1)").arg(width));
}

void FakeStatisticsWindow::SerializeState(Settings& node) const
{
    node["ActiveTab"] = static_cast<std::int32_t>(activeTab);
}

bool FakeStatisticsWindow::UnSerializeState(const Settings& node, bool fromFile)
{
    calls.append(QStringLiteral("UnSerializeState(%1)").arg(fromFile));
    activeTab = node["ActiveTab"].ToInt();
    return true;
}

void FakeStatisticsWindow::SaveToQ5Format(Q5Settings& node) const
{
    node["ActiveTab"] = static_cast<std::int32_t>(activeTab);
}

void FakeStatisticsWindow::RefreshViews()
{
    ++refreshes;
    refreshedRevision = m_module.GetDisplayData().revision;
    refreshThread = std::this_thread::get_id();
}
