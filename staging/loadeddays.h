#ifndef LOADEDDAYS_H
#define LOADEDDAYS_H

#include <QHash>
#include <QSet>
#include <QVector>

// The period's day records of each person with the columns the bonus items
// read, kept while loading writes them into latten, so that the items need
// not read the person's days back. The rows of a person are in the order
// they were written. Whole numbers are kept in 32 bits: a value that does not
// fit leaves the days unusable (they are read from latten then). A person's
// days are handed over once and then freed: the rows of the file grow in the
// memory the days leave.
struct LoadedDay
{
    qint32 dom, fond, expFund, work, diff, dow, night, saldoP, hid, bonus, readBegin, readEnd, tom;
    double vouchers;
};

class LoadedDays
{
public:
    enum Column { Dom, Fond, ExpFund, Work, Diff, Dow, Night, SaldoP, Hid, Bonus, ReadBegin, ReadEnd, Tom, Count };

    // Forgets the days; start() makes them usable again for a new loading.
    void clear()
    {
        days.clear();
        handedOver.clear();
        usable = false;
    }
    void start()
    {
        clear();
        usable = true;
    }

    void add(unsigned uid, const qint64 (&values)[Count], double vouchers)
    {
        if (!usable)
            return;
        qint32* const fields[Count] = {&day.dom, &day.fond, &day.expFund, &day.work, &day.diff,
                                       &day.dow, &day.night, &day.saldoP, &day.hid, &day.bonus,
                                       &day.readBegin, &day.readEnd, &day.tom};
        for (int column = 0; column < Count; ++column) {
            if (values[column] != qint64(qint32(values[column]))) {
                clear();
                return;
            }
            *fields[column] = qint32(values[column]);
        }
        day.vouchers = vouchers;
        days[uid].append(day);
    }

    // Moves the person's days (none when the person has no day record) into
    // `personDays`; false when the days were not kept or were handed over
    // before: the caller reads them from latten then.
    bool take(unsigned uid, QVector<LoadedDay>* personDays)
    {
        if (!usable || handedOver.contains(uid))
            return false;
        handedOver.insert(uid);
        *personDays = days.take(uid);
        return true;
    }

private:
    QHash<unsigned, QVector<LoadedDay>> days;
    QSet<unsigned> handedOver;
    bool usable = false;
    LoadedDay day = {};
};

#endif // LOADEDDAYS_H
