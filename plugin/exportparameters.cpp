// Export parameters into members; the people, interruption and bonus item selections.

#include "orvexuniversal.h"

#include "bonusitemlist.h"
#include "parametercheck.h"

#include <QDateTime>
#include <QDebug>
#include <QSqlError>
#include <algorithm>

namespace {

const char* const hostPeopleSql =
    "SELECT uid, IF(pamId IS NULL OR pamId = '' OR pamId = '0', pid, pamId) pid FROM people p "
    "WHERE p.name !='<anonym>' ";
const char* const stagingPeopleSql =
    "SELECT uid, CASE WHEN (pamId IS NULL OR pamId = '' OR pamId = '0') THEN pid ELSE pamId END AS pid "
    "FROM lpeople p";

} // namespace

void Orvexuniversal::initExportVariables(const QHash<QString, QVariant>& parameters)
{
    // Values of the wrong type are converted all the same; the log names them.
    // Bonus item settings may be stored under the translated or the Slovak name.
    const QStringList itemNames = bonusItemNames("Orvexuniversal") + bonusItemSourceNames();
    for (const QString& unusable : unusableParameterValues(parameters, itemNames))
        qWarning().noquote() << unusable;

    beginDay = parameters.value(QStringLiteral("beginDay")).toUInt();
    endDay = parameters.value(QStringLiteral("endDay")).toUInt();
    periodDate = QDateTime::fromSecsSinceEpoch(beginDay).date();
    periodMonth = periodDate.month();
    yearText = QString::number(periodDate.year());
    allPeople = parameters.value(QStringLiteral("allPeople")).toBool();
    exportOptions = parameters.value(QStringLiteral("optWidget")).toHash();
    selectedUids = parameters.value(QStringLiteral("selPeople")).toString();
    intersCodes = parameters.value(QStringLiteral("inters")).toHash();
}

void Orvexuniversal::getAllPeopleSelected()
{
    QStringList parts = selectedUids.split(QLatin1Char(','));
    QSqlQuery query(testMode ? stagingDb : hostDb);
    query.setForwardOnly(true);
    peopleUids.clear();

    if (allPeople || testMode) {
        if (allPeople)
            parts.clear();
        sqlText = QString::fromLatin1(testMode ? stagingPeopleSql : hostPeopleSql);
        if (!query.exec(sqlText)) {
            qWarning() << "Orvexuniversal::getAllPeopleSelected() ERROR (SELECT ... FROM people (allPeople)...)"
                       << query.lastError().text();
            // In TEST mode the prepared file is read; a host that cannot
            // give its people stops the export.
            if (!testMode)
                failRun(tr("čítanie zoznamu zamestnancov z databázy hostiteľa"), query.lastError().text());
        } else {
            QStringList allUids;
            while (query.next()) {
                pamPidByUid.insert(query.value(0).toUInt(), query.value(1).toString());
                allUids << query.value(0).toString();
            }
            if (!testMode && query.lastError().isValid())
                failRun(tr("čítanie zoznamu zamestnancov z databázy hostiteľa"), query.lastError().text());
            if (allPeople) {
                parts = allUids;
                selectedUids = parts.join(QLatin1Char(','));
            }
        }
    }

    for (const QString& part : parts)
        peopleUids.append(part.toUInt());
}

QStringList Orvexuniversal::getSelectedIIDlist(const QHash<QString, QVariant>& parameters)
{
    const QHash<QString, QVariant> inters = parameters.value(QStringLiteral("inters")).toHash();
    QStringList iids;
    for (auto it = inters.constBegin(); it != inters.constEnd(); ++it)
        if (!it.value().toString().isEmpty())
            iids << it.key().rightJustified(2, QLatin1Char('0'));
    std::sort(iids.begin(), iids.end());
    return iids;
}

QList<int> Orvexuniversal::getSelectedItemsList(const QHash<QString, QVariant>& parameters)
{
    const QVariantList items = parameters.value(QStringLiteral("items")).toList();
    QList<int> selected;
    for (int index = 0; index < items.size(); ++index)
        if (!items.at(index).toString().isEmpty())
            selected << index;
    return selected;
}
