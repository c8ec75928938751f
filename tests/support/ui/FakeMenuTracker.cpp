#include "tests/support/ui/FakeMenuTracker.h"

#include "platform/ui/Menu.h"

namespace
{
void Record(const QMenu& menu, std::map<std::uint32_t, FakeMenuTracker::ItemState>& items)
{
    const QList<QAction*> actions = menu.actions();
    for (QAction* action : actions)
    {
        if (action->menu())
            Record(*action->menu(), items);
        else if (const std::uint32_t id = Menu::CommandId(action); id != 0)
            items[id] = {action->isEnabled(), action->isChecked(), action->text()};
    }
}

QAction* FindEnabled(const QMenu& menu, std::uint32_t id)
{
    const QList<QAction*> actions = menu.actions();
    for (QAction* action : actions)
    {
        if (action->menu())
        {
            if (QAction* found = FindEnabled(*action->menu(), id))
                return found;
        }
        else if (Menu::CommandId(action) == id && action->isEnabled())
            return action;
    }
    return nullptr;
}
}

QAction* FakeMenuTracker::Exec(QMenu& menu, const QPoint& screenPos)
{
    ++m_timesShown;
    m_lastPosition = screenPos;
    m_items.clear();
    Record(menu, m_items);
    // A user cannot choose a grayed item.
    return m_choice == 0 ? nullptr : FindEnabled(menu, m_choice);
}
