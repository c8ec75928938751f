#include "alerts/engine/AlertTestRecord.h"

#include "alerts/engine/BLAlert.h"
#include "alerts/engine/Prefetch.h"
#include "alerts/engine/SimpleExpr.h"

#include <optional>

static_assert(sizeof(AlertTestRecord) == 64, "an update reads one cache line per linked alert");

namespace
{
// The hand of the comparison's argument when it sets the argument, holding its use on entry,
// against a constant: marking another operand would compare descriptors.
std::optional<SimpleExpr::EOperandSide> ArgumentHand(const SimpleExpr& expression, const AlertExprArgDesc& argument,
                                                     const Argument* entry)
{
    const bool leftConstant = expression.IsConstant(SimpleExpr::eLeft);
    if (leftConstant == expression.IsConstant(SimpleExpr::eRight))
        return std::nullopt;
    const SimpleExpr::EOperandSide hand = leftConstant ? SimpleExpr::eRight : SimpleExpr::eLeft;
    const SimpleExpr::EOperandSide constant = leftConstant ? SimpleExpr::eLeft : SimpleExpr::eRight;
    if (expression.ArgumentEntry(hand) != entry || !(expression.GetArgument(hand) == argument)
        || expression.GetArgument(constant).IsValid())
        return std::nullopt;
    return hand;
}
}

AlertTestRecord::AlertTestRecord(BLAlert& alert, const AlertExprArgDesc& argument, const Argument* entry)
    : m_alert(&alert)
{
    // Updates of an associated argument of its own test the alert without touching its sides.
    if (!entry || (alert.m_associatedArg.IsValid() && !(alert.m_associatedArg == argument)))
        return;
    for (const unsigned number : {BLAlert::kSellSide, BLAlert::kBuySide})
    {
        const BLDirectAlert& side = alert.Side(number);
        // Due next, an enabled side without comparisons stops the alternation.
        if (side.ExpressionsCount() == 0 && !side.IsSideEnabled())
            continue;
        if (side.ExpressionsCount() != 1)
            return;
        const std::optional<SimpleExpr::EOperandSide> hand = ArgumentHand(side.Expression(0), argument, entry);
        // Marking the argument updated changes an operand that was not.
        if (!hand || !side.Expression(0).IsArgumentUpdated(*hand))
            return;
        ++m_ringCapacity;
    }
    const std::uint32_t lastGenerated = alert.m_properties.LastGenerated();
    const auto& recent = alert.m_recentArgumentTimes;
    if (lastGenerated > AlertProps::kNoneGenerated || recent.size() > kRing || alert.m_oldestTime > kRing)
        return;
    for (std::size_t i = 0; i < recent.size(); ++i)
    {
        if (!recent[i].series.IsSameSeries(argument))
            m_recentKinds[i] = Recent::eOtherSeries;
        else if (IsPlainTime(recent[i].time))
            m_recentKinds[i] = Recent::eAt;
        else
            m_recentKinds[i] = Recent::eUnknown;
        m_recentTimes[i] = recent[i].time.Value();
    }
    m_recentCount = static_cast<std::uint8_t>(recent.size());
    m_oldestTime = static_cast<std::uint8_t>(alert.m_oldestTime);
    m_fired = lastGenerated != AlertProps::kNoneGenerated;
    m_testsAlways = !PlanTests(alert);
    NoteNextSlot();
}

bool AlertTestRecord::PlanTests(const BLAlert& alert)
{
    // BLAlert::Execute.
    if (!alert.IsExecuteAllowed() || !alert.IsActive() || !alert.m_sellSide.HasValidArgumentNames()
        || !alert.m_buySide.HasValidArgumentNames())
        return true;
    const std::uint32_t last = alert.m_properties.LastGenerated();
    const bool onlyOnce = alert.m_properties.OnlyOnce();
    if (alert.m_sellSide.IsSideEnabled() && alert.m_buySide.IsSideEnabled())
    {
        if (onlyOnce && last != AlertProps::kNoneGenerated)
            return true;
        // A side that holds fires: the sides due must keep a false result.
        if (last == AlertProps::kNoneGenerated)
            return PlanTest(alert, BLAlert::kBuySide, false) && PlanTest(alert, BLAlert::kSellSide, false);
        return PlanTest(alert, last == BLAlert::kBuySide ? BLAlert::kSellSide : BLAlert::kBuySide, false);
    }
    for (const unsigned number : {BLAlert::kSellSide, BLAlert::kBuySide})
    {
        const BLDirectAlert& side = alert.Side(number);
        if (!side.IsSideEnabled())
            continue;
        if (onlyOnce && last == number)
            return true;
        // Edge triggered: a side that keeps its result, true or false, does not fire.
        return PlanTest(alert, number, side.GetLastExecutionResult());
    }
    return true;
}

