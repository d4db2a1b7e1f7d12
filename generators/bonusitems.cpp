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

#include <algorithm>

void RecordGenerators::exportBonusItem(int itemIndex)
{
    const RowChoices choices = itemChoices(itemIndex);
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

    const auto addDay = [&](int dom, double fond, double expFund, double first, double second) {
        const double dayFund = daily ? bonusDailyFund(itemIndex, fond, expFund, refFund)
                                     : bonusMonthlyFund(fond, expFund, refFund);
        if (dayFund == 0.0)
            qWarning("Orvexuniversal::%s() ::: ERROR - neexistuje fond ani referenčný fond (uid: %d)", operation,
                     int(uid));
        if (itemIndex == BonusPaidHolidays && listDaysOfPN.contains(dom))
            return; // a holiday spent on sick leave is paid as sick leave
        const BonusDayResult result =
            bonusDayResult(itemIndex, bonusDayValue(itemIndex, first, second, dayFund), dayFund, valueKind);
        if (result.noFund)
            reportSkippedValue(operation, dayText(dom, dom), itemNames.value(itemIndex));
        else if (result.value > 0.0)
            results.append(qMakePair(dom, result.value));
    };

    // The loaded staging database has typed day records: the person's days
    // are read once for all items. A prepared TEST file is read per item.
    if (!run.testMode) {
        if (!readBonusDays(operation, source.column))
            return results;
        double first = 0.0;
        double second = 0.0;
        for (const BonusDayRow& row : bonusDays)
            if (bonusRowColumns(itemIndex, run.advancedOvertime, daily, row, &first, &second))
                addDay(row.dom, row.fond, row.expFund, first, second);
        return results;
    }

    QSqlQuery query;
    if (!readStaging(query, bonusItemStatement(source), {int(uid)}, operation,
                     QStringLiteral("SELECT %1 FROM latten ").arg(source.column)))
        return results;
    const int domAt = source.valueColumns;
    while (query.next())
        addDay(query.value(domAt).toInt(), query.value(domAt + 1).toDouble(), query.value(domAt + 2).toDouble(),
               query.value(0).toDouble(), source.valueColumns > 1 ? query.value(1).toDouble() : 0.0);
    if (!readEnded(query, operation, QStringLiteral("SELECT %1 FROM latten ").arg(source.column)))
        return {};
    query.finish();
    return results;
}

// The person's day records in the order of the items' statements (by day,
// then as loaded), on the first item of the person: as loading kept them, or
// read from latten.
bool RecordGenerators::readBonusDays(const char* operation, const QString& column)
{
    if (bonusDaysRead)
        return true;
    bonusDays.clear();
    QVector<LoadedDay> days;
    if (staging.loadedDays().take(uid, &days)) {
        for (const LoadedDay& day : days) {
            BonusDayRow row;
            row.dom = day.dom;
            row.fond = day.fond;
            row.expFund = day.expFund;
            row.work = day.work;
            row.diff = day.diff;
            row.dow = day.dow;
            row.night = day.night;
            row.saldoP = day.saldoP;
            row.hid = day.hid;
            row.bonus = day.bonus;
            row.readBegin = day.readBegin;
            row.readEnd = day.readEnd;
            row.vouchers = day.vouchers;
            row.tom = day.tom;
            bonusDays.append(row);
        }
        // By day, then in the order written, as "ORDER BY dom, id" reads them.
        std::stable_sort(bonusDays.begin(), bonusDays.end(),
                         [](const BonusDayRow& left, const BonusDayRow& right) { return left.dom < right.dom; });
        bonusDaysRead = true;
        return true;
    }
    QSqlQuery query;
    if (!readStaging(query, QStringLiteral("SELECT %1 FROM latten WHERE uid=? ORDER BY dom, id").arg(bonusDayColumns()),
                     {int(uid)}, operation, QStringLiteral("SELECT %1 FROM latten ").arg(column)))
        return false;
    while (query.next()) {
        BonusDayRow row;
        row.dom = query.value(0).toInt();
        double* const values[] = {&row.fond, &row.expFund, &row.work, &row.diff, &row.dow,
                                  &row.night, &row.saldoP, &row.hid, &row.bonus, &row.readBegin,
                                  &row.readEnd, &row.vouchers, &row.tom};
        for (int column = 0; column < 13; ++column)
            *values[column] = query.value(column + 1).toDouble();
        bonusDays.append(row);
    }
    if (!readEnded(query, operation, QStringLiteral("SELECT %1 FROM latten ").arg(column))) {
        bonusDays.clear();
        return false;
    }
    query.finish();
    bonusDaysRead = true;
    return true;
}
