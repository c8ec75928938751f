#include "platform/toolkit/PropertyGridItemEnum.h"

#include "platform/toolkit/PropertyGridStrings.h"
#include "platform/ui/StringTable.h"

#include <algorithm>

PropertyGridItemEnum::PropertyGridItemEnum(QString caption, std::int32_t value)
    : PropertyGridItem(std::move(caption)), m_enum(value)
{
    RefreshText();
}

void PropertyGridItemEnum::AddConstraint(const QString& caption, std::int32_t data)
{
    m_constraints.push_back(Constraint{caption, data});
    RefreshText();
}

int PropertyGridItemEnum::GetCurrentIndex() const
{
    const auto found = std::find_if(m_constraints.begin(), m_constraints.end(),
                                    [this](const Constraint& constraint) { return constraint.data == m_enum; });
    return found == m_constraints.end() ? -1 : static_cast<int>(found - m_constraints.begin());
}

void PropertyGridItemEnum::SetEnum(std::int32_t value)
{
    m_enum = value;
    RefreshText();
}

bool PropertyGridItemEnum::EditEnum(std::int32_t value, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    const bool known = std::any_of(m_constraints.begin(), m_constraints.end(),
                                   [value](const Constraint& constraint) { return constraint.data == value; });
    if (!known)
    {
        if (errorText)
            *errorText = StringTable::Instance().Get(PropertyGridStrings::kNotAChoice).arg(value);
        return false;
    }
    if (value == m_enum)
        return true;
    SetEnum(value);
    NotifyValueChanged();
    return true;
}

bool PropertyGridItemEnum::EditValue(const QString& text, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    const QString typed = text.trimmed();
    for (const Constraint& constraint : m_constraints)
        if (constraint.caption.compare(typed, Qt::CaseInsensitive) == 0)
            return EditEnum(constraint.data, errorText);
    if (errorText)
        *errorText = StringTable::Instance().Get(PropertyGridStrings::kNotAChoice).arg(typed);
    return false;
}

void PropertyGridItemEnum::RefreshText()
{
    const int index = GetCurrentIndex();
    SetValueText(index < 0 ? QString::number(m_enum) : m_constraints[static_cast<std::size_t>(index)].caption);
}
