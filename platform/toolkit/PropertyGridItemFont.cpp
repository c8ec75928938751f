#include "platform/toolkit/PropertyGridItemFont.h"

#include "platform/toolkit/PropertyGridStrings.h"
#include "platform/ui/StringTable.h"

#include <cmath>
#include <cstdlib>

namespace
{
// Sizes are stored in pixels of a 96 dpi screen.
constexpr double kPointsPerPixel = 72.0 / 96.0;
}

PropertyGridItemFont::PropertyGridItemFont(QString caption, const LogFont& value)
    : PropertyGridItem(std::move(caption), FontText(value)), m_font(value)
{
}

void PropertyGridItemFont::SetFont(const LogFont& value)
{
    m_font = value;
    SetValueText(FontText(value));
}

bool PropertyGridItemFont::EditFont(const LogFont& value, QString* errorText)
{
    if (!CheckEditable(errorText))
        return false;
    if (value == m_font)
        return true;
    SetFont(value);
    NotifyValueChanged();
    return true;
}

bool PropertyGridItemFont::EditValue(const QString&, QString* errorText)
{
    if (CheckEditable(errorText) && errorText)
        *errorText = StringTable::Instance().Get(PropertyGridStrings::kUseButton);
    return false;
}

QString PropertyGridItemFont::FontText(const LogFont& font)
{
    const StringTable& strings = StringTable::Instance();
    const QString face = font.FaceName().isEmpty() ? strings.Get(PropertyGridStrings::kDefaultFont) : font.FaceName();
    QString text = face;
    if (font.lfHeight != 0)
    {
        const long points = std::lround(std::abs(double(font.lfHeight)) * kPointsPerPixel);
        text = strings.Get(PropertyGridStrings::kFontDescription).arg(face).arg(points);
    }
    if (font.lfWeight >= LogFont::kWeightBold)
        text += QStringLiteral(", ") + strings.Get(PropertyGridStrings::kFontBold);
    if (font.lfItalic)
        text += QStringLiteral(", ") + strings.Get(PropertyGridStrings::kFontItalic);
    return text;
}
