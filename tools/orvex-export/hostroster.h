#ifndef ORVEX_EXPORT_HOSTROSTER_H
#define ORVEX_EXPORT_HOSTROSTER_H

#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// What the host knows of a person for one month, by payroll personal number:
// enough to tell why someone paid last month has no line now, and to print
// the person's name and group on the control sheet.
struct RosterPerson
{
    QString uid;
    QString personalNumber;
    QString name;              // surname, name and titles
    QString group;
    int status = 1;            // 0: a record kept for history, not exported
    QDate begin, end;          // employment; invalid when the host has no date
    bool longTermLeave = false; // rsBegin..rsEnd covers the month
    bool closed = true;        // the month is closed in atten_month
    bool selected = true;      // among the people the run was asked for
    bool hasRecords = true;    // worked time or interruption records in the month
};

struct Roster
{
    bool known = false;          // false: nobody to ask (the comparison names no reasons)
    bool onlyRunPeople = false;  // a prepared file: it holds the people of its run only
    QHash<QString, RosterPerson> byNumber;

    const RosterPerson* person(const QString& personalNumber) const;
    void add(const RosterPerson& person); // a number shared: a person with status above 0 wins
};

// The host's people for the month `year`-`month` (the process's zone gives
// the dates): status, employment, closure, the selection and whether the
// month holds records of theirs.
bool readHostRoster(const QSqlDatabase& db, int year, int month, bool allPeople, const QStringList& selectedUids,
                    Roster& roster, QString& errorText);

// The people of a prepared staging file: all of them were in its run.
bool readStagingRoster(const QSqlDatabase& staging, Roster& roster, QString& errorText);

#endif // ORVEX_EXPORT_HOSTROSTER_H
