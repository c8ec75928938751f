#pragma once
// What a formation looks like in a chart's window for one frame: its lines, outlines, arcs and
// texts in pixels, worked out from its kind, points and parameters. The painter draws them and
// the mouse hits them, so what is seen is what is picked.

#include "modulelibs/chart/ChartFormation.h"
#include "modulelibs/chart/ChartLayout.h"

#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <vector>

struct FormationShape
{
    enum Kind
    {
        Polyline,
        Polygon,
        Ellipse,
        Text,
        // A mark of the symbols container, centred in the rectangle.
        Symbol,
        // The formation's name in a framed box that starts at the rectangle's corner, joined to
        // the formation's first point (the polygon's only point) by a connector.
        Label,
    };

    Kind kind = Polyline;
    QPolygonF points;
    // The ellipse's box, or where a text starts.
    QRectF rect;
    QString text;
    bool dashed = false;
    bool filled = false;
    int symbolId = 0;
};

class FormationShapes
{
public:
    FormationShapes(const ChartLayout& layout, const ChartLayout::ViewArea& view, const ChartBars& bars);

    std::vector<FormationShape> Shapes(const ChartFormation& formation, bool showLabels) const;
    QPointF PointXY(const FormationPoint& point) const;
    FormationPoint PointAt(const QPointF& xy) const;
    // The pixel distance from the point to the nearest drawn part of the formation.
    double Distance(const ChartFormation& formation, const QPointF& point) const;
    // The name a formation of the kind shows when it has none of its own.
    static QString KindName(FormationType type);

private:
    void AddLine(std::vector<FormationShape>& shapes, QPointF a, QPointF b, bool extendBegin, bool extendEnd,
                 bool dashed = false) const;
    void Fibo(std::vector<FormationShape>& shapes, const ChartFormation& formation) const;
    void Gann(std::vector<FormationShape>& shapes, const ChartFormation& formation) const;
    void Regression(std::vector<FormationShape>& shapes, const ChartFormation& formation) const;

    const ChartLayout& m_layout;
    const ChartLayout::ViewArea& m_view;
    const ChartBars& m_bars;
};
