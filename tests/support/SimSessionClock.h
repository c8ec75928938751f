#pragma once
// The simulated market trades in session hours only: tests step it, or clock its thread, on the
// morning of the last session day, so that it trades whenever they run.

#include "providers/simfeed/SimCalendar.h"
#include "providers/simfeed/SimFeedThread.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <memory>

// 10:00 of today's session, or of the last one before today.
inline QDateTime SessionMorning()
{
    const QDate today = QDate::currentDate();
    const QDate day = SimCalendar::IsSessionDay(today) ? today : SimCalendar::PreviousSessionDay(today);
    return QDateTime(day, QTime(10, 0));
}

// A feed thread's clock that runs from SessionMorning() as the wall clock runs.
inline SimFeedThread::Clock SessionClock()
{
    const QDateTime start = SessionMorning();
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [start, timer] { return NDateTime(start.addMSecs(timer->elapsed())); };
}
