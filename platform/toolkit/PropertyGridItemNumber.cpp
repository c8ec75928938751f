#include "platform/toolkit/PropertyGridItemNumber.h"

#include "platform/base/TextHelper.h"
#include "platform/toolkit/PropertyGridStrings.h"
#include "platform/ui/StringTable.h"

PropertyGridItemNumber::PropertyGridItemNumber(QString caption, std::int32_t value)
    : PropertyGridItem(std::move(caption), QString::number(value)), m_number(value)
{
}

void PropertyGridItemNumber::SetNumber(std::int32_t value)
{
    m_number = value;
    SetValueText(QString::number(value));
}

bool PropertyGridItemNumber::EditNumber(std::int32_t value, QString* errorText)
{
    if (!CheckEditable(errorText) || !CheckNumber(value, errorText))
        return false;
    if (value == m_number)
        return true;
    SetNumber(value);
    NotifyValueChanged();
    return true;
}

bool PropertyGridItemNumber::EditValue(const QString& text, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    bool ok = false;
    const int value = TextHelper::ToInt(text, &ok);
    if (!ok)
    {
        if (errorText)
            *errorText = StringTable::Instance().Get(PropertyGridStrings::kNotInteger).arg(text.trimmed());
        return false;
    }
    return EditNumber(value, errorText);
}

bool PropertyGridItemNumber::CheckNumber(std::int32_t, QString*) const
{
    return true;
}
