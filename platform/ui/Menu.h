#pragma once
// A QMenu built from a menu table, each command action carrying its id. TrackPopupMenu shows
// a menu and answers the chosen command id, 0 when the user chose nothing; it goes through
// the menu tracker of DialogServices, so tests choose without a blocking menu.

#include "platform/ui/MenuItem.h"

#include <QMenu>
#include <QPoint>

#include <cstdint>
#include <memory>

class CmdTarget;

class Menu
{
public:
    explicit Menu(const MenuTable& table, QWidget* parent = nullptr);

    QMenu* Get() const { return m_menu.get(); }
    // The popup at a top-level position (the usual way to show a menu resource's first popup).
    QMenu* GetSubMenu(int position) const;
    // The action of a command id, searched through every popup; null when absent.
    QAction* FindItem(std::uint32_t id) const;

    static std::uint32_t CommandId(const QAction* action);
    // With an update target, every command's update-UI handler is asked before the menu shows;
    // a command that no target handles shows disabled.
    static std::uint32_t TrackPopupMenu(QMenu& menu, const QPoint& screenPos, CmdTarget* updateTarget = nullptr);
    static void UpdateMenu(QMenu& menu, CmdTarget& target);

private:
    std::unique_ptr<QMenu> m_menu;
};
