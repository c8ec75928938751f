#include "alerts/engine/AlertModule.h"

#include "alerts/engine/AlertTexts.h"
#include "alerts/engine/AlertsModuleWorkerThread.h"
#include "alerts/engine/BLGeneratedAlertDescription.h"
#include "alerts/engine/GeneratedAlertsSoundThread.h"
#include "alerts/engine/IAlertModuleObserver.h"
#include "alerts/engine/MailSenderThread.h"
#include "platform/base/AppPaths.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/Log.h"
#include "platform/modules/GeneratedAlertInfo.h"
#include "platform/settings/Q5Settings.h"
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
    m_announcer = std::make_unique<GeneratedAlertsAnnouncer>(
        [this](GeneratedAlertsAnnouncer::Batch& batch) { AnnounceGeneratedAlerts(batch); });
    auto worker = std::make_unique<AlertsModuleWorkerThread>(*this);
    if (worker->Start())
        m_worker = std::move(worker);
    m_soundThread = std::make_unique<GeneratedAlertsSoundThread>(
        mediator.CreateSoundPlayer(), [&mediator](unsigned side) {
            const AlertsGeneralSettingsValues settings = mediator.GetNotificationSettings();
            return side == GeneratedAlertsSoundThread::kBuy ? settings.buySound : settings.sellSound;
        });
    if (!m_worker)
    {
        g_instance.store(nullptr);
        Log::WriteError(QStringLiteral("Moduł alertów: nie udało sie zainicjalizować wątku roboczego"), ModuleName(),
                        QStringLiteral("AlertModule::AlertModule"), __LINE__);
        return;
    }
    m_mailThread = std::make_unique<MailSenderThread>();
    SetupMailSender();
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

bool AlertModule::NewAlert()
{
    return m_definitionDlgOpener && m_definitionDlgOpener(CreateNewAlert());
}

bool AlertModule::EditSelectedAlert()
{
    if (!IsSelectedAlertEditable())
        return false;
    const std::optional<BLAlertsListGrid::RowInfo> row = m_listGrid.GetRowInfo(m_listGrid.GetSelectedRow());
    if (row && row->kind == IAlertListRow::kCloudRow)
        return m_cloudRows.editSelected && m_cloudRows.editSelected();
    if (!m_definitionDlgOpener)
        return false;
    const std::shared_ptr<BLAlert> copy = m_alerts.CloneAlert(GetSelectedAlertId());
    return copy && m_definitionDlgOpener(copy);
}

void AlertModule::SetArgumentDestroyedHandler(ArgumentDestroyedHandler handler)
{
    m_argumentDestroyedHandler.store(handler ? std::make_shared<const ArgumentDestroyedHandler>(std::move(handler))
                                             : nullptr);
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
    if (isNew)
        m_listGrid.AddRow(id);
    else
        m_listGrid.RefreshAllRows();
    RedrawDefinedAlerts();
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
    m_listGrid.RemoveRow(m_listGrid.GetRowIdxForAlert(alertId));
    RedrawDefinedAlerts();
    return m_alerts.TakeAlert(alertId);
}

bool AlertModule::RemoveAlertById(std::uint32_t alertId)
{
    // Out of the list first, so that no row of the alert is announced after its rows went.
    if (!TakeAlertOut(alertId))
        return false;
    WaitForAnnouncements();
    m_history.RemoveAlertRows(alertId);
    return true;
}

void AlertModule::RedrawDefinedAlerts()
{
    if (m_window)
        m_window->RedrawDefinedAlerts();
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
    m_listGrid.RemoveAllRows();
    m_alertLog.AddLog(AlertLog::eRemoved, QStringLiteral(" Usunięcie wszystkich alertów."));
    // The list first, so that no row is announced after the history was emptied.
    m_alerts.Clear();
    ClearAlertsHistory();
}

void AlertModule::ClearAlertsHistory()
{
    WaitForAnnouncements();
    m_history.RemoveAllRows();
}

void AlertModule::WaitForAnnouncements()
{
    m_announcer->Flush();
}

void AlertModule::ClearAll()
{
    ClearAlertsHistory();
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
    if (!settings.IsValid())
    {
        Log::WriteError(QStringLiteral("Moduł alertów: nie ma nod-a stanu modułu alertów"), ModuleName(),
                        QStringLiteral("AlertModuleBase::PostUnserialisePanelState"), __LINE__);
        return;
    }
    // The desktop's loader has logged that the alerts stay.
    if (StateHoldsAlerts(settings))
        UnserialiseAlerts(settings["AllAlerts"]);
}

