#ifndef ORVEX_EXPORT_MONTHCOMPARISON_H
#define ORVEX_EXPORT_MONTHCOMPARISON_H

#include "hostroster.h"
#include "payrolllines.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// This month's payroll file against an earlier one, person by person: who
// was paid before and has no line now (and why, when the host knows), who is
// new, which amounts jumped, which codes came or went, and lines dated
// outside a person's employment.

// Why a person of the earlier file has no line now.
enum class MissingReason {
    Unknown,         // the host knows no reason: a warning
    GoneFromHost,    // no such personal number in the host, or a record kept for history
    NotSelected,     // not among the people the export was asked for
    EmploymentEnded, // employment ended before the month, or in it with no records since
    LongTermLeave,   // on long-term leave over the whole month
    MonthNotClosed,  // left out: the month is not closed
    NoValues,        // no worked time and no interruption this month
    NotInRun         // a replay: not among the people of the prepared run
};

QString missingReasonKey(MissingReason reason);  // for JSON: "unknown", "notInHost" ...
QString missingReasonText(MissingReason reason); // for the clerk, translated

struct Amounts
{
    int rows = 0;
    double amount = 0;
};

struct ComparedPerson
{
    QString personalNumber;
    QString name; // empty when the host does not know the number
};

struct MissingPerson : ComparedPerson
{
    MissingReason reason = MissingReason::Unknown;
    Amounts before;
};

struct NewPerson : ComparedPerson
{
    QDate begin; // start of employment when it falls in the month
    Amounts now;
};

struct AmountChange : ComparedPerson
{
    QString code;
    Amounts before, now;
    double change() const { return now.amount - before.amount; }
    bool hasPercent() const { return before.amount != 0; }
    double percent() const { return change() * 100 / before.amount; }
};

struct CodeComparison
{
    QString code;
    Amounts before, now;
};

struct LineOutsideEmployment : ComparedPerson
{
    int lineNumber = 0;
    QString code, dateFrom, dateTo;
    QDate begin, end; // the employment
    bool afterEnd = false;
};

struct ComparisonSettings
{
    double variancePercent = 50; // an amount must change by more than this share of the earlier one
    double minimumChange = 8;    // and by at least this much, so that 1 -> 2 days is not flagged
    QString dateFormat = QStringLiteral("dd.MM.yyyy"); // of the dates in the file
    int year = 0, month = 0;     // the month of the current file
};

struct MonthComparison
{
    bool compared = false;     // an earlier file was read and compared
    QString note;              // why there is no comparison
    QString previousFile;      // path
    QString previousMonth;     // "YYYY-MM" of its lines
    QString previousSeparator;
    int previousLines = 0;
    int previousUnreadable = 0;
    int peopleBefore = 0, peopleNow = 0;
    double variancePercent = 50, minimumChange = 8;
    QVector<MissingPerson> missing;  // unknown reasons first, then by personal number
    QVector<NewPerson> newPeople;
    QVector<AmountChange> changes;   // largest change first
    QStringList codesAppeared, codesVanished;
    QVector<CodeComparison> codes;   // every code of either month, in code order
    QVector<LineOutsideEmployment> outsideEmployment;
    // Per personal number and code, this month and the earlier one (for the control sheet).
    QMap<QString, QMap<QString, Amounts>> before, now;

    int unexplainedMissing() const;
    // What the clerk must read: each person missing without a known reason,
    // each line dated outside employment.
    QStringList warnings() const;
};

// Compares the lines of `current` with those of `previous`; `roster` gives
// names, employment and the reasons.
MonthComparison compareMonths(const PayrollLines& previous, const PayrollLines& current, const Roster& roster,
                              const ComparisonSettings& settings);

// Only the lines of `current` dated outside employment (no earlier file).
QVector<LineOutsideEmployment> linesOutsideEmployment(const PayrollLines& current, const Roster& roster,
                                                      const ComparisonSettings& settings);

// The file of the same settings record for the month before `year`-`month` in `folder`:
// ds<MM><YYYY>_ID-<id>.txt of that month.
QString previousMonthFile(const QString& folder, int year, int month, int settingsId);

#endif // ORVEX_EXPORT_MONTHCOMPARISON_H
