#include "cloud/engine/CloudAlertManager.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/AlertTexts.h"
#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudAlertEventData.h"
#include "cloud/engine/CloudAlertEventListRow.h"
#include "cloud/engine/CloudAlertsListRow.h"
#include "cloud/engine/CloudMessageManager.h"
#include "cloud/engine/ICloudAlertDefinitionDlgHost.h"
#include "core/engine/XMLElement.h"
#include "platform/base/Log.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/modules/ProviderBase.h"

#include <algorithm>
#include <utility>

namespace
{
constexpr const char* kFile = "CloudAlertManager";
const QString kModule = QStringLiteral("CloudAlertModule");
}

const QString CloudAlertManager::kRemoveAllQuestion = QStringLiteral("Nastąpi usunięcie wszystkich alertów.\nKontynuować?");
const QString CloudAlertManager::kNameTakenText =
    QStringLiteral("Istnieje już alert o nazwie \"%1\". Wprowadź inną nazwę alertu.");

CloudAlertManager::CloudAlertManager(Links links)
    : m_links(std::move(links))
{
}

CloudAlertManager::~CloudAlertManager() = default;

void CloudAlertManager::SetDefinitionDlgHost(std::shared_ptr<ICloudAlertDefinitionDlgHost> host)
{
    m_dialogHost = std::move(host);
}

void CloudAlertManager::OnReceivedCloudAlerts(std::vector<std::shared_ptr<CloudAlertData>> alerts)
{
    const SafeAutoLock lock(m_lock, "CloudAlertManager::OnReceivedCloudAlerts", kFile);
    ProviderBase* provider = m_links.defaultProvider ? m_links.defaultProvider() : nullptr;
    if (!provider)
    {
        Log::WriteWarning(QStringLiteral("Brak domyślnego dostawcy danych; lista alertów w Chmurze pominięta"), kModule,
                          QStringLiteral("CloudAlertManager::OnReceivedCloudAlerts"), __LINE__);
        return;
    }
    const std::vector<Asset> instruments = provider->GetAllAssets();
    m_alerts = std::move(alerts);
    for (const std::shared_ptr<CloudAlertData>& alert : m_alerts)
        CloudAlertData::ResolveInstrument(*alert, instruments, *provider);
    RefreshCloudAlertRows();
}

void CloudAlertManager::OnReceivedCloudAlertEvents(const std::vector<std::shared_ptr<XMLElement>>& events)
{
    const SafeAutoLock lock(m_lock, "CloudAlertManager::OnReceivedCloudAlertEvents", kFile);
    AlertModule* module = m_links.alertModule ? m_links.alertModule() : nullptr;
    if (!module)
        return;
    module->GetAlertsHistory().ClearCloudAlertsEvents();
    m_events.clear();
    for (const std::shared_ptr<XMLElement>& element : events)
    {
        auto event = std::make_shared<CloudAlertEventData>();
        if (element && event->ReadFromXml(*element))
            m_events.push_back(std::move(event));
    }
    RefreshHistory();
}

void CloudAlertManager::AddNewCloudAlertEvent(const AlertEventGenerate& event)
{
    const SafeAutoLock lock(m_lock, "CloudAlertManager::AddNewCloudAlertEvent", kFile);
    if (m_pendingEvents.size() >= kMaxPendingEvents)
    {
        Log::WriteWarning(QStringLiteral("Zdarzenie %1 alertu w Chmurze %2 czekało zbyt długo na swój alert; pominięte")
                              .arg(m_pendingEvents.front().eventId)
                              .arg(m_pendingEvents.front().alertId),
                          kModule, QStringLiteral("CloudAlertManager::AddNewCloudAlertEvent"), __LINE__);
        m_pendingEvents.erase(m_pendingEvents.begin());
    }
    m_pendingEvents.push_back(event);
}

void CloudAlertManager::ReorderNewCloudAlertsEvents()
{
    const SafeAutoLock lock(m_lock, "CloudAlertManager::ReorderNewCloudAlertsEvents", kFile);
    AlertModule* module = m_links.alertModule ? m_links.alertModule() : nullptr;
    if (!module)
        return;
    std::vector<AlertEventGenerate> kept;
    std::vector<std::shared_ptr<CloudAlertEventData>> announced;
    for (const AlertEventGenerate& record : m_pendingEvents)
    {
        auto event = std::make_shared<CloudAlertEventData>(CloudAlertEventData::FromGeneratedEvent(record));
        event->isNew = true;
        if (NotifyCloudAlertEvent(*module, *event))
            announced.push_back(std::move(event));
        else
            kept.push_back(record);
    }
    m_events.insert(m_events.begin(), announced.begin(), announced.end());
    m_pendingEvents = std::move(kept);
    RefreshHistory();
}

