#pragma once
// Finds what the chart's command target reads from the main frame's ribbon: a control by its
// group and id, and the popup-window manager of a popup control of a given class. Tests put in
// their own ribbon. Main thread only.

#include "ribbon/controls/RibbonControlPopupEx.h"

#include <cstdint>
#include <functional>

class RibbonControl;
class RibbonTabBase;

class ChartRibbonLookup
{
public:
    using Finder = std::function<RibbonControl*(std::uint32_t groupId, std::uint32_t controlId)>;

    // Null while the main frame has no ribbon, or the group or control is not there. The
    // selected tab is searched first.
    static RibbonControl* FindControl(std::uint32_t groupId, std::uint32_t controlId);
    // What the selected tab holds for the active formation's own controls: only a formation tab
    // counts, and one without the group leaves its controls as they are.
    struct FormationTabControl
    {
        bool formationTab = false;
        bool hasGroup = false;
        RibbonControl* control = nullptr;
    };
    static FormationTabControl FindOnSelectedFormationTab(std::uint32_t groupId, std::uint32_t controlId);
    // The ribbons factory's control registered under the id (the style galleries).
    static RibbonControl* FindRegistered(std::uint32_t id);

    template <typename Manager>
    static Manager* FindManager(std::uint32_t groupId, std::uint32_t controlId)
    {
        auto* popup = dynamic_cast<RibbonControlPopupEx*>(FindControl(groupId, controlId));
        return popup ? dynamic_cast<Manager*>(popup->GetPopupWindowManager()) : nullptr;
    }

    // Asks every shown control of the main frame's ribbon for its state now.
    static void UpdateControls();

    // Empty puts the main frame's ribbon back.
    static void SetFinders(Finder inGroup, std::function<RibbonControl*(std::uint32_t)> registered);
    static void SetSelectedTabFinder(std::function<RibbonTabBase*()> selected);
};
