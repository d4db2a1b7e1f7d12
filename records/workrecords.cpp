// Work records: per day, per span, per month. Work is exported like an
// interruption with the id 1, its row settings stored under the host's name
// of interruption 1; the sick-leave rules never apply to it.

#include "orvexuniversal.h"

#include "codepair.h"
#include "dayfund.h"
#include "rowsettings.h"
#include "valuekinds.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlRecord>

QHash<QString, QVariant> Orvexuniversal::workRowSettings() const
{
    return variantHash(exportOptions.value(iid2NameMap.value(1)));
}

void Orvexuniversal::exportWorkDaily(const QHash<QString, QVariant>& parameters, unsigned uid)
{
    const QString codeText = codeTextOf(parameters, "inters", QStringLiteral("1"));
    if (codeText.isEmpty())
        return; // work without a code is not exported
    const CodePair code(codeText);
    const QHash<QString, QVariant> settings = workRowSettings();
    const int kind = settingChoice(settings, "1");
    const int fromIndex = settingChoice(settings, "2");
    const int toIndex = settingChoice(settings, "3");
    const double refFund = getRefFundForUid(uid);

    QSqlQuery query(stagingDb);
    if (!execStagingStatement(query,
                              QStringLiteral("SELECT work, dom, fond, expFund FROM latten WHERE uid=?"), {uid})) {
        qWarning() << "Orvexuniversal::exportWorkDaily() ::: SQLite ERROR: (SELECT work,dom FROM latten ) :: "
                   << query.lastError().text();
        return;
    }
    while (query.next()) {
        const double work = query.value(0).toDouble();
        const int dom = query.value(1).toInt();
        const double dayFund = workDailyFund(query.value(2).toDouble(), query.value(3).toDouble(), refFund);
        const RecordValue value = dailyRecordValue(work, dayFund, kind);
        if (value.noFund) {
            reportSkippedValue("exportWorkDaily", uid, dayText(dom, dom), QStringLiteral("kód ") + code.daysCode());
            continue;
        }
        if (isPositiveValue(value.text))
            writeExportRow(code.codeFor(value.inHours), valueColumnText(value, kind),
                           getValidDateByComboIndex(dom, dom, fromIndex, false),
                           getValidDateByComboIndex(dom, dom, toIndex, true));
    }
}

void Orvexuniversal::exportWorkSpans(const QHash<QString, QVariant>&, unsigned uid)
{
    const QHash<QString, QVariant> settings = workRowSettings();
    const int kind = settingChoice(settings, "1");
    const int fromIndex = settingChoice(settings, "2");
    const int toIndex = settingChoice(settings, "3");

    QSqlQuery query(stagingDb);
    if (!execStagingStatement(query,
                              QStringLiteral("SELECT * FROM lintersSpans WHERE uid=? AND iid=1 ORDER BY begDay"),
                              {uid})) {
        qWarning() << "Orvexuniversal::exportWorkSpans() ::: SQLite ERROR: (SELECT * FROM lintersSpans ) :: "
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
        // A span's own code, even an empty one.
        const CodePair code(query.value(kodAt).toString());
        const int begDay = query.value(begDayAt).toInt();
        const int endDay = query.value(endDayAt).toInt();
        const RecordValue value =
            spanRecordValue(query.value(sumAt).toDouble(), query.value(sumDaysAt).toDouble(), kind);
        if (isPositiveValue(value.text))
            writeExportRow(code.codeFor(value.inHours), valueColumnText(value, kind),
                           getValidDateByComboIndex(begDay, endDay, fromIndex, false),
                           getValidDateByComboIndex(begDay, endDay, toIndex, true));
    }
}

void Orvexuniversal::exportWorkSummary(const QHash<QString, QVariant>& parameters, unsigned uid)
{
    const QString codeText = codeTextOf(parameters, "inters", QStringLiteral("1"));
    if (codeText.isEmpty())
        return;
    const CodePair code(codeText);
    const QHash<QString, QVariant> settings = workRowSettings();
    const int kind = settingChoice(settings, "1");
    const int fromIndex = settingChoice(settings, "2");
    const int toIndex = settingChoice(settings, "3");

    QSqlQuery query(stagingDb);
    if (!execStagingStatement(query,
                              QStringLiteral("SELECT work, dom, fond, expFund FROM latten WHERE uid=?"), {uid})) {
        qWarning() << "Orvexuniversal::exportWorkSummary() ::: SQLite ERROR: (SELECT work,dom FROM latten ) :: "
                   << query.lastError().text();
        return;
    }
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

    const int lastDay = periodDate.daysInMonth();
    const RecordValue value = summaryRecordValue(secondsTotal, daysTotal, kind);
    if (isPositiveValue(value.text))
        writeExportRow(code.codeFor(value.inHours), valueColumnText(value, kind),
                       getValidDateByComboIndex(1, lastDay, fromIndex, false),
                       getValidDateByComboIndex(1, lastDay, toIndex, true));
}
