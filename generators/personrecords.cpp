// What the record generators share: the person, the row, the two dates of a
// row, working days, the sick-leave days of the person and the checks whether
// an interruption continues across the month boundary.

#include "recordgenerators.h"

#include "bonusitemlist.h"
#include "datechoice.h"
#include "exportrowsink.h"
#include "rowsettings.h"
#include "runcontext.h"
#include "sqlerrortext.h"
#include "stagingdatabase.h"
#include "stagingsql.h"
#include "workingdays.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSqlError>

#include <algorithm>
#include <iterator>

namespace {

// Without a choice in the options, sick leave and family care are the host's
// usual ids.
const unsigned usualSickLeave = 15;
const unsigned usualFamilyCare = 14;

} // namespace

RowChoices RowChoices::of(const QHash<QString, QVariant>& settings)
{
    RowChoices choices;
    choices.type = settingChoice(settings, "0");
    choices.kind = settingChoice(settings, "1");
    choices.dateFrom = settingChoice(settings, "2");
    choices.dateTo = settingChoice(settings, "3");
    return choices;
}

RecordGenerators::RecordGenerators(RunContext& run, StagingDatabase& staging, ExportRowSink& sink)
    : run(run)
    , staging(staging)
    , sink(sink)
    , itemNames(bonusItemNames("Orvexuniversal"))
    , itemSourceNames(bonusItemSourceNames())
    , dateTexts(run.periodDate, run.options.dateFormat)
{
}

RowChoices RecordGenerators::interruptionChoices(unsigned iid)
{
    auto known = choicesOfInterruption.constFind(iid);
    if (known == choicesOfInterruption.constEnd())
        // Work's row settings are stored under the host's name of interruption 1.
        known = choicesOfInterruption.insert(iid, RowChoices::of(run.options.rowSettings(run.iid2NameMap.value(iid))));
    return known.value();
}

RowChoices RecordGenerators::itemChoices(int itemIndex)
{
    auto known = choicesOfItem.constFind(itemIndex);
    if (known == choicesOfItem.constEnd())
        known = choicesOfItem.insert(
            itemIndex, RowChoices::of(run.options.rowSettings(itemNames.value(itemIndex), itemSourceNames.value(itemIndex))));
    return known.value();
}

void RecordGenerators::startPerson(unsigned personUid)
{
    uid = personUid;
    pid = staging.pidOf(uid);
    personalNumber = run.pamPidByUid.value(uid);
    bonusDaysRead = false;
    readSickLeaveDays();
}

bool RecordGenerators::readStaging(QSqlQuery& query, const QString& sql, const QVariantList& values,
                                   const char* operation, const QString& shownStatement)
{
    if (staging.exec(query, sql, values))
        return true;
    logSqlFailure(sqliteErrorText(operation, shownStatement), query.lastError().text());
    return false;
}

bool RecordGenerators::readEnded(const QSqlQuery& query, const char* operation, const QString& shownStatement)
{
    return walkCompleted(query, sqliteErrorText(operation, shownStatement));
}

void RecordGenerators::writeRow(const QString& code, const QString& value, const QString& dateFrom,
                                const QString& dateTo)
{
    ExportRow row;
    row.year = run.yearText;
    row.month = run.monthText;
    row.personalNumber = personalNumber;
    row.code = code;
    row.value = value;
    row.dateFrom = dateFrom;
    row.dateTo = dateTo;
    row.pid = pid;
    sink.write(row);
}

QString RecordGenerators::dateText(unsigned begin, unsigned end, int choice, bool isEnd) const
{
    return dateTexts.text(begin, end, choice, isEnd);
}

int RecordGenerators::workingDays(int fromDay, int toDay) const
{
    return workingDaysInInterval(run.periodDate, fromDay, toDay, run.holidaysMap);
}

