#include "modulelibs/chart/ChartStyles.h"

#include "styles/engine/StyleChartElement.h"
#include "styles/engine/StyleChartWindow.h"
#include "styles/engine/StyleFormation.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StylePreviewPainter.h"
#include "styles/engine/StylesContainer.h"

#include <QFontInfo>

#include <algorithm>
#include <deque>

namespace
{
bool IsWindowValue(int parameter)
{
    return parameter == StyleChartWindow::ParamSignificantGridColor ||
           (parameter >= StyleChartWindow::ParamHorizontalGrid && parameter <= StyleChartWindow::ParamSeriesHighlightColor) ||
           (parameter >= StyleChartWindow::ParamFirstIndicatorColor && parameter <= StyleChartWindow::ParamSixthIndicatorColor);
}

bool IsElementValue(int parameter)
{
    return parameter >= StyleChartElement::ParamWidthType && parameter <= StyleChartElement::ParamFallCandleColor;
}

bool IsFormationValue(int parameter)
{
    return parameter >= StyleFormation::ParamTextColor && parameter <= StyleFormation::ParamFillColor;
}

int RelationOf(ChartSeries::Kind kind)
{
    switch (kind)
    {
    case ChartSeries::Volume:
        return StyleChartWindow::RelationVolume;
    case ChartSeries::Average:
        return StyleChartWindow::RelationLop;
    case ChartSeries::Price:
        break;
    }
    return StyleChartWindow::RelationPriceSeries;
}
}

std::shared_ptr<StyleBase> ChartStyles::WindowStyle()
{
    static std::shared_ptr<StyleBase> style;
    const StylesContainer& container = StylesContainer::Instance();
    // A style the container let go of (styles read again) is looked up anew.
    if (style && style->GetId() > 0 && container.FindStyle(style->GetId(), StyleChartWindow::Type) == style)
        return style;
    std::deque<std::shared_ptr<StyleBase>> kept;
    container.GetAllStylesOfKind(StyleChartWindow::Type, kept);
    if (!kept.empty())
        style = kept.front();
    else if (!style || style->GetId() > 0)
        style = StyleKinds::Create(StyleChartWindow::Type);
    return style;
}

std::shared_ptr<StyleBase> ChartStyles::ElementStyle(ChartSeries::Kind kind)
{
    const std::shared_ptr<StyleBase> window = WindowStyle();
    return window ? window->GetRelatedStyle(RelationOf(kind)) : nullptr;
}

std::shared_ptr<StyleBase> ChartStyles::FormationStyle(int styleId)
{
    if (styleId > 0)
    {
        if (std::shared_ptr<StyleBase> kept = StylesContainer::Instance().FindStyle(styleId, StyleFormation::Type))
            return kept;
    }
    const std::shared_ptr<StyleBase> window = WindowStyle();
    return window ? window->GetRelatedStyle(StyleChartWindow::RelationFormation) : nullptr;
}

std::optional<int> ChartStyles::Value(int context, int parameter)
{
    switch (context)
    {
    case 0:
    case 1:
        if (const std::shared_ptr<StyleBase> style = WindowStyle(); style && IsWindowValue(parameter))
            return style->GetValue(parameter);
        break;
    case 2:
        return SeriesValue(ChartSeries::Price, parameter);
    case 3:
        if (const std::shared_ptr<StyleBase> style = FormationStyle(0); style && IsFormationValue(parameter))
            return style->GetValue(parameter);
        break;
    default:
        break;
    }
    return std::nullopt;
}

std::optional<int> ChartStyles::SeriesValue(ChartSeries::Kind kind, int parameter)
{
    const std::shared_ptr<StyleBase> style = ElementStyle(kind);
    if (!style || !IsElementValue(parameter))
        return std::nullopt;
    return style->GetValue(parameter);
}

QPen ChartStyles::GridPen()
{
    const std::shared_ptr<StyleBase> style = WindowStyle();
    return style ? StylePreviewPainter::Pen(style->GetGdiObject(StyleChartWindow::ParamGridPen))
                 : QPen(QColor(200, 200, 200), 1, Qt::DotLine);
}

QFont ChartStyles::AxisFont()
{
    const std::shared_ptr<StyleBase> style = WindowStyle();
    return style ? StylePreviewPainter::Font(style->GetGdiObject(StyleChartWindow::ParamAxisFont)) : QFont();
}

bool ChartStyles::HorizontalGrid()
{
    const std::shared_ptr<StyleBase> style = WindowStyle();
    return !style || style->GetValue(StyleChartWindow::ParamHorizontalGrid) != 0;
}

