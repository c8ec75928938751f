#pragma once
// The calendar of the simulated exchange: sessions run on working days from 09:00 to 17:00
// local time; Saturdays, Sundays and the Polish public holidays on which the exchange stays
// shut (also Good Friday, Christmas Eve and New Year's Eve) have none. Everything the feed
// stamps with a date (past bars, live trades, session changes) follows it.

#include <QDate>
#include <QTime>

namespace SimCalendar
{
QTime SessionOpen();
QTime SessionClose();
// Seconds from the opening to the close.
int SessionSeconds();

QDate EasterSunday(int year);
bool IsHoliday(const QDate& date);
bool IsSessionDay(const QDate& date);
// The nearest session day strictly before / after the date.
QDate PreviousSessionDay(const QDate& date);
QDate NextSessionDay(const QDate& date);
// A session day whose opening is at or after the moment: today before the close, else the next one.
QDate SessionDayFrom(const QDate& date, const QTime& time);
// Trading goes on at that moment: a session day, from the opening until just before the close.
bool IsOpen(const QDate& date, const QTime& time);
}
