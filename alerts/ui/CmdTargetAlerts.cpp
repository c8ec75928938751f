#include "alerts/ui/CmdTargetAlerts.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/AlertsListManager.h"
#include "platform/base/Log.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/IMessageBoxService.h"
#include "platform/ui/MessageBoxFlags.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"

namespace
{
enum ConditionKind
{
    SelectedEditable = 0,
    Selected = 1,
    SelectedEditableToo = 2,
    PageOffered = 3,
    PageHasRows = 4,
    HistoryHasRows = 5,
};

void ReportNoDefinitionDlg(const char* where, int line)
{
    Log::WriteWarning(QStringLiteral("Nie otwarto definicji alertu: moduł alertów nie ma okna definicji alertu."),
                      QStringLiteral("Quorvanta 4"), QString::fromLatin1(where), line);
}

void UpdateContextCaption()
{
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->UpdateContextCaption();
}
}

const QString CmdTargetAlerts::kRemoveAllQuestion = QStringLiteral("Nastąpi usunięcie wszystkich alertów.\nKontynuować?");

CmdTargetAlerts::CmdTargetAlerts(Services services)
    : m_services(std::move(services))
{
    AddLocalOnlyToggle(ID_ALERT_ACTIVE, AlertsListManager::eActive, true);
    AddSharedToggle(ID_ALERT_ONLY_ONCE, ICloudAlertsCommands::OptionOnce, 0, AlertsListManager::eOnlyOnce);
    AddLocalOnlyToggle(ID_ALERT_SYNCHRONOUS, AlertsListManager::eSynchronious, false);
    AddSharedToggle(ID_ALERT_NOTIFY_WINDOW, ICloudAlertsCommands::OptionWindow, ICloudAlertsCommands::kWindow,
                    AlertsListManager::eWindow);
    AddSharedToggle(ID_ALERT_NOTIFY_SOUND, ICloudAlertsCommands::OptionSound, ICloudAlertsCommands::kSound,
                    AlertsListManager::eSound);
    AddSharedToggle(ID_ALERT_NOTIFY_MAIL, ICloudAlertsCommands::OptionMail, ICloudAlertsCommands::kMail,
                    AlertsListManager::eMail);
    AddCloudOnlyToggle(ID_ALERT_NOTIFY_SMS, ICloudAlertsCommands::OptionSms, ICloudAlertsCommands::kSms);
    AddCloudOnlyToggle(ID_ALERT_NOTIFY_PUSH, ICloudAlertsCommands::OptionPush, ICloudAlertsCommands::kPush);

    OnNotify(ID_ALERT_NAME, NotifyCodes::Execute, [this](NotifyInfo& info) { OnNameEdit(info.control); });
    OnUpdate(ID_ALERT_NAME, [this](CmdUI& cmdUI) { UpdateNameEdit(cmdUI); });

    OnCommand(ID_ALERT_NEW, [this] {
        AlertModule* module = Module();
        if (module && !module->NewAlert())
            ReportNoDefinitionDlg("CmdTargetAlerts::OnNewAlert", __LINE__);
    });
    OnUpdate(ID_ALERT_NEW, [this](CmdUI& cmdUI) { cmdUI.Enable(IsConditionMet(PageOffered)); });

    OnCommand(ID_ALERT_DELETE, [this] {
        if (SelectedCloudAlert())
            Cloud()->DeleteSelectedAlert();
        else if (AlertModule* module = Module())
            module->DeleteSelectedAlert();
    });
    OnUpdate(ID_ALERT_DELETE, [this](CmdUI& cmdUI) {
        cmdUI.Enable(SelectedCloudAlert() ? true : IsConditionMet(Selected));
    });

    OnCommand(ID_ALERT_EDIT, [this] {
        if (const auto cloudAlert = SelectedCloudAlert())
        {
            if (cloudAlert->editable)
                Cloud()->ShowDefinitionDlg();
        }
        else if (AlertModule* module = Module(); module && !module->EditSelectedAlert())
        {
            ReportNoDefinitionDlg("CmdTargetAlerts::OnEditAlert", __LINE__);
        }
    });
    OnUpdate(ID_ALERT_EDIT, [this](CmdUI& cmdUI) {
        if (const auto cloudAlert = SelectedCloudAlert())
        {
            cmdUI.SetCheck(0);
            cmdUI.Enable(cloudAlert->editable);
        }
        else
        {
            cmdUI.Enable(IsConditionMet(SelectedEditable));
        }
    });

    OnCommand(ID_ALERT_DELETE_ALL, [this] { OnDeleteAll(); });
    OnUpdate(ID_ALERT_DELETE_ALL, [this](CmdUI& cmdUI) {
        const ICloudAlertsCommands* cloud = Cloud();
        cmdUI.Enable((cloud && cloud->GetCloudAlertsCount() > 0) || IsConditionMet(PageHasRows));
    });

    OnCommand(ID_ALERT_CLEAR_HISTORY, [this] {
        if (AlertModule* module = Module())
            module->ClearAlertsHistory();
    });
    OnUpdate(ID_ALERT_CLEAR_HISTORY, [this](CmdUI& cmdUI) { cmdUI.Enable(IsConditionMet(HistoryHasRows)); });

    OnUpdate(ID_ALERT_NOTIFY_LABEL, [this](CmdUI& cmdUI) { cmdUI.Enable(IsConditionMet(SelectedEditable)); });
}

