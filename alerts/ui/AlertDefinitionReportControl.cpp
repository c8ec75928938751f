#include "alerts/ui/AlertDefinitionReportControl.h"

#include "alerts/ui/AddExpressionButton.h"
#include "alerts/ui/AlertPropertiesDlg.h"
#include "alerts/ui/AlertSubexpressionsReportControl.h"
#include "alerts/ui/DirectAlertPanelDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

AlertDefinitionReportControl::AlertDefinitionReportControl(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("alertDefinitionReport"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QString AlertDefinitionReportControl::Caption(int record)
{
    switch (record)
    {
    case kBuyRecord:
        return QStringLiteral("Alert kupna");
    case kSellRecord:
        return QStringLiteral("Alert sprzedaży");
    default:
        return QStringLiteral("Właściowości alertu");
    }
}

void AlertDefinitionReportControl::Setup(AlertPropertiesDlg* properties, DirectAlertPanelDlg* buyPanel,
                                         DirectAlertPanelDlg* sellPanel)
{
    MakeRow(kBuyRecord, buyPanel);
    MakeRow(kSellRecord, sellPanel);
    MakeRow(kPropertiesRecord, properties);
    FitHeight();
}

void AlertDefinitionReportControl::MakeRow(int record, QWidget* window)
{
    Row& row = m_rows[Index(record)];
    row.window = window;
    row.header = new QWidget(this);
    row.header->setObjectName(QStringLiteral("header%1").arg(record));
    row.header->setAutoFillBackground(true);
    row.header->setBackgroundRole(QPalette::Button);
    row.expandButton = new QToolButton(row.header);
    row.expandButton->setAutoRaise(true);
    row.expandButton->setArrowType(Qt::DownArrow);
    auto* caption = new QLabel(Caption(record), row.header);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    auto* headerLayout = new QHBoxLayout(row.header);
    headerLayout->setContentsMargins(3, 1, 6, 1);
    headerLayout->addWidget(row.expandButton);
    headerLayout->addWidget(caption);
    headerLayout->addStretch(1);
    if (record != kPropertiesRecord)
    {
        row.addButton = new AddExpressionButton(row.header);
        headerLayout->addWidget(row.addButton);
        connect(row.addButton, &QToolButton::clicked, this, [this, record] { AddExpressionFromHeader(record); });
    }
    connect(row.expandButton, &QToolButton::clicked, this, [this, record] {
        IsExpanded(record) ? Collapse(record) : Expand(record);
    });
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addWidget(row.header);
    window->setParent(this);
    layout->addWidget(window);
    window->show();
}

void AlertDefinitionReportControl::FitHeight()
{
    layout()->activate();
    const int wanted = layout()->sizeHint().height();
    const int old = height();
    if (wanted == old && minimumHeight() == wanted)
        return;
    setFixedHeight(wanted);
    if (wanted != old)
        emit heightChanged(wanted - old);
}

void AlertDefinitionReportControl::AddExpressionFromHeader(int record)
{
    if (record != kBuyRecord && record != kSellRecord)
        return;
    if (auto* panel = qobject_cast<DirectAlertPanelDlg*>(m_rows[Index(record)].window))
        panel->Report().AddExpressionRow(nullptr, -1);
}

void AlertDefinitionReportControl::Expand(int record)
{
    SetExpanded(record, true);
}

void AlertDefinitionReportControl::Collapse(int record)
{
    SetExpanded(record, false);
}

bool AlertDefinitionReportControl::IsExpanded(int record) const
{
    return m_rows[Index(record)].expanded;
}

void AlertDefinitionReportControl::SetExpanded(int record, bool expanded)
{
    Row& row = m_rows[Index(record)];
    row.expanded = expanded;
    if (row.addButton)
        row.addButton->setVisible(expanded);
    if (row.window)
        row.window->setVisible(expanded);
    row.expandButton->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
    FitHeight();
}