bool ChartStyles::VerticalGrid()
{
    const std::shared_ptr<StyleBase> style = WindowStyle();
    return style && style->GetValue(StyleChartWindow::ParamVerticalGrid) != 0;
}

QPen ChartStyles::FormationPen(int styleId, bool extension, bool active)
{
    const std::shared_ptr<StyleBase> style = FormationStyle(styleId);
    QPen pen = style ? StylePreviewPainter::Pen(style->GetGdiObject(extension ? StyleFormation::ParamExtensionPen
                                                                             : StyleFormation::ParamBaseLinePen))
                     : QPen(QColor(0x00, 0x60, 0xC0), 1.5);
    if (active)
        pen.setWidthF(pen.widthF() + 1.0);
    return pen;
}

QColor ChartStyles::FormationColour(int styleId, int parameter)
{
    const std::shared_ptr<StyleBase> style = FormationStyle(styleId);
    const QColor fallback(0x00, 0x60, 0xC0);
    return style && IsFormationValue(parameter)
               ? ColorRef(static_cast<quint32>(style->GetValue(parameter))).ToQColor(fallback)
               : fallback;
}

QFont ChartStyles::FormationFont(int styleId)
{
    const std::shared_ptr<StyleBase> style = FormationStyle(styleId);
    return style ? StylePreviewPainter::Font(style->GetGdiObject(StyleFormation::ParamFont)) : QFont();
}

std::optional<int> ChartStyles::FormationValue(int styleId, int parameter)
{
    const std::shared_ptr<StyleBase> style = FormationStyle(styleId);
    if (!style)
        return std::nullopt;
    if (parameter >= kBaseLineColour && parameter <= kExtensionStyle)
    {
        const QPen pen = FormationPen(styleId, parameter >= kExtensionColour, false);
        switch (parameter - (parameter >= kExtensionColour ? kExtensionColour : kBaseLineColour))
        {
        case 0:
        {
            const std::optional<ColorRef> colour = ColorRef::FromQColor(pen.color());
            return colour ? std::optional<int>(static_cast<int>(colour->Value())) : std::nullopt;
        }
        case 1:
            return std::max(1, qRound(pen.widthF()));
        default:
            return LineStyleOf(pen.style());
        }
    }
    if (parameter == kFontSize)
    {
        const QFont font = FormationFont(styleId);
        return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    }
    if (IsFormationValue(parameter))
        return style->GetValue(parameter);
    return std::nullopt;
}

std::shared_ptr<StyleBase> ChartStyles::FormationStyleWith(int styleId, const std::map<int, int>& own)
{
    const std::shared_ptr<StyleBase> style = FormationStyle(styleId);
    std::shared_ptr<StyleBase> copy = style ? style->Copy() : nullptr;
    if (!copy)
        return nullptr;
    for (const auto& [parameter, value] : own)
    {
        if (IsFormationValue(parameter))
            copy->SetValue(parameter, value);
        else if (parameter == kFontSize)
        {
            const GdiObject kept = copy->GetGdiObject(StyleFormation::ParamFont);
            LogFont font = kept.Font() ? *kept.Font() : LogFont::FromQFont(FormationFont(styleId));
            font.lfHeight = -value;
            copy->SetGdiObject(StyleFormation::ParamFont, font);
        }
        else if (parameter >= kBaseLineColour && parameter <= kExtensionStyle)
        {
            const bool extension = parameter >= kExtensionColour;
            const int penParameter = extension ? StyleFormation::ParamExtensionPen : StyleFormation::ParamBaseLinePen;
            const GdiObject kept = copy->GetGdiObject(penParameter);
            LogPen pen = kept.Pen() ? *kept.Pen() : LogPen();
            switch (parameter - (extension ? kExtensionColour : kBaseLineColour))
            {
            case 0:
                pen.lopnColor = ColorRef(static_cast<quint32>(value));
                break;
            case 1:
                pen.lopnWidth.x = value;
                break;
            default:
                pen.lopnStyle = static_cast<quint32>(value);
                break;
            }
            copy->SetGdiObject(penParameter, pen);
        }
    }
    return copy;
}

Qt::PenStyle ChartStyles::PenStyleOf(int lineStyle)
{
    static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};
    return lineStyle >= 0 && lineStyle < 5 ? styles[lineStyle] : Qt::SolidLine;
}

int ChartStyles::LineStyleOf(Qt::PenStyle style)
{
    for (int lineStyle = 0; lineStyle < 5; ++lineStyle)
        if (PenStyleOf(lineStyle) == style)
            return lineStyle;
    return 0;
}
