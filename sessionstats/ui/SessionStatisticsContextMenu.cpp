#include "sessionstats/ui/SessionStatisticsContextMenu.h"

#include "platform/modules/PanelWindows.h"
#include "platform/ui/Menu.h"

#include <QAction>

SessionStatisticsContextMenu::SessionStatisticsContextMenu(NamesSource names, MoveAction move)
    : m_names(std::move(names))
    , m_move(std::move(move))
{
}

void SessionStatisticsContextMenu::ShowMenu(const QPoint& screenPoint)
{
    const std::vector<QString> names = m_names ? m_names() : std::vector<QString>();
    const QString caption = QStringLiteral("Przenieś na");
    MenuItem moveTo = MenuItem::Command(ID_MOVE_TO, caption, names.empty());
    if (!names.empty())
    {
        std::vector<MenuItem> windows;
        for (std::size_t index = 0; index < names.size(); ++index)
            windows.push_back(MenuItem::Command(kFirstWindowId + std::uint32_t(index), names[index]));
        moveTo = MenuItem::Popup(caption, std::move(windows));
    }
    Menu menu({MenuItem::Popup(QString(), {moveTo})});
    QMenu* popup = menu.GetSubMenu(0);
    if (!popup)
        return;
    const std::uint32_t chosen = Menu::TrackPopupMenu(*popup, screenPoint);
    if (chosen > 0)
        OnMenuCommand(chosen);
}

void SessionStatisticsContextMenu::OnMenuCommand(std::uint32_t id)
{
    if (id < kFirstWindowId || !m_move)
        return;
    // The names are taken again: the windows may have changed while the menu was open.
    if (const QString name = PanelWindows::NameForMenuId(id, kFirstWindowId, m_names ? m_names() : std::vector<QString>());
        !name.isEmpty())
        m_move(name);
}
