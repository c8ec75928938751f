#include "platform/toolkit/PropertyGrid.h"

#include "platform/toolkit/PropertyGridItem.h"
#include "platform/toolkit/PropertyGridItemCategory.h"

#include <utility>

namespace
{
void Visit(const PropertyGridItem& parent, const std::function<void(PropertyGridItem&)>& visit)
{
    for (int index = 0; index < parent.GetChildCount(); ++index)
    {
        PropertyGridItem& child = *parent.GetChild(index);
        visit(child);
        Visit(child, visit);
    }
}
}

PropertyGrid::PropertyGrid() : m_root(std::make_unique<PropertyGridItemCategory>(QString()))
{
    m_root->AttachGrid(this);
    m_root->Expand();
}

PropertyGrid::~PropertyGrid()
{
    // Items die without telling a grid that is going.
    m_root->AttachGrid(nullptr);
}

PropertyGridItem* PropertyGrid::AddCategory(const QString& caption)
{
    return m_root->AddChildItem(std::make_unique<PropertyGridItemCategory>(caption));
}

void PropertyGrid::ResetContent()
{
    // The old rows live until the view has let go of them.
    std::unique_ptr<PropertyGridItem> old =
        std::exchange(m_root, std::make_unique<PropertyGridItemCategory>(QString()));
    old->AttachGrid(nullptr);
    m_root->AttachGrid(this);
    m_root->Expand();
    OnContentChanged();
}

int PropertyGrid::GetCategoryCount() const
{
    return m_root->GetChildCount();
}

PropertyGridItem* PropertyGrid::GetCategory(int index) const
{
    return m_root->GetChild(index);
}

void PropertyGrid::ForEachItem(const std::function<void(PropertyGridItem&)>& visit) const
{
    Visit(*m_root, visit);
}

PropertyGridItem* PropertyGrid::FindItem(const QString& caption) const
{
    PropertyGridItem* found = nullptr;
    ForEachItem([&](PropertyGridItem& item) {
        if (!found && item.GetCaption() == caption)
            found = &item;
    });
    return found;
}

void PropertyGrid::OnItemValueChanged(PropertyGridItem* item)
{
    emit ItemValueChanged(item);
}

void PropertyGrid::OnItemChanged(PropertyGridItem* item)
{
    if (item != m_root.get())
        emit ItemChanged(item);
}

void PropertyGrid::OnContentChanged()
{
    emit ContentChanged();
}
