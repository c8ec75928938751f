#pragma once
// One comparison of an alert side: a left operand, a compare operator and a right operand.
// An operand is a constant, an alert argument (a live value kept in the argument registry)
// or empty. Every valid argument of an expression holds one use of it in the registry: a
// copy takes its own uses, and replacing, releasing or destroying gives them back.
//
// Tests run on the alerts worker thread while the alert list is locked; editing and loading
// run on the main thread, on alerts that are not in the list (or under its lock).

#include "alerts/engine/ArgumentsListManager.h"
#include "alerts/engine/ConstArgumentValue.h"
#include "platform/modules/AlertExprArgDesc.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <memory>

class AlertModule;
class Settings;

// The compare operators; any other value never holds.
enum ECmpOperator : std::uint32_t
{
    eCmpGreater = 0,
    eCmpGreaterOrEqual = 1,
    eCmpLess = 2,
    eCmpLessOrEqual = 3,
    eCmpEqual = 4,
    eCmpNotEqual = 5,
};

// On a cache line of its own: a test reads the first lines of the comparisons of many alerts.
class alignas(64) SimpleExpr
{
public:
    enum EOperandSide
    {
        eLeft = 0,
        eRight = 1,
    };

    SimpleExpr(AlertModule& module, int alertId, int index);
    SimpleExpr(const SimpleExpr& other);
    // Takes the other's uses of its arguments; the other is left empty.
    SimpleExpr(SimpleExpr&& other) noexcept;
    SimpleExpr& operator=(const SimpleExpr&) = delete;
    SimpleExpr& operator=(SimpleExpr&&) = delete;
    virtual ~SimpleExpr();

    // Exact comparison of the operands' current values; the side checks readiness first.
    bool Evaluate() const
    {
        const double left = OperandValue(m_left);
        const double right = OperandValue(m_right);
        switch (m_compareOperator)
        {
        case eCmpGreater:
            return left > right;
        case eCmpGreaterOrEqual:
            return left >= right;
        case eCmpLess:
            return left < right;
        case eCmpLessOrEqual:
            return left <= right;
        case eCmpEqual:
            return left == right;
        case eCmpNotEqual:
            return left != right;
        default:
            return false;
        }
    }

    // Makes the operand the argument; a source that refuses it leaves the operand empty.
    // An invalid descriptor empties the operand.
    void SetArgument(EOperandSide side, const AlertExprArgDesc& descriptor);
    // Makes the operand a constant, giving back any argument it had.
    void SetConstant(EOperandSide side, const ConstArgumentValue& constant);
    // True when either argument equals the descriptor; those are given back and emptied.
    bool DeactivateArgUsage(const AlertExprArgDesc& descriptor);
    // Moves the series-based arguments of request baseSourceId to request newSourceId,
    // moving their uses in the registry with them.
    void UpdateRequestId(std::uint32_t baseSourceId, std::uint32_t newSourceId);
    // False when an argument's source no longer offers it, or refused it when the alert was
    // read; the owning alert is then removed from the module as incomplete.
    bool CheckArgumentSources();
    // The same check alone.
    bool HasArgumentSources() const;
    // Binds again an argument whose use was taken on a registry entry that has gone since
    // (the registry was emptied while this comparison was held outside the list).
    void RenewArgumentUses();

    // The same operator and operands: the comparison tests what the other tests.
    bool HasSameDefinition(const SimpleExpr& other) const;
    // Takes which arguments the other has received fresh values of.
    void TakeUpdatedFlags(const SimpleExpr& other);

    const AlertExprArgDesc& GetArgument(EOperandSide side) const { return Operand(side).argument; }
    const ConstArgumentValue& GetConstant(EOperandSide side) const { return Operand(side).constant; }
    bool IsConstant(EOperandSide side) const { return Operand(side).constant.IsConstant(); }
    bool IsArgumentUpdated(EOperandSide side) const { return Operand(side).updated; }
    // A constant, or an argument that received a value since it came into use.
    bool IsOperandInitialised(EOperandSide side) const { return IsInitialised(Operand(side)); }
    // A constant, or an argument that received a value since the last reset.
    bool IsOperandUpdated(EOperandSide side) const { return IsUpdated(Operand(side)); }
    bool AreOperandsReady() const
    {
        return IsUpdated(m_left) && IsUpdated(m_right) && IsInitialised(m_left) && IsInitialised(m_right);
    }

