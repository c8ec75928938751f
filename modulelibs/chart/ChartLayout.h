#pragma once
// Where a chart's parts lie in its window for one frame: the shown bars, the rectangle of each
// panel (view) with its value scales, the axes and the records panel, and the mapping between
// bars, times, values and pixels. Made afresh for each frame and for each mouse hit.

#include "modulelibs/chart/ChartBars.h"
#include "modulelibs/chart/ChartDocument.h"

#include <QRect>

#include <vector>

class ChartLayout
{
public:
    static constexpr int kValueAxisWidth = 64;
    static constexpr int kTimeAxisHeight = 18;
    static constexpr int kRecordsWidth = 230;

    struct Scale
    {
        bool valid = false;
        double minimum = 0.0;
        double maximum = 1.0;
        // Values of a percent scale are changes against this price.
        double reference = 0.0;
        bool percent = false;
    };

    struct ViewArea
    {
        int viewId = 0;
        QRect rect;       // the plot, without axes
        QRect timeAxis;   // empty when the view shows none
        Scale right;
        Scale left;
    };

    ChartLayout(const ChartDocument& document, const ChartBars& bars, const QRect& client);

    int FirstBar() const { return m_first; }
    int LastBar() const { return m_last; }
    int ShownCount() const { return m_last - m_first + 1; }
    double BarWidth() const { return m_barWidth; }
    const std::vector<ViewArea>& Views() const { return m_views; }
    const ViewArea* ViewAt(const QPoint& point) const;
    const ViewArea* ViewById(int viewId) const;
    QRect RecordsRect() const { return m_records; }

    double BarX(int index) const;
    // The bar under the x; clamped to the shown bars.
    int BarAt(double x) const;
    // The time of a point on the time axis as a day count, and its x.
    double TimeAt(double x) const;
    double TimeX(double dayCount) const;

    double ValueY(const ViewArea& view, const Scale& scale, double value) const;
    double ValueAt(const ViewArea& view, const Scale& scale, double y) const;
    // The value of the series at a bar as the scale shows it.
    static double Shown(const Scale& scale, double value);

    // Value of a series at bar index: close for price, volume, the average.
    static double SeriesValue(const ChartSeries& series, const ChartBars& bars, int index);

private:
    Scale MakeScale(const ChartView& view, bool rightAxis) const;
    double SessionTime(double dayCount) const;

    const ChartDocument& m_document;
    const ChartBars& m_bars;
    int m_first = 0;
    int m_last = -1;
    double m_barWidth = 1.0;
    QRect m_plotColumns;
    QRect m_records;
    std::vector<ViewArea> m_views;
    double m_timeFrom = 0.0;
    double m_timeTo = 1.0;
};
