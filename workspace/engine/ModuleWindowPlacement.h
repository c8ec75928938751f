#pragma once
// Where module windows go inside their panel's view. A window is drawn with a frame around it
// (a caption above and a border on every side): the frame's outer rectangle is what must fit
// and what must not cover another window. A new window takes its natural size (never more than
// the view) at the first free spot, reading rows top to bottom and left to right; when no spot
// is free it is cascaded from the top-left by one caption height per window, always whole in
// the view. A window moved by the user may leave the view only so far that its caption stays
// within reach. Pure geometry, so it is tested without a display.

#include <QRect>
#include <QSize>

#include <vector>

class ModuleWindowPlacement
{
public:
    struct Margins
    {
        int caption = 22;
        int border = 4;
    };
    // How much of a caption stays in the view, horizontally, when a window is dragged aside.
    static constexpr int kReachableCaption = 80;

    explicit ModuleWindowPlacement(Margins margins) : m_margins(margins) {}

    const Margins& GetMargins() const { return m_margins; }
    QRect OuterOf(const QRect& client) const;
    QRect ClientOf(const QRect& outer) const;
    // The smallest client a frame can be resized to.
    QSize MinimumClient() const { return {120, 60}; }

    // The client rectangle of a new window of the natural client size in the area (the view's
    // rectangle), given the outer rectangles of the windows already there.
    QRect PlaceNew(const QSize& natural, const QRect& area, const std::vector<QRect>& taken) const;
    // An outer rectangle the user dragged to, moved back so that its caption stays reachable.
    QRect ClampMoved(const QRect& outer, const QRect& area) const;

private:
    QSize OuterSizeIn(const QSize& natural, const QRect& area) const;

    Margins m_margins;
};
