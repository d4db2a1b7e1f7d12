#include "workingdays.h"

int workingDaysInInterval(const QDate& period, int fromDay, int toDay, const QHash<QDate, bool>& holidays)
{
    if (!period.isValid() || fromDay > toDay)
        return 0;
    const int first = qMax(fromDay, 1);
    const int last = qMin(toDay, period.daysInMonth());
    int count = 0;
    for (int day = first; day <= last; ++day) {
        const QDate date(period.year(), period.month(), day);
        if (date.dayOfWeek() <= 5 && !holidays.value(date, false))
            ++count;
    }
    return count;
}
