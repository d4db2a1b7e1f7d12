#include "hostfloor.h"

#include "companycalendar.h"
#include "companygenerator.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace {

// Runs one statement forward-only and reads every value; false on failure.
bool drain(const QSqlDatabase& host, const QString& sql, HostFloor& floor, QStringList* firstColumn = nullptr,
           int keepWhenColumn2Is = -1)
{
    QSqlQuery query(host);
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        floor.error = query.lastError().text() + QStringLiteral(" in: ") + sql.left(120);
        return false;
    }
    const int columns = query.record().count();
    while (query.next()) {
        ++floor.rows;
        for (int column = 0; column < columns; ++column) {
            const QVariant value = query.value(column);
            floor.values += value.isNull() ? 0 : 1;
        }
        if (firstColumn && (keepWhenColumn2Is < 0 || query.value(2).toInt() == keepWhenColumn2Is))
            *firstColumn << query.value(0).toString();
    }
    return true;
}

} // namespace

HostFloor measureHostFloor(const QSqlDatabase& host, const CompanyProfile& profile)
{
    HostFloor floor;
    const QDate first(profile.year, profile.month, 1);
    const QString beginDay = QString::number(localMidnight(first));
    const QString endDay = QString::number(localMidnight(first.addMonths(1)));
    const QString previousBound = QString::number(localMidnight(first.addMonths(-1)));
    const QString nextBound = QString::number(localMidnight(first.addMonths(2)));

    QElapsedTimer clock;
    clock.start();
    QStringList all, closed;
    if (!drain(host,
               QStringLiteral("SELECT uid, IF(pamId IS NULL OR pamId = '' OR pamId = '0', pid, pamId) pid FROM "
                              "people p WHERE p.name !='<anonym>' "),
               floor, &all))
        return floor;
    if (!drain(host,
               QStringLiteral("SELECT p.uid, IF(pamId IS NULL OR pamId = '' OR pamId='0', pid, pamId) pamPid, "
                              "IF(am.days IS NULL OR am.days=0 OR am.checks + am.oks < am.days, 1, 0) notClose, "
                              "p.begin, p.end, p.rsBegin, p.rsEnd FROM people p LEFT JOIN atten_month am ON "
                              "am.uid=p.uid AND am.month =%1 WHERE p.status>0")
                   .arg(profile.year * 100 + profile.month),
               floor, &closed, 0))
        return floor;
    floor.peopleNanoseconds = clock.nsecsElapsed();
    floor.people = closed.size();
    const QString uids = closed.join(QLatin1Char(','));

    const QStringList statements = {
        QStringLiteral("SELECT p.uid, p.pid, p.pamId, CONCAT_WS(' ', p.surname, p.name, p.title,  p.title2) person, "
                       "p.gid, p.bid, p.did, g.name, b.name, d.name, g.refFund, g.refFundValue, g.refFundAllDay "
                       "FROM people p LEFT JOIN groups g ON p.gid=g.gid LEFT JOIN branches b ON p.bid=b.bid "
                       "LEFT JOIN departs d ON p.did=d.did WHERE p.uid IN (%1) ")
            .arg(uids),
        QStringLiteral("SELECT h.date, hid FROM holidays h WHERE (h.date >= %1 AND h.date < %2) ")
            .arg(beginDay, endDay),
        QStringLiteral("SELECT name, value FROM vars WHERE name='advancedOvertime' OR name= 'groupsPlanEnabled' "
                       "OR name= 'exportUseXLSX'"),
        QStringLiteral("SELECT uid, iid, ad.from, duration FROM atten_data ad WHERE (ad.from > %1 AND ad.from <= "
                       "%2) AND (del=0) AND ad.uid IN (%3) AND (iid < 1000 AND iid > 1) ORDER BY ad.from")
            .arg(beginDay, endDay, uids),
        QStringLiteral("SELECT a.uid, a.date, dom, dow, hid, fond, work, shift, vouchers, lunch, diff, a.saldo, "
                       "saldo_p, saldo_c, freeDay, night, readBegin, readEnd, wore, expFund, bonus, a.wta, a.ok, "
                       "overtimeNote, p.tom  FROM atten a LEFT JOIN people p ON p.uid = a.uid WHERE (a.date >= "
                       "%1 AND a.date < %2) AND a.uid IN (%3) ORDER BY a.dom")
            .arg(beginDay, endDay, uids),
        QStringLiteral("SELECT uid, iid, ad.from, duration FROM atten_data ad WHERE ((ad.from > %1 AND ad.from <= "
                       "%2) OR (ad.from > %4 AND ad.from <= %5)) AND (del=0) AND (iid<1000 AND iid>1) AND "
                       "ad.uid IN (%3) ORDER BY ad.from")
            .arg(previousBound, beginDay, uids, endDay, nextBound),
        QStringLiteral("SELECT uid, a.date, dom, fond, expFund FROM atten a WHERE ((a.date > %1 AND a.date <= %2) "
                       "OR (a.date > %4 AND a.date <= %5)) AND a.uid IN (%3) ORDER BY a.date")
            .arg(previousBound, beginDay, uids, endDay, nextBound),
        QStringLiteral("SELECT iid, name FROM inters"),
    };
    floor.rows = 0;
    floor.values = 0;
    clock.restart();
    for (const QString& sql : statements) {
        QElapsedTimer statementClock;
        statementClock.start();
        if (!drain(host, sql, floor))
            return floor;
        floor.statementNanoseconds << statementClock.nsecsElapsed();
    }
    floor.nanoseconds = clock.nsecsElapsed();
    return floor;
}
