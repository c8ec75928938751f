#include "alerts/engine/SimpleExpr.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/ArgumentsListManager.h"
#include "platform/modules/AlertSettingsNode.h"
#include "platform/settings/Settings.h"

#include <utility>

SimpleExpr::SimpleExpr(AlertModule& module, int alertId, int index)
    : m_index(index)
    , m_alertId(alertId)
    , m_module(&module)
    , m_arguments(&module.Arguments())
{
}

SimpleExpr::SimpleExpr(SimpleExpr&& other) noexcept
    : m_compareOperator(other.m_compareOperator)
    , m_index(other.m_index)
    , m_leftState(other.m_leftState)
    , m_rightState(other.m_rightState)
    , m_alertId(other.m_alertId)
    , m_left(std::move(other.m_left))
    , m_right(std::move(other.m_right))
    , m_module(other.m_module)
    , m_arguments(other.m_arguments)
    , m_leftRefused(std::move(other.m_leftRefused))
    , m_rightRefused(std::move(other.m_rightRefused))
{
    for (OperandData* operand : {&other.m_left, &other.m_right})
    {
        operand->argument.Reset();
        operand->entry.reset();
        other.Sync(*operand);
    }
    other.m_leftRefused.Reset();
    other.m_rightRefused.Reset();
}

SimpleExpr::SimpleExpr(const SimpleExpr& other)
    : m_compareOperator(other.m_compareOperator)
    , m_index(other.m_index)
    , m_alertId(other.m_alertId)
    , m_module(other.m_module)
    , m_arguments(other.m_arguments)
    , m_leftRefused(other.m_leftRefused)
    , m_rightRefused(other.m_rightRefused)
{
    for (const EOperandSide side : {eLeft, eRight})
    {
        const OperandData& from = other.Operand(side);
        OperandData& to = Operand(side);
        State(side).updated = other.State(side).updated;
        to.constant = from.constant;
        // A copy that cannot hold its own use must not give one back later.
        if (from.argument.IsValid())
        {
            if (m_arguments->IncrementArgumentInstanceCount(from.argument, to.entry))
                to.argument = from.argument;
            else
                Refused(to) = from.argument;
        }
        Sync(to);
    }
}

SimpleExpr::~SimpleExpr()
{
    ReleaseArgument(m_left);
    ReleaseArgument(m_right);
}

double SimpleExpr::ArgumentValue(EOperandSide side) const
{
    const OperandState& state = State(side);
    return state.constant ? 0.0 : OperandValue(state);
}

void SimpleExpr::Sync(const OperandData& operand)
{
    OperandState& state = State(operand);
    state.entry = operand.entry.get();
    state.constantValue = operand.constant.GetValue();
    state.constant = operand.constant.IsConstant();
    state.argumentValid = operand.argument.IsValid();
    state.listed = operand.argument.GetAlertNameValid();
}

void SimpleExpr::ReleaseArgument(OperandData& operand)
{
    if (operand.argument.IsValid())
        m_arguments->DecrementArgumentInstanceCount(operand.argument, operand.entry);
    operand.argument.Reset();
    operand.entry.reset();
    Refused(operand).Reset();
    State(operand).updated = false;
    Sync(operand);
}

bool SimpleExpr::BindArgument(OperandData& operand, const AlertExprArgDesc& descriptor)
{
    ArgumentsListManager& arguments = *m_arguments;
    if (!arguments.Find(descriptor))
        arguments.Register(descriptor);
    const bool bound = arguments.IncrementArgumentInstanceCount(descriptor, operand.entry);
    if (bound)
        operand.argument = descriptor;
    Sync(operand);
    return bound;
}

void SimpleExpr::SetArgument(EOperandSide side, const AlertExprArgDesc& descriptor)
{
    OperandData& operand = Operand(side);
    if (operand.argument.IsValid() && operand.argument == descriptor)
        return;
    ReleaseArgument(operand);
    operand.constant.SetConstant(false);
    Sync(operand);
    if (descriptor.IsValid() && !BindArgument(operand, descriptor))
        Refused(operand) = descriptor;
}

void SimpleExpr::SetConstant(EOperandSide side, const ConstArgumentValue& constant)
{
    OperandData& operand = Operand(side);
    ReleaseArgument(operand);
    operand.constant = constant;
    operand.constant.SetConstant(true);
    Sync(operand);
}

