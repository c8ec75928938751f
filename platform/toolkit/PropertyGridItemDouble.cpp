#include "platform/toolkit/PropertyGridItemDouble.h"

#include "platform/base/TextHelper.h"
#include "platform/toolkit/PropertyGridStrings.h"
#include "platform/ui/StringTable.h"

#include <cmath>

PropertyGridItemDouble::PropertyGridItemDouble(QString caption, double value)
    : PropertyGridItem(std::move(caption), TextHelper::ToString(value)), m_double(value)
{
}

void PropertyGridItemDouble::SetDouble(double value)
{
    m_double = value;
    SetValueText(TextHelper::ToString(value));
}

bool PropertyGridItemDouble::EditDouble(double value, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    if (!std::isfinite(value))
    {
        if (errorText)
            *errorText = StringTable::Instance().Get(PropertyGridStrings::kNotNumber).arg(TextHelper::ToString(value));
        return false;
    }
    if (value == m_double)
        return true;
    SetDouble(value);
    NotifyValueChanged();
    return true;
}

bool PropertyGridItemDouble::EditValue(const QString& text, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    bool ok = false;
    const double value = TextHelper::ToDouble(text, &ok);
    if (!ok)
    {
        if (errorText)
            *errorText = StringTable::Instance().Get(PropertyGridStrings::kNotNumber).arg(text.trimmed());
        return false;
    }
    return EditDouble(value, errorText);
}