bool AlertModule::StateHoldsAlerts(const Settings& settings)
{
    return settings["AllAlerts"].IteratorUnnamed(1).Iterate() != 0;
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
    for (const std::uint32_t id : m_alerts.Ids())
        m_listGrid.AddRow(id);
    RedrawDefinedAlerts();
    if (IAlertModuleObserver* observer = m_observer.load())
    {
        for (const std::uint32_t id : m_alerts.Ids())
            observer->OnAlertAdded(id);
    }
    return true;
}

void AlertModule::GenerateAlert(const BLAlert& alert, unsigned side)
{
    // An alert without its associated argument (loaded without one, or re-bound after its
    // source went) reports 0 with no decimals and no argument name.
    const AlertExprArgDesc& argument = alert.GetAssociatedArg();
    GeneratedAlertsAnnouncer::Record record;
    record.alertId = alert.GetId();
    record.side = side;
    if (argument.IsValid())
    {
        record.value = m_arguments.ArgumentValue(argument);
        record.precision = m_arguments.ArgumentPrecision(argument);
        record.argument = argument;
    }
    record.time = m_lastUpdateTime;
    record.name = alert.Name();
    const AlertProps& properties = alert.Properties();
    record.window = properties.Window();
    record.mail = properties.Mail();
    record.sound = properties.Sound();
    // The worker generates alerts inside the list's lock: no text is made for a silent log.
    if (m_alertLog.IsWriting())
        record.logText = alert.GetDescription(side, m_lastUpdateTime);
    m_announcer->Add(std::move(record), alert);
}

void AlertModule::PostGeneratedAlerts()
{
    m_announcer->Post();
}

void AlertModule::AnnounceGeneratedAlerts(GeneratedAlertsAnnouncer::Batch& batch)
{
    std::vector<std::shared_ptr<IGeneratedAlertListRow>> rows;
    rows.reserve(batch.records.size());
    for (const GeneratedAlertsAnnouncer::Record& record : batch.records)
    {
        if (!record.logText.isEmpty())
            m_alertLog.AddLog(AlertLog::eGenerated, record.logText);
        rows.push_back(std::make_shared<BLGeneratedAlertDescription>(record.name, record.argument.GetArgumentName(),
                                                                     record.value, record.precision, record.side,
                                                                     record.alertId, record.time));
    }
    m_history.AddRows(rows);
    const bool stopping = m_stopping.load();
    std::size_t snapshot = 0;
    for (const GeneratedAlertsAnnouncer::Record& record : batch.records)
    {
        auto info = std::make_shared<GeneratedAlertInfo>(record.name, record.side, record.alertId, record.time);
        for (; snapshot < record.snapshotsEnd; ++snapshot)
            info->InsertSnapshot(std::make_shared<const AlertExprArgSnapshot>(std::move(batch.snapshots[snapshot])));
        m_mediator.BroadcastGeneratedAlert(info);
        if (record.window)
            m_mediator.ShowAlertNotification(record.name, record.argument.GetArgumentName(),
                                             AlertTexts::FormatAlertArgumentValue(record.value, record.precision),
                                             record.side, false);
        if (record.mail && m_mailThread && !stopping)
        {
            const QString body = AlertTexts::FormatAlertMailBody(record.name, record.side, record.argument,
                                                                 record.value, record.precision, record.time);
            const QString subject = AlertTexts::FormatAlertMailSubject(record.name, record.side, record.argument,
                                                                       record.value, record.precision);
            m_mailThread->Send(m_mediator.GetNotificationSettings().destinationAddress, subject, body);
        }
        if (record.sound && !stopping)
            m_soundThread->Play(record.side);
    }
}

void AlertModule::SetupMailSender()
{
    if (!m_mailThread)
        return;
    const AlertsGeneralSettingsValues settings = m_mediator.GetNotificationSettings();
    m_mailThread->SetupSender(settings.host, settings.user, settings.password, settings.port,
                              settings.encryption == AlertsGeneralSettingsValues::kSslTls,
                              settings.encryption == AlertsGeneralSettingsValues::kStartTls);
}

void AlertModule::NotifyCloudAlertEvent(const QString& name, const QString& instrument, const QString& valueText,
                                        unsigned side, bool window, bool sound)
{
    if (window)
        m_mediator.ShowAlertNotification(name, instrument, valueText, side, true);
    if (sound)
        m_soundThread->Play(side);
}

std::uint32_t AlertModule::GetSelectedAlertId() const
{
    return m_listGrid.RowSourceAlertId(m_listGrid.GetSelectedRow());
}

bool AlertModule::GetSelectedAlertBoolParam(int selector) const
{
    return m_alerts.GetAlertBoolParam(GetSelectedAlertId(), selector);
}

