#include "alerts/engine/AlertModule.h"

#include "alerts/engine/AlertsModuleWorkerThread.h"
#include "alerts/engine/IAlertGenerator.h"
#include "alerts/engine/IAlertModuleObserver.h"
#include "platform/base/AppPaths.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"

#include <QDir>
#include <QFile>

namespace
{
std::atomic<AlertModule*> g_instance = nullptr;

QString ModuleName()
{
    return QString::fromLatin1(AppPaths::kProductName);
}
}

AlertModule::AlertModule(IAlertsMediator& mediator)
    : m_mediator(mediator)
    , m_alertLog(mediator)
    , m_arguments(mediator, m_alerts)
    , m_alerts(*this)
{
    g_instance.store(this);
    auto worker = std::make_unique<AlertsModuleWorkerThread>(*this);
    if (worker->Start())
        m_worker = std::move(worker);
    if (!m_worker)
    {
        g_instance.store(nullptr);
        Log::WriteError(QStringLiteral("Moduł alertów: nie udało sie zainicjalizować wątku roboczego"), ModuleName(),
                        QStringLiteral("AlertModule::AlertModule"), __LINE__);
    }
}

AlertModule::~AlertModule()
{
    StopThreads();
    AlertModule* self = this;
    g_instance.compare_exchange_strong(self, nullptr);
}

AlertModule* AlertModule::Instance()
{
    return g_instance.load();
}

void AlertModule::OnUpdateArgRequestId(const AlertExprArgDesc& argument, std::uint32_t requestId)
{
    if (m_worker)
        m_worker->OnUpdateArgRequestId(argument.GetBaseArgumentSourceID(), requestId);
}

void AlertModule::OnUpdateArgValue(const AlertExprArgDesc& argument, const AlertExprArgValue& value)
{
    if (m_worker)
        m_worker->OnUpdateArgValue(argument, value);
}

void AlertModule::OnUpdateArgListValues(std::shared_ptr<const AlertExprArgList> values)
{
    if (m_worker)
        m_worker->OnUpdateArgListValues(std::move(values));
}

void AlertModule::OnArgDestroyed(const AlertExprArgDesc& argument)
{
    if (m_worker)
        m_worker->OnArgDestroyed(argument);
}

std::uint64_t AlertModule::GetShedCount() const
{
    return m_worker ? m_worker->ShedCount() : 0;
}

void AlertModule::GatherAssociatedAlertsInfo(const AlertExprArgDesc& argument, std::vector<BasicAlertInfo>& alerts)
{
    alerts = m_alerts.GatherAssociatedAlertsInfo(argument);
}

bool AlertModule::IsArgumentSourceAvailable(const AlertExprArgDesc& argument)
{
    IAlertArgumentSource* source = m_mediator.GetAlertArgumentSource(argument.GetSourceModuleName());
    return source && source->IsArgumentValid(argument);
}

bool AlertModule::AddArgumentUsage(const AlertExprArgDesc& argument)
{
    IAlertArgumentSource* source = m_mediator.GetAlertArgumentSource(argument.GetSourceModuleName());
    return source && source->AddArgumentUsage(argument);
}

void AlertModule::RemoveArgumentUsage(const AlertExprArgDesc& argument)
{
    if (IAlertArgumentSource* source = m_mediator.GetAlertArgumentSource(argument.GetSourceModuleName()))
        source->RemoveArgumentUsage(argument);
}

std::shared_ptr<BLAlert> AlertModule::CreateNewAlert()
{
    auto alert = std::make_shared<BLAlert>(*this);
    alert->SetNew(true);
    alert->Properties().SetName(GetNewAlertName());
    return alert;
}

