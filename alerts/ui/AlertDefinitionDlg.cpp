#include "alerts/ui/AlertDefinitionDlg.h"

#include "alerts/engine/AlertLog.h"
#include "alerts/engine/AlertModule.h"
#include "alerts/engine/BLAlert.h"
#include "alerts/ui/AlertDefinitionMessages.h"
#include "alerts/ui/AlertDefinitionReportControl.h"
#include "alerts/ui/AlertNameValidator.h"
#include "alerts/ui/AlertPropertiesDlg.h"
#include "alerts/ui/AlertSubexpressionsReportControl.h"
#include "alerts/ui/AssociatedAlertComboBox.h"
#include "alerts/ui/DirectAlertPanelDlg.h"
#include "platform/base/SafeAutoLock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace
{
const char* const kFile = "AlertDefinitionDlg.cpp";
}

AlertDefinitionDlg::AlertDefinitionDlg(AlertModule& module, QWidget* parent)
    : ModuleWndBase(parent)
    , m_module(module)
    , m_nameValidator(std::make_unique<AlertNameValidator>(module))
{
    setObjectName(QStringLiteral("alertDefinitionDlg"));
    setWindowTitle(kCaption);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);

    m_captionLabel = new QLabel(kCaption, this);
    m_captionLabel->setObjectName(QStringLiteral("caption"));
    m_captionLabel->setAutoFillBackground(true);
    m_captionLabel->setBackgroundRole(QPalette::Highlight);
    m_captionLabel->setForegroundRole(QPalette::HighlightedText);
    m_captionLabel->setContentsMargins(6, 3, 6, 3);
    QFont bold = m_captionLabel->font();
    bold.setBold(true);
    m_captionLabel->setFont(bold);

    m_report = new AlertDefinitionReportControl(this);
    m_buyPanel = new DirectAlertPanelDlg(*this, BLAlert::kBuySide, m_report);
    m_sellPanel = new DirectAlertPanelDlg(*this, BLAlert::kSellSide, m_report);
    m_propertiesPanel = new AlertPropertiesDlg(*this, *m_nameValidator, m_report);
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("ok"));
    m_cancelButton = new QPushButton(QStringLiteral("Anuluj"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(m_captionLabel);
    layout->addWidget(m_report);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(m_okButton, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_cancelButton, &QPushButton::clicked, this, &AlertDefinitionDlg::OnCancel);
    connect(m_report, &AlertDefinitionReportControl::heightChanged, this, &AlertDefinitionDlg::OnReportHeightChanged);
    m_report->Setup(m_propertiesPanel, m_buyPanel, m_sellPanel);
    resize(std::max(sizeHint().width(), 640), sizeHint().height());
    hide();
}

AlertDefinitionDlg::~AlertDefinitionDlg()
{
    qApp->removeEventFilter(this);
    // The rows give their counts back while the candidate list and the combo box still stand.
    ResetEditor();
}

void AlertDefinitionDlg::SetAlert(const std::shared_ptr<BLAlert>& alert)
{
    ResetEditor();
    m_alert = alert;
    if (!alert)
        return;
    m_associatedArgument = alert->GetAssociatedArg();
    m_buyPanel->SetDirectAlert(&alert->BuySide());
    m_sellPanel->SetDirectAlert(&alert->SellSide());
    m_propertiesPanel->SetAlertProps(&alert->Properties());
    m_buyPanel->LoadExpressions();
    m_sellPanel->LoadExpressions();
    SelectAssociatedArgument();
}

void AlertDefinitionDlg::Show()
{
    show();
    raise();
    m_shown = true;
    qApp->installEventFilter(this);
    setFocus(Qt::OtherFocusReason);
}

void AlertDefinitionDlg::Hide()
{
    hide();
    ResetEditor();
    m_shown = false;
    qApp->removeEventFilter(this);
}

void AlertDefinitionDlg::ResetEditor()
{
    m_alert.reset();
    m_associatedArgument.Reset();
    m_buyPanel->Reset();
    m_sellPanel->Reset();
    m_propertiesPanel->Reset();
}

void AlertDefinitionDlg::PostDeactivateArgUsageMsg(const AlertExprArgDesc& argument)
{
    {
        const SafeAutoLock lock(m_lock, "AlertDefinitionDlg::PostDeactivateArgUsageMsg", kFile);
        m_pendingDestroyed.push_back(argument);
    }
    QMetaObject::invokeMethod(this, &AlertDefinitionDlg::OnDeactivateArgUsage, Qt::QueuedConnection);
}

std::size_t AlertDefinitionDlg::PendingDestroyedCount() const
{
    const SafeAutoLock lock(m_lock, "AlertDefinitionDlg::PendingDestroyedCount", kFile);
    return m_pendingDestroyed.size();
}

void AlertDefinitionDlg::ChangeArgumentUsage(const AlertExprArgDesc& oldArgument, const AlertExprArgDesc& newArgument)
{
    if (oldArgument.IsValid() && newArgument.IsValid() && oldArgument == newArgument)
        return;
    AssociatedAlertComboBox& combo = m_propertiesPanel->Combo();
    bool removed = false;
    int position = -1;
    if (oldArgument.IsValid())
    {
        const auto found = std::find_if(m_candidates.begin(), m_candidates.end(),
                                        [&](const AssociatedArgumentEntry& entry) { return entry.argument == oldArgument; });
        if (found != m_candidates.end() && --found->count == 0)
        {
            const int index = static_cast<int>(found - m_candidates.begin());
            m_candidates.erase(found);
            combo.removeItem(index);
            removed = true;
        }
    }
    if (newArgument.IsValid())
    {
        const auto found = std::find_if(m_candidates.begin(), m_candidates.end(),
                                        [&](const AssociatedArgumentEntry& entry) { return entry.argument == newArgument; });
        if (found != m_candidates.end())
        {
            ++found->count;
            position = static_cast<int>(found - m_candidates.begin());
        }
        else
        {
            m_candidates.push_back({newArgument, 1});
            combo.setEnabled(true);
            combo.addItem(AlertPropertiesDlg::ArgumentText(newArgument));
            position = static_cast<int>(m_candidates.size()) - 1;
        }
    }
    if (position < 0 && !m_candidates.empty())
        position = 0;
    if (removed && m_associatedArgument.IsValid() && oldArgument == m_associatedArgument)
    {
        m_associatedArgument.Reset();
        if (position >= 0)
            m_associatedArgument = m_candidates[static_cast<std::size_t>(position)].argument;
        SelectAssociatedArgument();
    }
}

void AlertDefinitionDlg::OnArgumentDropped(const AlertExprArgDesc& argument)
{
    if (!argument.IsValid() || m_associatedArgument.IsValid())
        return;
    m_associatedArgument = argument;
    m_propertiesPanel->ShowAssociatedArgument();
}

bool AlertDefinitionDlg::OnOK()
{
    for (DirectAlertPanelDlg* panel : {m_buyPanel, m_sellPanel})
        panel->Report().EndEdit(true);
    if (!m_alert)
        return false;
    m_buyPanel->Report().ClearErrorMarks();
    m_sellPanel->Report().ClearErrorMarks();
    m_propertiesPanel->ClearErrors();

    const bool buyOn = m_buyPanel->IsSideChecked();
    const bool sellOn = m_sellPanel->IsSideChecked();
    if (!buyOn && !sellOn)
    {
        AlertDefinitionMessages::ShowError(kNoSideText);
        return false;
    }
    bool incomplete = false;
    for (DirectAlertPanelDlg* panel : {m_sellPanel, m_buyPanel})
    {
        panel->Side()->SetSideEnabled(panel->IsSideChecked());
        incomplete = incomplete || (panel->IsSideChecked() && panel->Report().HasEmptyRow());
    }
    if (incomplete)
    {
        AlertDefinitionMessages::ShowError(kIncompleteSideText);
        return false;
    }
    for (DirectAlertPanelDlg* panel : {m_buyPanel, m_sellPanel})
    {
        if (panel->IsSideChecked() && !panel->Validate())
        {
            AlertDefinitionMessages::ShowError(kInvalidConditionText);
            return false;
        }
    }
    if (!m_propertiesPanel->ValidateName() || !m_propertiesPanel->ValidateAssociatedArgument())
    {
        AlertDefinitionMessages::ShowError(m_propertiesPanel->GetErrorText());
        return false;
    }
    if (!AreArgumentSourcesAvailable())
    {
        AlertDefinitionMessages::ShowError(kSourceGoneText);
        return false;
    }
    WriteToAlert();
    const std::shared_ptr<BLAlert> alert = m_alert;
    // An edited alert whose original has left the list meanwhile comes back as a new one.
    const bool added = alert->IsNew() || !m_module.Alerts().Contains(alert->GetId());
    m_module.AddAlert(alert);
    m_module.GetAlertLog().AddLog(added ? AlertLog::eAdded : AlertLog::eEdited, alert->GetDescription(BLAlert::kNoSide));
    Hide();
    return true;
}

void AlertDefinitionDlg::OnCancel()
{
    Hide();
}

void AlertDefinitionDlg::OnDeactivateArgUsage()
{
    AlertExprArgDesc argument;
    {
        const SafeAutoLock lock(m_lock, "AlertDefinitionDlg::OnDeactivateArgUsage", kFile);
        if (m_pendingDestroyed.empty())
            return;
        argument = m_pendingDestroyed.front();
        m_pendingDestroyed.pop_front();
    }
    m_buyPanel->Report().ForgetArgument(argument);
    m_sellPanel->Report().ForgetArgument(argument);
    if (m_associatedArgument.IsValid() && m_associatedArgument == argument)
    {
        if (m_candidates.empty())
            m_associatedArgument.Reset();
        else
            m_associatedArgument = m_candidates.front().argument;
        SelectAssociatedArgument();
    }
}

void AlertDefinitionDlg::OnReportHeightChanged(int delta)
{
    resize(width(), height() + delta);
}

bool AlertDefinitionDlg::AreArgumentSourcesAvailable()
{
    bool available = true;
    for (const AssociatedArgumentEntry& entry : m_candidates)
        available = m_module.IsArgumentSourceAvailable(entry.argument) && available;
    return m_module.IsArgumentSourceAvailable(m_associatedArgument) && available;
}

void AlertDefinitionDlg::WriteToAlert()
{
    m_sellPanel->WriteToSide();
    m_buyPanel->WriteToSide();
    m_propertiesPanel->WriteToAlertProps();
    m_alert->SetAssociatedArg(m_associatedArgument);
    m_alert->SetExecuteAllowed(true);
}

void AlertDefinitionDlg::SelectAssociatedArgument()
{
    m_propertiesPanel->Combo().SelectByText(AlertPropertiesDlg::ArgumentText(m_associatedArgument));
}

void AlertDefinitionDlg::closeEvent(QCloseEvent* event)
{
    event->ignore();
    OnCancel();
}

void AlertDefinitionDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        OnCancel();
    else
        ModuleWndBase::keyPressEvent(event);
}

void AlertDefinitionDlg::paintEvent(QPaintEvent* event)
{
    ModuleWndBase::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().dark().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool AlertDefinitionDlg::eventFilter(QObject* watched, QEvent* event)
{
    // A click anywhere in the dialog makes it the active window first, as its panels are
    // windows of their own.
    if (event->type() == QEvent::MouseButtonPress && watched != this)
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && isAncestorOf(widget) && !isAncestorOf(QApplication::focusWidget()) && !hasFocus())
            ForceActivate();
    }
    return ModuleWndBase::eventFilter(watched, event);
}
