#pragma once
// The style of a chart window: background, grid lines and the significant grid line, header
// and axis fonts, label and indicator colours, alert and highlight colours, and the styles of
// its price series, volume, LOP and formations.

#include "styles/engine/ParameterTableStyle.h"

class StyleChartWindow : public ParameterTableStyle
{
public:
    static constexpr StyleType Type = StyleTypes::ChartWindow;
    inline static const QString TypeName = QStringLiteral("StyleChartWindow");

    enum Parameter : int
    {
        ParamGridPen = 0,  // GDI object: the grid lines' pen
        ParamSignificantGridColor = 1,
        ParamHeaderFont = 2,  // GDI object
        ParamAxisFont = 3,    // GDI object
        ParamHorizontalGrid = 4,
        ParamVerticalGrid = 5,
        ParamBkColor = 6,
        ParamColourLabels = 7,
        ParamHeaderFontColor = 8,
        ParamHeaderFontColorRise = 9,
        ParamHeaderFontColorFall = 10,
        ParamLabelFontColor = 11,
        ParamLabelFontColorRise = 12,
        ParamLabelFontColorFall = 13,
        ParamLabelBkColorRise = 14,
        ParamLabelBkColorFall = 15,
        ParamIndicatorColor = 16,
        ParamMarkersColor = 17,
        ParamBuyAlertColor = 18,
        ParamSellAlertColor = 19,
        ParamSeriesHighlightColor = 20,
        ParamFirstIndicatorColor = 26,  // 26 to 31: the first to sixth indicator
        ParamSixthIndicatorColor = 31,
    };
    enum Relation : int
    {
        RelationPriceSeries = 21,  // StyleChartElement
        RelationVolume = 22,       // StyleChartElement
        RelationLop = 23,          // StyleChartElement
        RelationFormation = 24,    // StyleFormation
    };

    StyleChartWindow();

    QString GetTypeName() const override { return TypeName; }
    StyleType GetType() const override { return Type; }
    QSize PreviewSourceSize() const override { return QSize(220, 150); }
    void PaintPreview(QPainter& painter) const override;
};
