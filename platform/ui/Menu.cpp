#include "platform/ui/Menu.h"

#include "platform/ui/ActionCmdUI.h"
#include "platform/ui/CmdTarget.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/IMenuTracker.h"

namespace
{
void Fill(QMenu& menu, const MenuTable& table)
{
    for (const MenuItem& item : table)
    {
        if (item.IsSeparator())
            menu.addSeparator();
        else if (!item.popup.empty())
            Fill(*menu.addMenu(item.text), item.popup);
        else
        {
            QAction* action = menu.addAction(item.text);
            action->setData(QVariant::fromValue(item.id));
            action->setEnabled(!item.grayed);
        }
    }
}

QAction* Find(const QMenu& menu, std::uint32_t id)
{
    const QList<QAction*> actions = menu.actions();
    for (QAction* action : actions)
    {
        if (action->menu())
        {
            if (QAction* found = Find(*action->menu(), id))
                return found;
        }
        else if (!action->isSeparator() && Menu::CommandId(action) == id)
            return action;
    }
    return nullptr;
}
}

Menu::Menu(const MenuTable& table, QWidget* parent)
    : m_menu(std::make_unique<QMenu>(parent))
{
    Fill(*m_menu, table);
}

QMenu* Menu::GetSubMenu(int position) const
{
    const QList<QAction*> actions = m_menu->actions();
    return position >= 0 && position < actions.size() ? actions[position]->menu() : nullptr;
}

QAction* Menu::FindItem(std::uint32_t id) const
{
    return id == 0 ? nullptr : Find(*m_menu, id);
}

std::uint32_t Menu::CommandId(const QAction* action)
{
    return action && !action->menu() ? action->data().value<std::uint32_t>() : 0;
}

std::uint32_t Menu::TrackPopupMenu(QMenu& menu, const QPoint& screenPos, CmdTarget* updateTarget)
{
    if (updateTarget)
        UpdateMenu(menu, *updateTarget);
    return CommandId(DialogServices::MenuTracker()->Exec(menu, screenPos));
}

void Menu::UpdateMenu(QMenu& menu, CmdTarget& target)
{
    const QList<QAction*> actions = menu.actions();
    for (QAction* action : actions)
    {
        if (action->menu())
            UpdateMenu(*action->menu(), target);
        else if (const std::uint32_t id = CommandId(action); id != 0)
        {
            ActionCmdUI cmdUI(id, action);
            cmdUI.DoUpdate(target, true);
        }
    }
}
