#include "platform/toolkit/PropertyGriditemPen.h"

#include "platform/toolkit/PropertyGridItemColor.h"
#include "platform/toolkit/PropertyGridStrings.h"
#include "platform/ui/StringTable.h"

PropertyGriditemPen::PropertyGriditemPen(QString caption, const LogPen& value)
    : PropertyGridItem(std::move(caption), PenText(value)), m_pen(value)
{
}

void PropertyGriditemPen::SetPen(const LogPen& value)
{
    m_pen = value;
    SetValueText(PenText(value));
}

bool PropertyGriditemPen::EditPen(const LogPen& value, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    const StringTable& strings = StringTable::Instance();
    if (StyleName(value.lopnStyle).isEmpty())
    {
        if (errorText)
            *errorText = strings.Get(PropertyGridStrings::kUnknownPenStyle);
        return false;
    }
    if (value.lopnWidth.x < 0 || value.lopnWidth.x > kMaxWidth)
    {
        if (errorText)
            *errorText = strings.Get(PropertyGridStrings::kBadPenWidth).arg(kMaxWidth);
        return false;
    }
    if (value == m_pen)
        return true;
    SetPen(value);
    NotifyValueChanged();
    return true;
}

bool PropertyGriditemPen::EditValue(const QString&, QString* errorText)
{
    if (CheckEditable(errorText) && errorText)
        *errorText = StringTable::Instance().Get(PropertyGridStrings::kUseButton);
    return false;
}

QString PropertyGriditemPen::StyleName(quint32 style)
{
    if (style > LogPen::kStyleInsideFrame)
        return QString();
    return StringTable::Instance().Get(PropertyGridStrings::kPenStyleFirst + style);
}

QString PropertyGriditemPen::PenText(const LogPen& pen)
{
    const QString style = StyleName(pen.lopnStyle);
    return StringTable::Instance()
        .Get(PropertyGridStrings::kPenDescription)
        .arg(style.isEmpty() ? QString::number(pen.lopnStyle) : style)
        .arg(pen.lopnWidth.x)
        .arg(PropertyGridItemColor::ColorText(pen.lopnColor));
}
