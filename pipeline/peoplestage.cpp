// The people of the run: the selection (or all people), the monthly closure
// and employment check (people whose month is closed go into the run, the
// others are reported unless their employment, or their rsBegin..rsEnd
// interval, keeps them out of the period), the selected ids that no person
// has, and the personal numbers payroll may not match.

#include "peoplestage.h"

#include "hostrowreader.h"

#include "personalnumberchecks.h"
#include "personids.h"
#include "runcontext.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSet>
#include <QSqlError>

#include <algorithm>

namespace {

const char* const hostPeopleSql =
    "SELECT uid, IF(pamId IS NULL OR pamId = '' OR pamId = '0', pid, pamId) pid FROM people p "
    "WHERE p.name !='<anonym>' ";
const char* const stagingPeopleSql =
    "SELECT uid, CASE WHEN (pamId IS NULL OR pamId = '' OR pamId = '0') THEN pid ELSE pamId END AS pid "
    "FROM lpeople p";

// Employment ended before the period.
bool endedBeforePeriod(const QVariant& end, unsigned beginDay)
{
    return !end.isNull() && end.toLongLong() < qint64(beginDay);
}

// The rsBegin..rsEnd interval starts before the period and does not end
// inside it.
bool intervalCoversPeriod(const QVariant& rsBegin, const QVariant& rsEnd, unsigned beginDay, unsigned endDay)
{
    return !rsBegin.isNull() && rsBegin.toLongLong() < qint64(beginDay)
           && (rsEnd.isNull() || rsEnd.toLongLong() > qint64(endDay));
}

// Why the people list could not be read, for the clerk: the driver's code as
// the message always gave it, or, without a code, a reason that can be read
// (a host connection whose driver is not installed has none).
QString peopleListReason(const QSqlDatabase& host, const QSqlError& error)
{
    if (!error.nativeErrorCode().isEmpty())
        return error.nativeErrorCode();
    if (!host.isValid())
        return QCoreApplication::translate("Orvexuniversal", "ovládač databázy %1 nie je nainštalovaný").arg(host.driverName());
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QCoreApplication::translate("Orvexuniversal", "bez udania dôvodu") : text;
}

template <typename Container>
QSet<typename Container::value_type> setOf(const Container& values)
{
    QSet<typename Container::value_type> set;
    for (const auto& value : values)
        set.insert(value);
    return set;
}

} // namespace

bool checkClosure(RunContext& run, const QSqlDatabase& host, QHash<QString, QVariant>& result, HostReads* reads)
{
    run.peopleUids.clear();
    run.excludedPeople.clear();

    const auto peopleListFailure = [](const QString& reason) {
        return QCoreApplication::translate("Orvexuniversal", "Zoznam zamestnancov pre export nebolo možné načítať z databázy (interná chyba SQL: %1)!").arg(reason);
    };
    // The host did not give the list: the export stops, no file is written.
    const auto fail = [&](const QSqlError& error) {
        qCritical().noquote() << QStringLiteral("Orvexuniversal::checkPeople() - SQL ERROR [%1]: %2")
                                     .arg(error.nativeErrorCode(), error.text());
        run.fail(QCoreApplication::translate("Orvexuniversal", "kontrola uzávierky mesiaca"), error.text(), peopleListFailure(peopleListReason(host, error)));
        result.insert(QStringLiteral("errorString"), runFailureMessage(run.failure));
        return false;
    };

    QString sqlText = QStringLiteral(
        "SELECT p.uid, IF(pamId IS NULL OR pamId = '' OR pamId='0', pid, pamId) pamPid, IF(am.days IS NULL OR "
        "am.days=0 OR am.checks + am.oks < am.days, 1, 0) notClose, p.begin, p.end, p.rsBegin, p.rsEnd FROM people p "
        "LEFT JOIN atten_month am ON am.uid=p.uid AND am.month =? WHERE p.status>0");
    if (!run.allPeople) {
        // The selection comes from the host as text: only a list of numbers
        // may reach the statement. A selection that is not one exports nobody.
        QVector<unsigned> ids;
        QString badPart;
        if (!parsePersonIds(run.selectedUids, &ids, &badPart)) {
            qCritical().noquote() << QStringLiteral("Orvexuniversal::checkPeople() - SQL ERROR [0]: selected people are "
                                                    "not a list of person ids, wrong part: '%1'")
                                         .arg(badPart);
            result.insert(QStringLiteral("errorString"),
                          peopleListFailure(QStringLiteral("neplatný výber zamestnancov '%1'").arg(badPart)));
            return false;
        }
        sqlText += QStringLiteral(" AND p.uid IN(%1)").arg(personIdsText(ids));
    }
    // All people: the whole table, read by the host's thread in parts of uids.
    HostRowReader query(reads, host, sqlText, {run.closureMonth}, nullptr,
                        run.allPeople ? QStringLiteral("uid") : QString());
    bool more = query.next();
    if (!query.executed())
        return fail(query.lastError());
    for (; more; more = query.next()) {
        const unsigned uid = query.value(0).toUInt();
        const QString pamPid = query.value(1).toString();
        if (!query.value(2).toBool()) {
            run.peopleUids.append(uid);
            run.pamPidByUid.insert(uid, pamPid);
        } else if (!endedBeforePeriod(query.value(4), run.beginDay)
                   && !intervalCoversPeriod(query.value(5), query.value(6), run.beginDay, run.endDay)) {
            run.excludedPeople << pamPid;
        }
    }
    if (query.failed()) {
        // The rows ended on an error (the connection lost on the way): the
        // people after it would be neither exported nor reported.
        run.peopleUids.clear();
        run.excludedPeople.clear();
        return fail(query.lastError());
    }
    run.selectedUids = personIdsText(run.peopleUids);
    return true;
}

