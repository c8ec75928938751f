#include "modulelibs/chart/FormationPainter.h"

#include "modulelibs/chart/ChartStyles.h"
#include "modulelibs/chart/FormationShapes.h"
#include "modulelibs/chart/FormationSymbolsContainer.h"

#include "platform/base/ColorRef.h"
#include "styles/engine/StyleFormation.h"

#include <QFontMetricsF>
#include <QPainter>

#include <optional>

namespace
{

QColor OwnColour(const ChartDocument& document, std::size_t index, int parameter, const QColor& styleColour)
{
    const std::optional<int> colour = document.FormationDisplay(index, parameter);
    return colour ? ColorRef(static_cast<quint32>(*colour)).ToQColor(styleColour) : styleColour;
}

// The colour, width and line style set on the formation over its style's pen; the parameters
// follow the colour's.
void OwnPen(QPen& pen, const ChartDocument& document, std::size_t index, int colourParameter, bool active)
{
    pen.setColor(OwnColour(document, index, colourParameter, pen.color()));
    if (const std::optional<int> width = document.FormationDisplay(index, colourParameter + 1))
        pen.setWidthF(*width + (active ? 1.0 : 0.0));
    if (const std::optional<int> style = document.FormationDisplay(index, colourParameter + 2))
        pen.setStyle(ChartStyles::PenStyleOf(*style));
}

// The colours of a formation's name label: its style's, or those set on the formation.
struct LabelColours
{
    QColor text;
    QColor background;
    QColor frame;
    QColor connector;
};

LabelColours LabelColoursOf(const ChartDocument& document, std::size_t index, int styleId)
{
    const auto colour = [&](int parameter) {
        return OwnColour(document, index, parameter, ChartStyles::FormationColour(styleId, parameter));
    };
    return {colour(StyleFormation::ParamLabelTextColor), colour(StyleFormation::ParamLabelBkColor),
            colour(StyleFormation::ParamLabelFrameColor), colour(StyleFormation::ParamConnectorColor)};
}

void DrawLabel(QPainter& painter, const FormationShape& shape, const LabelColours& colours)
{
    constexpr qreal kPadding = 3.0;
    const QFontMetricsF metrics(painter.fontMetrics());
    const QRectF box(shape.rect.topLeft(),
                     QSizeF(metrics.horizontalAdvance(shape.text) + 2 * kPadding, metrics.height() + 2 * kPadding));
    // Crisp lines: the box is small, and blurred edges would wash out its colours.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!shape.points.isEmpty())
    {
        painter.setPen(QPen(colours.connector, 1.0));
        painter.drawLine(shape.points.front(), box.bottomLeft());
    }
    painter.setPen(QPen(colours.frame, 1.0));
    painter.setBrush(colours.background);
    painter.drawRect(box);
    painter.setPen(colours.text);
    painter.drawText(box, Qt::AlignCenter, shape.text);
    painter.restore();
}

}

const ChartLayout::ViewArea* FormationPainter::ViewOf(const ChartDocument& document, const ChartLayout& layout,
                                                      const ChartFormation& formation)
{
    const ChartSeries* series = document.Series(formation.seriesId);
    const int viewId = series ? series->viewId : (document.views.empty() ? 0 : document.views[0].id);
    const ChartLayout::ViewArea* view = layout.ViewById(viewId);
    return view && view->right.valid ? view : nullptr;
}

void FormationPainter::Paint(QPainter& painter, const ChartDocument& document, const ChartBars& bars,
                             const ChartLayout& layout, bool showLabels)
{
    for (std::size_t i = 0; i < document.formations.size(); ++i)
    {
        const ChartFormation& formation = document.formations[i];
        const ChartLayout::ViewArea* view = ViewOf(document, layout, formation);
        if (!view)
            continue;
        const FormationShapes shapes(layout, *view, bars);
        const bool active = static_cast<int>(i) == document.activeFormation;
        // Read at every paint, so an edited style shows at the next repaint.
        const int styleId = document.FormationStyleId(i);
        QPen basePen = ChartStyles::FormationPen(styleId, false, active);
        QPen extensionPen = ChartStyles::FormationPen(styleId, true, active);
        // Cosmetic pens are drawn as lines, not stroked as outlines: far cheaper per frame.
        basePen.setCosmetic(true);
        extensionPen.setCosmetic(true);
        OwnPen(basePen, document, i, ChartStyles::kBaseLineColour, active);
        OwnPen(extensionPen, document, i, ChartStyles::kExtensionColour, active);
        QColor fill = OwnColour(document, i, StyleFormation::ParamFillColor,
                                ChartStyles::FormationColour(styleId, StyleFormation::ParamFillColor));
        fill.setAlpha(0x40);
        const QColor text = OwnColour(document, i, StyleFormation::ParamTextColor,
                                      ChartStyles::FormationColour(styleId, StyleFormation::ParamTextColor));
        const LabelColours label = LabelColoursOf(document, i, styleId);
        painter.save();
        painter.setClipRect(view->rect);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font = ChartStyles::FormationFont(styleId);
        if (const std::optional<int> size = document.FormationDisplay(i, ChartStyles::kFontSize))
            font.setPixelSize(*size);
        painter.setFont(font);
        for (const FormationShape& shape : shapes.Shapes(formation, showLabels))
        {
            painter.setPen(shape.dashed ? extensionPen : basePen);
            painter.setBrush(shape.filled ? QBrush(fill) : Qt::NoBrush);
            switch (shape.kind)
            {
            case FormationShape::Polyline:
                painter.drawPolyline(shape.points);
                break;
            case FormationShape::Polygon:
                painter.drawPolygon(shape.points);
                break;
            case FormationShape::Ellipse:
                painter.drawEllipse(shape.rect);
                break;
            case FormationShape::Text:
                painter.setPen(text);
                painter.drawText(shape.rect.topLeft() + QPointF(0, painter.fontMetrics().ascent()), shape.text);
                break;
            case FormationShape::Label:
                DrawLabel(painter, shape, label);
                break;
            case FormationShape::Symbol:
                painter.drawImage(shape.rect, GetFormationSymbolsContainerInstance().Image(shape.symbolId));
                break;
            }
        }
        if (active)
        {
            painter.setPen(QPen(basePen.color(), 1.0));
            painter.setBrush(Qt::white);
            for (const FormationPoint& point : formation.points)
            {
                const QPointF xy = shapes.PointXY(point);
                painter.drawRect(QRectF(xy.x() - 3, xy.y() - 3, 6, 6));
            }
        }
        painter.restore();
    }
}