bool AlertTestRecord::PlanTest(const BLAlert& alert, unsigned number, bool keeps)
{
    const BLDirectAlert& side = alert.Side(number);
    const SimpleExpr& expression = side.Expression(0);
    // A test notes which comparison decided it and its result, and Synchronious resets the
    // updated flags after it.
    if (side.GetLastIndex() != expression.GetIndex() || side.GetLastExecutionResult() != keeps
        || alert.m_properties.Synchronious() || expression.GetCompareOperator() > 0xFF)
        return false;
    const bool leftConstant = expression.IsConstant(SimpleExpr::eLeft);
    m_levels[m_testCount] = expression.GetConstant(leftConstant ? SimpleExpr::eLeft : SimpleExpr::eRight).GetValue();
    m_operators[m_testCount] = static_cast<std::uint8_t>(expression.GetCompareOperator());
    m_argumentLeft[m_testCount] = !leftConstant;
    m_keeps[m_testCount] = keeps;
    ++m_testCount;
    return true;
}

AlertTestRecord::Effect AlertTestRecord::EffectOf(const Argument::Reading& reading, const OleDate& time) const
{
    if (m_testsAlways || !reading.registered)
        return Effect::eTest;
    // BLAlert::CheckArgumentTime; an enabled side compares the argument, so the side due next
    // always takes the update.
    Effect unchanged = Effect::eNone;
    if (m_fired)
    {
        if (!IsPlainTime(time))
            return Effect::eTest;
        for (std::uint8_t i = 0; i < m_recentCount; ++i)
        {
            if (m_recentKinds[i] == Recent::eUnknown)
                return Effect::eTest;
            if (m_recentKinds[i] == Recent::eAt && m_recentTimes[i] == time.Value())
                return Effect::eNone;
        }
        if (m_ringCapacity > 0)
            unchanged = Effect::eNoteTime;
    }
    for (std::uint8_t i = 0; i < m_testCount; ++i)
    {
        const bool result = m_argumentLeft[i] ? SimpleExpr::Compare(m_operators[i], reading.value, m_levels[i])
                                              : SimpleExpr::Compare(m_operators[i], m_levels[i], reading.value);
        if (result != m_keeps[i])
            return Effect::eTest;
    }
    return unchanged;
}

void AlertTestRecord::NoteTime(const AlertExprArgDesc& argument, const OleDate& time)
{
    m_alert->NoteArgumentTime(argument, time, m_ringCapacity);
    std::size_t slot = 0;
    if (m_recentCount < m_ringCapacity)
    {
        slot = m_recentCount++;
    }
    else
    {
        m_oldestTime %= m_recentCount;
        slot = m_oldestTime++;
    }
    m_recentTimes[slot] = time.Value();
    m_recentKinds[slot] = Recent::eAt;
    NoteNextSlot();
}

void AlertTestRecord::NoteNextSlot()
{
    const auto& recent = m_alert->m_recentArgumentTimes;
    m_nextSlot = nullptr;
    if (m_recentCount > 0 && m_recentCount >= m_ringCapacity)
        m_nextSlot = recent.data() + m_oldestTime % m_recentCount;
}

void AlertTestRecord::PrefetchNoting() const
{
    m_alert->PrefetchRecentTimes();
    PrefetchBytes(m_nextSlot, m_nextSlot ? sizeof(BLAlert::ArgumentTime) : 0);
}
