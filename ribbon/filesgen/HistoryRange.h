#pragma once
// The rules of the history date range: a start at least one day before the end and an end no
// later than now. A range that breaks them is corrected, end first, and not fetched until the
// user asks again.

#include <QDateTime>

namespace HistoryRange
{
// The earliest start the popup allows.
QDateTime EarliestStart();

struct Checked
{
    QDateTime from;
    QDateTime to;
    bool corrected = false;
};

Checked Correct(const QDateTime& from, const QDateTime& to, const QDateTime& now);
}
