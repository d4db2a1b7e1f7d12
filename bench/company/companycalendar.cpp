#include "companycalendar.h"

#include <QDateTime>
#include <QTime>
#include <algorithm>

QDate easterSunday(int year)
{
    // Anonymous Gregorian algorithm (Meeus/Jones/Butcher).
    const int a = year % 19, b = year / 100, c = year % 100;
    const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

QList<QDate> publicHolidays(int year)
{
    static const int fixed[][2] = {{1, 1}, {1, 6}, {5, 1}, {5, 8}, {7, 5}, {8, 29}, {9, 1},
                                   {9, 15}, {11, 1}, {11, 17}, {12, 24}, {12, 25}, {12, 26}};
    QList<QDate> days;
    for (const auto& md : fixed)
        days << QDate(year, md[0], md[1]);
    const QDate easter = easterSunday(year);
    days << easter.addDays(-2) << easter.addDays(1);
    std::sort(days.begin(), days.end());
    return days;
}

unsigned localTimeOf(const QDate& date, int secondsOfDay)
{
    return unsigned(QDateTime(date, QTime(0, 0).addSecs(secondsOfDay)).toSecsSinceEpoch());
}
