#pragma once
// What testing an alert reads, on one cache line, for an alert whose every comparison sets
// one argument against a constant: the levels and operators, and the firing state the alert
// was left in. The alert list keeps one beside each link, so that the worker tells from these
// records alone which alerts an update leaves as they were, and touches only the others: most
// values change no alert, and the alerts' own memory lies far apart.
//
// A record follows its alert only as far as the list makes it anew after every change of the
// alert; it belongs to the list and is read and written under the list's lock.

#include "alerts/engine/Argument.h"
#include "platform/base/OleDate.h"

#include <array>
#include <cstddef>
#include <cstdint>

class AlertExprArgDesc;
class BLAlert;

class alignas(64) AlertTestRecord
{
public:
    // What an update of the argument does to the alert.
    enum class Effect : std::uint8_t
    {
        // Nothing.
        eNone,
        // It only notes the value time among the recent ones (NoteTime).
        eNoteTime,
        // Anything else, or what the record cannot tell: the alert runs its test itself.
        eTest,
    };

    // Of no alert: every update tests.
    AlertTestRecord() = default;
    // Of the alert for updates of argument, whose registry entry the link holds; an alert of
    // any other form gets a record that always tests.
    AlertTestRecord(BLAlert& alert, const AlertExprArgDesc& argument, const Argument* entry);

    // reading: the argument's entry as the update left it; time: the value's time.
    Effect EffectOf(const Argument::Reading& reading, const OleDate& time) const;
    // Notes the time in the alert's ring and in the record, as EffectOf said.
    void NoteTime(const AlertExprArgDesc& argument, const OleDate& time);
    // Asks for the memory NoteTime writes, once the alert has fired.
    void PrefetchNoting() const;

    bool IsSimple() const { return m_simple; }
    // The ring is read and written only after the alert's first alert.
    bool HasFired() const { return m_lastGenerated != kNoneGenerated; }

private:
    static constexpr std::uint8_t kNoneGenerated = 2;
    static constexpr std::size_t kRing = 2;

    // One side: no comparison, or the argument against the side's level.
    struct Side
    {
        std::uint8_t compareOperator = 0;
        bool present : 1 = false;
        bool enabled : 1 = false;
        bool argumentLeft : 1 = false;
        bool lastResult : 1 = false;
        // Its latest test got to its comparison: a test changes nothing it records.
        bool tested : 1 = false;
        bool updated : 1 = false;
    };
    // A recent value time: of another series, of the argument's at a time from the epoch on
    // (compared by its raw value), or of the argument's at another time, which a test reads.
    enum class Recent : std::uint8_t
    {
        eOtherSeries,
        eAt,
        eUnknown,
    };

    // A tested side that keeps its result and, held, would not fire or reset anything.
    bool TestKeeps(std::size_t side, double value) const;
    std::size_t RingCapacity() const;
    // Where the alert's ring takes the next time, when it need not grow for it.
    void NoteNextSlot();
    static bool IsPlainTime(const OleDate& time) { return time.IsValid() && time.Value() >= 0.0; }

    BLAlert* m_alert = nullptr;
    const void* m_nextSlot = nullptr;
    // Sell (0) and buy (1), as the alert numbers them.
    std::array<double, 2> m_levels{};
    std::array<double, kRing> m_recentTimes{};
    std::array<Side, 2> m_sides{};
    std::array<Recent, kRing> m_recentKinds{};
    std::uint8_t m_recentCount = 0;
    std::uint8_t m_oldestTime = 0;
    std::uint8_t m_lastGenerated = kNoneGenerated;
    bool m_simple : 1 = false;
    // Active, allowed to run and every instrument quoted.
    bool m_runnable : 1 = false;
    bool m_onlyOnce : 1 = false;
    bool m_synchronious : 1 = false;
};
