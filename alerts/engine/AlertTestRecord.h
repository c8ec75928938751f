#pragma once
// What testing an alert reads, on one cache line, for an alert whose every comparison sets
// one argument against a constant: which of its sides an update tests and the result each
// must keep for the alert to stay as it was, and the recent value times. The alert list keeps
// one beside each link, so that the worker tells from these records alone which alerts an
// update leaves as they were, and touches only the others: most values change no alert, and
// the alerts' own memory lies far apart.
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
    // Asks for the memory NoteTime writes.
    void PrefetchNoting() const;

private:
    static constexpr std::size_t kRing = 2;

    // A recent value time: of another series, of the argument's at a time from the epoch on
    // (compared by its raw value), or of the argument's at another time, which a test reads.
    enum class Recent : std::uint8_t
    {
        eOtherSeries,
        eAt,
        eUnknown,
    };

    // Plans the tests of the sides that an update runs; false when one of them changes the
    // alert whatever the value.
    bool PlanTests(const BLAlert& alert);
    bool PlanTest(const BLAlert& alert, unsigned side, bool keeps);
    // Where the alert's ring takes the next time, when it need not grow for it.
    void NoteNextSlot();
    static bool IsPlainTime(const OleDate& time) { return time.IsValid() && time.Value() >= 0.0; }

    BLAlert* m_alert = nullptr;
    const void* m_nextSlot = nullptr;
    std::array<double, kRing> m_recentTimes{};
    // The tests of the sides an update runs, in the alert's order: each side's level, its
    // compare operator, which hand the argument is on, and the result the side must come to
    // for the alert to stay as it was.
    std::array<double, 2> m_levels{};
    std::array<std::uint8_t, 2> m_operators{};
    std::array<bool, 2> m_argumentLeft{};
    std::array<bool, 2> m_keeps{};
    std::uint8_t m_testCount = 0;
    std::array<Recent, kRing> m_recentKinds{};
    // Records the ring keeps: one per comparison of the alert.
    std::uint8_t m_ringCapacity = 0;
    std::uint8_t m_recentCount = 0;
    std::uint8_t m_oldestTime = 0;
    // Every update tests: the alert is of another form, or an update marks an operand
    // updated, or a side it tests changes the alert whatever the value.
    bool m_testsAlways = true;
    // After its first alert, an alert notes value times, and a time it holds stops a test.
    bool m_fired = false;
};
