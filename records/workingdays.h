#ifndef WORKINGDAYS_H
#define WORKINGDAYS_H

#include <QDate>
#include <QHash>

// Number of working days among the days fromDay..toDay (inclusive) of
// `period`'s month: Monday to Friday and not a holiday. A holiday is a date
// mapped to true in `holidays`; a date absent from the map or mapped to false
// is a working day. Days the month does not have are not counted; 0 when
// fromDay is greater than toDay.
int workingDaysInInterval(const QDate& period, int fromDay, int toDay, const QHash<QDate, bool>& holidays);

#endif // WORKINGDAYS_H