std::uint32_t AlertModule::AddAlert(const std::shared_ptr<BLAlert>& alert)
{
    // An edited copy whose original is gone (removed as incomplete or re-bound under a new
    // id) would come back without a row under an id nobody shows.
    if (alert->GetId() != BLAlert::kNoId && !m_alerts.Contains(alert->GetId()))
        alert->SetId(BLAlert::kNoId);
    const bool isNew = alert->GetId() == BLAlert::kNoId;
    alert->RenewArgumentUses();
    alert->SetExecuteAllowed(true);
    const std::uint32_t id = m_alerts.InsertAlert(alert);
    if (IAlertModuleObserver* observer = m_observer.load())
    {
        if (isNew)
            observer->OnAlertAdded(id);
        else
            observer->OnAlertsChanged();
    }
    return id;
}

std::shared_ptr<BLAlert> AlertModule::TakeAlertOut(std::uint32_t alertId)
{
    if (!m_alerts.Contains(alertId))
        return nullptr;
    if (IAlertModuleObserver* observer = m_observer.load())
        observer->OnAlertRemoved(alertId);
    return m_alerts.TakeAlert(alertId);
}

bool AlertModule::RemoveAlertById(std::uint32_t alertId)
{
    return TakeAlertOut(alertId) != nullptr;
}

bool AlertModule::RemoveAlert(const QString& name)
{
    const std::optional<std::uint32_t> id = m_alerts.FindIdByName(name);
    return id && RemoveAlertById(*id);
}

bool AlertModule::RemoveIncompleteAlert(std::uint32_t alertId)
{
    return RemoveAlertById(alertId);
}

void AlertModule::RemoveIncompleteAlertAndLog(std::uint32_t alertId)
{
    const QString name = GetAlertName(alertId);
    RemoveIncompleteAlert(alertId);
    m_alertLog.AddLog(AlertLog::eIncompleteRemoved, QStringLiteral(" - %1").arg(name));
}

void AlertModule::RemoveAllAlerts()
{
    if (IAlertModuleObserver* observer = m_observer.load())
        observer->OnAllAlertsRemoved();
    m_alertLog.AddLog(AlertLog::eRemoved, QStringLiteral(" Usunięcie wszystkich alertów."));
    m_alerts.Clear();
}

void AlertModule::ClearAll()
{
    RemoveAllAlerts();
    m_arguments.Clear();
    if (m_worker)
        m_worker->ClearData();
}

QString AlertModule::GetAlertName(std::uint32_t alertId) const
{
    return m_alerts.GetAlertStringParam(alertId, AlertsListManager::eName);
}

bool AlertModule::AlertNameAvailable(const QString& name) const
{
    return m_alerts.AlertNameAvailable(name);
}

QString AlertModule::GetNewAlertName() const
{
    return m_alerts.GetNewAlertName();
}

bool AlertModule::LogAlertsState()
{
    const QString folder = QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("AlertsModule"));
    if (!AppPaths::EnsureFolder(folder))
        return false;
    const QString path = QDir(folder).filePath(QStringLiteral("logAlertsState.txt"));
    QFile::remove(path);
    QString content = QStringLiteral("AlertsListManager\n");
    m_alerts.LogAlertsState(content);
    QString errorText;
    if (AtomicFile::Write(path, content.toUtf8(), &errorText))
        return true;
    Log::WriteError(errorText, ModuleName(), QStringLiteral("AlertModule::LogAlertsState"), __LINE__);
    return false;
}

void AlertModule::SerialisePanelState(Settings& settings) const
{
    SerialiseAlerts(settings["AllAlerts"]);
}

void AlertModule::PostUnserialisePanelState(const Settings& settings)
{
    if (settings.IsValid())
    {
        UnserialiseAlerts(settings["AllAlerts"]);
        return;
    }
    Log::WriteError(QStringLiteral("Moduł alertów: nie ma nod-a stanu modułu alertów"), ModuleName(),
                    QStringLiteral("AlertModuleBase::PostUnserialisePanelState"), __LINE__);
}

bool AlertModule::SerialiseAlerts(Settings& node) const
{
    return m_alerts.Serialise(node);
}

