#include "modulelibs/chart/ChartLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

ChartLayout::ChartLayout(const ChartDocument& document, const ChartBars& bars, const QRect& client)
    : m_document(document)
    , m_bars(bars)
{
    QRect plot = client;
    if (document.recordsShown && client.width() > 2 * kRecordsWidth)
    {
        m_records = QRect(client.right() - kRecordsWidth + 1, client.top(), kRecordsWidth, client.height());
        plot.setRight(m_records.left() - 1);
    }
    plot.setRight(plot.right() - kValueAxisWidth);
    bool anyLeft = false;
    for (const ChartSeries& series : document.series)
        anyLeft = anyLeft || (!series.hidden && !series.rightAxis);
    if (anyLeft)
        plot.setLeft(plot.left() + kValueAxisWidth);
    plot.setRight(plot.right() - plot.width() * document.margins.right / 100);
    m_plotColumns = plot;

    const int total = bars.Count();
    const int shown = document.range.barCount > 0 ? std::min(document.range.barCount, total) : total;
    m_last = total - 1 - std::clamp(document.range.rightOffset, 0, std::max(0, total - shown));
    m_first = m_last - shown + 1;
    // Half a slot of air after the newest bar, so that it never runs under the plot's frame.
    m_barWidth = shown > 0 ? static_cast<double>(plot.width()) / (shown + 0.5) : 1.0;
    if (shown > 0)
    {
        m_timeFrom = SessionTime(bars.At(m_first).time.ToDayCount());
        const double lastTime = SessionTime(bars.At(m_last).time.ToDayCount());
        const double step = shown > 1 ? (lastTime - m_timeFrom) / (shown - 1) : 1.0 / 1440.0;
        m_timeTo = lastTime + std::max(step, 1e-9);
    }

    // The first view is three times as tall as each other one.
    int weights = 0;
    for (std::size_t i = 0; i < document.views.size(); ++i)
        weights += i == 0 ? 3 : 1;
    int top = plot.top();
    for (std::size_t i = 0; i < document.views.size(); ++i)
    {
        const ChartView& view = document.views[i];
        const int height = i + 1 == document.views.size() ? plot.bottom() + 1 - top
                                                           : plot.height() * (i == 0 ? 3 : 1) / std::max(weights, 1);
        ViewArea area;
        area.viewId = view.id;
        area.rect = QRect(plot.left(), top, plot.width(), height);
        if (view.timeAxisShown && height > 3 * kTimeAxisHeight)
        {
            area.timeAxis = QRect(plot.left(), area.rect.bottom() - kTimeAxisHeight + 1, plot.width(), kTimeAxisHeight);
            area.rect.setBottom(area.timeAxis.top() - 1);
        }
        area.right = MakeScale(view, true);
        area.left = MakeScale(view, false);
        m_views.push_back(area);
        top += height;
    }
}

double ChartLayout::SeriesValue(const ChartSeries& series, const ChartBars& bars, int index)
{
    switch (series.kind)
    {
    case ChartSeries::Volume:
        return bars.At(index).volume;
    case ChartSeries::Average:
    {
        const int from = std::max(0, index - series.averagePeriod + 1);
        double sum = 0.0;
        for (int i = from; i <= index; ++i)
            sum += bars.At(i).close;
        return sum / (index - from + 1);
    }
    case ChartSeries::Price:
        break;
    }
    return bars.At(index).close;
}

ChartLayout::Scale ChartLayout::MakeScale(const ChartView& view, bool rightAxis) const
{
    Scale scale;
    scale.percent = view.percent;
    if (view.percent && m_bars.Count() > 0)
        scale.reference = m_bars.At(view.percentFromFirstShown ? std::max(m_first, 0) : 0).close;
    if (view.fixedScale && rightAxis)
    {
        scale.valid = true;
        scale.minimum = view.fixedMin;
        scale.maximum = view.fixedMax;
        return scale;
    }
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const ChartSeries* series : m_document.SeriesOfView(view.id))
    {
        if (series->rightAxis != rightAxis || m_first < 0)
            continue;
        if (series->kind == ChartSeries::Volume)
            low = std::min(low, 0.0);
        if (series->kind == ChartSeries::Average)
        {
            // One running sum over the shown bars instead of a sum per bar.
            const int period = series->averagePeriod;
            double sum = 0.0;
            const int start = std::max(0, m_first - period + 1);
            for (int i = start; i <= m_last; ++i)
            {
                sum += m_bars.At(i).close;
                if (i - period >= start)
                    sum -= m_bars.At(i - period).close;
                if (i >= m_first)
                {
                    const double value = Shown(scale, sum / std::min(period, i - start + 1));
                    low = std::min(low, value);
                    high = std::max(high, value);
                }
            }
            continue;
        }
        for (int i = m_first; i <= m_last; ++i)
        {
            const PriceBar& bar = m_bars.At(i);
            if (series->kind == ChartSeries::Volume)
            {
                high = std::max(high, bar.volume);
                continue;
            }
            low = std::min(low, Shown(scale, bar.low));
            high = std::max(high, Shown(scale, bar.high));
        }
    }
    if (!std::isfinite(low) || !std::isfinite(high))
        return scale;
    if (high - low < 1e-9)
    {
        const double pad = std::max(std::abs(high) * 0.01, 0.01);
        low -= pad;
        high += pad;
    }
    const double span = high - low;
    scale.valid = true;
    scale.minimum = low - span * m_document.margins.bottom / 100.0;
    scale.maximum = high + span * m_document.margins.top / 100.0;
    return scale;
}