void AlertModule::ToggleSelectedAlertBoolParam(int selector)
{
    const std::uint32_t id = GetSelectedAlertId();
    if (!m_alerts.Contains(id))
        return;
    m_alerts.ToggleAlertBoolParam(id, selector);
    m_listGrid.RefreshRow(m_listGrid.GetSelectedRow());
    RedrawDefinedAlerts();
}

QString AlertModule::GetSelectedAlertStringParam() const
{
    return m_alerts.GetAlertStringParam(GetSelectedAlertId(), AlertsListManager::eName);
}

bool AlertModule::SetSelectedAlertStringParam(const QString& name)
{
    if (!m_alerts.SetAlertStringParam(GetSelectedAlertId(), name))
        return false;
    m_listGrid.RefreshRow(m_listGrid.GetSelectedRow());
    RedrawDefinedAlerts();
    return true;
}

bool AlertModule::IsSelectedAlertEditable() const
{
    // Local or cloud by the row's kind: a local id may equal a cloud alert's id.
    const std::optional<BLAlertsListGrid::RowInfo> row = m_listGrid.GetRowInfo(m_listGrid.GetSelectedRow());
    if (row && row->kind == IAlertListRow::kCloudRow)
        return m_cloudRows.isEditable && m_cloudRows.isEditable(row->alertId);
    if (!row || row->kind != IAlertListRow::kLocalRow)
        return false;
    const std::uint32_t id = GetSelectedAlertId();
    return id != BLAlert::kNoId && m_alerts.IsLocalAlertEditable(id);
}

void AlertModule::DeleteSelectedAlert()
{
    if (!m_window || m_window->GetActiveTab() != IAlertsInfoWindow::kDefinedAlertsTab)
        return;
    const std::optional<BLAlertsListGrid::RowInfo> row = m_listGrid.GetRowInfo(m_listGrid.GetSelectedRow());
    if (row && row->kind == IAlertListRow::kLocalRow)
        RemoveAlertById(GetSelectedAlertId());
    else if (row && row->kind == IAlertListRow::kCloudRow && m_cloudRows.deleteSelected)
        m_cloudRows.deleteSelected();
}

bool AlertModule::ShowAlertsWindow(bool show, QWidget* parent)
{
    if (!m_window && show && m_windowFactory)
        m_window = m_windowFactory(*this, parent);
    if (!m_window)
        return false;
    if (m_window->IsVisible() != show)
        m_window->SetVisible(show);
    return m_window->IsVisible();
}

std::shared_ptr<IAlertsInfoWindow> AlertModule::GetVisibleAlertsInfoDlg() const
{
    return m_window && m_window->IsVisible() ? m_window : nullptr;
}

bool AlertModule::SaveWindowToFile(QWidget* window, const QString& path) const
{
    if (!m_window || !window || m_window->GetWindow() != window)
        return false;
    Settings state;
    m_window->SerialiseState(state);
    return state.SaveToFile(path, QStringLiteral("InfoDialog"));
}

bool AlertModule::SaveWindowToQ5Format(QWidget* window, const QString& path) const
{
    if (!m_window || !window || m_window->GetWindow() != window)
        return false;
    Q5Settings state;
    m_window->SerialiseStateToQ5Format(state);
    return state.SaveToFile(path, "AlertModule");
}

bool AlertModule::OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel)
{
    if (path.isEmpty())
        return false;
    Settings state;
    if (!state.LoadFromFile(path, QStringLiteral("InfoDialog")))
        return false;
    if (!m_window && m_windowFactory)
        m_window = m_windowFactory(*this, parent);
    if (!m_window)
        return false;
    m_window->UnserialiseState(state, fromPanel);
    return true;
}

void AlertModule::OnArgValueUpdated(const AlertExprArgDesc& argument, const AlertExprArgValue& value)
{
    const std::optional<bool> stored = m_alerts.StoreLinkedValue(argument, value.Precision(), value.Value());
    if (!(stored ? *stored : m_arguments.UpdateArgument(argument, value.Precision(), value.Value())))
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
    m_listGrid.RefreshAllRows();
    if (IAlertModuleObserver* observer = m_observer.load())
        observer->OnArgumentDestroyed(argument);
    if (const std::shared_ptr<const ArgumentDestroyedHandler> handler = m_argumentDestroyedHandler.load())
        (*handler)(argument);
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
    m_stopping.store(true);
    if (m_worker)
        m_worker->Stop();
    m_announcer->Stop();
    if (m_mailThread)
        m_mailThread->StopSending();
    m_soundThread->Stop();
    m_stopping.store(false);
    m_alerts.Clear();
    if (m_window)
    {
        m_window->Destroy();
        m_window.reset();
    }
}
