#include "alerts/engine/BLDirectAlert.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/AlertsListManager.h"
#include "alerts/engine/ArgumentsListManager.h"
#include "platform/modules/AlertSettingsNode.h"
#include "platform/settings/Settings.h"

#include <algorithm>

BLDirectAlert::BLDirectAlert(AlertModule& module, unsigned side)
    : m_side(static_cast<std::uint8_t>(side))
    , m_module(&module)
{
}

BLDirectAlert::BLDirectAlert(const BLDirectAlert& other)
    : m_sideEnabled(other.m_sideEnabled)
    , m_lastExecutionResult(other.m_lastExecutionResult)
    , m_side(other.m_side)
    , m_lastIndex(other.m_lastIndex)
    , m_logicOperator(other.m_logicOperator)
    , m_alertId(other.m_alertId)
    , m_module(other.m_module)
{
    m_expressions.reserve(other.m_expressions.size());
    for (const SimpleExpr& expression : other.m_expressions)
        m_expressions.push_back(expression);
}

bool BLDirectAlert::Execute(bool reset)
{
    if (!m_sideEnabled)
        return false;
    m_lastIndex = -1;
    for (auto& expression : m_expressions)
    {
        bool result = false;
        if (m_logicOperator == eAnyTrue)
            result = expression.AreOperandsReady() && expression.Evaluate();
        else
            result = expression.Evaluate();
        m_lastIndex = expression.GetIndex();
        m_lastExecutionResult = result;
        if (result == (m_logicOperator == eAnyTrue))
            break;
    }
    if (reset)
        ResetArgumentsUpdated();
    return m_lastExecutionResult;
}

void BLDirectAlert::ResetArgumentsUpdated()
{
    for (auto& expression : m_expressions)
        expression.ResetArgumentsUpdated();
}

bool BLDirectAlert::DeactivateArgUsage(const AlertExprArgDesc& descriptor)
{
    bool used = false;
    for (auto& expression : m_expressions)
        used = expression.DeactivateArgUsage(descriptor) || used;
    return used;
}

void BLDirectAlert::UpdateRequestId(std::uint32_t baseSourceId, std::uint32_t newSourceId)
{
    for (auto& expression : m_expressions)
        expression.UpdateRequestId(baseSourceId, newSourceId);
}

void BLDirectAlert::SetAlertId(int alertId)
{
    m_alertId = alertId;
    for (auto& expression : m_expressions)
        expression.SetAlertId(alertId);
}

void BLDirectAlert::RemoveLinks(std::uint32_t alertId) const
{
    AlertsListManager& alerts = m_module->Alerts();
    for (auto& expression : m_expressions)
    {
        for (const SimpleExpr::EOperandSide side : {SimpleExpr::eLeft, SimpleExpr::eRight})
        {
            if (expression.GetArgument(side).IsValid())
                alerts.RemoveLink(expression.GetArgument(side), alertId);
        }
    }
}

void BLDirectAlert::UpdateLinks(std::uint32_t alertId) const
{
    AlertsListManager& alerts = m_module->Alerts();
    for (auto& expression : m_expressions)
    {
        for (const SimpleExpr::EOperandSide side : {SimpleExpr::eLeft, SimpleExpr::eRight})
        {
            if (expression.GetArgument(side).IsValid())
                alerts.UpdateLink(expression.GetArgument(side), alertId);
        }
    }
}

SimpleExpr& BLDirectAlert::InsertExpression(std::size_t index)
{
    index = std::min(index, m_expressions.size());
    // Rebuilt rather than shifted: a comparison moves its argument uses along but is never
    // assigned over.
    std::vector<SimpleExpr> expressions;
    expressions.reserve(m_expressions.size() + 1);
    for (std::size_t i = 0; i <= m_expressions.size(); ++i)
    {
        if (i == index)
            expressions.emplace_back(*m_module, m_alertId, 0);
        if (i < m_expressions.size())
            expressions.push_back(std::move(m_expressions[i]));
    }
    m_expressions.swap(expressions);
    Renumber();
    return m_expressions[index];
}

void BLDirectAlert::RemoveExpression(std::size_t index)
{
    if (index >= m_expressions.size())
        return;
    std::vector<SimpleExpr> expressions;
    expressions.reserve(m_expressions.size() - 1);
    for (std::size_t i = 0; i < m_expressions.size(); ++i)
    {
        if (i != index)
            expressions.push_back(std::move(m_expressions[i]));
    }
    m_expressions.swap(expressions);
    Renumber();
}

void BLDirectAlert::Renumber()
{
    for (std::size_t i = 0; i < m_expressions.size(); ++i)
        m_expressions[i].SetIndex(static_cast<int>(i));
}

bool BLDirectAlert::HasAllArgumentSources()
{
    for (auto& expression : m_expressions)
    {
        if (!expression.CheckArgumentSources())
            return false;
    }
    return true;
}