void CloudAlertManager::ClearAll()
{
    // The provider's thread adds pending events at any time.
    const SafeAutoLock lock(m_lock, "CloudAlertManager::ClearAll", kFile);
    m_alerts.clear();
    m_events.clear();
    m_pendingEvents.clear();
    RefreshCloudAlertRows();
    if (AlertModule* module = m_links.alertModule ? m_links.alertModule() : nullptr)
        module->GetAlertsHistory().ClearCloudAlertsEvents();
}

bool CloudAlertManager::CheckIfAlertExist(const QString& name) const
{
    const SafeAutoLock lock(m_lock, "CloudAlertManager::CheckIfAlertExist", kFile);
    return std::any_of(m_alerts.begin(), m_alerts.end(), [&name](const auto& alert) { return alert->name == name; });
}

std::shared_ptr<CloudAlertData> CloudAlertManager::CheckIfAlertExist(std::int32_t alertId) const
{
    const SafeAutoLock lock(m_lock, "CloudAlertManager::CheckIfAlertExist", kFile);
    const auto found =
        std::find_if(m_alerts.begin(), m_alerts.end(), [alertId](const auto& alert) { return alert->id == alertId; });
    return found == m_alerts.end() ? nullptr : *found;
}

int CloudAlertManager::GetCloudAlertsCount() const
{
    const SafeAutoLock lock(m_lock, "CloudAlertManager::GetCloudAlertsCount", kFile);
    return static_cast<int>(m_alerts.size());
}

std::vector<CloudAlertData> CloudAlertManager::GetCloudAlerts() const
{
    const SafeAutoLock lock(m_lock, "CloudAlertManager::GetCloudAlerts", kFile);
    std::vector<CloudAlertData> alerts;
    alerts.reserve(m_alerts.size());
    for (const std::shared_ptr<CloudAlertData>& alert : m_alerts)
        alerts.push_back(*alert);
    return alerts;
}

std::size_t CloudAlertManager::GetPendingEventsCount() const
{
    const SafeAutoLock lock(m_lock, "CloudAlertManager::GetPendingEventsCount", kFile);
    return m_pendingEvents.size();
}

std::shared_ptr<CloudAlertData> CloudAlertManager::GetSelectedAlert() const
{
    AlertModule* module = m_links.alertModule ? m_links.alertModule() : nullptr;
    if (!module)
        return nullptr;
    const BLAlertsListGrid& grid = module->GetAlertsListGrid();
    // A local alert may carry the id of a cloud alert: the row's kind decides.
    const std::optional<BLAlertsListGrid::RowInfo> row = grid.GetRowInfo(grid.GetSelectedRow());
    if (!row || row->kind != IAlertListRow::kCloudRow)
        return nullptr;
    return CheckIfAlertExist(static_cast<std::int32_t>(row->alertId));
}

bool CloudAlertManager::GetSelectedAlertName(QString& name) const
{
    const std::shared_ptr<CloudAlertData> alert = GetSelectedAlert();
    if (!alert)
        return false;
    name = alert->name;
    return true;
}

bool CloudAlertManager::RenameSelectedAlert(const QString& name, bool showMessage)
{
    const std::shared_ptr<CloudAlertData> alert = GetSelectedAlert();
    if (!alert)
        return false;
    bool taken = false;
    {
        const SafeAutoLock lock(m_lock, "CloudAlertManager::RenameSelectedAlert", kFile);
        taken = std::any_of(m_alerts.begin(), m_alerts.end(),
                            [&](const auto& other) { return other->id != alert->id && other->name == name; });
        if (!taken)
            alert->SetName(name);
    }
    // The message box waits for the user; the provider's thread must not wait with it.
    if (taken)
    {
        if (showMessage && m_links.showError)
            m_links.showError(kNameTakenText.arg(name));
        return false;
    }
    if (!QueueEdit(*alert))
        return false;
    m_links.requests()->GetAllAlerts();
    return true;
}

bool CloudAlertManager::SetSelectedAlertOption(int option, bool on)
{
    const std::shared_ptr<CloudAlertData> alert = GetSelectedAlert();
    if (!alert)
        return false;
    {
        const SafeAutoLock lock(m_lock, "CloudAlertManager::SetSelectedAlertOption", kFile);
        alert->SetOption(option, on);
    }
    return QueueEdit(*alert);
}

