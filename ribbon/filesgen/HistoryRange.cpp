#include "ribbon/filesgen/HistoryRange.h"

QDateTime HistoryRange::EarliestStart()
{
    return QDateTime(QDate(1900, 1, 1), QTime(1, 1, 1));
}

HistoryRange::Checked HistoryRange::Correct(const QDateTime& from, const QDateTime& to, const QDateTime& now)
{
    Checked checked{from, to, false};
    if (checked.to > now)
    {
        checked.to = now;
        checked.corrected = true;
    }
    if (checked.from > checked.to.addDays(-1))
    {
        checked.from = checked.to.addDays(-1);
        checked.corrected = true;
    }
    return checked;
}
