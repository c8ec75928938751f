#include "alerts/ui/SubExpressionRecord.h"

#include "alerts/engine/SimpleExpr.h"
#include "alerts/ui/AlertArgDescReportRecordItem.h"
#include "alerts/ui/AlertDefinitionDlg.h"
#include "alerts/ui/AlertOperatorComboBox.h"
#include "alerts/ui/AlertSubexpressionsReportControl.h"
#include "alerts/ui/DirectAlertPanelDlg.h"
#include "platform/base/TextHelper.h"
#include "platform/ui/Images.h"

#include <QHBoxLayout>
#include <QToolButton>

SubExpressionRecord::SubExpressionRecord(AlertSubexpressionsReportControl& report, const SimpleExpr* expression,
                                         int expressionIndex, int emptyOperator)
    : QWidget(&report)
    , m_report(report)
    , m_expressionIndex(expression ? expressionIndex : -1)
{
    m_leftCell = new AlertArgDescReportRecordItem(true, this);
    m_operatorCombo = new AlertOperatorComboBox(*this, this);
    m_rightCell = new AlertArgDescReportRecordItem(false, this);
    m_removeButton = new QToolButton(this);
    m_removeButton->setObjectName(QStringLiteral("removeExpression"));
    m_removeButton->setAutoRaise(true);
    m_removeButton->setIconSize(QSize(14, 14));
    m_operatorCombo->setFixedWidth(m_operatorCombo->fontMetrics().horizontalAdvance(QStringLiteral("<=")) + 40);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->setSpacing(2);
    layout->addWidget(m_leftCell, 46);
    layout->addWidget(m_operatorCombo);
    layout->addWidget(m_rightCell, 40);
    layout->addWidget(m_removeButton);

    connect(m_rightCell, &AlertArgDescReportRecordItem::clicked, this, [this] { m_report.BeginEdit(*this); });
    connect(m_removeButton, &QToolButton::clicked, this, [this] {
        if (IsRemovable())
            m_report.RemoveRow(*this);
    });

    if (expression)
    {
        for (const SimpleExpr::EOperandSide side : {SimpleExpr::eLeft, SimpleExpr::eRight})
        {
            AlertExprArgDesc& argument = side == SimpleExpr::eLeft ? m_leftArgument : m_rightArgument;
            ConstArgumentValue& constant = side == SimpleExpr::eLeft ? m_leftConstant : m_rightConstant;
            if (expression->GetArgument(side).IsValid())
            {
                argument = expression->GetArgument(side);
                m_report.Owner().ChangeArgumentUsage(AlertExprArgDesc(), argument);
            }
            else
                constant = expression->GetConstant(side);
        }
        m_operator = static_cast<int>(expression->GetCompareOperator());
    }
    else
        m_operator = emptyOperator;
    m_operatorCombo->Fill();
    RefreshOperandCells(true);
    RefreshOperandCells(false);
}

SubExpressionRecord::~SubExpressionRecord()
{
    for (const AlertExprArgDesc* argument : {&m_leftArgument, &m_rightArgument})
    {
        if (argument->IsValid())
            m_report.Owner().ChangeArgumentUsage(*argument, AlertExprArgDesc());
    }
}

void SubExpressionRecord::SetOperator(int op)
{
    m_operator = op;
    if (m_operatorCombo->currentIndex() != op)
        m_operatorCombo->setCurrentIndex(op >= 0 && op < m_operatorCombo->count() ? op : -1);
}

void SubExpressionRecord::SetLeftArgument(const AlertExprArgDesc& argument)
{
    m_report.Owner().ChangeArgumentUsage(m_leftArgument, argument);
    // An operand dragged onto a side makes the user want that side.
    if (DirectAlertPanelDlg* panel = m_report.Panel())
        panel->SetSideChecked(true);
    m_leftArgument = argument;
    m_leftConstant.SetConstant(false);
    RefreshOperandCells(true);
}

void SubExpressionRecord::SetRightArgument(const AlertExprArgDesc& argument)
{
    m_report.Owner().ChangeArgumentUsage(m_rightArgument, argument);
    m_rightArgument = argument;
    m_rightConstant.SetConstant(false);
    RefreshOperandCells(false);
}

bool SubExpressionRecord::SetConstantFromText(int item, const QString& text)
{
    const bool left = item == AlertSubexpressionsReportControl::kLeftValueItem;
    AlertArgDescReportRecordItem& cell = left ? *m_leftCell : *m_rightCell;
    if (text.trimmed().isEmpty())
        return false;
    bool ok = false;
    const double value = TextHelper::ToDouble(text, &ok);
    if (!ok)
    {
        cell.SetError(true);
        return false;
    }
    AlertExprArgDesc& argument = left ? m_leftArgument : m_rightArgument;
    ConstArgumentValue& constant = left ? m_leftConstant : m_rightConstant;
    constant = ConstArgumentValue(value, static_cast<std::uint32_t>(TextHelper::ParsePrecision(text)));
    if (argument.IsValid())
    {
        const AlertExprArgDesc released = argument;
        argument.Reset();
        m_report.Owner().ChangeArgumentUsage(released, AlertExprArgDesc());
    }
    cell.SetError(false);
    RefreshOperandCells(left);
    return true;
}

