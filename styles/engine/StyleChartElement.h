#pragma once
// The style of a chart element (a series drawn in a chart): its width and width type, line
// colour and type, and the frame and body colours of rising and falling candles.

#include "styles/engine/ParameterTableStyle.h"

class StyleChartElement : public ParameterTableStyle
{
public:
    static constexpr StyleType Type = StyleTypes::ChartElement;
    inline static const QString TypeName = QStringLiteral("StyleChartElement");

    enum Parameter : int
    {
        ParamWidthType = 0,  // boolean, the chart library's width type
        ParamWidth = 1,      // whole number, at least 1
        ParamLineColor = 2,
        ParamRiseFrameColor = 3,
        ParamFallFrameColor = 4,
        ParamLineType = 5,  // index into the line types (LogPen styles)
        ParamRiseCandleColor = 6,
        ParamFallCandleColor = 7,
    };

    StyleChartElement();

    QString GetTypeName() const override { return TypeName; }
    StyleType GetType() const override { return Type; }
    void PaintPreview(QPainter& painter) const override;
};
