#ifndef RECORDEDDAYS_H
#define RECORDEDDAYS_H

#include <QSet>

// The (person, day of month, month) triples that have interruption records in
// a staging table. Writing a day's fund onto the records of that day is an
// UPDATE ... WHERE uid=? AND dom=? AND month=?; for the many days without a
// record it changes nothing, so the loader asks this set first and skips it.
// A triple that does not fit the packed key is reported as possibly recorded,
// so such a day still goes through the UPDATE.
class RecordedDays
{
public:
    void add(unsigned uid, int dom, int month)
    {
        if (fits(dom, month))
            keys.insert(key(uid, dom, month));
        else
            hasUnpacked = true;
    }

    bool mayContain(unsigned uid, int dom, int month) const
    {
        return fits(dom, month) ? keys.contains(key(uid, dom, month)) : hasUnpacked;
    }

private:
    static bool fits(int dom, int month) { return dom >= 0 && dom < 0x10000 && month >= 0 && month < 0x10000; }
    static quint64 key(unsigned uid, int dom, int month)
    {
        return (quint64(uid) << 32) | (quint64(month) << 16) | quint64(dom);
    }

    QSet<quint64> keys;
    bool hasUnpacked = false;
};

#endif // RECORDEDDAYS_H
