#include "styles/engine/StyleChartElement.h"

#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StylePreviewPainter.h"

#include <QPainter>

#include <algorithm>
#include <iterator>

namespace
{
using StyleDefaults::Rgb;

const StyleParameterTable& ChartElementParameters()
{
    static const StyleParameterTable parameters = {
        {StyleChartElement::ParamWidthType, QStringLiteral("WidthType"), StyleParameterKind::Flag, 0},
        {StyleChartElement::ParamWidth, QStringLiteral("Width"), StyleParameterKind::Value, 1},
        {StyleChartElement::ParamLineColor, QStringLiteral("LineColor"), StyleParameterKind::Colour, Rgb(0, 0, 160)},
        {StyleChartElement::ParamRiseFrameColor, QStringLiteral("RiseFrameColor"), StyleParameterKind::Colour,
         Rgb(0, 128, 0)},
        {StyleChartElement::ParamFallFrameColor, QStringLiteral("FallFrameColor"), StyleParameterKind::Colour,
         Rgb(200, 0, 0)},
        {StyleChartElement::ParamLineType, QStringLiteral("LineType"), StyleParameterKind::Value,
         qint32(LogPen::kStyleSolid)},
        {StyleChartElement::ParamRiseCandleColor, QStringLiteral("RiseCandleColor"), StyleParameterKind::Colour,
         Rgb(255, 255, 255)},
        {StyleChartElement::ParamFallCandleColor, QStringLiteral("FallCandleColor"), StyleParameterKind::Colour,
         Rgb(0, 0, 0)},
    };
    return parameters;
}

const StyleRelationTable kNoRelations;

struct Candle
{
    int open;
    int close;
    int low;
    int high;
};
}

StyleChartElement::StyleChartElement()
    : ParameterTableStyle(ChartElementParameters(), kNoRelations)
{
}

void StyleChartElement::PaintPreview(QPainter& painter) const
{
    // Prices in hundredths of the preview's height, from the bottom.
    const Candle candles[] = {{30, 45, 25, 50}, {45, 40, 35, 55}, {40, 60, 38, 65},
                              {60, 55, 50, 70}, {55, 72, 52, 78}, {72, 66, 60, 80}};
    const QSize size = PreviewSourceSize();
    const int count = int(std::size(candles));
    const int slot = size.width() / count;
    const auto y = [&](int price) { return size.height() - size.height() * price / 100; };
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < count; ++i)
    {
        const Candle& candle = candles[i];
        const bool rising = candle.close >= candle.open;
        const QColor frame =
            StylePreviewPainter::Colour(GetValue(rising ? ParamRiseFrameColor : ParamFallFrameColor));
        const QColor body =
            StylePreviewPainter::Colour(GetValue(rising ? ParamRiseCandleColor : ParamFallCandleColor));
        const int centre = i * slot + slot / 2;
        painter.setPen(frame);
        painter.drawLine(centre, y(candle.high), centre, y(candle.low));
        const QRect bodyRect(QPoint(centre - slot / 4, y(std::max(candle.open, candle.close))),
                             QPoint(centre + slot / 4, y(std::min(candle.open, candle.close))));
        painter.fillRect(bodyRect, body);
        painter.drawRect(bodyRect);
    }
    LogPen linePen = StyleDefaults::Pen(quint32(std::clamp(GetValue(ParamLineType), 0, 4)),
                                        std::clamp(GetValue(ParamWidth), 1, 10), GetValue(ParamLineColor));
    painter.setPen(StylePreviewPainter::Pen(linePen));
    for (int i = 1; i < count; ++i)
    {
        painter.drawLine((i - 1) * slot + slot / 2, y(candles[i - 1].close), i * slot + slot / 2,
                         y(candles[i].close));
    }
}
