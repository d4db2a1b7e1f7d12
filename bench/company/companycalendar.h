#ifndef COMPANYCALENDAR_H
#define COMPANYCALENDAR_H

#include "exportparameters.h" // localMidnight(), as the host stamps its day records

#include <QDate>
#include <QList>

// Public holidays of the Slovak calendar in one year, in date order: the fixed
// days plus Good Friday and Easter Monday.
QList<QDate> publicHolidays(int year);

// Easter Sunday of a Gregorian year.
QDate easterSunday(int year);

// Unix time of a local time of day on `date`.
unsigned localTimeOf(const QDate& date, int secondsOfDay);

#endif // COMPANYCALENDAR_H
