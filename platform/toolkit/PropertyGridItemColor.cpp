#include "platform/toolkit/PropertyGridItemColor.h"

#include "platform/base/TextHelper.h"
#include "platform/toolkit/PropertyGridStrings.h"
#include "platform/ui/StringTable.h"

#include <algorithm>

namespace
{
QString BadColor()
{
    return StringTable::Instance().Get(PropertyGridStrings::kBadColor);
}
}

PropertyGridItemColor::PropertyGridItemColor(QString caption, ColorRef value)
    : PropertyGridItem(std::move(caption), ColorText(value)), m_color(value)
{
}

void PropertyGridItemColor::SetColor(ColorRef value)
{
    m_color = value;
    SetValueText(ColorText(value));
}

bool PropertyGridItemColor::EditColor(ColorRef value, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    if (!value.IsColor())
    {
        if (errorText)
            *errorText = BadColor();
        return false;
    }
    if (value == m_color)
        return true;
    SetColor(value);
    NotifyValueChanged();
    return true;
}

bool PropertyGridItemColor::EditValue(const QString& text, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    const std::optional<std::vector<int>> parts = TextHelper::ToIntList(text, 3);
    const auto isByte = [](int part) { return part >= 0 && part <= 255; };
    if (!parts || !std::all_of(parts->begin(), parts->end(), isByte))
    {
        if (errorText)
            *errorText = BadColor();
        return false;
    }
    return EditColor(ColorRef::FromRgb(quint8((*parts)[0]), quint8((*parts)[1]), quint8((*parts)[2])), errorText);
}

QString PropertyGridItemColor::ColorText(ColorRef value)
{
    if (!value.IsColor())
        return StringTable::Instance().Get(PropertyGridStrings::kAutomaticColor);
    return QStringLiteral("%1, %2, %3").arg(value.Red()).arg(value.Green()).arg(value.Blue());
}
