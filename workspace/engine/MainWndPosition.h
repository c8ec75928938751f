#pragma once
// The main window's place between runs, kept in "MainWndPosition.state": its normal
// (restored) rectangle and whether it was maximised. A rectangle saved on a monitor that is no
// longer there is brought onto the nearest one that is, as a pure function of the screens'
// work areas so it can be tried for any arrangement of monitors.

#include "platform/base/Rect.h"

#include <QString>

#include <vector>

class MainWndPosition
{
public:
    // Reads the file, once: only while no rectangle has been read. Without a readable file the
    // window opens maximised at its default place.
    void LoadWindowPosition(const QString& path, const std::vector<Rect>& workAreas);
    static bool SaveWindowPosition(const QString& path, const Rect& normalRect, bool maximized);

    // An empty rectangle (none saved, or all zero) is not applied.
    bool HasRect() const { return !m_rect.IsEmpty(); }
    const Rect& GetRect() const { return m_rect; }
    bool IsMaximized() const { return m_maximized; }

    // The rectangle as it is when its top-left or top-right corner lies in the work area of the
    // monitor nearest to it; otherwise moved into that work area, and made smaller where it does
    // not fit. Unchanged without work areas.
    static Rect FitToWorkAreas(const Rect& rect, const std::vector<Rect>& workAreas);

private:
    static const Rect* NearestWorkArea(const Rect& rect, const std::vector<Rect>& workAreas);

    Rect m_rect;
    bool m_maximized = true;
};
