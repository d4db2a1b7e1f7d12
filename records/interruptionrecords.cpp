// Interruption records: per day, per span, per month. The sick-leave and
// family-care interruptions (the PN set) may leave out weekends and holidays
// and leave the dates of a leave that continues across the month boundary
// empty.

#include "orvexuniversal.h"

#include "codepair.h"
#include "dayfund.h"
#include "rowsettings.h"
#include "valuekinds.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlRecord>

namespace {

// Positions of the columns of a latten_data row that the daily and monthly
// generators read.
struct InterruptionColumns {
    explicit InterruptionColumns(const QSqlRecord& record)
        : duration(record.indexOf(QStringLiteral("duration")))
        , fund(record.indexOf(QStringLiteral("fund")))
        , dom(record.indexOf(QStringLiteral("dom")))
        , kod(record.indexOf(QStringLiteral("kod")))
    {
    }
    int duration;
    int fund;
    int dom;
    int kod;
};

} // namespace

void Orvexuniversal::exportIntersDaily(const QHash<QString, QVariant>&, unsigned uid, unsigned iid,
                                       QHash<QString, QVariant> settings)
{
    const int kind = settingChoice(settings, "1");
    const int fromIndex = settingChoice(settings, "2");
    const int toIndex = settingChoice(settings, "3");
    const bool pnRules = isInPNset(iid);
    const double refFund = getRefFundForUid(uid);

    QSqlQuery query(stagingDb);
    if (!execStagingStatement(query,
                              QStringLiteral("SELECT * FROM latten_data WHERE uid=? AND iid= ?"), {uid, iid})) {
        qWarning() << "Orvexuniversal::exportIntersDaily() ::: SQLite ERROR: (SELECT * FROM latten_data) :: "
                   << query.lastError().text();
        return;
    }
    const InterruptionColumns columns(query.record());

    while (query.next()) {
        const double duration = query.value(columns.duration).toDouble();
        const int dom = query.value(columns.dom).toInt();
        const CodePair code(query.value(columns.kod).toString());
        const double dayFund = interruptionDayFund(query.value(columns.fund).toDouble(), refFund);
        RecordValue value = dailyRecordValue(duration, dayFund, kind);
        QString dateFrom = getValidDateByComboIndex(dom, dom, fromIndex, false);
        QString dateTo = getValidDateByComboIndex(dom, dom, toIndex, true);
        if (pnRules) {
            if (optionFlag("isNoPNWeekendsAndHolidays") && getNumOfWorkDaysForInterval(dom, dom) == 0)
                value = RecordValue();
            clearContinuedDates(iid, uid, dom, dom, dateFrom, dateTo);
        }
        if (value.noFund) {
            reportSkippedValue("exportIntersDaily", uid, dayText(dom, dom),
                               QStringLiteral("kód ") + code.daysCode());
            continue;
        }
        if (isPositiveValue(value.text))
            writeExportRow(code.codeFor(value.inHours), valueColumnText(value, kind), dateFrom, dateTo);
    }
}