bool CloudAlertManager::DeleteSelectedAlert()
{
    const std::shared_ptr<CloudAlertData> alert = GetSelectedAlert();
    CloudMessageManager* requests = m_links.requests ? m_links.requests() : nullptr;
    if (!alert || !requests)
        return false;
    const SafeAutoLock lock(m_lock, "CloudAlertManager::DeleteSelectedAlert", kFile);
    alert->deletePending = true;
    RefreshCloudAlertRows();
    requests->DeleteAlerts({alert->id});
    return true;
}

bool CloudAlertManager::RemoveAllAlerts()
{
    if (!m_links.askYesNo || !m_links.askYesNo(kRemoveAllQuestion))
        return false;
    const SafeAutoLock lock(m_lock, "CloudAlertManager::RemoveAllAlerts", kFile);
    std::vector<std::int32_t> ids;
    for (const std::shared_ptr<CloudAlertData>& alert : m_alerts)
    {
        alert->deletePending = true;
        ids.push_back(alert->id);
    }
    RefreshCloudAlertRows();
    if (CloudMessageManager* requests = m_links.requests ? m_links.requests() : nullptr)
        requests->DeleteAlerts(ids);
    return true;
}

void CloudAlertManager::ShowDefinitionDlg(bool show, const std::shared_ptr<const CloudAlertData>& alert)
{
    if (!m_dialogHost)
    {
        Log::WriteWarning(QStringLiteral("Okno definicji alertu w Chmurze jest niedostępne"), kModule,
                          QStringLiteral("CloudAlertManager::ShowDefinitionDlg"), __LINE__);
        return;
    }
    m_dialogHost->ShowDefinitionDlg(show, alert);
}

QWidget* CloudAlertManager::GetDefinitionDlg() const
{
    return m_dialogHost ? m_dialogHost->GetDefinitionDlg() : nullptr;
}

void CloudAlertManager::RefreshCloudRows()
{
    const SafeAutoLock lock(m_lock, "CloudAlertManager::RefreshCloudRows", kFile);
    RefreshCloudAlertRows();
}

void CloudAlertManager::RefreshCloudAlertRows()
{
    AlertModule* module = m_links.alertModule ? m_links.alertModule() : nullptr;
    if (!module)
        return;
    std::vector<std::shared_ptr<IAlertListRow>> rows;
    rows.reserve(m_alerts.size());
    for (const std::shared_ptr<CloudAlertData>& alert : m_alerts)
        rows.push_back(std::make_shared<CloudAlertsListRow>(*alert));
    module->GetAlertsListGrid().RefreshCloudAlerts(rows);
}

void CloudAlertManager::RefreshHistory()
{
    AlertModule* module = m_links.alertModule ? m_links.alertModule() : nullptr;
    std::vector<std::shared_ptr<IGeneratedAlertListRow>> rows;
    for (const std::shared_ptr<CloudAlertEventData>& event : m_events)
    {
        const std::shared_ptr<CloudAlertData> alert = CheckIfAlertExist(event->alertId);
        if (!alert)
            continue;
        rows.push_back(std::make_shared<CloudAlertEventListRow>(event->alertId, event->price, alert->name,
                                                                alert->instrument, event->time, alert->precision,
                                                                event->side));
    }
    m_events.clear();
    if (module && !rows.empty())
        module->GetAlertsHistory().RefreshCloudAlertsEvents(rows);
}

bool CloudAlertManager::NotifyCloudAlertEvent(AlertModule& module, const CloudAlertEventData& event)
{
    const std::shared_ptr<CloudAlertData> alert = CheckIfAlertExist(event.alertId);
    if (!alert)
        return false;
    const bool window = (alert->notifications & CloudAlertData::kWindowBit) != 0;
    const bool sound = (alert->notifications & CloudAlertData::kSoundBit) != 0;
    // The alert module counts 1 as buy; the event's buy side is 0.
    const unsigned side = event.side == CloudAlertData::kSideBuy ? 1U : 0U;
    module.NotifyCloudAlertEvent(alert->name, alert->instrument,
                                 AlertTexts::FormatAlertArgumentValue(event.price, alert->precision), side, window,
                                 sound);
    return true;
}

bool CloudAlertManager::QueueEdit(const CloudAlertData& alert)
{
    CloudMessageManager* requests = m_links.requests ? m_links.requests() : nullptr;
    if (!requests)
        return false;
    requests->EditAlert(CloudAlertData::WriteRequestXml(alert, true), alert.id);
    return true;
}
