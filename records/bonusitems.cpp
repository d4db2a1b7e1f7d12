// Bonus item records: Saturday, Sunday and night work, overtime, holidays,
// shift allowances, on-call duty, meal vouchers and the full fund, per day or
// per month, from the person's day records.

#include "orvexuniversal.h"

#include "bonusitemlist.h"
#include "bonusitemrules.h"
#include "dayfund.h"
#include "numbertext.h"
#include "rowsettings.h"

#include <QDebug>
#include <QSqlError>

void Orvexuniversal::exportBonusItems(const QHash<QString, QVariant>& parameters, unsigned uid,
                                      QHash<QString, QVariant> settings, int itemIndex)
{
    const int exportType = settingChoice(settings, "0");
    const int kind = settingChoice(settings, "1");
    const int fromIndex = settingChoice(settings, "2");
    const int toIndex = settingChoice(settings, "3");
    const QString code =
        bonusItemCode(parameters.value(QStringLiteral("items")).toStringList().value(itemIndex), kind);

    if (exportType == 0) {
        const QMap<int, double> days = getItemDaily(stagingQuery, itemIndex, int(uid), kind);
        for (auto day = days.constBegin(); day != days.constEnd(); ++day) {
            if (day.value() > 0.0)
                writeExportRow(code, numberText(day.value()),
                               getValidDateByComboIndex(day.key(), day.key(), fromIndex, false),
                               getValidDateByComboIndex(day.key(), day.key(), toIndex, true));
        }
    } else if (exportType == 1) {
        const double total = getItemSummary(stagingQuery, itemIndex, int(uid), kind);
        const int lastDay = periodDate.daysInMonth();
        if (total > 0.0)
            writeExportRow(code, numberText(total), getValidDateByComboIndex(1, lastDay, fromIndex, false),
                           getValidDateByComboIndex(1, lastDay, toIndex, true));
    }
}

double Orvexuniversal::getItemSummary(QSqlQuery query, int itemIndex, int uid, int valueKind)
{
    double total = 0.0;
    for (const auto& day : bonusDayResults(query, itemIndex, uid, valueKind, false))
        total += day.second;
    return total;
}

QMap<int, double> Orvexuniversal::getItemDaily(QSqlQuery query, int itemIndex, int uid, int valueKind)
{
    QMap<int, double> days;
    for (const auto& day : bonusDayResults(query, itemIndex, uid, valueKind, true))
        days.insert(day.first, day.second);
    return days;
}

QVector<QPair<int, double>> Orvexuniversal::bonusDayResults(QSqlQuery& query, int itemIndex, int uid,
                                                            int valueKind, bool daily)
{
    const char* const operation = daily ? "getItemDaily" : "getItemSummary";
    QVector<QPair<int, double>> results;
    const BonusItemSource source = bonusItemSource(itemIndex, advancedOvertime, daily);
    if (!source.valid) {
        qWarning("Orvexuniversal::%s() ::: unknown bonus item %d (uid: %d), nothing exported", operation, itemIndex,
                 uid);
        return results;
    }
    const double refFund = getRefFundForUid(unsigned(uid));

    // On the staging connection the item's statement is prepared once per
    // export. `query` (on another connection) is a copy of someone's query:
    // prepare() gives it a result of its own before anything is bound.
    bool done = false;
    if (query.driver() == stagingDb.driver()) {
        done = execStagingStatement(query, bonusItemStatement(source), {uid});
    } else {
        const bool prepared = query.prepare(bonusItemStatement(source));
        query.setForwardOnly(true);
        query.addBindValue(uid);
        done = prepared && query.exec();
    }
    if (!done) {
        qWarning() << QStringLiteral("Orvexuniversal::%1() ::: SQLite ERROR: (SELECT %2 FROM latten ) :: ")
                          .arg(QLatin1String(operation), source.column)
                   << query.lastError().text();
        return results;
    }
    const int domAt = source.valueColumns;
    while (query.next()) {
        const int dom = query.value(domAt).toInt();
        const double fond = query.value(domAt + 1).toDouble();
        const double expFund = query.value(domAt + 2).toDouble();
        const double dayFund = daily ? bonusDailyFund(itemIndex, fond, expFund, refFund)
                                     : bonusMonthlyFund(fond, expFund, refFund);
        if (dayFund == 0.0)
            qWarning("Orvexuniversal::%s() ::: ERROR - neexistuje fond ani referenčný fond (uid: %d)", operation, uid);
        if (itemIndex == BonusPaidHolidays && listDaysOfPN.contains(dom))
            continue; // a holiday spent on sick leave is paid as sick leave
        const double dayValue = bonusDayValue(itemIndex, query.value(0).toDouble(),
                                              source.valueColumns > 1 ? query.value(1).toDouble() : 0.0, dayFund);
        const BonusDayResult result = bonusDayResult(itemIndex, dayValue, dayFund, valueKind);
        if (result.noFund)
            reportSkippedValue(operation, unsigned(uid), dayText(dom, dom),
                               bonusItemNames("Orvexuniversal").value(itemIndex));
        else if (result.value > 0.0)
            results.append(qMakePair(dom, result.value));
    }
    query.finish();
    return results;
}
