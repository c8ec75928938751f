#pragma once
// How a quote table shows a value that changed a moment ago, as its style says: the colouring
// mode (the changed row lit in the row-highlight colour, the changed cells in the rise and fall
// colours, or nothing), whether only the last price's changes count, whether the highlight
// fades out over the highlight time or holds until it ends, and bold changed cells. Plain
// values: the window asks it once a repaint.

#include <cstdint>

class StyleBase;

class ChangeHighlight
{
public:
    enum class Mode
    {
        Rows = 0,
        RiseFall = 1,
        None = 2,
    };

    // The style's choices; a null style gives the built-in ones (rise and fall colours, held).
    static ChangeHighlight FromStyle(const StyleBase* style);

    Mode GetMode() const { return m_mode; }
    bool IsBold() const { return m_bold; }
    // Whether a change of this field is shown at all.
    bool Counts(int fieldId) const;
    // How strongly a change of this age shows, 0 to 1: held at 1 for the whole highlight time,
    // or fading from 1 to 0 when animated; 0 once the time is over or for a change to come.
    double Strength(std::int64_t ageMs, int highlightMs) const;

    bool operator==(const ChangeHighlight&) const = default;

private:
    Mode m_mode = Mode::RiseFall;
    bool m_priceOnly = false;
    bool m_animate = false;
    bool m_bold = false;
};
