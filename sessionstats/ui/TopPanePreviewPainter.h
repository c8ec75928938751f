#pragma once
// The picture of the grids in a session-statistics style's preview: a sample table of ten rows
// and seven columns painted in the style's four grid text styles (rises and turnover above,
// falls and transactions below) with the style's grid lines. Every column is as wide as the
// widest of the four fonts needs for the widest sample name.

#include <QSize>

class QPainter;
class StyleSessionStatistics;

class TopPanePreviewPainter
{
public:
    struct Metrics
    {
        int columnWidth = 0;
        int topRowHeight = 0;
        int bottomRowHeight = 0;
        QSize pane;
    };

    virtual ~TopPanePreviewPainter() = default;

    static Metrics MeasureTopPane(const StyleSessionStatistics& style);
    static void PaintTopPane(const StyleSessionStatistics& style, QPainter& painter);

private:
    static void PaintBlock(const StyleSessionStatistics& style, QPainter& painter, const Metrics& metrics, int firstRow,
                           int firstColumn, int columns, int textStyle);
};
