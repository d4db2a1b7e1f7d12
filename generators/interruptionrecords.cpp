// Interruption records: per day, per span, per month. The special
// interruptions (sick leave, family care) may leave out weekends and holidays
// and leave the dates of a leave that continues across the month boundary
// empty.

#include "recordgenerators.h"

#include "codepair.h"
#include "dayfund.h"
#include "rowsettings.h"
#include "runcontext.h"
#include "stagingcolumns.h"
#include "stagingdatabase.h"
#include "valuekinds.h"

namespace {

// Export types stored under key "0" of a row-settings map.
enum ExportType { PerDay = 0, PerSpan = 1, PerMonth = 2 };

const unsigned workIid = 1;

QString codeText(const CodePair& code)
{
    return QStringLiteral("kód ") + code.daysCode();
}

} // namespace

void RecordGenerators::exportInterruption(unsigned iid)
{
    const RowChoices choices = interruptionChoices(iid);
    const bool work = iid == workIid;
    // Without a record of the type the person has no row of it and nothing
    // to warn about: its statements are not run. A prepared TEST file is
    // read as it is.
    if (!work && !run.testMode && !staging.hasInterruptionRecords(uid, iid))
        return;
    switch (choices.type) {
    case PerDay:
        work ? workDaily(choices) : interruptionsDaily(iid, choices);
        break;
    case PerSpan:
        work ? workSpans(choices) : interruptionsBySpans(iid, choices);
        break;
    case PerMonth:
        work ? workSummary(choices) : interruptionsSummary(iid, choices);
        break;
    default:
        break; // an unknown export type exports nothing
    }
}

// The person's records of `iid` in latten_data.
bool RecordGenerators::readInterruptionRecords(QSqlQuery& query, const QString& sql, unsigned iid,
                                               const char* operation)
{
    return readStaging(query, sql, {uid, iid}, operation, QStringLiteral("SELECT * FROM latten_data"));
}

void RecordGenerators::interruptionsDaily(unsigned iid, const RowChoices& choices)
{
    const bool pnRules = run.special.contains(iid);
    const double refFund = staging.referenceFundOf(uid);

    QSqlQuery query;
    if (!readInterruptionRecords(query, QStringLiteral("SELECT * FROM latten_data WHERE uid=? AND iid= ?"), iid,
                                 "exportIntersDaily"))
        return;
    const InterruptionColumns columns(query.record());

    while (query.next()) {
        const double duration = query.value(columns.duration).toDouble();
        const int dom = query.value(columns.dom).toInt();
        const CodePair code(query.value(columns.kod).toString());
        const double dayFund = interruptionDayFund(query.value(columns.fund).toDouble(), refFund);
        RecordValue value = dailyRecordValue(duration, dayFund, choices.kind);
        QString dateFrom = dateText(dom, dom, choices.dateFrom, false);
        QString dateTo = dateText(dom, dom, choices.dateTo, true);
        if (pnRules) {
            if (run.options.noSickLeaveWeekendsAndHolidays && workingDays(dom, dom) == 0)
                value = RecordValue();
            clearContinuedDates(iid, dom, dom, dateFrom, dateTo);
        }
        if (value.noFund) {
            reportSkippedValue("exportIntersDaily", dayText(dom, dom), codeText(code));
            continue;
        }
        if (isPositiveValue(value.text))
            writeRow(code.codeFor(value.inHours), valueColumnText(value, choices.kind), dateFrom, dateTo);
    }
    readEnded(query, "exportIntersDaily", QStringLiteral("SELECT * FROM latten_data"));
}

void RecordGenerators::interruptionsBySpans(unsigned iid, const RowChoices& choices)
{
    const bool pnRules = run.special.contains(iid);

    QSqlQuery query;
    if (!readStaging(query, QStringLiteral("SELECT * FROM lintersSpans WHERE uid=? AND iid=? ORDER BY begDay"),
                     {uid, iid}, "exportIntersBySpans", QStringLiteral("SELECT * FROM lintersSpans ")))
        return;
    const SpanColumns columns(query.record());

    while (query.next()) {
        const SpanRow span = columns.read(query);
        const CodePair code(span.kod);
        RecordValue value = spanRecordValue(span.hours, span.days, choices.kind);
        QString dateFrom = dateText(span.begDay, span.endDay, choices.dateFrom, false);
        QString dateTo = dateText(span.begDay, span.endDay, choices.dateTo, true);
        if (pnRules) {
            if (run.options.noSickLeaveWeekendsAndHolidays)
                spanWorkingDaysValue(value, span.hours, span.days, workingDays(span.begDay, span.endDay), choices.kind);
            clearContinuedDates(iid, span.begDay, span.endDay, dateFrom, dateTo);
        }
        if (value.noFund) {
            reportSkippedValue("exportIntersBySpans", dayText(span.begDay, span.endDay),
                               QStringLiteral("kód ") + code.codeFor(value.inHours));
            continue;
        }
        if (isPositiveValue(value.text))
            writeRow(code.codeFor(value.inHours), valueColumnText(value, choices.kind), dateFrom, dateTo);
    }
    readEnded(query, "exportIntersBySpans", QStringLiteral("SELECT * FROM lintersSpans "));
}

void RecordGenerators::interruptionsSummary(unsigned iid, const RowChoices& choices)
{
    QSqlQuery query;
    if (!readInterruptionRecords(query, QStringLiteral("SELECT * FROM latten_data WHERE uid=? AND iid=?"), iid,
                                 "exportIntersSummary"))
        return;
    const InterruptionColumns columns(query.record());
    const double refFund = staging.referenceFundOf(uid);
    // The code of the last record; without records the interruption's own.
    CodePair code(run.interruptionCodes.value(QString::number(iid)).toString());

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
    if (!readEnded(query, "exportIntersSummary", QStringLiteral("SELECT * FROM latten_data")))
        return;

    RecordValue value = summaryRecordValue(secondsTotal, daysTotal, choices.kind);
    QString dateFrom = dateText(firstDay, lastDay, choices.dateFrom, false);
    QString dateTo = dateText(firstDay, lastDay, choices.dateTo, true);
    if (run.special.contains(iid) && isPositiveValue(value.text)) {
        if (run.options.noSickLeaveWeekendsAndHolidays)
            summaryWorkingDaysValue(value, secondsTotal, daysTotal, workingDays(firstDay, lastDay), choices.kind);
        clearContinuedDates(iid, firstDay, lastDay, dateFrom, dateTo);
    }
    if (value.noFund) {
        reportSkippedValue("exportIntersSummary", dayText(firstDay, lastDay),
                           QStringLiteral("kód ") + code.codeFor(value.inHours));
        return;
    }
    if (isPositiveValue(value.text))
        writeRow(code.codeFor(value.inHours), valueColumnText(value, choices.kind), dateFrom, dateTo);
}