RibbonControl* CmdTargetAlerts::FindControl(std::uint32_t id) const
{
    return m_services.findControl ? m_services.findControl(ID_GROUP_PARAMETERS, id) : nullptr;
}

bool CmdTargetAlerts::IsDefinedPageOffered() const
{
    const AlertModule* module = Module();
    if (!module || (m_services.isDefinitionDlgShown && m_services.isDefinitionDlgShown()))
        return false;
    const std::shared_ptr<IAlertsInfoWindow> window = module->GetVisibleAlertsInfoDlg();
    return window && window->GetActiveTab() == IAlertsInfoWindow::kDefinedAlertsTab;
}

int CmdTargetAlerts::SelectedRow() const
{
    AlertModule* module = Module();
    return module ? module->GetAlertsListGrid().GetSelectedRow() : -1;
}

bool CmdTargetAlerts::IsConditionMet(int kind) const
{
    AlertModule* module = Module();
    if (!module)
        return false;
    switch (kind)
    {
    case SelectedEditable:
    case SelectedEditableToo:
        return IsDefinedPageOffered() && SelectedRow() > -1 && module->IsSelectedAlertEditable();
    case Selected:
        return IsDefinedPageOffered() && SelectedRow() > -1;
    case PageOffered:
        return IsDefinedPageOffered();
    case PageHasRows:
        return IsDefinedPageOffered() && module->GetAlertsListGrid().GetRowCount() > 0;
    case HistoryHasRows:
    {
        const std::shared_ptr<IAlertsInfoWindow> window = module->GetVisibleAlertsInfoDlg();
        return window && window->GetActiveTab() == IAlertsInfoWindow::kGeneratedAlertsTab
               && module->GetAlertsHistory().GetRowCount() > 0;
    }
    default:
        return false;
    }
}

std::optional<ICloudAlertsCommands::CloudAlertState> CmdTargetAlerts::SelectedCloudAlert() const
{
    AlertModule* module = Module();
    const ICloudAlertsCommands* cloud = Cloud();
    if (!module || !cloud)
        return std::nullopt;
    // A local alert may carry the id of a cloud alert: the row's kind decides.
    const std::optional<BLAlertsListGrid::RowInfo> row = module->GetAlertsListGrid().GetRowInfo(SelectedRow());
    if (!row || row->kind != IAlertListRow::kCloudRow)
        return std::nullopt;
    return cloud->CheckIfAlertExist(row->alertId);
}

void CmdTargetAlerts::AddSharedToggle(std::uint32_t id, int cloudOption, std::uint8_t cloudBit, int localProperty)
{
    // The "once" option has no bit: it is the alert's own flag.
    const auto cloudChecked = [cloudBit](const ICloudAlertsCommands::CloudAlertState& alert) {
        return cloudBit == 0 ? alert.once : (alert.notifications & cloudBit) != 0;
    };
    OnCommand(id, [this, cloudOption, cloudChecked, localProperty] {
        if (const auto cloudAlert = SelectedCloudAlert())
        {
            if (cloudAlert->editable)
                Cloud()->SetSelectedAlertOption(cloudOption, !cloudChecked(*cloudAlert));
        }
        else if (AlertModule* module = Module())
        {
            module->ToggleSelectedAlertBoolParam(localProperty);
        }
    });
    OnUpdate(id, [this, cloudChecked, localProperty](CmdUI& cmdUI) {
        if (const auto cloudAlert = SelectedCloudAlert())
        {
            cmdUI.SetCheck(cloudChecked(*cloudAlert) ? 1 : 0);
            cmdUI.Enable(cloudAlert->editable);
            return;
        }
        const bool enabled = IsConditionMet(SelectedEditable);
        cmdUI.Enable(enabled);
        if (enabled)
            cmdUI.SetCheck(Module()->GetSelectedAlertBoolParam(localProperty) ? 1 : 0);
    });
}

