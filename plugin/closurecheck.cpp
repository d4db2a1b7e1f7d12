// Monthly closure and employment check of the wanted people: people whose
// month is closed go into the run, the others are reported unless their
// employment (or their rsBegin..rsEnd interval) keeps them out of the period.

#include "orvexuniversal.h"

#include "personids.h"

#include <QDebug>
#include <QSqlError>

namespace {

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

} // namespace

bool Orvexuniversal::checkPeople(QString& selectedUids, QHash<QString, QVariant> parameters, QSqlQuery query,
                                 QHash<QString, QVariant>& result)
{
    peopleUids.clear();
    excludedPeople.clear();

    const auto fail = [&](const QString& code, const QString& text, const QString& userText) {
        qCritical().noquote() << QStringLiteral("%1::checkPeople() - SQL ERROR [%2]: %3").arg(getType(), code, text);
        result.insert(QStringLiteral("errorString"),
                      tr("Zoznam zamestnancov pre export nebolo možné načítať z databázy (interná chyba SQL: %1)!")
                          .arg(userText));
        return false;
    };

    sqlText = QStringLiteral(
        "SELECT p.uid, IF(pamId IS NULL OR pamId = '' OR pamId='0', pid, pamId) pamPid, IF(am.days IS NULL OR "
        "am.days=0 OR am.checks + am.oks < am.days, 1, 0) notClose, p.begin, p.end, p.rsBegin, p.rsEnd FROM people p "
        "LEFT JOIN atten_month am ON am.uid=p.uid AND am.month =? WHERE p.status>0");
    if (!allPeople) {
        // The selection comes from the host as text: only a list of numbers
        // may reach the statement.
        QVector<unsigned> ids;
        QString badPart;
        if (!parsePersonIds(selectedUids, &ids, &badPart))
            return fail(QStringLiteral("0"),
                        QStringLiteral("selected people are not a list of person ids, wrong part: '%1'").arg(badPart),
                        QStringLiteral("neplatný výber zamestnancov '%1'").arg(badPart));
        sqlText += QStringLiteral(" AND p.uid IN(%1)").arg(personIdsText(ids));
    }

    query.prepare(sqlText);
    query.setForwardOnly(true);
    query.addBindValue(parameters.value(QStringLiteral("month")).toUInt());
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        return fail(error.nativeErrorCode(), error.text(), error.nativeErrorCode());
    }

    while (query.next()) {
        const unsigned uid = query.value(0).toUInt();
        const QString pamPid = query.value(1).toString();
        if (!query.value(2).toBool()) {
            peopleUids.append(uid);
            pamPidByUid.insert(uid, pamPid);
        } else if (!endedBeforePeriod(query.value(4), beginDay)
                   && !intervalCoversPeriod(query.value(5), query.value(6), beginDay, endDay)) {
            excludedPeople << pamPid;
        }
    }
    if (query.lastError().isValid()) {
        // The rows ended on an error (the connection lost on the way): the
        // people after it are neither exported nor reported.
        qCritical().noquote() << QStringLiteral("%1::checkPeople() - SQL ERROR while reading the people: %2")
                                     .arg(getType(), query.lastError().text());
        exportWarnings << tr("Chyba pri čítaní údajov z databázy hostiteľa (%1): export môže byť neúplný.")
                              .arg(QStringLiteral("people"));
    }
    selectedUids = personIdsText(peopleUids);
    return true;
}