double ChartLayout::Shown(const Scale& scale, double value)
{
    if (!scale.percent || scale.reference == 0.0)
        return value;
    return (value / scale.reference - 1.0) * 100.0;
}

const ChartLayout::ViewArea* ChartLayout::ViewAt(const QPoint& point) const
{
    for (const ViewArea& view : m_views)
    {
        QRect whole = view.rect.united(view.timeAxis.isNull() ? view.rect : view.timeAxis);
        whole.setLeft(0);
        whole.setRight(m_plotColumns.right() + kValueAxisWidth);
        if (whole.contains(point))
            return &view;
    }
    return nullptr;
}

const ChartLayout::ViewArea* ChartLayout::ViewById(int viewId) const
{
    for (const ViewArea& view : m_views)
        if (view.viewId == viewId)
            return &view;
    return nullptr;
}

double ChartLayout::SessionTime(double dayCount) const
{
    if (!m_document.connectBreaks || m_document.timeAxisType != 2)
        return dayCount;
    // Hours between sessions are cut out: each day counts only from its begin to its end.
    const double day = std::floor(dayCount);
    const double within = std::clamp(dayCount - day, m_document.dayBegin, m_document.dayEnd) - m_document.dayBegin;
    return day * (m_document.dayEnd - m_document.dayBegin) + within;
}

double ChartLayout::BarX(int index) const
{
    if (m_document.timeAxisType == 2 && index >= 0 && index < m_bars.Count())
        return TimeX(m_bars.At(index).time.ToDayCount());
    return m_plotColumns.left() + (index - m_first + 0.5) * m_barWidth;
}

int ChartLayout::BarAt(double x) const
{
    if (m_last < m_first)
        return -1;
    int index = m_first + static_cast<int>(std::floor((x - m_plotColumns.left()) / m_barWidth));
    if (m_document.timeAxisType == 2)
    {
        const double time = TimeAt(x);
        const auto& all = m_bars.All();
        const auto found = std::lower_bound(all.begin() + m_first, all.begin() + m_last + 1, time,
                                            [this](const PriceBar& bar, double t) { return SessionTime(bar.time.ToDayCount()) < t; });
        index = static_cast<int>(found - all.begin());
    }
    return std::clamp(index, m_first, m_last);
}

double ChartLayout::TimeAt(double x) const
{
    if (m_document.timeAxisType == 2)
        return m_timeFrom + (x - m_plotColumns.left()) / std::max(1, m_plotColumns.width()) * (m_timeTo - m_timeFrom);
    if (m_last < m_first)
        return 0.0;
    const double position = m_first + (x - m_plotColumns.left()) / m_barWidth - 0.5;
    const int below = std::clamp(static_cast<int>(std::floor(position)), m_first, m_last);
    const int above = std::min(below + 1, m_last);
    const double a = m_bars.At(below).time.ToDayCount();
    const double b = m_bars.At(above).time.ToDayCount();
    return a + (b - a) * std::clamp(position - below, 0.0, 1.0);
}

double ChartLayout::TimeX(double dayCount) const
{
    if (m_document.timeAxisType == 2)
        return m_plotColumns.left()
               + (SessionTime(dayCount) - m_timeFrom) / (m_timeTo - m_timeFrom) * m_plotColumns.width();
    if (m_last < m_first)
        return m_plotColumns.left();
    const auto& all = m_bars.All();
    // Times between bars fall between their columns; times past the ends run on at the bar spacing.
    const auto found = std::lower_bound(all.begin(), all.end(), dayCount,
                                        [](const PriceBar& bar, double t) { return bar.time.ToDayCount() < t; });
    int index = static_cast<int>(found - all.begin());
    double fraction = 0.0;
    if (index >= static_cast<int>(all.size()))
    {
        const double last = all.back().time.ToDayCount();
        const double step = all.size() > 1 ? last - all[all.size() - 2].time.ToDayCount() : 1.0;
        return BarX(static_cast<int>(all.size()) - 1) + (dayCount - last) / std::max(step, 1e-12) * m_barWidth;
    }
    if (index > 0)
    {
        const double a = all[static_cast<std::size_t>(index - 1)].time.ToDayCount();
        const double b = all[static_cast<std::size_t>(index)].time.ToDayCount();
        fraction = b > a ? (dayCount - a) / (b - a) : 1.0;
        --index;
    }
    return BarX(index) + fraction * m_barWidth;
}

double ChartLayout::ValueY(const ViewArea& view, const Scale& scale, double value) const
{
    const double shown = Shown(scale, value);
    return view.rect.bottom() - (shown - scale.minimum) / (scale.maximum - scale.minimum) * view.rect.height();
}

double ChartLayout::ValueAt(const ViewArea& view, const Scale& scale, double y) const
{
    const double shown = scale.minimum + (view.rect.bottom() - y) / std::max(1, view.rect.height()) * (scale.maximum - scale.minimum);
    if (!scale.percent || scale.reference == 0.0)
        return shown;
    return (shown / 100.0 + 1.0) * scale.reference;
}
