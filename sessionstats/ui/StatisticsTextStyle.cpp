#include "sessionstats/ui/StatisticsTextStyle.h"

#include "platform/base/ColorRef.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleTextField.h"

#include <QFontMetrics>

namespace
{
const StyleTextField& Defaults()
{
    static const StyleTextField defaults;
    return defaults;
}

const StyleBase& Or(const StyleBase* style)
{
    return style ? *style : Defaults();
}
}

namespace StatisticsTextStyle
{
QFont Font(const StyleBase* style)
{
    const GdiObject object = Or(style).GetGdiObject(StyleTextField::ParamFont);
    return object.Font() ? object.Font()->ToQFont() : DefaultGuiFont();
}

int TextHeight(const StyleBase* style)
{
    return QFontMetrics(Font(style)).height();
}

QColor FontColor(const StyleBase* style)
{
    return ColorRef(quint32(Or(style).GetValue(StyleTextField::ParamFontColor))).ToQColor(Qt::black);
}

QColor BkColor(const StyleBase* style)
{
    return ColorRef(quint32(Or(style).GetValue(StyleTextField::ParamBkColor))).ToQColor(Qt::white);
}

QFont DefaultGuiFont()
{
    return StyleDefaults::Font(-11).ToQFont();
}

QFont BoldHeaderFont()
{
    LogFont bold = StyleDefaults::Font(-11);
    bold.lfWeight = 600;
    return bold.ToQFont();
}
}
