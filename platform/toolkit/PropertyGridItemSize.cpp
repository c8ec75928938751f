#include "platform/toolkit/PropertyGridItemSize.h"

#include "platform/base/TextHelper.h"
#include "platform/toolkit/PropertyGridStrings.h"
#include "platform/ui/StringTable.h"

PropertyGridItemSize::PropertyGridItemSize(QString caption, Size value)
    : PropertyGridItem(std::move(caption), SizeText(value)), m_size(value)
{
}

void PropertyGridItemSize::SetSize(Size value)
{
    m_size = value;
    SetValueText(SizeText(value));
}

bool PropertyGridItemSize::EditSize(Size value, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    if (value.cx < 0 || value.cy < 0)
    {
        if (errorText)
            *errorText = StringTable::Instance().Get(PropertyGridStrings::kBadSize);
        return false;
    }
    if (value == m_size)
        return true;
    SetSize(value);
    NotifyValueChanged();
    return true;
}

bool PropertyGridItemSize::EditValue(const QString& text, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    const std::optional<std::vector<int>> parts = TextHelper::ToIntList(text, 2);
    if (!parts)
    {
        if (errorText)
            *errorText = StringTable::Instance().Get(PropertyGridStrings::kBadSize);
        return false;
    }
    return EditSize(Size{(*parts)[0], (*parts)[1]}, errorText);
}

QString PropertyGridItemSize::SizeText(Size value)
{
    return QStringLiteral("%1, %2").arg(value.cx).arg(value.cy);
}
