#ifndef HOSTFLOOR_H
#define HOSTFLOOR_H

#include <QList>
#include <QSqlDatabase>
#include <QString>

struct CompanyProfile;

// The floor of an export: the time that the host rows which the loading step
// reads take merely to arrive through the Qt MySQL driver. The same SELECT
// texts as the loading step (people, holidays, vars, interruption records of
// the period and of the windows around it, day records of the period and of
// the windows, interruption names), run forward-only, every column value of
// every row read. The people list is the one the closure check keeps; it is
// read first and not timed.
struct HostFloor
{
    qint64 nanoseconds = 0;      // the loading step's queries
    qint64 peopleNanoseconds = 0; // the two people queries before it (selection, closure)
    qint64 rows = 0;
    qint64 values = 0;
    int people = 0;
    QString error;
    QList<qint64> statementNanoseconds;  // per statement of the loading step, in order
};

HostFloor measureHostFloor(const QSqlDatabase& host, const CompanyProfile& profile);

#endif // HOSTFLOOR_H
