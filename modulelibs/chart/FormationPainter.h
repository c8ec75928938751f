#pragma once
// Paints a chart's drawn objects (formations) in the panels of the series they are tied to,
// the active one thicker and with the handles of its points.

#include "modulelibs/chart/ChartLayout.h"

class QPainter;

namespace FormationPainter
{
void Paint(QPainter& painter, const ChartDocument& document, const ChartBars& bars, const ChartLayout& layout,
           bool showLabels);
// The panel a formation is drawn in: its series' view, else the first.
const ChartLayout::ViewArea* ViewOf(const ChartDocument& document, const ChartLayout& layout,
                                    const ChartFormation& formation);
}
