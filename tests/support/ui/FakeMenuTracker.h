#pragma once
// Answers a popup menu with the action of a preset command id (none: the menu was dismissed)
// and records the state of the menu's command actions at the moment it was shown.

#include "platform/ui/IMenuTracker.h"

#include <cstdint>
#include <map>

class FakeMenuTracker : public IMenuTracker
{
public:
    struct ItemState
    {
        bool enabled;
        bool checked;
        QString text;
    };

    QAction* Exec(QMenu& menu, const QPoint& screenPos) override;

    void Choose(std::uint32_t id) { m_choice = id; }
    int TimesShown() const { return m_timesShown; }
    const QPoint& LastPosition() const { return m_lastPosition; }
    // By command id, from the last menu shown.
    const std::map<std::uint32_t, ItemState>& Items() const { return m_items; }

private:
    std::uint32_t m_choice = 0;
    int m_timesShown = 0;
    QPoint m_lastPosition;
    std::map<std::uint32_t, ItemState> m_items;
};
