#ifndef RECORDGENERATORS_H
#define RECORDGENERATORS_H

// The record generators: for one person at a time they read the staging
// tables through the staging database's kept statements and write the rows
// of the chosen interruptions, work and bonus items into a row sink.
//
// Interruptions and work go per day, per span or per month (choice "0" of
// their row settings); bonus items per day or per month. The sick-leave and
// family-care interruptions (the run's special interruptions) may leave out
// weekends and holidays and leave the dates of a leave that continues across
// the month boundary empty. A staging read that fails is logged through the
// staging log; the pipeline fails the run then.

#include "bonusitemrules.h"
#include "datechoice.h"

#include <QHash>
#include <QPair>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class ExportRowSink;
class StagingDatabase;
struct RunContext;

// The four choices of a row setting: export type, value kind, date from,
// date to (see rowsettings.h).
struct RowChoices
{
    int type = 0;
    int kind = 0;
    int dateFrom = 0;
    int dateTo = 0;

    static RowChoices of(const QHash<QString, QVariant>& settings);
};

class RecordGenerators
{
public:
    RecordGenerators(RunContext& run, StagingDatabase& staging, ExportRowSink& sink);

    // The person whose rows follow.
    void startPerson(unsigned uid);
    // The rows of interruption `iid` (1 is work) by its row settings.
    void exportInterruption(unsigned iid);
    // The rows of bonus item `itemIndex` by its row settings.
    void exportBonusItem(int itemIndex);

    // The days of the person's sick leave and family care (any duration
    // above 0), as read by startPerson().
    const QVector<int>& sickLeaveDays() const { return listDaysOfPN; }

    // Whether the person's interruption `iid` runs on from the last day of
    // the previous month, or on into the first day of the next one (its
    // spans of the months around the period).
    bool continuesFromPreviousMonth(unsigned iid);
    bool continuesToNextMonth(unsigned iid);

private:
    // interruptionrecords.cpp
    void interruptionsDaily(unsigned iid, const RowChoices& choices);
    void interruptionsBySpans(unsigned iid, const RowChoices& choices);
    void interruptionsSummary(unsigned iid, const RowChoices& choices);
    // workrecords.cpp
    void workDaily(const RowChoices& choices);
    void workSpans(const RowChoices& choices);
    void workSummary(const RowChoices& choices);
    // bonusitems.cpp
    QVector<QPair<int, double>> bonusDayResults(int itemIndex, int valueKind, bool daily);
    bool readBonusDays(const char* operation, const QString& column);

    // personrecords.cpp: what the generators share
    RowChoices interruptionChoices(unsigned iid);
    RowChoices itemChoices(int itemIndex);
    void writeRow(const QString& code, const QString& value, const QString& dateFrom, const QString& dateTo);
    QString dateText(unsigned begin, unsigned end, int choice, bool isEnd) const;
    int workingDays(int fromDay, int toDay) const;
    void readSickLeaveDays();
    bool hasSpanAround(const QString& sql, const QVariantList& values, const char* operation,
                       const QString& dayCondition);
    void clearContinuedDates(unsigned iid, int firstDay, int lastDay, QString& dateFrom, QString& dateTo);
    void reportSkippedValue(const char* operation, const QString& days, const QString& what);
    QString dayText(int firstDay, int lastDay) const;
    bool readInterruptionRecords(QSqlQuery& query, const QString& sql, unsigned iid, const char* operation);
    bool readStaging(QSqlQuery& query, const QString& sql, const QVariantList& values, const char* operation,
                     const QString& shownStatement);
    // After a walk of a query of readStaging(): false, and logged (the export
    // fails), when the walk ended on an error instead of the last row.
    bool readEnded(const QSqlQuery& query, const char* operation, const QString& shownStatement);

    RunContext& run;
    StagingDatabase& staging;
    ExportRowSink& sink;
    unsigned uid = 0;
    int pid = 0;
    QString personalNumber;
    QVector<int> listDaysOfPN;
    QVector<BonusDayRow> bonusDays;
    bool bonusDaysRead = false;
    // The bonus item names as shown (row settings and messages) and in Slovak.
    QStringList itemNames;
    QStringList itemSourceNames;
    MonthDateTexts dateTexts;
    // The row settings do not change during a run: read once per type and item.
    QHash<unsigned, RowChoices> choicesOfInterruption;
    QHash<int, RowChoices> choicesOfItem;
};

#endif // RECORDGENERATORS_H
