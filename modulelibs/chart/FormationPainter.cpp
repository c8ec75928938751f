#include "modulelibs/chart/FormationPainter.h"

#include "modulelibs/chart/FormationShapes.h"
#include "modulelibs/chart/FormationSymbolsContainer.h"

#include <QPainter>

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
    const QColor colour(0x00, 0x60, 0xC0);
    for (std::size_t i = 0; i < document.formations.size(); ++i)
    {
        const ChartFormation& formation = document.formations[i];
        const ChartLayout::ViewArea* view = ViewOf(document, layout, formation);
        if (!view)
            continue;
        const FormationShapes shapes(layout, *view, bars);
        const bool active = static_cast<int>(i) == document.activeFormation;
        painter.save();
        painter.setClipRect(view->rect);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const FormationShape& shape : shapes.Shapes(formation, showLabels))
        {
            // Cosmetic pens are drawn as lines, not stroked as outlines: far cheaper per frame.
            QPen pen(colour, active ? 2.0 : 1.0, shape.dashed ? Qt::DashLine : Qt::SolidLine);
            pen.setCosmetic(true);
            painter.setPen(pen);
            painter.setBrush(shape.filled ? QBrush(QColor(0x00, 0x60, 0xC0, 0x40)) : Qt::NoBrush);
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
                painter.drawText(shape.rect.topLeft() + QPointF(0, painter.fontMetrics().ascent()), shape.text);
                break;
            case FormationShape::Symbol:
                painter.drawImage(shape.rect, GetFormationSymbolsContainerInstance().Image(shape.symbolId));
                break;
            }
        }
        if (active)
        {
            painter.setPen(QPen(colour, 1.0));
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