void BLDirectAlert::RenewArgumentUses()
{
    for (auto& expression : m_expressions)
        expression.RenewArgumentUses();
}

bool BLDirectAlert::HasSameDefinition(const BLDirectAlert& other) const
{
    return m_sideEnabled == other.m_sideEnabled && m_logicOperator == other.m_logicOperator
           && std::equal(m_expressions.begin(), m_expressions.end(), other.m_expressions.begin(),
                         other.m_expressions.end(), [](const SimpleExpr& a, const SimpleExpr& b) {
                             return a.HasSameDefinition(b);
                         });
}

void BLDirectAlert::TakeTestState(const BLDirectAlert& other)
{
    m_lastIndex = other.m_lastIndex;
    m_lastExecutionResult = other.m_lastExecutionResult;
    for (std::size_t i = 0; i < m_expressions.size() && i < other.m_expressions.size(); ++i)
        m_expressions[i].TakeUpdatedFlags(other.m_expressions[i]);
}

bool BLDirectAlert::HasArgumentSources() const
{
    return std::all_of(m_expressions.begin(), m_expressions.end(),
                       [](const SimpleExpr& expression) { return expression.HasArgumentSources(); });
}

void BLDirectAlert::TakeArgumentSnapshots(std::vector<AlertExprArgSnapshot>& snapshots) const
{
    for (auto& expression : m_expressions)
    {
        for (const SimpleExpr::EOperandSide side : {SimpleExpr::eLeft, SimpleExpr::eRight})
        {
            const AlertExprArgDesc& argument = expression.GetArgument(side);
            if (expression.IsConstant(side) || !argument.IsValid())
                continue;
            snapshots.emplace_back(argument, expression.ArgumentValue(side));
        }
    }
}

QString BLDirectAlert::GetDescription(bool generatedForm) const
{
    if (generatedForm)
    {
        if (m_lastIndex < 0 || static_cast<std::size_t>(m_lastIndex) >= m_expressions.size())
            return QString();
        return m_expressions[static_cast<std::size_t>(m_lastIndex)].GetDescription(false, true);
    }
    QString text;
    for (auto& expression : m_expressions)
        text += expression.GetDescription(true, false);
    return text;
}

void BLDirectAlert::LogState(QString& out) const
{
    for (auto& expression : m_expressions)
        expression.LogState(out);
}

void BLDirectAlert::Serialize(Settings& node) const
{
    if (!node.IsValid())
    {
        AlertSettingsNode::WriteError("BLDirectAlert::Serialize", __LINE__,
                                      QStringLiteral("Alert kierunkowy: niepoprawny obiekt ustawień"));
        return;
    }
    node["SideEnabled"] = m_sideEnabled;
    Settings& expressions = node["AllExpressions"];
    for (const SimpleExpr& expression : m_expressions)
        expression.Serialize(expressions.AddUnnamed());
    node["LogicOperator"] = m_logicOperator;
    node["LastExecutionResult"] = m_lastExecutionResult;
}

void BLDirectAlert::Unserialize(const Settings& node, const QString& instrument, const QStringList* listedInstruments)
{
    if (!node.IsValid())
    {
        AlertSettingsNode::WriteError("BLDirectAlert::Unserialize", __LINE__,
                                      QStringLiteral("Alert kierunkowy: niepoprawny obiekt ustawień"));
        return;
    }
    const std::optional<bool> enabled = AlertSettingsNode::ReadBool(node, "SideEnabled");
    if (node.Exists(QStringLiteral("AllExpressions")))
    {
        ConstSettingsIterator children = node["AllExpressions"].IteratorUnnamed(1);
        while (children.Iterate())
            InsertExpression(m_expressions.size()).Unserialize(children.Node(), instrument, listedInstruments);
    }
    else
    {
        AlertSettingsNode::WriteError(
            "BLDirectAlert::Unserialize", __LINE__,
            QStringLiteral("Alert kierunkowy: niepoprawny obiekt ustawień kolekcji wyrażeń alertu"));
    }
    // Sides were saved without the key once: a side with comparisons was in use then, an
    // empty one was not (enabled, it would be due at every other test and never hold).
    m_sideEnabled = enabled.value_or(!m_expressions.empty());
    // Readiness and the test would disagree on any other operator.
    const std::optional<std::uint32_t> logicOperator = AlertSettingsNode::ReadUInt(node, "LogicOperator");
    if (logicOperator && (*logicOperator == eAllTrue || *logicOperator == eAnyTrue))
        m_logicOperator = *logicOperator;
    else
        AlertSettingsNode::WriteError(
            "BLDirectAlert::Unserialize", __LINE__,
            QStringLiteral("Alert kierunkowy: niepoprawny obiekt ustawień operatora logicznego"));
    if (const std::optional<bool> lastResult = AlertSettingsNode::ReadBool(node, "LastExecutionResult"))
        m_lastExecutionResult = *lastResult;
}
