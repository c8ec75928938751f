#pragma once
// The session calendar of the charts: a session is held on every weekday. Turns a range of dates
// into a number of sessions and a number of sessions back from today into the first date.

#include <QDate>

class ChartsDateHelper
{
public:
    // The sessions from from to to, both counted; false for an empty or reversed range.
    static bool GetSessionCountForDates(const QDate& from, const QDate& to, int& count);
    // The date of the first of the last count sessions up to today; false for a count below 1.
    static bool GetDateForGivenSessionCount(int count, QDate& date, const QDate& today = QDate::currentDate());
};
