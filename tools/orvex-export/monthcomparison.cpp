#include "monthcomparison.h"

#include "controlsummary.h"
#include "exporttext.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

using PersonCodes = QMap<QString, QMap<QString, Amounts>>;

PersonCodes amountsByPerson(const PayrollLines& lines)
{
    PersonCodes people;
    for (const PayrollLine& line : lines.lines) {
        Amounts& amounts = people[line.personalNumber][line.code];
        ++amounts.rows;
        amounts.amount += line.amount;
    }
    return people;
}

Amounts personTotal(const QMap<QString, Amounts>& codes)
{
    Amounts total;
    for (const Amounts& amounts : codes) {
        total.rows += amounts.rows;
        total.amount += amounts.amount;
    }
    return total;
}

template <typename T>
T comparedPerson(const QString& number, const Roster& roster)
{
    T person;
    person.personalNumber = number;
    if (const RosterPerson* known = roster.person(number))
        person.name = known->name;
    return person;
}

// The reasons in the order the export applies them: a person the host does
// not have, or did not take, before the month's closure and records.
MissingReason missingReason(const QString& number, const Roster& roster, const QDate& firstDay)
{
    if (!roster.known)
        return MissingReason::Unknown;
    const RosterPerson* person = roster.person(number);
    if (!person)
        return roster.onlyRunPeople ? MissingReason::NotInRun : MissingReason::GoneFromHost;
    if (roster.onlyRunPeople)
        return person->hasRecords ? MissingReason::Unknown : MissingReason::NoValues;
    if (person->status <= 0)
        return MissingReason::GoneFromHost;
    if (!person->selected)
        return MissingReason::NotSelected;
    // Ended before the month, or early in it with nothing recorded since.
    if (person->end.isValid()
        && (person->end < firstDay || (person->end < firstDay.addMonths(1) && !person->hasRecords)))
        return MissingReason::EmploymentEnded;
    if (person->longTermLeave)
        return MissingReason::LongTermLeave;
    if (!person->closed)
        return MissingReason::MonthNotClosed;
    if (!person->hasRecords)
        return MissingReason::NoValues;
    return MissingReason::Unknown;
}

bool flagged(const Amounts& before, const Amounts& now, const ComparisonSettings& settings)
{
    const double change = std::fabs(now.amount - before.amount);
    if (change < settings.minimumChange)
        return false;
    return before.amount == 0 || change * 100 > settings.variancePercent * std::fabs(before.amount);
}

void comparePeople(const PersonCodes& before, const PersonCodes& now, const Roster& roster,
                   const ComparisonSettings& settings, MonthComparison& result)
{
    const QDate firstDay(settings.year, settings.month, 1);
    for (auto it = before.constBegin(); it != before.constEnd(); ++it) {
        if (now.contains(it.key()))
            continue;
        MissingPerson person = comparedPerson<MissingPerson>(it.key(), roster);
        person.reason = missingReason(it.key(), roster, firstDay);
        person.before = personTotal(it.value());
        result.missing << person;
    }
    std::stable_sort(result.missing.begin(), result.missing.end(), [](const MissingPerson& a, const MissingPerson& b) {
        return (a.reason == MissingReason::Unknown) > (b.reason == MissingReason::Unknown);
    });
    for (auto it = now.constBegin(); it != now.constEnd(); ++it) {
        if (before.contains(it.key()))
            continue;
        NewPerson person = comparedPerson<NewPerson>(it.key(), roster);
        const RosterPerson* known = roster.person(it.key());
        if (known && known->begin.isValid() && known->begin >= firstDay && known->begin < firstDay.addMonths(1))
            person.begin = known->begin;
        person.now = personTotal(it.value());
        result.newPeople << person;
    }
}

void compareAmounts(const PersonCodes& before, const PersonCodes& now, const Roster& roster,
                    const ComparisonSettings& settings, MonthComparison& result)
{
    for (auto person = now.constBegin(); person != now.constEnd(); ++person) {
        if (!before.contains(person.key()))
            continue;
        const QMap<QString, Amounts>& earlier = before[person.key()];
        QStringList codes = person.value().keys() + earlier.keys();
        codes.removeDuplicates();
        for (const QString& code : codes) {
            AmountChange change = comparedPerson<AmountChange>(person.key(), roster);
            change.code = code;
            change.before = earlier.value(code);
            change.now = person.value().value(code);
            if (flagged(change.before, change.now, settings))
                result.changes << change;
        }
    }
    std::stable_sort(result.changes.begin(), result.changes.end(), [](const AmountChange& a, const AmountChange& b) {
        return std::fabs(a.change()) > std::fabs(b.change());
    });
}

QMap<QString, Amounts> codeTotals(const PayrollLines& lines)
{
    QMap<QString, Amounts> codes;
    for (const PayrollLine& line : lines.lines) {
        ++codes[line.code].rows;
        codes[line.code].amount += line.amount;
    }
    return codes;
}

void compareCodes(const PayrollLines& previous, const PayrollLines& current, MonthComparison& result)
{
    const QMap<QString, Amounts> before = codeTotals(previous), now = codeTotals(current);
    QStringList codes = before.keys() + now.keys();
    codes.removeDuplicates();
    std::sort(codes.begin(), codes.end(), codeLess);
    for (const QString& code : codes) {
        CodeComparison comparison;
        comparison.code = code;
        comparison.before = before.value(code);
        comparison.now = now.value(code);
        result.codes << comparison;
        if (!before.contains(code))
            result.codesAppeared << code;
        else if (!now.contains(code))
            result.codesVanished << code;
    }
}

QDate lineDate(const QString& text, const QString& format)
{
    return text.isEmpty() ? QDate() : QDate::fromString(text, format);
}

} // namespace

