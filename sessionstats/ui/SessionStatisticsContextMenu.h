#pragma once
// The context menu of the statistics grids and the overall bar: "Przenieś na", a list of the
// other windows the statistics window can be moved to (none in this edition, so the item shows
// greyed). Main thread only.

#include "platform/toolkit/ITableContextMenuHandler.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QPoint;

class SessionStatisticsContextMenu : public ITableContextMenuHandler
{
public:
    static constexpr std::uint32_t ID_MOVE_TO = 33921;
    static constexpr std::uint32_t kFirstWindowId = 100000;

    using NamesSource = std::function<std::vector<QString>()>;
    using MoveAction = std::function<void(const QString& name)>;

    // names gives the windows' names, move moves the statistics window to the named one.
    SessionStatisticsContextMenu(NamesSource names, MoveAction move);

    void ShowMenu(const QPoint& screenPoint);
    void OnMenuCommand(std::uint32_t id);

    void OnTableContextMenu(TableCtrl& table, int row, const QPoint& globalPos) override { ShowMenu(globalPos); }

private:
    NamesSource m_names;
    MoveAction m_move;
};