bool AlertModule::UnserialiseAlerts(const Settings& node)
{
    RemoveAllAlerts();
    if (!m_alerts.Unserialise(node))
        return false;
    if (IAlertModuleObserver* observer = m_observer.load())
    {
        for (const std::uint32_t id : m_alerts.Ids())
            observer->OnAlertAdded(id);
    }
    return true;
}

void AlertModule::GenerateAlert(const BLAlert& alert, unsigned side)
{
    if (IAlertGenerator* generator = m_generator.load())
    {
        generator->GenerateAlert(alert, side);
        return;
    }
    Log::WriteError(QStringLiteral("Moduł alertów: alert %1 nie został ogłoszony, brak obsługi wygenerowanych alertów")
                        .arg(alert.Name()),
                    ModuleName(), QStringLiteral("AlertModule::GenerateAlert"), __LINE__);
}

void AlertModule::OnArgValueUpdated(const AlertExprArgDesc& argument, const AlertExprArgValue& value)
{
    if (!m_arguments.UpdateArgument(argument, value.Precision(), value.Value()))
        return;
    m_lastUpdateTime = value.Timestamp();
    m_alerts.ExecuteLinkedAlerts(argument, m_lastUpdateTime);
}

void AlertModule::OnArgListValuesUpdated(const AlertExprArgList& values)
{
    // The values the registry took run their alerts even when another value of the list was
    // refused. A source sends every argument in use in one list, so an argument that falls out
    // of use between the making of a list and its storing here would otherwise keep every
    // other alert of the list from its test, and a crossing that only this list carries would
    // never fire. A refused argument has no alerts left to run.
    std::vector<const AlertExprArgDesc*> accepted;
    accepted.reserve(values.ArgumentsCount());
    const OleDate* time = nullptr;
    for (std::size_t i = 0; i < values.ArgumentsCount(); ++i)
    {
        const AlertExprArgValue& value = values.ArgValue(i);
        if (!m_arguments.UpdateArgument(values.ArgDescription(i), value.Precision(), value.Value()))
            continue;
        accepted.push_back(&values.ArgDescription(i));
        if (!time)
            time = &value.Timestamp();
    }
    if (accepted.empty())
        return;
    m_lastUpdateTime = *time;
    m_alerts.ExecuteLinkedAlerts(accepted, m_lastUpdateTime);
}

void AlertModule::OnArgumentDestroyed(const AlertExprArgDesc& argument)
{
    m_alerts.DeactivateArgUsage(argument);
    if (IAlertModuleObserver* observer = m_observer.load())
        observer->OnArgumentDestroyed(argument);
}

void AlertModule::QueueChangeRequest(std::uint32_t baseSourceId, std::uint32_t newSourceId)
{
    // The request waits in the list; a message lost for want of a frame is made good by the next.
    m_mediator.PostToMainFrame(kChangeRequestMessage);
}

bool AlertModule::ProcessChangeRequests(unsigned message)
{
    if (message != kChangeRequestMessage)
        return false;
    for (const AlertsListManager::ChangeRequest& request : m_alerts.TakeChangeRequests())
    {
        for (const std::shared_ptr<BLAlert>& copy : m_alerts.CopyAlertsOfRequest(request.baseSourceId))
        {
            copy->UpdateRequestId(request.baseSourceId, request.newSourceId);
            copy->SetExecuteAllowed(true);
            const std::shared_ptr<BLAlert> original = TakeAlertOut(copy->GetId());
            // An original removed meanwhile stays removed.
            if (!original)
                continue;
            // The worker may have fired the original since it was copied.
            copy->TakeFiringState(*original);
            copy->SetId(BLAlert::kNoId);
            AddAlert(copy);
        }
    }
    return true;
}

void AlertModule::StopThreads()
{
    if (m_worker)
        m_worker->Stop();
    m_alerts.Clear();
}
