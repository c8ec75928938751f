#pragma once
// What testing an alert reads, in a few bytes, for an alert whose every comparison sets one
// argument against a constant: the levels and operators, and the firing state the alert was
// left in. The alert list keeps one beside each link, so that the worker tells from these
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

class AlertTestRecord
{
public:
    // What an update of the argument does to the alert.
    enum class Effect : std::uint8_t
    {
        // Nothing.
        eNone,
        // It only notes the value time among the recent ones (BLAlert::NoteArgumentTime).
        eNoteTime,
        // Anything else, or what the record cannot tell: the alert runs its test itself.
        eTest,
    };

    // Of no alert: every update tests.
    AlertTestRecord() = default;
    // Of the alert for updates of argument, whose registry entry the link holds; an alert of
    // any other form gets a record that always tests.
    AlertTestRecord(const BLAlert& alert, const AlertExprArgDesc& argument, const Argument* entry);

    // reading: the argument's entry as the update left it; time: the value's time.
    Effect EffectOf(const Argument::Reading& reading, const OleDate& time) const;
    // The alert noted the time as EffectOf said.
    void NoteTime(const OleDate& time);
    // How many records the alert's ring keeps.
    std::size_t RingCapacity() const;

    bool IsSimple() const { return m_simple; }
    // The ring is read and written only after the alert's first alert.
    bool HasFired() const { return m_lastGenerated != kNoneGenerated; }

private:
    static constexpr std::uint8_t kNoneGenerated = 2;
    static constexpr std::size_t kRing = 2;

    // One side: no comparison, or the argument against a constant.
    struct Side
    {
        double level = 0.0;
        std::uint8_t compareOperator = 0;
        bool present = false;
        bool enabled = false;
        bool argumentLeft = false;
        bool lastResult = false;
        // Its latest test got to its comparison: a test changes nothing it records.
        bool tested = false;
        bool updated = false;
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
    bool TestKeeps(const Side& side, double value) const;
    static bool IsPlainTime(const OleDate& time) { return time.IsValid() && time.Value() >= 0.0; }

    // Sell (0) and buy (1), as the alert numbers them.
    std::array<Side, 2> m_sides;
    std::array<double, kRing> m_recentTimes{};
    std::array<Recent, kRing> m_recentKinds{};
    std::uint8_t m_recentCount = 0;
    std::uint8_t m_oldestTime = 0;
    std::uint8_t m_lastGenerated = kNoneGenerated;
    bool m_simple = false;
    // Active, allowed to run and every instrument quoted.
    bool m_runnable = false;
    bool m_onlyOnce = false;
    bool m_synchronious = false;
};