bool SimpleExpr::DeactivateArgUsage(const AlertExprArgDesc& descriptor)
{
    bool used = false;
    for (OperandData* operand : {&m_left, &m_right})
    {
        if (operand->argument.IsValid() && operand->argument == descriptor)
        {
            ReleaseArgument(*operand);
            used = true;
        }
    }
    return used;
}

void SimpleExpr::MoveToRequest(OperandData& operand, std::uint32_t baseSourceId, std::uint32_t newSourceId)
{
    const AlertExprArgDesc current = operand.argument;
    if (!current.IsValid() || !current.IsSeriesBased() || current.GetBaseArgumentSourceID() != baseSourceId
        || baseSourceId == newSourceId)
        return;
    AlertExprArgDesc moved = current;
    moved.SetSeriesBasedArgumentSourceID(newSourceId, current.GetExtendedArgumentSourceID());
    // The use moves to the new request: the old one is given back, or the old argument
    // would stay in use for ever.
    const std::shared_ptr<Argument> old = std::move(operand.entry);
    operand.argument.Reset();
    Sync(operand);
    if (!BindArgument(operand, moved))
        Refused(operand) = moved;
    m_arguments->DecrementArgumentInstanceCount(current, old);
}

void SimpleExpr::UpdateRequestId(std::uint32_t baseSourceId, std::uint32_t newSourceId)
{
    MoveToRequest(m_left, baseSourceId, newSourceId);
    MoveToRequest(m_right, baseSourceId, newSourceId);
}

bool SimpleExpr::HasArgumentSources() const
{
    for (const OperandData* operand : {&m_left, &m_right})
    {
        const AlertExprArgDesc& argument = operand->argument.IsValid() ? operand->argument : Refused(*operand);
        if (argument.IsValid() && !argument.GetArgumentName().isEmpty()
            && !m_module->IsArgumentSourceAvailable(argument))
            return false;
    }
    return true;
}

void SimpleExpr::RenewArgumentUses()
{
    for (OperandData* operand : {&m_left, &m_right})
    {
        if (!operand->argument.IsValid() || (operand->entry && operand->entry->IsRegistered()))
            continue;
        const AlertExprArgDesc argument = operand->argument;
        operand->argument.Reset();
        operand->entry.reset();
        State(*operand).updated = false;
        Sync(*operand);
        if (!BindArgument(*operand, argument))
            Refused(*operand) = argument;
    }
}

bool SimpleExpr::HasSameDefinition(const SimpleExpr& other) const
{
    const auto sameOperand = [](const OperandData& a, const OperandData& b) {
        if (a.constant.IsConstant() || b.constant.IsConstant())
            return a.constant.IsConstant() && b.constant.IsConstant() && a.constant.GetValue() == b.constant.GetValue();
        if (a.argument.IsValid() != b.argument.IsValid())
            return false;
        return !a.argument.IsValid() || a.argument == b.argument;
    };
    return m_compareOperator == other.m_compareOperator && sameOperand(m_left, other.m_left)
           && sameOperand(m_right, other.m_right);
}

void SimpleExpr::TakeUpdatedFlags(const SimpleExpr& other)
{
    m_leftState.updated = other.m_leftState.updated && m_leftState.argumentValid;
    m_rightState.updated = other.m_rightState.updated && m_rightState.argumentValid;
}

bool SimpleExpr::CheckArgumentSources()
{
    if (HasArgumentSources())
        return true;
    // Removed once: the alert's other operands are not checked any more.
    m_module->RemoveIncompleteAlertAndLog(static_cast<std::uint32_t>(m_alertId));
    return false;
}

QString SimpleExpr::GetOperatorText() const
{
    switch (m_compareOperator)
    {
    case eCmpGreater:
        return QStringLiteral(">");
    case eCmpGreaterOrEqual:
        return QStringLiteral(">=");
    case eCmpLess:
        return QStringLiteral("<");
    case eCmpLessOrEqual:
        return QStringLiteral("<=");
    case eCmpEqual:
        return QStringLiteral("==");
    case eCmpNotEqual:
        return QStringLiteral("!=");
    default:
        return QStringLiteral("ECmpOperator error");
    }
}

QString SimpleExpr::FormatValue(double value)
{
    return QString::asprintf("%g", value);
}

