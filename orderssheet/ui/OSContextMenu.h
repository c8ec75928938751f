#pragma once
// The context menu of an orders-sheet window's tables: "Tryb ofert" / "Tryb zleceń" switches
// the sheet mode, "Przenieś na" lists the windows the sheet could move to (none in this
// edition, so it shows greyed). Building the menu and carrying out a choice are apart, so
// either can run without showing it. Main thread only.

#include "platform/toolkit/ITableContextMenuHandler.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class IOrdersSheetMenuCmdDestination;
class QMenu;

class OSContextMenu : public ITableContextMenuHandler
{
public:
    static constexpr std::uint32_t ID_MOVE_TO = 33921;
    static constexpr std::uint32_t ID_SHEET_MODE = 33924;
    static constexpr std::uint32_t kFirstWindowId = 100000;
    // Each item's image id is its command id less this.
    static constexpr std::uint32_t kImageIdOffset = 33810;

    using NamesSource = std::function<std::vector<QString>()>;
    using MoveAction = std::function<void(const QString& name)>;
    using ModeSource = std::function<int()>;

    OSContextMenu(IOrdersSheetMenuCmdDestination& destination, ModeSource mode, NamesSource names, MoveAction move);

    std::unique_ptr<QMenu> BuildMenu() const;
    void OnMenuCommand(std::uint32_t id);
    void ShowMenu(const QPoint& screenPoint);

    void OnTableContextMenu(TableCtrl& table, int row, const QPoint& globalPos) override { ShowMenu(globalPos); }

private:
    IOrdersSheetMenuCmdDestination& m_destination;
    ModeSource m_mode;
    NamesSource m_names;
    MoveAction m_move;
};