// Selected ids that no person of the host has: the clerk may have meant
// someone else. Asked with a statement of its own, all ids bound.
void reportUnknownSelectedIds(RunContext& run, const QSqlDatabase& host, const QString& wanted, HostReads* reads)
{
    QVector<unsigned> ids;
    if (!parsePersonIds(wanted, &ids, nullptr) || ids.isEmpty())
        return;
    QStringList placeholders;
    for (int i = 0; i < ids.size(); ++i)
        placeholders << QStringLiteral("?");
    QVariantList values;
    for (const unsigned id : ids)
        values << id;
    HostRowReader query(reads, host,
                        QStringLiteral("SELECT uid FROM people WHERE uid IN (%1)").arg(placeholders.join(QLatin1Char(','))),
                        values);
    QSet<unsigned> found;
    while (query.next())
        found.insert(query.value(0).toUInt());
    if (query.failed()) {
        qWarning() << "Orvexuniversal::checkPeople() ERROR (SELECT uid FROM people ...)" << query.lastError().text();
        run.fail(QCoreApplication::translate("Orvexuniversal", "kontrola zvolených zamestnancov"), query.lastError().text());
        return;
    }
    QStringList unknown;
    for (const unsigned id : ids)
        if (!found.contains(id) && !unknown.contains(QString::number(id)))
            unknown << QString::number(id);
    if (unknown.size() == 1)
        run.warnings << QCoreApplication::translate("Orvexuniversal", "Zamestnanec s ID: %1 v databáze dochádzky neexistuje.").arg(unknown.first());
    else if (!unknown.isEmpty())
        run.warnings << QCoreApplication::translate("Orvexuniversal", "Zamestnanci s ID: %1 v databáze dochádzky neexistujú.").arg(unknown.join(QLatin1Char(',')));
}

// Personal numbers that would change someone's pay without a word: shared by
// several exported people (payroll merges them), or that payroll may not match.
void reportPersonalNumbers(RunContext& run)
{
    const QMap<QString, QVector<unsigned>> shared = sharedPersonalNumbers(run.peopleUids, run.pamPidByUid);
    for (auto it = shared.constBegin(); it != shared.constEnd(); ++it) {
        QStringList uids;
        for (const unsigned uid : it.value())
            uids << QString::number(uid);
        run.warnings << QCoreApplication::translate("Orvexuniversal", "Osobné číslo \"%1\" majú viacerí zamestnanci (ID: %2); mzdy ich zlúčia do jedného "
                             "záznamu.")
                              .arg(visiblePersonalNumber(it.key()), uids.join(QLatin1Char(',')));
    }
    QSet<unsigned> seen;
    for (const unsigned uid : run.peopleUids) {
        const QString number = run.pamPidByUid.value(uid);
        if (seen.contains(uid) || !isOddPersonalNumber(number))
            continue;
        seen.insert(uid);
        run.warnings << QCoreApplication::translate("Orvexuniversal", "Osobné číslo \"%1\" zamestnanca s ID: %2 je prázdne, má medzery na začiatku alebo na "
                             "konci, riadiace znaky alebo úvodzovky; mzdy ho nemusia priradiť.")
                              .arg(visiblePersonalNumber(number), QString::number(uid));
    }
}