void SubExpressionRecord::Clear()
{
    const AlertExprArgDesc left = m_leftArgument;
    const AlertExprArgDesc right = m_rightArgument;
    m_leftArgument.Reset();
    m_rightArgument.Reset();
    for (const AlertExprArgDesc* argument : {&left, &right})
    {
        if (argument->IsValid())
            m_report.Owner().ChangeArgumentUsage(*argument, AlertExprArgDesc());
    }
    m_leftConstant.SetConstant(false);
    m_rightConstant.SetConstant(false);
    SetOperator(0);
    m_expressionIndex = -1;
    RefreshOperandCells(true);
    RefreshOperandCells(false);
}

void SubExpressionRecord::ForgetArgument(const AlertExprArgDesc& argument)
{
    for (const bool left : {true, false})
    {
        AlertExprArgDesc& operand = left ? m_leftArgument : m_rightArgument;
        const ConstArgumentValue& constant = left ? m_leftConstant : m_rightConstant;
        if (constant.IsConstant() || !operand.IsValid() || !(operand == argument))
            continue;
        const AlertExprArgDesc released = operand;
        operand.Reset();
        m_report.Owner().ChangeArgumentUsage(released, AlertExprArgDesc());
        RefreshOperandCells(left);
    }
}

bool SubExpressionRecord::IsOperandSet(int item) const
{
    switch (item)
    {
    case AlertSubexpressionsReportControl::kLeftNameItem:
    case AlertSubexpressionsReportControl::kLeftValueItem:
        return m_leftArgument.IsValid() || m_leftConstant.IsConstant();
    case AlertSubexpressionsReportControl::kRightNameItem:
    case AlertSubexpressionsReportControl::kRightValueItem:
        return m_rightArgument.IsValid() || m_rightConstant.IsConstant();
    default:
        return true;
    }
}

bool SubExpressionRecord::IsEntirelyEmpty() const
{
    return !m_leftConstant.IsConstant() && !m_rightConstant.IsConstant() && !m_leftArgument.IsValid()
           && !m_rightArgument.IsValid();
}

bool SubExpressionRecord::Validate()
{
    if (IsEntirelyEmpty())
        return false;
    const bool leftConstant = m_leftConstant.IsConstant();
    const bool rightConstant = m_rightConstant.IsConstant();
    if (leftConstant && rightConstant)
        return true;
    // A constant needs an argument on the other side; without constants both must be arguments.
    if (!leftConstant && !m_leftArgument.IsValid())
    {
        m_leftCell->SetError(true);
        return false;
    }
    if (!rightConstant && !m_rightArgument.IsValid())
    {
        m_rightCell->SetError(true);
        return false;
    }
    return true;
}

void SubExpressionRecord::ClearErrorMarks()
{
    m_leftCell->SetError(false);
    m_rightCell->SetError(false);
}

void SubExpressionRecord::WriteTo(SimpleExpr& expression) const
{
    expression.SetCompareOperator(static_cast<std::uint32_t>(m_operator));
    if (m_leftConstant.IsConstant())
        expression.SetConstant(SimpleExpr::eLeft, m_leftConstant);
    else
        expression.SetArgument(SimpleExpr::eLeft, m_leftArgument);
    if (m_rightConstant.IsConstant())
        expression.SetConstant(SimpleExpr::eRight, m_rightConstant);
    else
        expression.SetArgument(SimpleExpr::eRight, m_rightArgument);
}

int SubExpressionRecord::ItemAt(const QPoint& point) const
{
    if (m_leftCell->geometry().contains(point))
        return AlertSubexpressionsReportControl::kLeftNameItem;
    if (m_operatorCombo->geometry().contains(point))
        return AlertSubexpressionsReportControl::kOperatorItem;
    if (m_rightCell->geometry().contains(point))
        return AlertSubexpressionsReportControl::kRightValueItem;
    if (m_removeButton->geometry().contains(point))
        return AlertSubexpressionsReportControl::kRemoveItem;
    return -1;
}

void SubExpressionRecord::SetRemovable(bool removable)
{
    m_removeButton->setIcon(removable ? Images::Instance().Icon(kRemoveImageId) : QIcon());
    m_removeButton->setEnabled(removable);
}

bool SubExpressionRecord::IsRemovable() const
{
    return m_removeButton->isEnabled();
}

void SubExpressionRecord::RefreshOperandCells(bool left)
{
    const AlertExprArgDesc& argument = left ? m_leftArgument : m_rightArgument;
    const ConstArgumentValue& constant = left ? m_leftConstant : m_rightConstant;
    AlertArgDescReportRecordItem& cell = left ? *m_leftCell : *m_rightCell;
    if (constant.IsConstant())
        cell.ShowConstant(QString::number(constant.GetValue(), 'f', static_cast<int>(constant.GetPrecision())));
    else if (argument.IsValid())
        cell.ShowArgument(argument.GetArgumentName(), argument.GetArgumentDescription());
    else
        cell.ShowHint();
}
