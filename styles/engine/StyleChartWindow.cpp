#include "styles/engine/StyleChartWindow.h"

#include "styles/engine/StyleChartElement.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleFormation.h"
#include "styles/engine/StylePreviewPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <iterator>

namespace
{
using StyleDefaults::Rgb;

StyleParameterDef Colour(int id, const char* key, qint32 value)
{
    return {id, QString::fromLatin1(key), StyleParameterKind::Colour, value};
}

const StyleParameterTable& ChartWindowParameters()
{
    static const StyleParameterTable parameters = {
        {StyleChartWindow::ParamGridPen, QStringLiteral("GridPen"), StyleParameterKind::Pen, 0,
         StyleDefaults::Pen(LogPen::kStyleDot, 1, Rgb(200, 200, 200))},
        Colour(StyleChartWindow::ParamSignificantGridColor, "SignificantGridColor", Rgb(128, 128, 128)),
        {StyleChartWindow::ParamHeaderFont, QStringLiteral("HeaderFont"), StyleParameterKind::Font, 0,
         StyleDefaults::Font(-13, LogFont::kWeightBold)},
        {StyleChartWindow::ParamAxisFont, QStringLiteral("AxisFont"), StyleParameterKind::Font, 0,
         StyleDefaults::Font(-11)},
        {StyleChartWindow::ParamHorizontalGrid, QStringLiteral("HGridVisible"), StyleParameterKind::Flag, 1},
        {StyleChartWindow::ParamVerticalGrid, QStringLiteral("VGridVisible"), StyleParameterKind::Flag, 1},
        Colour(StyleChartWindow::ParamBkColor, "BkColor", Rgb(255, 255, 255)),
        {StyleChartWindow::ParamColourLabels, QStringLiteral("ColourLabels"), StyleParameterKind::Flag, 1},
        Colour(StyleChartWindow::ParamHeaderFontColor, "HeaderFontColor", Rgb(0, 0, 0)),
        Colour(StyleChartWindow::ParamHeaderFontColorRise, "HeaderFontColorRise", Rgb(0, 128, 0)),
        Colour(StyleChartWindow::ParamHeaderFontColorFall, "HeaderFontColorFall", Rgb(200, 0, 0)),
        Colour(StyleChartWindow::ParamLabelFontColor, "LabelFontColor", Rgb(0, 0, 0)),
        Colour(StyleChartWindow::ParamLabelFontColorRise, "LabelFontColorRise", Rgb(255, 255, 255)),
        Colour(StyleChartWindow::ParamLabelFontColorFall, "LabelFontColorFall", Rgb(255, 255, 255)),
        Colour(StyleChartWindow::ParamLabelBkColorRise, "LabelBkColorRise", Rgb(0, 128, 0)),
        Colour(StyleChartWindow::ParamLabelBkColorFall, "LabelBkColorFall", Rgb(200, 0, 0)),
        Colour(StyleChartWindow::ParamIndicatorColor, "IndicatorColor", Rgb(0, 0, 255)),
        Colour(StyleChartWindow::ParamMarkersColor, "MarkersColor", Rgb(255, 128, 0)),
        Colour(StyleChartWindow::ParamBuyAlertColor, "BuyAlertColor", Rgb(0, 160, 0)),
        Colour(StyleChartWindow::ParamSellAlertColor, "SellAlertColor", Rgb(220, 0, 0)),
        Colour(StyleChartWindow::ParamSeriesHighlightColor, "SeriesHighlightColor", Rgb(255, 200, 0)),
        Colour(26, "Indicator1Color", Rgb(0, 0, 255)),
        Colour(27, "Indicator2Color", Rgb(220, 0, 0)),
        Colour(28, "Indicator3Color", Rgb(0, 150, 0)),
        Colour(29, "Indicator4Color", Rgb(200, 0, 200)),
        Colour(30, "Indicator5Color", Rgb(255, 128, 0)),
        Colour(31, "Indicator6Color", Rgb(0, 150, 150)),
    };
    return parameters;
}

const StyleRelationTable& ChartWindowRelations()
{
    static const StyleRelationTable relations = {
        {StyleChartWindow::RelationPriceSeries, QStringLiteral("PriceSeriesStyle"), StyleChartElement::Type},
        {StyleChartWindow::RelationVolume, QStringLiteral("VolumeStyle"), StyleChartElement::Type},
        {StyleChartWindow::RelationLop, QStringLiteral("LopStyle"), StyleChartElement::Type},
        {StyleChartWindow::RelationFormation, QStringLiteral("FormationStyle"), StyleFormation::Type},
    };
    return relations;
}
}

