#include "platform/toolkit/PropertyGridItem.h"

#include "platform/toolkit/PropertyGrid.h"
#include "platform/toolkit/PropertyGridStrings.h"
#include "platform/ui/StringTable.h"

#include <utility>

PropertyGridItem::PropertyGridItem(QString caption, QString value)
    : m_caption(std::move(caption)), m_value(std::move(value))
{
}

PropertyGridItem::~PropertyGridItem() = default;

QString PropertyGridItem::GetViewValue() const
{
    if (IsPassword())
        return QString(m_value.size(), m_passwordMask);
    return m_value;
}

void PropertyGridItem::SetValue(const QString& value)
{
    SetValueText(value);
}

bool PropertyGridItem::EditValue(const QString& text, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    if (text == m_value)
        return true;
    SetValueText(text);
    NotifyValueChanged();
    return true;
}

void PropertyGridItem::SetReadOnly(bool readOnly)
{
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    NotifyChanged();
}

void PropertyGridItem::SetPasswordMask(QChar mask)
{
    m_passwordMask = mask;
    NotifyChanged();
}

PropertyGridItem* PropertyGridItem::AddChildItem(std::unique_ptr<PropertyGridItem> child)
{
    if (!child)
        return nullptr;
    child->m_parent = this;
    child->AttachGrid(m_grid);
    m_children.push_back(std::move(child));
    if (m_grid)
        m_grid->OnContentChanged();
    return m_children.back().get();
}

PropertyGridItem* PropertyGridItem::GetChild(int index) const
{
    if (index < 0 || index >= GetChildCount())
        return nullptr;
    return m_children[static_cast<std::size_t>(index)].get();
}

bool PropertyGridItem::CheckEditable(QString* errorText) const
{
    if (!IsReadOnly())
        return true;
    if (errorText)
        *errorText = StringTable::Instance().Get(PropertyGridStrings::kReadOnly);
    return false;
}

void PropertyGridItem::SetValueText(const QString& text)
{
    if (text == m_value)
        return;
    m_value = text;
    NotifyChanged();
}

void PropertyGridItem::NotifyValueChanged()
{
    if (m_grid)
        m_grid->OnItemValueChanged(this);
}

void PropertyGridItem::SetExpanded(bool expanded)
{
    if (m_expanded == expanded)
        return;
    m_expanded = expanded;
    NotifyChanged();
}

void PropertyGridItem::AttachGrid(PropertyGrid* grid)
{
    m_grid = grid;
    for (const auto& child : m_children)
        child->AttachGrid(grid);
}

void PropertyGridItem::NotifyChanged()
{
    if (m_grid)
        m_grid->OnItemChanged(this);
}
