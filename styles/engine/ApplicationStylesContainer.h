#pragma once
// The application styles (themes) the user chooses among: every ".q4theme" file of the "Style"
// folder beside the program, sorted by name, and the one chosen now. The application makes one
// at start-up, after the display styles are loaded (themes name them), and selects the style
// the global settings name.
//
// When no theme file can be read the container holds one built-in style, "Czarny" (the dark
// ribbon theme with the built-in dark window styles), so start-up goes on and a style can
// still be selected. Main thread only.

#include "styles/engine/ApplicationStyle.h"

#include <QString>

#include <deque>
#include <memory>

class IApplicationStyleHost;

class ApplicationStylesContainer
{
public:
    // The name SelectStyleByName falls back to.
    static const QString kDefaultStyleName;  // "Czarny"

    // The host applies selected styles; without one, selecting only records the choice.
    explicit ApplicationStylesContainer(IApplicationStyleHost* host = nullptr);

    void SetHost(IApplicationStyleHost* host) { m_host = host; }

    // Reads the themes of the "Style" folder beside the program.
    bool LoadStyles();
    // Reads the themes of the folder, replacing those held. False (logged) when no theme could
    // be read: the container then holds the built-in style.
    bool LoadStyles(const QString& folder);

    // Appends every style, in order.
    void GetStyles(std::deque<std::shared_ptr<ApplicationStyle>>& styles) const;
    int GetCount() const { return int(m_styles.size()); }
    // Makes the style at the index current and applies it; false for an index out of range.
    bool SelectStyle(int index);
    // The first style of the name (exact), else the first named "Czarny", else the first;
    // nothing when there are none.
    void SelectStyleByName(const QString& name);
    // Null until a style is selected.
    std::shared_ptr<ApplicationStyle> GetCurrentStyle() const { return m_current; }
    // The current style's index, 0 when there is none.
    int GetCurrentIndex() const { return m_current ? m_current->GetIndex() : 0; }

private:
    void Select(const std::shared_ptr<ApplicationStyle>& style);
    static std::shared_ptr<ApplicationStyle> BuiltInStyle();

    IApplicationStyleHost* m_host;
    std::deque<std::shared_ptr<ApplicationStyle>> m_styles;
    std::shared_ptr<ApplicationStyle> m_current;
};
