#include "alerts/engine/AlertTestRecord.h"

#include "alerts/engine/BLAlert.h"
#include "alerts/engine/Prefetch.h"
#include "alerts/engine/SimpleExpr.h"

#include <limits>

AlertTestRecord::AlertTestRecord(BLAlert& alert, const AlertExprArgDesc& argument, const Argument* entry)
    : m_alert(&alert)
{
    // Updates of an associated argument of its own test the alert without touching its sides.
    if (!entry || (alert.m_associatedArg.IsValid() && !(alert.m_associatedArg == argument)))
        return;
    for (const unsigned number : {BLAlert::kSellSide, BLAlert::kBuySide})
    {
        const BLDirectAlert& side = alert.Side(number);
        Side& record = m_sides[number];
        record.enabled = side.IsSideEnabled();
        if (side.ExpressionsCount() == 0)
        {
            // Due next, an enabled side without comparisons stops the alternation.
            if (record.enabled)
                return;
            continue;
        }
        if (side.ExpressionsCount() > 1)
            return;
        const SimpleExpr& expression = side.Expression(0);
        const bool leftConstant = expression.IsConstant(SimpleExpr::eLeft);
        if (leftConstant == expression.IsConstant(SimpleExpr::eRight))
            return;
        const SimpleExpr::EOperandSide operand = leftConstant ? SimpleExpr::eRight : SimpleExpr::eLeft;
        const SimpleExpr::EOperandSide constant = leftConstant ? SimpleExpr::eLeft : SimpleExpr::eRight;
        // The operand must hold its use on the link's entry, or marking it would compare descriptors.
        if (expression.ArgumentEntry(operand) != entry || !(expression.GetArgument(operand) == argument)
            || expression.GetArgument(constant).IsValid())
            return;
        m_levels[number] = expression.GetConstant(constant).GetValue();
        if (expression.GetCompareOperator() > std::numeric_limits<std::uint8_t>::max())
            return;
        record.compareOperator = static_cast<std::uint8_t>(expression.GetCompareOperator());
        record.present = true;
        record.argumentLeft = operand == SimpleExpr::eLeft;
        record.lastResult = side.GetLastExecutionResult();
        record.tested = side.GetLastIndex() == expression.GetIndex();
        record.updated = expression.IsArgumentUpdated(operand);
    }
    const std::uint32_t lastGenerated = alert.m_properties.LastGenerated();
    const auto& recent = alert.m_recentArgumentTimes;
    if (lastGenerated > kNoneGenerated || recent.size() > kRing || alert.m_oldestTime > kRing)
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
    m_lastGenerated = static_cast<std::uint8_t>(lastGenerated);
    m_runnable = alert.IsExecuteAllowed() && alert.IsActive() && alert.m_sellSide.HasValidArgumentNames()
                 && alert.m_buySide.HasValidArgumentNames();
    m_onlyOnce = alert.m_properties.OnlyOnce();
    m_synchronious = alert.m_properties.Synchronious();
    m_simple = true;
    NoteNextSlot();
}

std::size_t AlertTestRecord::RingCapacity() const
{
    return (m_sides[0].present ? 1 : 0) + (m_sides[1].present ? 1 : 0);
}

bool AlertTestRecord::TestKeeps(std::size_t number, double value) const
{
    const Side& side = m_sides[number];
    const double level = m_levels[number];
    const bool result = side.argumentLeft ? SimpleExpr::Compare(side.compareOperator, value, level)
                                          : SimpleExpr::Compare(side.compareOperator, level, value);
    return side.tested && result == side.lastResult && !m_synchronious;
}

AlertTestRecord::Effect AlertTestRecord::EffectOf(const Argument::Reading& reading, const OleDate& time) const
{
    if (!m_simple || !reading.registered)
        return Effect::eTest;
    // Marking the argument updated changes an operand that was not.
    for (const Side& side : m_sides)
    {
        if (side.present && !side.updated)
            return Effect::eTest;
    }
    // BLAlert::CheckArgumentTime; an enabled side compares the argument, so the side due next
    // always takes the update.
    bool noteTime = false;
    if (m_lastGenerated != kNoneGenerated)
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
        noteTime = RingCapacity() > 0;
    }
    const Effect unchanged = noteTime ? Effect::eNoteTime : Effect::eNone;
    // BLAlert::Execute: a side whose argument has no value is not tested.
    if (!m_runnable || !reading.initialised)
        return unchanged;
    const double value = reading.value;
    const Side& sell = m_sides[BLAlert::kSellSide];
    const Side& buy = m_sides[BLAlert::kBuySide];
    if (sell.enabled && buy.enabled)
    {
        if (m_onlyOnce && m_lastGenerated != kNoneGenerated)
            return unchanged;
        // A side that held would fire: only sides that keep a false result leave the alert as it was.
        const auto keepsFalse = [this, value](std::size_t side) {
            return TestKeeps(side, value) && !m_sides[side].lastResult;
        };
        if (m_lastGenerated == kNoneGenerated)
            return keepsFalse(BLAlert::kBuySide) && keepsFalse(BLAlert::kSellSide) ? unchanged : Effect::eTest;
        const unsigned due = m_lastGenerated == BLAlert::kBuySide ? BLAlert::kSellSide : BLAlert::kBuySide;
        return keepsFalse(due) ? unchanged : Effect::eTest;
    }
    for (const unsigned number : {BLAlert::kSellSide, BLAlert::kBuySide})
    {
        if (!m_sides[number].enabled)
            continue;
        if (m_onlyOnce && m_lastGenerated == number)
            return unchanged;
        // Edge triggered: a side that keeps its result, true or false, does not fire.
        return TestKeeps(number, value) ? unchanged : Effect::eTest;
    }
    return unchanged;
}

void AlertTestRecord::NoteTime(const AlertExprArgDesc& argument, const OleDate& time)
{
    const std::size_t capacity = RingCapacity();
    m_alert->NoteArgumentTime(argument, time, capacity);
    std::size_t slot = 0;
    if (m_recentCount < capacity)
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
    if (m_recentCount > 0 && m_recentCount >= RingCapacity())
        m_nextSlot = recent.data() + m_oldestTime % m_recentCount;
}

void AlertTestRecord::PrefetchNoting() const
{
    m_alert->PrefetchRecentTimes();
    PrefetchBytes(m_nextSlot, m_nextSlot ? sizeof(BLAlert::ArgumentTime) : 0);
}
