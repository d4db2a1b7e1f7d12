// Work records: per day, per span, per month. Work is exported like an
// interruption with the id 1, its row settings stored under the host's name
// of interruption 1; the sick-leave rules never apply to it.

#include "recordgenerators.h"

#include "codepair.h"
#include "dayfund.h"
#include "runcontext.h"
#include "stagingcolumns.h"
#include "stagingdatabase.h"
#include "valuekinds.h"


namespace {

const char* const workDaysSql = "SELECT work, dom, fond, expFund FROM latten WHERE uid=?";

} // namespace

void RecordGenerators::workDaily(const RowChoices& choices)
{
    const QString codeText = run.interruptionCodes.value(QStringLiteral("1")).toString();
    if (codeText.isEmpty())
        return; // work without a code is not exported
    const CodePair code(codeText);
    const double refFund = staging.referenceFundOf(uid);

    QSqlQuery query;
    if (!readStaging(query, QLatin1String(workDaysSql), {uid}, "exportWorkDaily",
                     QStringLiteral("SELECT work,dom FROM latten ")))
        return;
    while (query.next()) {
        const double work = query.value(0).toDouble();
        const int dom = query.value(1).toInt();
        const double dayFund = workDailyFund(query.value(2).toDouble(), query.value(3).toDouble(), refFund);
        const RecordValue value = dailyRecordValue(work, dayFund, choices.kind);
        if (value.noFund) {
            reportSkippedValue("exportWorkDaily", dayText(dom, dom), QStringLiteral("kód ") + code.daysCode());
            continue;
        }
        if (isPositiveValue(value.text))
            writeRow(code.codeFor(value.inHours), valueColumnText(value, choices.kind),
                     dateText(dom, dom, choices.dateFrom, false), dateText(dom, dom, choices.dateTo, true));
    }
    readEnded(query, "exportWorkDaily", QStringLiteral("SELECT work,dom FROM latten "));
}

void RecordGenerators::workSpans(const RowChoices& choices)
{
    QSqlQuery query;
    if (!readStaging(query, QStringLiteral("SELECT * FROM lintersSpans WHERE uid=? AND iid=1 ORDER BY begDay"), {uid},
                     "exportWorkSpans", QStringLiteral("SELECT * FROM lintersSpans ")))
        return;
    const SpanColumns columns(query.record());

    while (query.next()) {
        const SpanRow span = columns.read(query);
        // A span's own code, even an empty one.
        const CodePair code(span.kod);
        const RecordValue value = spanRecordValue(span.hours, span.days, choices.kind);
        if (isPositiveValue(value.text))
            writeRow(code.codeFor(value.inHours), valueColumnText(value, choices.kind),
                     dateText(span.begDay, span.endDay, choices.dateFrom, false),
                     dateText(span.begDay, span.endDay, choices.dateTo, true));
    }
    readEnded(query, "exportWorkSpans", QStringLiteral("SELECT * FROM lintersSpans "));
}

void RecordGenerators::workSummary(const RowChoices& choices)
{
    const QString codeText = run.interruptionCodes.value(QStringLiteral("1")).toString();
    if (codeText.isEmpty())
        return;
    const CodePair code(codeText);

    QSqlQuery query;
    if (!readStaging(query, QLatin1String(workDaysSql), {uid}, "exportWorkSummary",
                     QStringLiteral("SELECT work,dom FROM latten ")))
        return;
    double daysTotal = 0.0;
    double secondsTotal = 0.0;
    while (query.next()) {
        double work = query.value(0).toDouble();
        const double dayFund = workSummaryFund(query.value(2).toDouble(), query.value(3).toDouble());
        // A day counts at most its fund, in days and in seconds alike.
        if (dayFund > 0.0 && work > dayFund)
            work = dayFund;
        // Work on a day without fund (a Saturday) adds seconds, no days.
        if (dayFund > 0.0 && work > 0.0)
            daysTotal += work / dayFund;
        secondsTotal += work;
    }
    if (!readEnded(query, "exportWorkSummary", QStringLiteral("SELECT work,dom FROM latten ")))
        return;

    const int lastDay = run.periodDate.daysInMonth();
    const RecordValue value = summaryRecordValue(secondsTotal, daysTotal, choices.kind);
    if (isPositiveValue(value.text))
        writeRow(code.codeFor(value.inHours), valueColumnText(value, choices.kind),
                 dateText(1, lastDay, choices.dateFrom, false), dateText(1, lastDay, choices.dateTo, true));
}
