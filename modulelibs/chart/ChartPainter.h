#pragma once
// Paints a chart for one frame: backgrounds, grids and axes, every shown series in its chart
// type, the drawn objects, the records panel and what the user is doing with the mouse. Only
// the shown bars are drawn, and when bars are narrower than two pixels each pixel column draws
// one line for all its bars, so a frame costs what the window's width costs, not the history's.

#include "modulelibs/chart/ChartLayout.h"
#include "modulelibs/chart/ChartOverlay.h"

class QPainter;

class ChartPainter
{
public:
    ChartPainter(const ChartDocument& document, const ChartBars& bars, const ChartLayout& layout);

    void Paint(QPainter& painter, const QRect& client, const ChartOverlay& overlay) const;

private:
    void PaintView(QPainter& painter, const ChartLayout::ViewArea& view) const;
    void PaintValueAxis(QPainter& painter, const ChartLayout::ViewArea& view, const ChartLayout::Scale& scale,
                        bool right) const;
    void PaintTimeAxis(QPainter& painter, const ChartLayout::ViewArea& view) const;
    void PaintSeries(QPainter& painter, const ChartLayout::ViewArea& view, const ChartSeries& series) const;
    void PaintOhlc(QPainter& painter, const ChartLayout::ViewArea& view, const ChartLayout::Scale& scale,
                   const ChartSeries& series) const;
    void PaintLine(QPainter& painter, const ChartLayout::ViewArea& view, const ChartLayout::Scale& scale,
                   const ChartSeries& series) const;
    void PaintColumns(QPainter& painter, const ChartLayout::ViewArea& view, const ChartLayout::Scale& scale,
                      const ChartSeries& series) const;
    void PaintRecords(QPainter& painter) const;
    void PaintOverlay(QPainter& painter, const ChartOverlay& overlay) const;

    const ChartDocument& m_document;
    const ChartBars& m_bars;
    const ChartLayout& m_layout;
};
