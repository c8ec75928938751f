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
    ~SimpleExpr();

    // Exact comparison of the operands' current values; the side checks readiness first.
    bool Evaluate() const { return Compare(m_compareOperator, OperandValue(m_leftState), OperandValue(m_rightState)); }
    static bool Compare(std::uint32_t compareOperator, double left, double right)
    {
        switch (compareOperator)
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
    bool IsConstant(EOperandSide side) const { return State(side).constant; }
    bool IsArgumentUpdated(EOperandSide side) const { return State(side).updated; }
    // The registry entry that holds the operand's use of its argument, or null.
    const Argument* ArgumentEntry(EOperandSide side) const { return State(side).entry; }
    // A constant, or an argument that received a value since it came into use.
    bool IsOperandInitialised(EOperandSide side) const { return IsInitialised(State(side)); }
    // A constant, or an argument that received a value since the last reset.
    bool IsOperandUpdated(EOperandSide side) const { return IsUpdated(State(side)); }
    bool AreOperandsReady() const
    {
        return IsUpdated(m_leftState) && IsUpdated(m_rightState) && IsInitialised(m_leftState)
               && IsInitialised(m_rightState);
    }
    // False when an argument's instrument is no longer quoted.
    bool HasValidArgumentNames() const
    {
        return (!m_leftState.argumentValid || m_leftState.listed) && (!m_rightState.argumentValid || m_rightState.listed);
    }

    // Whether an operand's argument equals the descriptor. entry is the registry entry the
    // caller knows for the descriptor, or null: an operand that holds its use on that entry
    // has the argument without a look at the descriptors.
    bool UsesArgument(const AlertExprArgDesc& descriptor, const Argument* entry = nullptr) const
    {
        return Uses(eLeft, descriptor, entry) || Uses(eRight, descriptor, entry);
    }
    void MarkArgumentUpdated(const AlertExprArgDesc& descriptor, const Argument* entry = nullptr)
    {
        if (Uses(eLeft, descriptor, entry))
            m_leftState.updated = true;
        if (Uses(eRight, descriptor, entry))
            m_rightState.updated = true;
    }
    void ResetArgumentsUpdated()
    {
        for (OperandState* state : {&m_leftState, &m_rightState})
        {
            if (!state->constant && state->argumentValid)
                state->updated = false;
        }
    }

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

    // How many bytes from the start of the comparison a test reads: its first cache line.
    static constexpr std::size_t TestedBytes() { return kTestedBytes; }

private:
    static constexpr std::size_t kTestedBytes = 64;

    // An operand as a test reads it, kept in step with its OperandData by Sync: the flags,
    // the constant and where the argument's value lies, without the descriptor.
    struct OperandState
    {
        // The entry of OperandData, not owned.
        const Argument* entry = nullptr;
        double constantValue = 0.0;
        bool updated = false;
        bool constant = false;
        bool argumentValid = false;
        bool listed = true;
    };

    // The operand whole, read by editing, saving and the rare tests that must compare
    // descriptors.
    struct OperandData
    {
        ConstArgumentValue constant;
        // The registry entry that holds this operand's use of its argument; tests read the
        // value from it.
        std::shared_ptr<Argument> entry;
        AlertExprArgDesc argument;
    };

    OperandData& Operand(EOperandSide side) { return side == eLeft ? m_left : m_right; }
    const OperandData& Operand(EOperandSide side) const { return side == eLeft ? m_left : m_right; }
    OperandState& State(EOperandSide side) { return side == eLeft ? m_leftState : m_rightState; }
    const OperandState& State(EOperandSide side) const { return side == eLeft ? m_leftState : m_rightState; }
    OperandState& State(const OperandData& operand) { return &operand == &m_left ? m_leftState : m_rightState; }
    static_assert(2 * sizeof(int) + 2 * sizeof(OperandState) + sizeof(int) <= kTestedBytes,
                  "a test reads one cache line of a comparison");
    const OperandState& State(const OperandData& operand) const
    {
        return &operand == &m_left ? m_leftState : m_rightState;
    }
    // Brings the operand's test state in step with the operand, keeping its updated flag.
    void Sync(const OperandData& operand);
    bool Uses(EOperandSide side, const AlertExprArgDesc& descriptor, const Argument* entry) const
    {
        const OperandState& state = State(side);
        if (!state.argumentValid)
            return false;
        if (entry && state.entry == entry)
            return true;
        // Two entries registered at once hold different arguments; the operand's is asked
        // first, since an entry once unregistered never comes back.
        if (entry && state.entry && state.entry->IsRegistered() && entry->IsRegistered())
            return false;
        return Operand(side).argument == descriptor;
    }
    AlertExprArgDesc& Refused(const OperandData& operand) { return &operand == &m_left ? m_leftRefused : m_rightRefused; }
    const AlertExprArgDesc& Refused(const OperandData& operand) const
    {
        return &operand == &m_left ? m_leftRefused : m_rightRefused;
    }
    static Argument::Reading Read(const OperandState& state)
    {
        return state.entry ? state.entry->Read() : Argument::Reading();
    }
    static double OperandValue(const OperandState& state)
    {
        if (state.constant)
            return state.constantValue;
        const Argument::Reading reading = Read(state);
        return reading.registered ? reading.value : 0.0;
    }
    static bool IsInitialised(const OperandState& state)
    {
        if (state.constant)
            return true;
        const Argument::Reading reading = Read(state);
        return state.argumentValid && reading.registered && reading.initialised;
    }
    static bool IsUpdated(const OperandState& state) { return state.constant || state.updated; }
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

    // What a test reads on the first cache line, the rest after it: the worker tests
    // comparisons of many alerts for every value and waits on memory more than on anything else.
    std::uint32_t m_compareOperator = eCmpGreater;
    // The side notes which comparison it tested last.
    int m_index = 0;
    OperandState m_leftState;
    OperandState m_rightState;
    int m_alertId = -1;
    OperandData m_left;
    OperandData m_right;
    AlertModule* m_module;
    ArgumentsListManager* m_arguments;
    // The argument a stored alert named when its source refused it: the operand stays empty,
    // but the check of the sources still sees what it was meant to be.
    AlertExprArgDesc m_leftRefused;
    AlertExprArgDesc m_rightRefused;
};