void selectAllPeople(RunContext& run, const QSqlDatabase& source, HostReads* reads)
{
    QStringList parts = run.selectedUids.split(QLatin1Char(','));
    run.peopleUids.clear();

    if (run.allPeople || run.testMode) {
        if (run.allPeople)
            parts.clear();
        HostRowReader query(reads, source, QString::fromLatin1(run.testMode ? stagingPeopleSql : hostPeopleSql), {},
                            nullptr, QStringLiteral("uid"));
        bool more = query.next();
        if (!query.executed()) {
            qWarning() << "Orvexuniversal::getAllPeopleSelected() ERROR (SELECT ... FROM people (allPeople)...)"
                       << query.lastError().text();
            // In TEST mode the prepared file is read; a host that cannot
            // give its people stops the export.
            if (!run.testMode)
                run.fail(QCoreApplication::translate("Orvexuniversal", "čítanie zoznamu zamestnancov z databázy hostiteľa"), query.lastError().text());
        } else {
            QStringList allUids;
            for (; more; more = query.next()) {
                run.pamPidByUid.insert(query.value(0).toUInt(), query.value(1).toString());
                allUids << query.value(0).toString();
            }
            if (!run.testMode && query.failed())
                run.fail(QCoreApplication::translate("Orvexuniversal", "čítanie zoznamu zamestnancov z databázy hostiteľa"), query.lastError().text());
            if (run.allPeople) {
                parts = allUids;
                run.selectedUids = parts.join(QLatin1Char(','));
            }
        }
    }

    for (const QString& part : parts)
        run.peopleUids.append(part.toUInt());
}

void recheckClosure(RunContext& run, const QSqlDatabase& host, const QString& wanted, HostReads* reads)
{
    if (run.failed())
        return;
    RunContext now;
    now.allPeople = run.allPeople;
    now.selectedUids = wanted;
    now.closureMonth = run.closureMonth;
    now.beginDay = run.beginDay;
    now.endDay = run.endDay;
    QHash<QString, QVariant> ignored;
    if (!checkClosure(now, host, ignored, reads)) {
        // A selection that is not a list of ids exported nobody the first time.
        if (now.failure.failed())
            run.fail(QCoreApplication::translate("Orvexuniversal", "kontrola uzávierky mesiaca"), now.failure.reason);
        return;
    }
    // Compared as sets: the order of the rows is the host's business.
    const QSet<unsigned> exported = setOf(run.peopleUids);
    const QSet<unsigned> closedNow = setOf(now.peopleUids);
    if (exported == closedNow && setOf(run.excludedPeople) == setOf(now.excludedPeople))
        return;
    QStringList changed;
    for (const unsigned uid : (exported - closedNow) + (closedNow - exported))
        changed << QString::number(uid);
    std::sort(changed.begin(), changed.end(), [](const QString& a, const QString& b) { return a.toUInt() < b.toUInt(); });
    qWarning().noquote() << QStringLiteral("Orvexuniversal::checkPeople() - closure changed while the month was read, ids: %1")
                                .arg(changed.join(QLatin1Char(',')));
    run.fail(QCoreApplication::translate("Orvexuniversal", "kontrola uzávierky mesiaca"),
             QCoreApplication::translate("Orvexuniversal",
                                         "uzávierka mesiaca sa počas exportu zmenila (ID zamestnancov: %1), "
                                         "export spustite znova")
                 .arg(changed.isEmpty() ? QStringLiteral("-") : changed.join(QLatin1Char(','))));
}
