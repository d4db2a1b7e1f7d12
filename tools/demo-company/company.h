#ifndef DEMO_COMPANY_H
#define DEMO_COMPANY_H

#include "sqlwriter.h"

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QVariant>
#include <QVector>

// A demo company of the attendance host for March 2024, a month with a public
// holiday (Good Friday, 29 March), Easter Monday on 1 April and the change to
// summer time on 31 March, and for February 2024, the closed month before it.
// The host stamps every day record with the local midnight of its day; times are computed in the local time zone, which must
// keep Central European time (the demo runs under TZ=Europe/Bratislava).
class DemoCompany
{
public:
    DemoCompany();
    void write(SqlWriter& sql) const;

    // The month the company's attendance is closed for.
    static QDate month() { return QDate(2024, 3, 1); }
    // True when the local time zone changes to summer time on 31 March 2024.
    static bool localZoneIsCentralEuropean();

private:
    enum class Schedule { Office, PartTime, Shifts };
    enum class Closure { Closed, PartlyChecked, NoRecord };

    struct Person
    {
        unsigned uid = 0;
        int pid = 0;
        QVariant pamId;
        QString surname, name;
        QVariant title;
        int gid = 0, bid = 0, did = 0;
        int tom = 0;
        int status = 1;
        Schedule schedule = Schedule::Office;
        int crew = 0;
        QDate begin, end, rsBegin;
        Closure closure = Closure::Closed;
    };

    struct Day
    {
        int hid = 0, fond = 0, work = 0, expFund = 0, lunch = 0, diff = 0, saldoP = 0, night = 0;
        int bonus = 0, readBegin = 0, readEnd = 0, freeDay = 0, shift = 0;
        double vouchers = 0;
        QString note;
    };

    struct Interruption
    {
        unsigned uid = 0, iid = 0;
        QDateTime from;
        int duration = 0;
    };

    void addPeople();
    void planDays(const Person& person);
    Day baseDay(const Person& person, const QDate& date) const;
    void addEvents();

    // Whole days of an interruption: every calendar day (sick leave, care,
    // maternity) or only the days the person is planned to work.
    void absence(unsigned uid, unsigned iid, const QDate& from, const QDate& to, bool calendarDays);
    void partialAbsence(unsigned uid, unsigned iid, const QDate& date, int seconds, int startHour);
    void overtime(unsigned uid, const QDate& date, int seconds, int nightSeconds = 0);
    void onCall(unsigned uid, const QDate& date, int beginSecond, int endSecond);

    int holidayId(const QDate& date) const { return holidays.value(date, 0); }

    QVector<Person> people;
    QMap<QDate, int> holidays;
    QMap<unsigned, QMap<QDate, Day>> days;
    QVector<Interruption> interruptions;
};

#endif // DEMO_COMPANY_H
