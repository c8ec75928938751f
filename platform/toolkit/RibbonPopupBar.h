#pragma once
// The content of a popup under a ribbon control: controls in order (commands, check boxes,
// headers, galleries, nested popups), with sections started by a control's begin-group flag.
// A popup can be loaded from a menu table; the frame may make its own control for an id.

#include "platform/ui/MenuItem.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class CommandBars;
class RibbonBarBase;
class RibbonControl;

class RibbonPopupBar
{
public:
    RibbonPopupBar();
    ~RibbonPopupBar();

    RibbonPopupBar(const RibbonPopupBar&) = delete;
    RibbonPopupBar& operator=(const RibbonPopupBar&) = delete;

    // A control of the type (the right class for edits, combo boxes and galleries); the
    // caption is the given one or, when empty, the id's string entry.
    RibbonControl* Add(int type, std::uint32_t id, const QString& caption = QString());
    // Adds a control made by the caller under the id; null when there is no control.
    RibbonControl* Add(std::unique_ptr<RibbonControl> control, std::uint32_t id);

    const std::vector<std::unique_ptr<RibbonControl>>& GetControls() const { return m_controls; }
    // Searched through nested popups too; null when absent.
    RibbonControl* FindControl(std::uint32_t id) const;

    // Commands become buttons (grayed ones disabled), separators start a section, popups nest.
    // Each command id is first offered to the frame, which may make its own control.
    void LoadMenu(const MenuTable& table, CommandBars* commandBars = nullptr);

    void AttachRibbon(RibbonBarBase* ribbon);

private:
    std::vector<std::unique_ptr<RibbonControl>> m_controls;
    RibbonBarBase* m_ribbon = nullptr;
};

// The control of the id among the controls or in their popups, nested ones too; null when absent.
// Groups and popups find their controls alike.
RibbonControl* FindRibbonControl(const std::vector<std::unique_ptr<RibbonControl>>& controls, std::uint32_t id);