void CmdTargetAlerts::AddCloudOnlyToggle(std::uint32_t id, int cloudOption, std::uint8_t cloudBit)
{
    OnCommand(id, [this, cloudOption, cloudBit] {
        const auto cloudAlert = SelectedCloudAlert();
        if (cloudAlert && cloudAlert->editable)
            Cloud()->SetSelectedAlertOption(cloudOption, (cloudAlert->notifications & cloudBit) == 0);
    });
    OnUpdate(id, [this, cloudBit](CmdUI& cmdUI) {
        RibbonControl* control = FindControl(cmdUI.Id());
        const auto cloudAlert = SelectedCloudAlert();
        if (!cloudAlert)
        {
            if (control)
                control->SetVisible(false);
            return;
        }
        if (control)
            control->SetVisible(true);
        cmdUI.SetCheck((cloudAlert->notifications & cloudBit) != 0 ? 1 : 0);
        cmdUI.Enable(cloudAlert->editable);
    });
}

void CmdTargetAlerts::AddLocalOnlyToggle(std::uint32_t id, int localProperty, bool checkedForCloud)
{
    OnCommand(id, [this, localProperty] {
        if (SelectedCloudAlert())
            return;
        if (AlertModule* module = Module())
            module->ToggleSelectedAlertBoolParam(localProperty);
    });
    OnUpdate(id, [this, localProperty, checkedForCloud](CmdUI& cmdUI) {
        if (SelectedCloudAlert())
        {
            cmdUI.SetCheck(checkedForCloud ? 1 : 0);
            cmdUI.Enable(false);
            return;
        }
        bool enabled = IsConditionMet(SelectedEditable);
        // An alert that may not run cannot be switched on.
        if (enabled && localProperty == AlertsListManager::eActive)
            enabled = Module()->GetSelectedAlertBoolParam(AlertsListManager::eExecuteAllowed);
        cmdUI.Enable(enabled);
        if (enabled)
            cmdUI.SetCheck(Module()->GetSelectedAlertBoolParam(localProperty) ? 1 : 0);
    });
}

void CmdTargetAlerts::OnDeleteAll()
{
    ICloudAlertsCommands* cloud = Cloud();
    bool confirmed = false;
    if (cloud)
    {
        confirmed = cloud->RemoveAllAlerts();
    }
    else if (const std::shared_ptr<IMessageBoxService> box = DialogServices::MessageBox())
    {
        confirmed = box->Show(QStringLiteral("Quorvanta 4"), kRemoveAllQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    AlertModule* module = Module();
    if (confirmed && module && IsConditionMet(PageHasRows))
        module->RemoveAllAlerts();
}

void CmdTargetAlerts::OnNameEdit(QObject* control)
{
    auto* edit = qobject_cast<RibbonEditControl*>(control);
    if (!edit)
        edit = qobject_cast<RibbonEditControl*>(FindControl(ID_ALERT_NAME));
    if (!edit)
        return;
    if (const auto cloudAlert = SelectedCloudAlert())
    {
        if (!cloudAlert->editable)
            return;
        ICloudAlertsCommands* cloud = Cloud();
        if (cloud->RenameSelectedAlert(edit->GetEditText()))
        {
            if (const std::shared_ptr<IAlertsInfoWindow> window = Module()->GetVisibleAlertsInfoDlg())
                window->RedrawDefinedAlerts();
        }
        else
        {
            edit->SetEditText(cloud->GetSelectedAlertName());
        }
        return;
    }
    AlertModule* module = Module();
    if (!module)
        return;
    module->SetSelectedAlertStringParam(edit->GetEditText());
    UpdateContextCaption();
}

void CmdTargetAlerts::UpdateNameEdit(CmdUI& cmdUI)
{
    if (const auto cloudAlert = SelectedCloudAlert())
    {
        cmdUI.Enable(cloudAlert->editable);
        m_shownName = Cloud()->GetSelectedAlertName();
        WriteNameEdit(m_shownName);
        return;
    }
    if (!IsDefinedPageOffered())
    {
        cmdUI.Enable(false);
        return;
    }
    if (SelectedRow() > -1)
    {
        cmdUI.Enable(true);
        const QString name = Module()->GetSelectedAlertStringParam();
        if (name != m_shownName)
        {
            m_shownName = name;
            WriteNameEdit(m_shownName);
        }
        return;
    }
    cmdUI.Enable(false);
    if (!m_shownName.isEmpty())
    {
        m_shownName.clear();
        WriteNameEdit(m_shownName);
    }
}

void CmdTargetAlerts::WriteNameEdit(const QString& name) const
{
    if (auto* edit = qobject_cast<RibbonEditControl*>(FindControl(ID_ALERT_NAME)))
        edit->SetEditText(name);
}