bool SimpleExpr::HasNamedArgument(const OperandData& operand) const
{
    return !operand.constant.IsConstant() && !operand.argument.GetArgumentName().isEmpty();
}

void SimpleExpr::DescribeOperand(const OperandData& operand, bool showValues, QString& text, QString& sources) const
{
    if (!HasNamedArgument(operand))
    {
        text += FormatValue(operand.constant.GetValue());
        return;
    }
    text += operand.argument.GetArgumentName() + QStringLiteral(" (") + operand.argument.GetArgumentDescription()
            + QStringLiteral(")    ");
    if (showValues)
        text += QStringLiteral("wartość: ") + FormatValue(OperandValue(State(operand))) + QStringLiteral("    ");
    sources += operand.argument.GetSourceModuleName();
}

QString SimpleExpr::GetDescription(bool leadingLineBreak, bool showValues) const
{
    QString text = leadingLineBreak ? QStringLiteral("\n\t") : QString();
    QString sources;
    DescribeOperand(m_left, showValues, text, sources);
    text += GetOperatorText() + QStringLiteral("  ");
    DescribeOperand(m_right, showValues, text, sources);
    return text + QStringLiteral("  źródło: ") + sources;
}

void SimpleExpr::LogOperand(const OperandData& operand, QString& out) const
{
    if (HasNamedArgument(operand))
        operand.argument.LogAlertsState(out);
    else
        out += QStringLiteral("\t\tValue\n\t\t") + FormatValue(operand.constant.GetValue()) + QStringLiteral("\n");
}

void SimpleExpr::LogState(QString& out) const
{
    out += QStringLiteral("\tLeftSide:\n");
    LogOperand(m_left, out);
    out += QStringLiteral("\n\tRightSide:\n");
    LogOperand(m_right, out);
}

void SimpleExpr::Serialize(Settings& node) const
{
    if (!node.IsValid())
    {
        AlertSettingsNode::WriteError("SimpleExpr::Serialize", __LINE__,
                                      QStringLiteral("Wyrażenie alertu: niepoprawny obiekt ustawień"));
        return;
    }
    const auto write = [&node](const OperandData& operand, const char* constantKey, const char* argumentKey) {
        if (operand.constant.IsConstant())
            operand.constant.Serialize(node[constantKey]);
        else if (operand.argument.IsValid())
            operand.argument.Serialize(node[argumentKey]);
    };
    write(m_left, "LeftConstArg", "LeftArgDescription");
    write(m_right, "RightConstArg", "RightArgDescription");
    node["CompareOperator"] = m_compareOperator;
}

void SimpleExpr::UnserializeOperand(EOperandSide side, const Settings& node, const char* constantKey,
                                    const char* argumentKey, const QString& instrument,
                                    const QStringList* listedInstruments)
{
    // A constant wins over an argument stored beside it.
    ConstArgumentValue constant;
    if (node.Exists(QString::fromLatin1(constantKey)) && constant.Unserialize(node[constantKey]))
    {
        SetConstant(side, constant);
        return;
    }
    if (!node.Exists(QString::fromLatin1(argumentKey)))
        return;
    AlertExprArgDesc argument;
    if (!argument.Unserialize(node[argumentKey], instrument, listedInstruments))
        return;
    State(side).updated = false;
    SetArgument(side, argument);
}

void SimpleExpr::Unserialize(const Settings& node, const QString& instrument, const QStringList* listedInstruments)
{
    if (!node.IsValid())
    {
        AlertSettingsNode::WriteError("SimpleExpr::Unserialize", __LINE__,
                                      QStringLiteral("Wyrażenie alertu: niepoprawny obiekt ustawień"));
        return;
    }
    UnserializeOperand(eLeft, node, "LeftConstArg", "LeftArgDescription", instrument, listedInstruments);
    UnserializeOperand(eRight, node, "RightConstArg", "RightArgDescription", instrument, listedInstruments);
    if (const std::optional<std::uint32_t> compareOperator = AlertSettingsNode::ReadUInt(node, "CompareOperator"))
        m_compareOperator = *compareOperator;
    else
        AlertSettingsNode::WriteError(
            "SimpleExpr::Unserialize", __LINE__,
            QStringLiteral("Wyrażenie alertu: niepoprawny obiekt ustawień operatora porównania"));
}