StyleChartWindow::StyleChartWindow()
    : ParameterTableStyle(ChartWindowParameters(), ChartWindowRelations())
{
    GetOwnStyle(RelationVolume)->SetValue(StyleChartElement::ParamLineColor, Rgb(120, 120, 120));
    GetOwnStyle(RelationLop)->SetValue(StyleChartElement::ParamLineColor, Rgb(200, 100, 0));
}

void StyleChartWindow::PaintPreview(QPainter& painter) const
{
    const QSize size = PreviewSourceSize();
    painter.fillRect(QRect(QPoint(0, 0), size), StylePreviewPainter::Colour(GetValue(ParamBkColor), Qt::white));

    painter.setFont(StylePreviewPainter::Font(GetGdiObject(ParamHeaderFont)));
    const int headerHeight = QFontMetrics(painter.font()).height() + 4;
    painter.setPen(StylePreviewPainter::Colour(GetValue(ParamHeaderFontColor)));
    painter.drawText(QRect(4, 0, size.width() - 8, headerHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("KGHM"));
    painter.setPen(StylePreviewPainter::Colour(GetValue(ParamHeaderFontColorRise)));
    painter.drawText(QRect(4, 0, size.width() - 8, headerHeight), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("125,40 +1,25%"));

    painter.setFont(StylePreviewPainter::Font(GetGdiObject(ParamAxisFont)));
    const int axisWidth = QFontMetrics(painter.font()).horizontalAdvance(QStringLiteral("000,0")) + 6;
    const QRect plot(QPoint(2, headerHeight), QPoint(size.width() - axisWidth, size.height() - 3));
    painter.setPen(StylePreviewPainter::Pen(GetGdiObject(ParamGridPen)));
    for (int line = 1; line < 4; ++line)
    {
        const int y = plot.top() + plot.height() * line / 4;
        const int x = plot.left() + plot.width() * line / 4;
        if (GetValue(ParamHorizontalGrid) != 0)
            painter.drawLine(plot.left(), y, plot.right(), y);
        if (GetValue(ParamVerticalGrid) != 0)
            painter.drawLine(x, plot.top(), x, plot.bottom());
    }
    painter.setPen(StylePreviewPainter::Colour(GetValue(ParamSignificantGridColor)));
    painter.drawLine(plot.left(), plot.top() + plot.height() / 2, plot.right(), plot.top() + plot.height() / 2);

    // Closing prices in hundredths of the plot's height, from the bottom.
    const int closes[] = {35, 42, 38, 50, 47, 58, 55, 66, 62, 72};
    const int count = int(std::size(closes));
    const auto pointAt = [&](int i) {
        return QPoint(plot.left() + plot.width() * i / (count - 1), plot.bottom() - plot.height() * closes[i] / 100);
    };
    for (int i = 0; i < count; ++i)
    {
        const int barHeight = plot.height() * (8 + (i * 7) % 12) / 100;
        if (const std::shared_ptr<StyleBase> volume = GetRelatedStyle(RelationVolume))
            painter.fillRect(QRect(pointAt(i).x() - 2, plot.bottom() - barHeight, 4, barHeight),
                             StylePreviewPainter::Colour(volume->GetValue(StyleChartElement::ParamLineColor)));
    }
    if (const std::shared_ptr<StyleBase> price = GetRelatedStyle(RelationPriceSeries))
    {
        const LogPen pen = StyleDefaults::Pen(LogPen::kStyleSolid, 1, price->GetValue(StyleChartElement::ParamLineColor));
        painter.setPen(StylePreviewPainter::Pen(pen));
        for (int i = 1; i < count; ++i)
            painter.drawLine(pointAt(i - 1), pointAt(i));
    }

    const QRect label(QPoint(plot.right() + 1, pointAt(count - 1).y() - 7), QPoint(size.width() - 1,
                                                                                     pointAt(count - 1).y() + 7));
    const bool coloured = GetValue(ParamColourLabels) != 0;
    painter.fillRect(label, coloured ? StylePreviewPainter::Colour(GetValue(ParamLabelBkColorRise))
                                     : StylePreviewPainter::Colour(GetValue(ParamBkColor), Qt::white));
    painter.setPen(StylePreviewPainter::Colour(GetValue(coloured ? ParamLabelFontColorRise : ParamLabelFontColor)));
    painter.drawText(label, Qt::AlignCenter, QStringLiteral("125,4"));
}