void Orvexuniversal::exportIntersBySpans(const QHash<QString, QVariant>&, unsigned uid, unsigned iid,
                                         QHash<QString, QVariant> settings)
{
    const int kind = settingChoice(settings, "1");
    const int fromIndex = settingChoice(settings, "2");
    const int toIndex = settingChoice(settings, "3");
    const bool pnRules = isInPNset(iid);

    QSqlQuery query(stagingDb);
    if (!execStagingStatement(query,
                              QStringLiteral("SELECT * FROM lintersSpans WHERE uid=? AND iid=? ORDER BY begDay"),
                              {uid, iid})) {
        qWarning() << "Orvexuniversal::exportIntersBySpans() ::: SQLite ERROR: (SELECT * FROM lintersSpans ) :: "
                   << query.lastError().text();
        return;
    }
    const QSqlRecord columns = query.record();
    const int kodAt = columns.indexOf(QStringLiteral("kod"));
    const int sumAt = columns.indexOf(QStringLiteral("sum"));
    const int sumDaysAt = columns.indexOf(QStringLiteral("sumDays"));
    const int begDayAt = columns.indexOf(QStringLiteral("begDay"));
    const int endDayAt = columns.indexOf(QStringLiteral("endDay"));

    while (query.next()) {
        const CodePair code(query.value(kodAt).toString());
        const double hours = query.value(sumAt).toDouble();
        const double days = query.value(sumDaysAt).toDouble();
        const int begDay = query.value(begDayAt).toInt();
        const int endDay = query.value(endDayAt).toInt();
        RecordValue value = spanRecordValue(hours, days, kind);
        QString dateFrom = getValidDateByComboIndex(begDay, endDay, fromIndex, false);
        QString dateTo = getValidDateByComboIndex(begDay, endDay, toIndex, true);
        if (pnRules) {
            if (optionFlag("isNoPNWeekendsAndHolidays"))
                spanWorkingDaysValue(value, hours, days, getNumOfWorkDaysForInterval(begDay, endDay), kind);
            clearContinuedDates(iid, uid, begDay, endDay, dateFrom, dateTo);
        }
        if (value.noFund) {
            reportSkippedValue("exportIntersBySpans", uid, dayText(begDay, endDay),
                               QStringLiteral("kód ") + code.codeFor(value.inHours));
            continue;
        }
        if (isPositiveValue(value.text))
            writeExportRow(code.codeFor(value.inHours), valueColumnText(value, kind), dateFrom, dateTo);
    }
}

void Orvexuniversal::exportIntersSummary(const QHash<QString, QVariant>& parameters, unsigned uid, unsigned iid,
                                         QHash<QString, QVariant> settings)
{
    const int kind = settingChoice(settings, "1");
    const int fromIndex = settingChoice(settings, "2");
    const int toIndex = settingChoice(settings, "3");
    CodePair code(codeTextOf(parameters, "inters", QString::number(iid)));
    const double refFund = getRefFundForUid(uid);

    QSqlQuery query(stagingDb);
    if (!execStagingStatement(query,
                              QStringLiteral("SELECT * FROM latten_data WHERE uid=? AND iid=?"), {uid, iid})) {
        qWarning() << "Orvexuniversal::exportIntersSummary() ::: SQLite ERROR: (SELECT * FROM latten_data) :: "
                   << query.lastError().text();
        return;
    }
    const InterruptionColumns columns(query.record());

    double daysTotal = 0.0;
    double secondsTotal = 0.0;
    int firstDay = 0;
    int lastDay = 0;
    bool anyRecord = false;
    while (query.next()) {
        const double duration = query.value(columns.duration).toDouble();
        const int dom = query.value(columns.dom).toInt();
        code = CodePair(query.value(columns.kod).toString());
        const double dayFund = interruptionDayFund(query.value(columns.fund).toDouble(), refFund);
        // Days without fund (a weekend of a sick leave) add no days.
        if (dayFund > 0.0 && duration > 0.0)
            daysTotal += duration / dayFund;
        secondsTotal += duration;
        if (!anyRecord)
            firstDay = dom;
        lastDay = dom;
        anyRecord = true;
    }

    RecordValue value = summaryRecordValue(secondsTotal, daysTotal, kind);
    QString dateFrom = getValidDateByComboIndex(firstDay, lastDay, fromIndex, false);
    QString dateTo = getValidDateByComboIndex(firstDay, lastDay, toIndex, true);
    if (isInPNset(iid) && isPositiveValue(value.text)) {
        if (optionFlag("isNoPNWeekendsAndHolidays"))
            summaryWorkingDaysValue(value, secondsTotal, daysTotal, getNumOfWorkDaysForInterval(firstDay, lastDay),
                                    kind);
        clearContinuedDates(iid, uid, firstDay, lastDay, dateFrom, dateTo);
    }
    if (value.noFund) {
        reportSkippedValue("exportIntersSummary", uid, dayText(firstDay, lastDay),
                           QStringLiteral("kód ") + code.codeFor(value.inHours));
        return;
    }
    if (isPositiveValue(value.text))
        writeExportRow(code.codeFor(value.inHours), valueColumnText(value, kind), dateFrom, dateTo);
}
