#pragma once
// Turns the dates of a chart's request and shown range into bars: how much history to ask the
// provider for (from the first date up to today) and which bars the window shows (the chosen
// dates or the last sessions, with the bars after the last date kept off the right edge).
// Sessions are held on weekdays and a session holds a fixed number of bars of each interval.

#include "platform/modules/DataRequestParams.h"
#include "platform/modules/ShowedRange.h"

#include <QDate>

namespace ChartDataRange
{
constexpr int kTickSessionBars = 500;
constexpr int kMinuteSessionBars = 510;
constexpr int kMaxHistoryBars = 200000;

// The bars of sessions sessions of interval × multiplicity, at most kMaxHistoryBars.
int BarsOf(int sessions, EInterval interval, int multiplicity);
// Leaves a request without dates (and its range) as it is.
void Resolve(DataRequestParams& request, ShowedRange& range, const QDate& today = QDate::currentDate());
}
