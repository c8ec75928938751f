#include "platform/toolkit/TaskPanelItem.h"

#include "platform/toolkit/TaskPanel.h"
#include "platform/toolkit/TaskPanelGroup.h"

TaskPanelItem::TaskPanelItem(Type type, int id, TaskPanel& panel, TaskPanelGroup* group)
    : m_type(type), m_id(id), m_panel(panel), m_group(group)
{
}

TaskPanelItem::~TaskPanelItem() = default;

void TaskPanelItem::SetCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    NotifyChanged();
}

void TaskPanelItem::SetIconIndex(int index)
{
    if (m_iconIndex == index)
        return;
    m_iconIndex = index;
    NotifyChanged();
}

TaskPanelGroup* TaskPanelItem::GetItemGroup() const
{
    if (IsGroup())
        return static_cast<TaskPanelGroup*>(const_cast<TaskPanelItem*>(this));
    return m_group;
}

void TaskPanelItem::NotifyChanged()
{
    m_panel.OnItemChanged(this);
}
