// Bonus item records: Saturday, Sunday and night work, overtime, holidays,
// shift allowances, on-call duty, meal vouchers and the full fund, per day or
// per month, from the person's day records.

#include "recordgenerators.h"

#include "bonusitemrules.h"
#include "dayfund.h"
#include "numbertext.h"
#include "runcontext.h"
#include "stagingdatabase.h"

#include <QDebug>

void RecordGenerators::exportBonusItem(int itemIndex)
{
    const RowChoices choices =
        RowChoices::of(run.options.rowSettings(itemNames.value(itemIndex), itemSourceNames.value(itemIndex)));
    const QString code = bonusItemCode(run.itemCodes.value(itemIndex).toString(), choices.kind);
    const bool daily = choices.type == 0;
    if (!daily && choices.type != 1)
        return;
    const QVector<QPair<int, double>> days = bonusDayResults(itemIndex, choices.kind, daily);
    if (daily) {
        // One row per day, in the order of the days.
        QMap<int, double> byDay;
        for (const auto& day : days)
            byDay.insert(day.first, day.second);
        for (auto day = byDay.constBegin(); day != byDay.constEnd(); ++day)
            if (day.value() > 0.0)
                writeRow(code, numberText(day.value()), dateText(day.key(), day.key(), choices.dateFrom, false),
                         dateText(day.key(), day.key(), choices.dateTo, true));
        return;
    }
    double total = 0.0;
    for (const auto& day : days)
        total += day.second;
    const int lastDay = run.periodDate.daysInMonth();
    if (total > 0.0)
        writeRow(code, numberText(total), dateText(1, lastDay, choices.dateFrom, false),
                 dateText(1, lastDay, choices.dateTo, true));
}

QVector<QPair<int, double>> RecordGenerators::bonusDayResults(int itemIndex, int valueKind, bool daily)
{
    const char* const operation = daily ? "getItemDaily" : "getItemSummary";
    QVector<QPair<int, double>> results;
    const BonusItemSource source = bonusItemSource(itemIndex, run.advancedOvertime, daily);
    if (!source.valid) {
        qWarning("Orvexuniversal::%s() ::: unknown bonus item %d (uid: %d), nothing exported", operation, itemIndex,
                 int(uid));
        return results;
    }
    const double refFund = staging.referenceFundOf(uid);

    QSqlQuery query;
    if (!readStaging(query, bonusItemStatement(source), {int(uid)}, operation,
                     QStringLiteral("SELECT %1 FROM latten ").arg(source.column)))
        return results;
    const int domAt = source.valueColumns;
    while (query.next()) {
        const int dom = query.value(domAt).toInt();
        const double fond = query.value(domAt + 1).toDouble();
        const double expFund = query.value(domAt + 2).toDouble();
        const double dayFund = daily ? bonusDailyFund(itemIndex, fond, expFund, refFund)
                                     : bonusMonthlyFund(fond, expFund, refFund);
        if (dayFund == 0.0)
            qWarning("Orvexuniversal::%s() ::: ERROR - neexistuje fond ani referenčný fond (uid: %d)", operation,
                     int(uid));
        if (itemIndex == BonusPaidHolidays && listDaysOfPN.contains(dom))
            continue; // a holiday spent on sick leave is paid as sick leave
        const double dayValue = bonusDayValue(itemIndex, query.value(0).toDouble(),
                                              source.valueColumns > 1 ? query.value(1).toDouble() : 0.0, dayFund);
        const BonusDayResult result = bonusDayResult(itemIndex, dayValue, dayFund, valueKind);
        if (result.noFund)
            reportSkippedValue(operation, dayText(dom, dom), itemNames.value(itemIndex));
        else if (result.value > 0.0)
            results.append(qMakePair(dom, result.value));
    }
    query.finish();
    return results;
}
