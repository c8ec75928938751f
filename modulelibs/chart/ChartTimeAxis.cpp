#include "modulelibs/chart/ChartTimeAxis.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr int kDateWidth = 70;
constexpr int kMinuteWidth = 50;
constexpr int kSecondWidth = 64;

// Every how many bars a label of that width fits.
int Every(int width, double barWidth)
{
    return std::max(1, static_cast<int>(std::ceil(width / std::max(barWidth, 0.01))));
}

// The labelled bars: multiples of every, so they keep their place while the chart scrolls.
std::vector<int> Steps(int first, int last, int every)
{
    std::vector<int> steps;
    for (int i = first + (every - first % every) % every; i <= last; i += every)
        steps.push_back(i);
    return steps;
}

// The time between neighbouring labelled bars, in seconds, that most of them keep.
double TypicalGap(const ChartBars& bars, const std::vector<int>& steps)
{
    std::vector<double> gaps;
    for (std::size_t i = 1; i < steps.size(); ++i)
        gaps.push_back((bars.At(steps[i]).time.ToDayCount() - bars.At(steps[i - 1]).time.ToDayCount()) * 86400.0);
    if (gaps.empty())
        return 0.0;
    std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
    return gaps[gaps.size() / 2];
}
}

ChartTimeAxis::Labels ChartTimeAxis::Make(const ChartBars& bars, int first, int last, double barWidth, bool daily)
{
    Labels result;
    first = std::max(first, 0);
    last = std::min(last, bars.Count() - 1);
    if (first > last)
        return result;
    QString format = daily ? QStringLiteral("dd.MM.yy") : QStringLiteral("HH:mm");
    result.width = daily ? kDateWidth : kMinuteWidth;
    std::vector<int> steps = Steps(first, last, Every(result.width, barWidth));
    if (!daily && TypicalGap(bars, steps) < 60.0)
    {
        format = QStringLiteral("HH:mm:ss");
        result.width = kSecondWidth;
        steps = Steps(first, last, Every(result.width, barWidth));
    }
    for (const int bar : steps)
    {
        QString text = bars.At(bar).time.ToQDateTime().toString(format);
        if (!result.labels.empty() && result.labels.back().text == text)
            continue;
        result.labels.push_back({bar, std::move(text)});
    }
    return result;
}