    bool UsesArgument(const AlertExprArgDesc& descriptor) const
    {
        return (m_left.argument.IsValid() && m_left.argument == descriptor)
               || (m_right.argument.IsValid() && m_right.argument == descriptor);
    }
    void MarkArgumentUpdated(const AlertExprArgDesc& descriptor)
    {
        if (m_left.argument.IsValid() && m_left.argument == descriptor)
            m_left.updated = true;
        if (m_right.argument.IsValid() && m_right.argument == descriptor)
            m_right.updated = true;
    }
    void ResetArgumentsUpdated();

    std::uint32_t GetCompareOperator() const { return m_compareOperator; }
    void SetCompareOperator(std::uint32_t compareOperator) { m_compareOperator = compareOperator; }
    int GetAlertId() const { return m_alertId; }
    void SetAlertId(int alertId) { m_alertId = alertId; }
    int GetIndex() const { return m_index; }
    void SetIndex(int index) { m_index = index; }

    QString GetOperatorText() const;
    static QString FormatValue(double value);
    QString GetDescription(bool leadingLineBreak, bool showValues) const;
    void LogState(QString& out) const;

    // The node tree: "LeftConstArg" or "LeftArgDescription", the same for the right operand,
    // and "CompareOperator". Faults are logged; reading keeps what a faulty key would change.
    void Serialize(Settings& node) const;
    void Unserialize(const Settings& node, const QString& instrument, const QStringList* listedInstruments);

    // The current value of an argument operand, 0.0 for any other.
    double ArgumentValue(EOperandSide side) const;

    // How many bytes from the start of the comparison a test reads.
    std::size_t TestedBytes() const
    {
        return static_cast<std::size_t>(reinterpret_cast<const char*>(&m_module) - reinterpret_cast<const char*>(this));
    }

private:
    // What a test reads comes first, the argument's texts last.
    struct OperandData
    {
        bool updated = false;
        ConstArgumentValue constant;
        // The registry entry that holds this operand's use of its argument; tests read the
        // value from it.
        std::shared_ptr<Argument> entry;
        AlertExprArgDesc argument;
    };

    OperandData& Operand(EOperandSide side) { return side == eLeft ? m_left : m_right; }
    const OperandData& Operand(EOperandSide side) const { return side == eLeft ? m_left : m_right; }
    AlertExprArgDesc& Refused(const OperandData& operand) { return &operand == &m_left ? m_leftRefused : m_rightRefused; }
    const AlertExprArgDesc& Refused(const OperandData& operand) const
    {
        return &operand == &m_left ? m_leftRefused : m_rightRefused;
    }
    static Argument::Reading Read(const OperandData& operand)
    {
        return operand.entry ? operand.entry->Read() : Argument::Reading();
    }
    static double OperandValue(const OperandData& operand)
    {
        if (operand.constant.IsConstant())
            return operand.constant.GetValue();
        const Argument::Reading reading = Read(operand);
        return reading.registered ? reading.value : 0.0;
    }
    static bool IsInitialised(const OperandData& operand)
    {
        if (operand.constant.IsConstant())
            return true;
        const Argument::Reading reading = Read(operand);
        return operand.argument.IsValid() && reading.registered && reading.initialised;
    }
    static bool IsUpdated(const OperandData& operand) { return operand.constant.IsConstant() || operand.updated; }
    void ReleaseArgument(OperandData& operand);
    // Binds the descriptor to the operand, which must be empty; false when its source refused it.
    bool BindArgument(OperandData& operand, const AlertExprArgDesc& descriptor);
    void MoveToRequest(OperandData& operand, std::uint32_t baseSourceId, std::uint32_t newSourceId);
    bool HasNamedArgument(const OperandData& operand) const;
    void DescribeOperand(const OperandData& operand, bool showValues, QString& text, QString& sources) const;
    void LogOperand(const OperandData& operand, QString& out) const;
    void UnserializeOperand(EOperandSide side, const Settings& node, const char* constantKey,
                            const char* argumentKey, const QString& instrument,
                            const QStringList* listedInstruments);

    // What a test reads first, together, the rest after it: the worker tests comparisons of
    // many alerts for every value and waits on memory more than on anything else.
    std::uint32_t m_compareOperator = eCmpGreater;
    // The side notes which comparison it tested last.
    int m_index = 0;
    OperandData m_left;
    OperandData m_right;
    AlertModule* m_module;
    ArgumentsListManager* m_arguments;
    int m_alertId = -1;
    // The argument a stored alert named when its source refused it: the operand stays empty,
    // but the check of the sources still sees what it was meant to be.
    AlertExprArgDesc m_leftRefused;
    AlertExprArgDesc m_rightRefused;
};
