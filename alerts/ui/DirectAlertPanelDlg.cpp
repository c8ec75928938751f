#include "alerts/ui/DirectAlertPanelDlg.h"

#include "alerts/engine/BLAlert.h"
#include "alerts/engine/BLDirectAlert.h"
#include "alerts/ui/AddExpressionButton.h"
#include "alerts/ui/AlertDefinitionDlg.h"
#include "alerts/ui/AlertDefinitionReportControl.h"
#include "alerts/ui/AlertSubexpressionsReportControl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

DirectAlertPanelDlg::DirectAlertPanelDlg(AlertDefinitionDlg& owner, unsigned sideKind, QWidget* parent)
    : QWidget(parent)
    , m_owner(owner)
    , m_sideKind(sideKind)
{
    setObjectName(sideKind == BLAlert::kBuySide ? QStringLiteral("buyPanel") : QStringLiteral("sellPanel"));
    m_checkBox = new QCheckBox(sideKind == BLAlert::kBuySide ? QStringLiteral("Alert kupna")
                                                             : QStringLiteral("Alert sprzedaży"),
                               this);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    m_report = new AlertSubexpressionsReportControl(owner, sideKind, frame);
    m_report->Init(this);
    m_addButton = new AddExpressionButton(frame);
    m_logicLabel = new QLabel(QStringLiteral("Generuj alert, gdy:"), frame);
    m_anyRadio = new QRadioButton(QStringLiteral("przynajmniej jedno wyrażenie jest prawdziwe"), frame);
    m_allRadio = new QRadioButton(QStringLiteral("wszystkie wyrażenia są prawdziwe"), frame);
    m_logicGroup = new QButtonGroup(this);
    m_logicGroup->addButton(m_anyRadio, kAnyRadio);
    m_logicGroup->addButton(m_allRadio, kAllRadio);

    auto* frameLayout = new QGridLayout(frame);
    frameLayout->setContentsMargins(6, 4, 6, 4);
    frameLayout->addWidget(m_report, 0, 0, 1, 3);
    frameLayout->addWidget(m_addButton, 1, 0, 1, 3, Qt::AlignRight);
    frameLayout->addWidget(m_logicLabel, 2, 0, 1, 3);
    auto* radios = new QHBoxLayout;
    radios->addWidget(m_anyRadio);
    radios->addSpacing(12);
    radios->addWidget(m_allRadio);
    radios->addStretch(1);
    frameLayout->addLayout(radios, 3, 0, 1, 3);
    frameLayout->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 2, 1, 2);
    layout->setSpacing(2);
    layout->addWidget(m_checkBox);
    layout->addWidget(frame);

    connect(m_checkBox, &QCheckBox::toggled, this, [this] { OnCheckChanged(); });
    connect(m_addButton, &QToolButton::clicked, this, [this] { m_report->AddExpressionRow(nullptr, -1); });
    connect(m_report, &AlertSubexpressionsReportControl::rowsChanged, this, &DirectAlertPanelDlg::FitToReport);
    Reset();
}

void DirectAlertPanelDlg::SetDirectAlert(BLDirectAlert* side)
{
    m_side = side;
    if (!side)
        return;
    m_checkBox->setText(side->GetSide() == BLAlert::kBuySide ? QStringLiteral("Alert kupna")
                                                             : QStringLiteral("Alert sprzedaży"));
    {
        const QSignalBlocker blocker(m_checkBox);
        m_checkBox->setChecked(side->IsSideEnabled());
    }
    OnCheckChanged();
    (side->GetLogicOperator() == BLDirectAlert::eAnyTrue ? m_anyRadio : m_allRadio)->setChecked(true);
}

void DirectAlertPanelDlg::LoadExpressions()
{
    m_report->RemoveAllRecords();
    const int count = m_side ? static_cast<int>(m_side->ExpressionsCount()) : 0;
    for (int index = 0; index < count; ++index)
        m_report->AddExpressionRow(&m_side->Expression(static_cast<std::size_t>(index)), index);
    if (count == 0)
        m_report->AddExpressionRow(nullptr, -1);
}

void DirectAlertPanelDlg::Reset()
{
    m_side = nullptr;
    m_allRadio->setChecked(true);
    {
        const QSignalBlocker blocker(m_checkBox);
        m_checkBox->setChecked(false);
    }
    LoadExpressions();
}

bool DirectAlertPanelDlg::Validate()
{
    if (m_side)
        m_side->SetSideEnabled(IsSideChecked());
    return m_report->ValidateRows();
}

void DirectAlertPanelDlg::WriteToSide()
{
    if (!m_side)
        return;
    m_report->WriteToSide(*m_side);
    m_side->SetLogicOperator(LogicRadioValue() == kAnyRadio ? BLDirectAlert::eAnyTrue : BLDirectAlert::eAllTrue);
    if (m_side->ExpressionsCount() == 0)
    {
        m_side->SetLastExecutionResult(false);
        m_side->SetLogicOperator(BLDirectAlert::eAnyTrue);
    }
}

bool DirectAlertPanelDlg::OnCheckChanged()
{
    const bool checked = IsSideChecked();
    if (m_side)
        m_side->SetSideEnabled(checked);
    return checked;
}

void DirectAlertPanelDlg::SetSideChecked(bool checked)
{
    m_checkBox->setChecked(checked);
    OnCheckChanged();
}

bool DirectAlertPanelDlg::IsSideChecked() const
{
    return m_checkBox->isChecked();
}

int DirectAlertPanelDlg::LogicRadioValue() const
{
    return m_logicGroup->checkedId() == kAnyRadio ? kAnyRadio : kAllRadio;
}

void DirectAlertPanelDlg::FitToReport()
{
    const bool manyRows = m_report->RowCount() > 1;
    m_logicLabel->setVisible(manyRows);
    m_anyRadio->setVisible(manyRows);
    m_allRadio->setVisible(manyRows);
    if (auto* report = m_owner.Report())
        report->FitHeight();
}
