#include "hostroster.h"

#include "exportparameters.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QDate localDate(const QVariant& unixTime)
{
    return unixTime.isNull() ? QDate() : QDateTime::fromSecsSinceEpoch(unixTime.toLongLong()).date();
}

const char* const hostRosterSql =
    "SELECT p.uid, IF(p.pamId IS NULL OR p.pamId = '' OR p.pamId = '0', p.pid, p.pamId), "
    "CONCAT_WS(' ', p.surname, p.name, p.title, p.title2), g.name, p.status, p.begin, p.end, p.rsBegin, p.rsEnd, "
    "IF(am.days IS NULL OR am.days = 0 OR am.checks + am.oks < am.days, 0, 1), "
    "EXISTS(SELECT 1 FROM atten a WHERE a.uid = p.uid AND a.date >= ? AND a.date < ? AND a.work > 0) "
    "OR EXISTS(SELECT 1 FROM atten_data ad WHERE ad.uid = p.uid AND ad.from > ? AND ad.from <= ? AND ad.del = 0 "
    "AND ad.iid > 1 AND ad.iid < 1000) "
    "FROM people p LEFT JOIN `groups` g ON g.gid = p.gid "
    "LEFT JOIN atten_month am ON am.uid = p.uid AND am.month = ? ORDER BY p.uid";

const char* const stagingRosterSql =
    "SELECT p.uid, CASE WHEN (p.pamId IS NULL OR p.pamId = '' OR p.pamId = '0') THEN p.pid ELSE p.pamId END, "
    "p.fullName, p.grpName, "
    "EXISTS(SELECT 1 FROM latten a WHERE a.uid = p.uid AND a.work > 0) "
    "OR EXISTS(SELECT 1 FROM latten_data d WHERE d.uid = p.uid) FROM lpeople p ORDER BY p.uid";

} // namespace

const RosterPerson* Roster::person(const QString& personalNumber) const
{
    const auto it = byNumber.constFind(personalNumber);
    return it == byNumber.constEnd() ? nullptr : &it.value();
}

void Roster::add(const RosterPerson& person)
{
    const RosterPerson* known = this->person(person.personalNumber);
    if (!known || (known->status <= 0 && person.status > 0))
        byNumber.insert(person.personalNumber, person);
}

bool readHostRoster(const QSqlDatabase& db, int year, int month, bool allPeople, const QStringList& selectedUids,
                    Roster& roster, QString& errorText)
{
    const QDate first(year, month, 1);
    const qint64 begin = localMidnight(first), end = localMidnight(first.addMonths(1));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QString::fromLatin1(hostRosterSql));
    for (const QVariant& value : {QVariant(begin), QVariant(end), QVariant(begin), QVariant(end),
                                  QVariant(year * 100 + month)})
        query.addBindValue(value);
    if (!query.exec()) {
        errorText = query.lastError().text();
        return false;
    }
    while (query.next()) {
        RosterPerson person;
        person.uid = query.value(0).toString();
        person.personalNumber = query.value(1).toString();
        person.name = query.value(2).toString();
        person.group = query.value(3).toString();
        person.status = query.value(4).toInt();
        person.begin = localDate(query.value(5));
        person.end = localDate(query.value(6));
        const QVariant rsBegin = query.value(7), rsEnd = query.value(8);
        person.longTermLeave = !rsBegin.isNull() && rsBegin.toLongLong() < begin
                               && (rsEnd.isNull() || rsEnd.toLongLong() > end);
        person.closed = query.value(9).toInt() == 1;
        person.hasRecords = query.value(10).toInt() != 0;
        person.selected = allPeople || selectedUids.contains(person.uid);
        roster.add(person);
    }
    if (query.lastError().isValid()) {
        errorText = query.lastError().text();
        return false;
    }
    roster.known = true;
    return true;
}

bool readStagingRoster(const QSqlDatabase& staging, Roster& roster, QString& errorText)
{
    QSqlQuery query(staging);
    query.setForwardOnly(true);
    if (!query.exec(QString::fromLatin1(stagingRosterSql))) {
        errorText = query.lastError().text();
        return false;
    }
    while (query.next()) {
        RosterPerson person;
        person.uid = query.value(0).toString();
        person.personalNumber = query.value(1).toString();
        person.name = query.value(2).toString().simplified();
        person.group = query.value(3).toString();
        person.hasRecords = query.value(4).toInt() != 0;
        roster.add(person);
    }
    roster.known = true;
    roster.onlyRunPeople = true;
    return true;
}