void RecordGenerators::readSickLeaveDays()
{
    listDaysOfPN.clear();
    // The usual ids hold for the rest of the export once taken.
    SpecialInterruptions& special = run.special;
    if (special.sickLeave == 0)
        special.sickLeave = usualSickLeave;
    if (special.familyCare == 0)
        special.familyCare = usualFamilyCare;

    // A person without a record of these types has no such day.
    const unsigned types[] = {special.sickLeave, special.familyCare, special.sickLeaveOfKeeper,
                              special.familyCareOfKeeper};
    if (!run.testMode
        && std::none_of(std::begin(types), std::end(types),
                        [this](unsigned iid) { return staging.hasInterruptionRecords(uid, iid); }))
        return;
    QSqlQuery query;
    if (!staging.exec(query,
                      QStringLiteral("SELECT dom FROM latten_data WHERE uid=? AND (iid=? OR iid=? OR iid=? OR iid=?) "
                                     "AND duration > 0"),
                      {uid, special.sickLeave, special.familyCare, special.sickLeaveOfKeeper,
                       special.familyCareOfKeeper})) {
        logSqlFailure(QStringLiteral("Orvexuniversal::getListDaysOfPN() ::: SQLite ERROR: "), query.lastError().text());
        return;
    }
    while (query.next()) {
        const int day = query.value(0).toInt();
        if (!listDaysOfPN.contains(day))
            listDaysOfPN.append(day);
    }
    walkCompleted(query, QStringLiteral("Orvexuniversal::getListDaysOfPN() ::: SQLite ERROR: "));
    query.finish();
}

bool RecordGenerators::continuesFromPreviousMonth(unsigned iid)
{
    const QDate previous = run.periodDate.addMonths(-1);
    return hasSpanAround(QStringLiteral("SELECT * FROM lintersSpansAround WHERE uid=? AND month = ? AND iid = ? AND "
                                        "endDay = ? "),
                         {uid, previous.month(), iid, previous.daysInMonth()}, "isPNcontFromPrevMonth",
                         QStringLiteral("endDay = %4"));
}

bool RecordGenerators::continuesToNextMonth(unsigned iid)
{
    const QDate next = run.periodDate.addMonths(1);
    return hasSpanAround(QStringLiteral("SELECT * FROM lintersSpansAround WHERE uid=? AND month = ? AND iid = ? AND "
                                        "begDay = 1 "),
                         {uid, next.month(), iid}, "isPNcontToNextMonth", QStringLiteral("begDay = 1"));
}

bool RecordGenerators::hasSpanAround(const QString& sql, const QVariantList& values, const char* operation,
                                     const QString& dayCondition)
{
    QSqlQuery query;
    if (!readStaging(query, sql, values, operation,
                     QStringLiteral("SELECT * FROM lintersSpansAround WHERE uid=%1 AND month = %2 AND iid = %3 AND ")
                         + dayCondition))
        return false;
    const bool found = query.next();
    query.finish();
    return found;
}

void RecordGenerators::clearContinuedDates(unsigned iid, int firstDay, int lastDay, QString& dateFrom,
                                           QString& dateTo)
{
    if (firstDay == 1 && run.options.noSickLeaveStartDate && continuesFromPreviousMonth(iid))
        dateFrom.clear();
    if (lastDay == run.periodDate.daysInMonth() && run.options.noSickLeaveEndDate && continuesToNextMonth(iid))
        dateTo.clear();
}

void RecordGenerators::reportSkippedValue(const char* operation, const QString& days, const QString& what)
{
    qWarning("Orvexuniversal::%s() ::: value in days skipped, no day fund (personal number: %s, uid: %u, day: %s, "
             "value: %s)",
             operation, qUtf8Printable(personalNumber), uid, qUtf8Printable(days), qUtf8Printable(what));
    run.warnings << QCoreApplication::translate("Orvexuniversal",
                                                "Osobné číslo %1: hodnota v dňoch (%2) za %3 nebola exportovaná, "
                                                "deň nemá fond pracovného času.")
                        .arg(personalNumber, what, days);
}

QString RecordGenerators::dayText(int firstDay, int lastDay) const
{
    const auto text = [this](int day) {
        const QDate date = day >= 1 ? QDate(run.periodDate.year(), run.periodDate.month(), day) : QDate();
        return date.isValid() ? date.toString(QStringLiteral("d.M.yyyy")) : QString::number(day);
    };
    return firstDay == lastDay ? text(firstDay) : text(firstDay) + QStringLiteral(" - ") + text(lastDay);
}
