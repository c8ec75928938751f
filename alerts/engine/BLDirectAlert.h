#pragma once
// One side of a local alert (0 sell, 1 buy): comparisons joined by the side's logic operator,
// 0 when all must hold, 1 when one is enough. The side remembers the result of its latest
// test and which comparison decided it.

#include "alerts/engine/SimpleExpr.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/AlertExprArgSnapshot.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class AlertModule;
class Settings;

class BLDirectAlert
{
public:
    enum ELogicOperator : std::uint32_t
    {
        eAllTrue = 0,
        eAnyTrue = 1,
    };

    BLDirectAlert(AlertModule& module, unsigned side);
    BLDirectAlert(const BLDirectAlert& other);
    BLDirectAlert& operator=(const BLDirectAlert&) = delete;
    ~BLDirectAlert() = default;

    // The side's test; reset forgets the fresh values of its arguments afterwards.
    bool Execute(bool reset);
    bool AreArgumentsInitialised() const;
    // How many bytes from the start of a side a test reads: its flags and where its
    // comparisons lie.
    static constexpr std::size_t kTestedBytes = 32;
    // The comparisons whose first cache line a test reads first: where they start and how
    // many. The first few are enough; a test that goes further waits for the rest.
    std::pair<const SimpleExpr*, std::uint8_t> TestedExpressions() const
    {
        constexpr std::size_t kTested = 2;
        return {m_expressions.data(), static_cast<std::uint8_t>(std::min(m_expressions.size(), kTested))};
    }
    bool AreArgumentsUpdated() const;
    // entry: the registry entry known for the descriptor, or null (SimpleExpr::UsesArgument).
    void MarkArgumentUpdated(const AlertExprArgDesc& descriptor, const Argument* entry = nullptr);
    void ResetArgumentsUpdated();
    bool UsesArgument(const AlertExprArgDesc& descriptor, const Argument* entry = nullptr) const;
    bool DeactivateArgUsage(const AlertExprArgDesc& descriptor);
    void UpdateRequestId(std::uint32_t baseSourceId, std::uint32_t newSourceId);
    void SetAlertId(int alertId);
    // Unlink / link every valid argument of the side from / to the alert id in the alert list.
    void RemoveLinks(std::uint32_t alertId) const;
    void UpdateLinks(std::uint32_t alertId) const;

    // An empty comparison at index (clamped to the end); the ones after it move up. The
    // reference is good until the next insertion or removal.
    SimpleExpr& InsertExpression(std::size_t index);
    void RemoveExpression(std::size_t index);
    std::size_t ExpressionsCount() const { return m_expressions.size(); }
    SimpleExpr& Expression(std::size_t index) { return m_expressions[index]; }
    const SimpleExpr& Expression(std::size_t index) const { return m_expressions[index]; }

    // Binds again the arguments whose registry entries have gone while the side was held
    // outside the list.
    void RenewArgumentUses();
    // Enabled alike, the same logic operator and the same comparisons in the same order.
    bool HasSameDefinition(const BLDirectAlert& other) const;
    // Takes the other side's latest test: its result, the deciding comparison and which
    // arguments have fresh values. The sides must have the same definition.
    void TakeTestState(const BLDirectAlert& other);

    // False when an argument's instrument is no longer quoted.
    bool HasValidArgumentNames() const;
    // False as soon as an argument's source is gone; the alert has then been removed.
    bool HasAllArgumentSources();
    // The same check alone.
    bool HasArgumentSources() const;
    void TakeArgumentSnapshots(std::vector<AlertExprArgSnapshot>& snapshots) const;
    // The deciding comparison with values, or every comparison without values.
    QString GetDescription(bool generatedForm) const;
    void LogState(QString& out) const;

    // The node tree: "SideEnabled", "AllExpressions" (one unnamed child per comparison),
    // "LogicOperator", "LastExecutionResult". A node without "SideEnabled" reads as enabled
    // when it holds comparisons; a logic operator other than 0 and 1 is refused. Faults are
    // logged.
    void Serialize(Settings& node) const;
    void Unserialize(const Settings& node, const QString& instrument, const QStringList* listedInstruments);

    unsigned GetSide() const { return m_side; }
    bool IsSideEnabled() const { return m_sideEnabled; }
    void SetSideEnabled(bool enabled) { m_sideEnabled = enabled; }
    std::uint32_t GetLogicOperator() const { return m_logicOperator; }
    void SetLogicOperator(std::uint32_t logicOperator) { m_logicOperator = logicOperator; }
    bool GetLastExecutionResult() const { return m_lastExecutionResult; }
    void SetLastExecutionResult(bool result) { m_lastExecutionResult = result; }
    int GetLastIndex() const { return m_lastIndex; }
    int GetAlertId() const { return m_alertId; }

private:
    void Renumber();

    // What a test reads comes first, the module last.
    bool m_sideEnabled = false;
    bool m_lastExecutionResult = false;
    const std::uint8_t m_side;
    int m_lastIndex = -1;
    std::uint32_t m_logicOperator = eAnyTrue;
    int m_alertId = -1;
    // Held in place, not through pointers: the worker walks them for every value it tests.
    std::vector<SimpleExpr> m_expressions;
    AlertModule* m_module;
};

// Inline: the worker runs these for every alert linked to a delivered value.

inline bool BLDirectAlert::AreArgumentsInitialised() const
{
    if (m_expressions.empty())
        return false;
    const auto initialised = [](const SimpleExpr& expression) {
        return expression.IsOperandInitialised(SimpleExpr::eLeft)
               && expression.IsOperandInitialised(SimpleExpr::eRight);
    };
    if (m_logicOperator == eAllTrue)
        return std::all_of(m_expressions.begin(), m_expressions.end(), initialised);
    return std::any_of(m_expressions.begin(), m_expressions.end(), initialised);
}

inline bool BLDirectAlert::AreArgumentsUpdated() const
{
    const auto updated = [](const SimpleExpr& expression) {
        return expression.IsOperandUpdated(SimpleExpr::eLeft) && expression.IsOperandUpdated(SimpleExpr::eRight);
    };
    if (m_logicOperator == eAllTrue)
        return std::all_of(m_expressions.begin(), m_expressions.end(), updated);
    return std::any_of(m_expressions.begin(), m_expressions.end(), updated);
}

inline void BLDirectAlert::MarkArgumentUpdated(const AlertExprArgDesc& descriptor, const Argument* entry)
{
    for (auto& expression : m_expressions)
        expression.MarkArgumentUpdated(descriptor, entry);
}

inline bool BLDirectAlert::UsesArgument(const AlertExprArgDesc& descriptor, const Argument* entry) const
{
    return std::any_of(m_expressions.begin(), m_expressions.end(),
                       [&descriptor, entry](const SimpleExpr& expression) {
                           return expression.UsesArgument(descriptor, entry);
                       });
}

inline bool BLDirectAlert::HasValidArgumentNames() const
{
    return std::all_of(m_expressions.begin(), m_expressions.end(),
                       [](const SimpleExpr& expression) { return expression.HasValidArgumentNames(); });
}