QString missingReasonKey(MissingReason reason)
{
    switch (reason) {
    case MissingReason::Unknown: return QStringLiteral("unknown");
    case MissingReason::GoneFromHost: return QStringLiteral("notInHost");
    case MissingReason::NotSelected: return QStringLiteral("notSelected");
    case MissingReason::EmploymentEnded: return QStringLiteral("employmentEnded");
    case MissingReason::LongTermLeave: return QStringLiteral("longTermLeave");
    case MissingReason::MonthNotClosed: return QStringLiteral("monthNotClosed");
    case MissingReason::NoValues: return QStringLiteral("noValues");
    case MissingReason::NotInRun: return QStringLiteral("notInPreparedRun");
    }
    return QString();
}

QString missingReasonText(MissingReason reason)
{
    switch (reason) {
    case MissingReason::Unknown: return OrvexExport::tr("no reason known to the host");
    case MissingReason::GoneFromHost: return OrvexExport::tr("no longer in the host");
    case MissingReason::NotSelected: return OrvexExport::tr("not selected for this export");
    case MissingReason::EmploymentEnded: return OrvexExport::tr("employment ended");
    case MissingReason::LongTermLeave: return OrvexExport::tr("on long-term leave");
    case MissingReason::MonthNotClosed: return OrvexExport::tr("left out: the month is not closed");
    case MissingReason::NoValues: return OrvexExport::tr("no values this month");
    case MissingReason::NotInRun: return OrvexExport::tr("not among the people of the prepared run");
    }
    return QString();
}

int MonthComparison::unexplainedMissing() const
{
    return int(std::count_if(missing.begin(), missing.end(),
                             [](const MissingPerson& p) { return p.reason == MissingReason::Unknown; }));
}

QStringList MonthComparison::warnings() const
{
    QStringList texts;
    for (const MissingPerson& person : missing)
        if (person.reason == MissingReason::Unknown)
            texts << OrvexExport::tr("personal number %1%2 had %n lines in %3 and has none now, for no reason "
                                     "the host knows", nullptr, person.before.rows)
                         .arg(person.personalNumber,
                              person.name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(person.name),
                              QFileInfo(previousFile).fileName());
    for (const LineOutsideEmployment& line : outsideEmployment)
        texts << (line.afterEnd ? OrvexExport::tr("line %1 (personal number %2, code %3, %4 - %5) is dated after the "
                                                  "end of employment on %6")
                                : OrvexExport::tr("line %1 (personal number %2, code %3, %4 - %5) is dated before "
                                                  "the start of employment on %6"))
                     .arg(line.lineNumber)
                     .arg(line.personalNumber, line.code, line.dateFrom, line.dateTo,
                          (line.afterEnd ? line.end : line.begin).toString(QStringLiteral("dd.MM.yyyy")));
    return texts;
}

QVector<LineOutsideEmployment> linesOutsideEmployment(const PayrollLines& current, const Roster& roster,
                                                      const ComparisonSettings& settings)
{
    QVector<LineOutsideEmployment> found;
    const QDate firstDay(settings.year, settings.month, 1);
    const QDate lastDay = firstDay.addMonths(1).addDays(-1);
    for (const PayrollLine& line : current.lines) {
        const RosterPerson* person = roster.person(line.personalNumber);
        if (!person || (!person->begin.isValid() && !person->end.isValid()))
            continue;
        QDate from = lineDate(line.dateFrom, settings.dateFormat), to = lineDate(line.dateTo, settings.dateFormat);
        if (!from.isValid() && !to.isValid())
            continue;
        if (!from.isValid())
            from = to;
        if (!to.isValid())
            to = from;
        // A line of the whole month carries the month's dates, not a day's:
        // it is wrong only when the employment misses the month altogether.
        const bool wholeMonth = from == firstDay && to == lastDay;
        const bool afterEnd = person->end.isValid() && (wholeMonth ? from > person->end : to > person->end);
        const bool beforeBegin = person->begin.isValid() && (wholeMonth ? to < person->begin : from < person->begin);
        if (!afterEnd && !beforeBegin)
            continue;
        LineOutsideEmployment outside = comparedPerson<LineOutsideEmployment>(line.personalNumber, roster);
        outside.lineNumber = line.lineNumber;
        outside.code = line.code;
        outside.dateFrom = line.dateFrom;
        outside.dateTo = line.dateTo;
        outside.begin = person->begin;
        outside.end = person->end;
        outside.afterEnd = afterEnd;
        found << outside;
    }
    return found;
}

MonthComparison compareMonths(const PayrollLines& previous, const PayrollLines& current, const Roster& roster,
                              const ComparisonSettings& settings)
{
    MonthComparison result;
    result.compared = true;
    result.variancePercent = settings.variancePercent;
    result.minimumChange = settings.minimumChange;
    result.previousMonth = previous.monthText();
    result.previousSeparator = previous.separator;
    result.previousLines = previous.lines.size() + previous.unreadableLines;
    result.previousUnreadable = previous.unreadableLines;
    result.before = amountsByPerson(previous);
    result.now = amountsByPerson(current);
    result.peopleBefore = result.before.size();
    result.peopleNow = result.now.size();
    comparePeople(result.before, result.now, roster, settings, result);
    compareAmounts(result.before, result.now, roster, settings, result);
    compareCodes(previous, current, result);
    result.outsideEmployment = linesOutsideEmployment(current, roster, settings);
    return result;
}

QString previousMonthFile(const QString& folder, int year, int month, int settingsId)
{
    const QDate before = QDate(year, month, 1).addMonths(-1);
    return QDir(folder).filePath(QStringLiteral("ds%1%2_ID-%3.txt")
                                     .arg(before.month(), 2, 10, QLatin1Char('0'))
                                     .arg(before.year())
                                     .arg(settingsId));
}
