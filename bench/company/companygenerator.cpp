#include "companygenerator.h"

#include "companycalendar.h"
#include "exportparameters.h"
#include "sqlscript.h"
#include "storedsettings.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QVector>

namespace {

// A small, fast generator (splitmix64) whose sequence is the same on every
// platform and standard library.
class Rng
{
public:
    Rng(quint64 seed, double eventScale) : state(seed), scale(eventScale) {}
    quint64 next()
    {
        quint64 z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi].
    int range(int lo, int hi) { return lo + int(next() % quint64(hi - lo + 1)); }
    // True with probability p.
    bool chance(double p) { return double(next() >> 11) * (1.0 / 9007199254740992.0) < p; }
    // A rare event: its chance is scaled by the profile's event scale.
    bool rare(double p) { return chance(qMin(0.5, p * scale)); }

private:
    quint64 state;
    double scale;
};

const int rowsPerStatement = 1000;
const int peoplePerTransaction = 250;

// Interruption ids of the catalogue.
enum : int {
    Work = 1, BusinessTrip = 2, Vacation = 3, TimeOff = 4, Doctor = 5, DoctorEscort = 6, Maternity = 7,
    Parental = 8, EmployerObstacle = 9, HolidayType = 10, Study = 11, Training = 12, Unpaid = 13,
    FamilyCare = 14, SickLeave = 15, QuarantineSick = 16, QuarantineCare = 17, Break = 1001
};

// The catalogue with the payroll code of each type and its row settings
// (export type, value kind, date from, date to); code nullptr: not in the
// stored settings at all.
struct InterruptionType
{
    int iid;
    const char* name;
    const char* code;
    int exportType, valueKind, dateFrom, dateTo;
};

const InterruptionType interruptionTypes[] = {
    {Work, "Práca", "1", 1, 2, 3, 3},
    {BusinessTrip, "Služobná cesta", "2", 0, 1, 1, 1},
    {Vacation, "Dovolenka", "3/30", 1, 3, 3, 3},
    {TimeOff, "Náhradné voľno", "", 0, 2, 1, 1},
    {Doctor, "Lekár", "5", 0, 2, 1, 1},
    {DoctorEscort, "Lekár - doprovod", "", 0, 2, 1, 1},
    {Maternity, "Materská dovolenka", "9", 2, 1, 2, 2},
    {Parental, "Rodičovská dovolenka", "96", 2, 0, 2, 2},
    {EmployerObstacle, "Prekážky na strane zamestnávateľa", "", 0, 2, 1, 1},
    {HolidayType, "Sviatok", "", 0, 2, 1, 1},
    {Study, "Študijné voľno", "111", 0, 4, 1, 1},
    {Training, "Školenie", "12", 0, 3, 1, 1},
    {Unpaid, "Neplatené voľno", "97", 1, 4, 3, 3},
    {FamilyCare, "OČR", "10", 0, 1, 1, 1},
    {SickLeave, "PN", "11", 1, 1, 3, 3},
    {QuarantineSick, "Karanténa PN", "16", 2, 1, 2, 2},
    {QuarantineCare, "Karanténa OČR", "17", 2, 4, 3, 3},
    {Break, "Prestávka", nullptr, 0, 0, 0, 0},
};

// The 13 bonus items in their fixed order, with code and row settings.
struct BonusItem
{
    const char* name;
    const char* code;
    int exportType, valueKind, dateFrom, dateTo;
};

const BonusItem bonusItems[] = {
    {"Záporné saldo (Absencia)", "15", 1, 2, 2, 2},
    {"Práca v sobotu", "84", 1, 2, 2, 2},
    {"Práca v nedeľu", "83", 0, 2, 1, 1},
    {"Práca v noci", "85", 1, 2, 2, 2},
    {"Nadčasové hodiny", "2", 0, 2, 1, 1},
    {"Platené sviatky - hodiny", "5", 1, 2, 1, 2},
    {"Odpracované sviatky - hodiny", "7", 0, 2, 1, 1},
    {"Príplatky za zmeny - hodiny", "20", 1, 2, 2, 2},
    {"Pohotovosť", "21", 0, 2, 1, 1},
    {"Stravné jednotky (lístky)", "192", 1, 0, 2, 2},
    {"Stravné jednotky (príspevok)", "193", 1, 0, 2, 2},
    {"Nadčas vo sviatky", "82", 1, 3, 2, 2},
    {"Plný fond", "-1", 1, 1, 2, 2},
};

struct Group
{
    int gid;
    const char* name;
    int refFund, refFundValue, refFundAllDay;
};

const Group groups[] = {
    {1, "Administratíva", 0, 0, 0},
    {2, "Výroba - nepretržitá prevádzka", 1, 28800, 1},
    {3, "Výroba - dvojzmenná", 1, 28800, 0},
    {4, "Obchod", 1, 27000, 1},
    {5, "Skrátené úväzky", 1, 14400, 1},
    {6, "Údržba", 0, 0, 0},
};

const char* const branches[] = {"Bratislava", "Žilina", "Košice"};
const char* const departments[] = {"Účtovníctvo", "Personálne", "Lisovňa", "Zváranie", "Montáž",
                                   "Sklad", "Expedícia", "Predaj"};
const char* const surnames[] = {
    "Kováč", "Horváth", "Varga", "Tóth", "Nagy", "Baláž", "Szabó", "Molnár", "Novák", "Lukáč",
    "Oravec", "Kučera", "Polák", "Hudák", "Marko", "Šimko", "Kráľ", "Bartoš", "Gregor", "Ďurica",
    "Krajčí", "Blaho", "Zeman", "Mikuláš", "Vlček", "Holub", "Urban", "Čierny", "Štefánik", "Hlinka"};
const char* const givenNames[] = {
    "Peter", "Ján", "Martin", "Michal", "Tomáš", "Jozef", "Lukáš", "Marek", "Juraj", "Andrej",
    "Mária", "Anna", "Zuzana", "Katarína", "Eva", "Jana", "Lucia", "Monika", "Veronika", "Ľubica"};
const char* const overtimeNotes[] = {"Inventúra", "Porucha linky", "Zástup za kolegu", "Uzávierka mesiaca",
                                     "Zástup za O'Briena"};

template <typename T, int N>
int count(const T (&)[N])
{
    return N;
}

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

// One row of a multi-row INSERT: "(v1,v2,...)".
class Row
{
public:
    Row& n(qint64 value) { return raw(QByteArray::number(value)); }
    Row& real(double value) { return raw(QByteArray::number(value, 'g', 6)); }
    Row& text(const QString& value)
    {
        QByteArray bytes = value.toUtf8();
        bytes.replace('\\', "\\\\");
        bytes.replace('\'', "''");
        return raw('\'' + bytes + '\'');
    }
    Row& textOrNull(const QString& value) { return value.isNull() ? raw("NULL") : text(value); }
    Row& idOrNull(int value) { return value ? n(value) : raw("NULL"); }
    Row& raw(const QByteArray& value)
    {
        bytes += bytes.isEmpty() ? '(' : ',';
        bytes += value;
        return *this;
    }
    QByteArray done() const { return bytes + ')'; }

private:
    QByteArray bytes;
};

enum class Schedule { Office, TwoShift, Continuous, PartTime };
enum class FundMode { Planned, ExpectedOnly, None };

struct Person
{
    unsigned uid = 0;
    int pid = 0;
    QString pamId;  // null: NULL
    QString surname, name, title, title2;
    int gid = 0, bid = 0, did = 0, tom = 0, status = 1;
    QDate begin, end, rsBegin;
    Schedule schedule = Schedule::Office;
    FundMode fundMode = FundMode::Planned;
    int fund = 28800;
    bool overtimer = false, onCall = false;
    enum { Closed, Unclosed, NoClosure } closure = Closed;
};

struct Day
{
    QDate date;
    int dow = 0, hid = 0, shift = 0;
    bool employed = true, scheduled = false, absent = false, partial = false;
    int fond = 0, expFund = 0, work = 0, diff = 0, saldoP = 0, night = 0, bonus = 0;
    int readBegin = 0, readEnd = 0, lunch = 0;
    double vouchers = 0;
    QString note;
};

struct Record
{
    int iid;
    unsigned from;
    int duration;
    int del;
};

// The days of one person over the three months and the interruption records
// placed on them.
class PersonMonths
{
public:
    PersonMonths(const Person& person, const QDate& first, const QHash<QDate, int>& holidays, Rng& rng)
        : person(person), first(first), rng(rng)
    {
        windowStart = first.addMonths(-1);
        const QDate windowEnd = first.addMonths(2).addDays(-1);
        for (QDate date = windowStart; date <= windowEnd; date = date.addDays(1)) {
            Day day;
            day.date = date;
            day.dow = date.dayOfWeek();
            day.hid = holidays.value(date, 0);
            day.employed = (!person.begin.isValid() || date >= person.begin)
                           && (!person.end.isValid() || date <= person.end);
            days.append(day);
        }
        plan();
        placeCalendarLeaves();
        placeWorkingDayAbsences();
        shapeWorkedDays();
        placeWeekendWork();
        placeOnCall();
        placeNoise();
    }

    QVector<Day> days;
    QVector<Record> records;

    int scheduledDaysOfMonth(int monthOffset) const
    {
        const QDate monthFirst = first.addMonths(monthOffset);
        int n = 0;
        for (const Day& day : days)
            if (day.employed && day.scheduled && day.date.month() == monthFirst.month())
                ++n;
        return n;
    }

private:
    const Person& person;
    QDate first, windowStart;
    Rng& rng;

    int indexOf(const QDate& date) const { return int(windowStart.daysTo(date)); }
    // Range of day indexes of a month of the window (offset -1, 0, 1).
    void monthRange(int offset, int& from, int& to) const
    {
        const QDate monthFirst = first.addMonths(offset);
        from = indexOf(monthFirst);
        to = indexOf(monthFirst.addMonths(1)) - 1;
    }

    void plan()
    {
        for (Day& day : days) {
            if (!day.employed)
                continue;
            bool works = false;
            switch (person.schedule) {
            case Schedule::Office:
            case Schedule::PartTime:
                works = day.dow <= 5 && day.hid == 0;
                day.shift = works ? 1 : 0;
                break;
            case Schedule::TwoShift:
                works = day.dow <= 5 && day.hid == 0;
                day.shift = works ? 1 + (day.date.weekNumber() + int(person.uid)) % 2 : 0;
                break;
            case Schedule::Continuous: {
                static const int cycle[8] = {1, 1, 2, 2, 3, 3, 0, 0};
                day.shift = cycle[(int(windowStart.daysTo(day.date)) + int(person.uid)) % 8];
                works = day.shift > 0;
                break;
            }
            }
            day.scheduled = works;
            if (works) {
                day.fond = person.fund;
                day.expFund = person.fund;
                day.work = person.fund;
            } else if (day.hid > 0 && day.dow <= 5) {
                day.expFund = person.fund;  // a paid holiday: no plan, the expected fund stays
            }
            if (person.fundMode != FundMode::Planned)
                day.fond = 0;
            if (person.fundMode == FundMode::None)
                day.expFund = 0;
        }
    }

    bool fullAbsence(int index, int iid, int startSeconds)
    {
        if (index < 0 || index >= days.size())
            return false;
        Day& day = days[index];
        if (!day.employed || day.absent || day.partial)
            return false;
        records.append({iid, localTimeOf(day.date, startSeconds), person.fund, 0});
        day.absent = true;
        day.work = 0;
        return true;
    }

    bool partialAbsence(int index, int iid, int startSeconds, int duration)
    {
        Day& day = days[index];
        if (!day.employed || !day.scheduled || day.absent || day.partial || duration >= day.work)
            return false;
        records.append({iid, localTimeOf(day.date, startSeconds), duration, 0});
        day.partial = true;
        day.work -= duration;
        return true;
    }

    int startOfShift(const Day& day) const
    {
        switch (day.shift) {
        case 2: return 14 * 3600;
        case 3: return 22 * 3600;
        default: return person.schedule == Schedule::Office ? 7 * 3600 : 6 * 3600;
        }
    }

    // Leaves counted by calendar day: one record on every day, weekends and
    // holidays included, running across month boundaries.
    void calendarEpisode(int iid, int startIndex, int length)
    {
        for (int k = 0; k < length && startIndex + k < days.size(); ++k)
            fullAbsence(startIndex + k, iid, 7 * 3600);
    }

    void placeCalendarLeaves()
    {
        if (person.rsBegin.isValid()) {  // on parental leave for the whole window
            calendarEpisode(Parental, 0, days.size());
            return;
        }
        if (rng.rare(0.003))
            calendarEpisode(Maternity, 0, days.size());
        if (rng.rare(0.003))
            calendarEpisode(SickLeave, 0, days.size());
        for (int offset = -1; offset <= 1; ++offset) {
            int from, to;
            monthRange(offset, from, to);
            if (rng.rare(0.045)) {
                const int length = rng.chance(0.7) ? rng.range(3, 10) : rng.range(11, 35);
                calendarEpisode(SickLeave, rng.range(from, to), length);
            }
            if (rng.rare(0.02))
                calendarEpisode(FamilyCare, rng.range(from, to), rng.range(2, 10));
            if (rng.rare(0.003))
                calendarEpisode(QuarantineSick, rng.range(from, to), rng.range(7, 14));
            if (rng.rare(0.002))
                calendarEpisode(QuarantineCare, rng.range(from, to), rng.range(5, 10));
        }
    }

    // A random scheduled, unoccupied day of a month, or -1.
    int freeWorkingDay(int from, int to)
    {
        for (int attempt = 0; attempt < 12; ++attempt) {
            const int index = rng.range(from, to);
            const Day& day = days[index];
            if (day.employed && day.scheduled && !day.absent && !day.partial)
                return index;
        }
        return -1;
    }

    void placeWorkingDayAbsences()
    {
        for (int offset = -1; offset <= 1; ++offset) {
            int from, to;
            monthRange(offset, from, to);
            if (rng.chance(0.35))
                vacationBlock(from, to, rng.range(1, 5));
            if (rng.chance(0.2))
                vacationBlock(from, to, 1);
            struct Single { int iid; double p; int maxDays; };
            static const Single singles[] = {{BusinessTrip, 0.05, 3}, {TimeOff, 0.06, 1}, {Unpaid, 0.01, 2},
                                             {Training, 0.02, 2}, {Study, 0.005, 2},
                                             {EmployerObstacle, 0.01, 1}};
            for (const Single& single : singles) {
                if (!rng.rare(single.p))
                    continue;
                int index = freeWorkingDay(from, to);
                for (int k = rng.range(1, single.maxDays); k > 0 && index >= 0 && index <= to; --k, ++index)
                    fullAbsence(index, single.iid, startOfShift(days[index]));
            }
            struct Partial { int iid; double p; };
            static const Partial partials[] = {{Doctor, 0.12}, {Doctor, 0.04}, {DoctorEscort, 0.03},
                                               {Training, 0.02}};
            for (const Partial& partial : partials) {
                if (!rng.chance(partial.p))
                    continue;
                const int index = freeWorkingDay(from, to);
                if (index >= 0)
                    partialAbsence(index, partial.iid, startOfShift(days[index]) + 3600,
                                   900 * rng.range(2, qMax(2, person.fund / 900 - 4)));
            }
        }
    }

    void vacationBlock(int from, int to, int length)
    {
        int index = freeWorkingDay(from, to);
        if (index < 0)
            return;
        for (int searched = 0; length > 0 && index < days.size() && searched < 14; ++index, ++searched) {
            Day& day = days[index];
            if (!day.employed || !day.scheduled)
                continue;
            if (length == 1 && rng.chance(0.15)) {
                partialAbsence(index, Vacation, startOfShift(day), person.fund / 2);
                break;
            }
            if (!fullAbsence(index, Vacation, startOfShift(day)))
                break;
            --length;
        }
    }

    void shapeWorkedDays()
    {
        for (Day& day : days) {
            if (!day.employed || !day.scheduled || day.absent || day.work <= 0)
                continue;
            if (!day.partial) {
                if (person.overtimer && rng.chance(0.15)) {
                    const int extra = 900 * rng.range(2, 12);
                    day.work += extra;
                    day.diff = extra;
                    day.saldoP = rng.chance(0.8) ? extra : 0;
                    if (rng.chance(0.3))
                        day.note = utf8(overtimeNotes[rng.range(0, count(overtimeNotes) - 1)]);
                    if (extra >= 5400 && day.shift == 1 && rng.chance(0.1))
                        day.night = 3600;
                } else if (rng.chance(0.015)) {
                    const int shortBy = 900 * rng.range(1, 4);
                    day.work -= shortBy;
                    day.diff = -shortBy;
                }
            }
            if (day.shift == 3) {
                day.night = 28800;
                day.bonus = 28800;
            } else if (day.shift == 2) {
                day.bonus = person.schedule == Schedule::Continuous ? 28800 : 14400;
            }
            finishWorkedDay(day);
        }
    }

    void finishWorkedDay(Day& day)
    {
        day.vouchers = day.work >= 11 * 3600 ? 2 : (day.work > 4 * 3600 ? 1 : 0);
        day.lunch = day.work > 6 * 3600 ? 1800 : 0;
    }

    // Overtime on a day off: Saturdays and Sundays worked outside the plan.
    void placeWeekendWork()
    {
        if (person.schedule == Schedule::Continuous)
            return;
        for (int offset = -1; offset <= 1; ++offset) {
            int from, to;
            monthRange(offset, from, to);
            const double saturday = person.schedule == Schedule::TwoShift ? 0.3 : 0.03;
            const double sunday = person.schedule == Schedule::TwoShift ? 0.05 : 0.005;
            if (rng.chance(saturday))
                workDayOff(from, to, 6, person.schedule == Schedule::TwoShift ? 28800 : 21600);
            if (rng.chance(sunday))
                workDayOff(from, to, 7, 21600);
        }
    }

    void workDayOff(int from, int to, int dow, int seconds)
    {
        int index = rng.range(from, to);
        while (index <= to && days[index].dow != dow)
            ++index;
        if (index > to)
            return;
        Day& day = days[index];
        if (!day.employed || day.absent || day.scheduled)
            return;
        day.work = seconds;
        day.diff = seconds;
        day.saldoP = seconds;
        day.shift = 1;
        finishWorkedDay(day);
    }

    void placeOnCall()
    {
        if (!person.onCall)
            return;
        for (int offset = -1; offset <= 1; ++offset) {
            int from, to;
            monthRange(offset, from, to);
            for (int k = rng.range(3, 6); k > 0; --k) {
                Day& day = days[rng.range(from, to)];
                if (!day.employed || day.absent)
                    continue;
                if (rng.chance(0.5)) {
                    day.readBegin = 57600;  // 16:00 to 22:00
                    day.readEnd = 79200;
                } else {
                    day.readBegin = 79200;  // 22:00 to 06:00 over midnight
                    day.readEnd = 21600;
                }
            }
        }
    }

    // Records the export never reads: breaks (type 1000 and up) and deleted ones.
    void placeNoise()
    {
        for (int offset = -1; offset <= 1; ++offset) {
            int from, to;
            monthRange(offset, from, to);
            if (rng.rare(0.05)) {
                const int index = freeWorkingDay(from, to);
                if (index >= 0)
                    records.append({Break, localTimeOf(days[index].date, 11 * 3600 + 1800), 1800, 0});
            }
            if (rng.rare(0.01)) {
                const int index = freeWorkingDay(from, to);
                if (index >= 0)
                    records.append({Vacation, localTimeOf(days[index].date, 7 * 3600), person.fund, 1});
            }
        }
    }
};

QString pick(Rng& rng, const char* const* list, int size)
{
    return utf8(list[rng.range(0, size - 1)]);
}

Person makePerson(unsigned uid, const QDate& first, double scale, Rng& rng)
{
    Person p;
    p.uid = uid;
    p.pid = 1000 + int(uid);
    const double pamDraw = qMin(1.0, double(rng.range(0, 999)) / 1000.0 / qBound(1.0, scale, 2.0));
    if (pamDraw < 0.04)
        p.pamId = QString();
    else if (pamDraw < 0.07)
        p.pamId = QStringLiteral("");
    else if (pamDraw < 0.10)
        p.pamId = QStringLiteral("0");
    else
        p.pamId = QString::number(500000 + uid);
    p.surname = rng.rare(0.002) ? QStringLiteral("O'Brien") : pick(rng, surnames, count(surnames));
    p.name = pick(rng, givenNames, count(givenNames));
    if (rng.chance(0.15))
        p.title = QStringLiteral("Ing.");
    if (rng.chance(0.03))
        p.title2 = QStringLiteral("PhD.");
    p.tom = rng.chance(0.4) ? 1 : 0;
    p.bid = rng.range(1, count(branches));
    p.did = rng.range(1, count(departments));

    const int kind = rng.range(0, 99);
    if (kind < 55) {
        p.schedule = Schedule::Office;
        p.fund = rng.chance(0.2) ? 27000 : 28800;
        const int office[] = {1, 4, 6};
        p.gid = office[rng.range(0, 2)];
    } else if (kind < 70) {
        p.schedule = Schedule::TwoShift;
        p.gid = 3;
    } else if (kind < 90) {
        p.schedule = Schedule::Continuous;
        p.gid = 2;
    } else {
        p.schedule = Schedule::PartTime;
        p.fund = rng.chance(0.6) ? 14400 : 21600;
        p.gid = 5;
    }
    const double fundDraw = qMin(1.0, double(rng.range(0, 999)) / 1000.0 / qBound(1.0, scale, 2.0));
    if (fundDraw < 0.02)
        p.fundMode = FundMode::ExpectedOnly;
    else if (fundDraw < 0.03 && p.gid != 1 && p.gid != 6)
        p.fundMode = FundMode::None;  // measured against the group's reference fund
    if (rng.rare(0.01))
        p.gid = 0;  // no group
    else if (rng.rare(0.005))
        p.gid = 99;  // a group that no longer exists
    p.overtimer = rng.chance(0.3);
    p.onCall = rng.chance(0.06);

    p.begin = first.addYears(-1).addDays(rng.range(-2000, 0));
    if (rng.rare(0.005))
        p.begin = first.addDays(rng.range(4, 20));  // hired during the month
    if (rng.rare(0.005))
        p.end = first.addDays(rng.range(5, 25));  // leaves during the month
    if (rng.rare(0.002))
        p.rsBegin = first.addYears(-1);  // on parental leave
    const double closure = double(rng.range(0, 999)) / qMax(1.0, scale);
    if (closure < 4)
        p.closure = Person::Unclosed;
    else if (closure < 5 || (p.rsBegin.isValid() && rng.chance(0.5)))
        p.closure = Person::NoClosure;
    return p;
}

} // namespace

struct CompanyGenerator::Inserter
{
    Inserter(const QSqlDatabase& db, const char* head) : db(db), head(head) {}

    bool add(const Row& row)
    {
        if (pending)
            statement += ',';
        else
            statement = head;
        statement += row.done();
        ++rows;
        return ++pending < rowsPerStatement || flush();
    }
    bool flush()
    {
        if (!pending)
            return true;
        QSqlQuery query(db);
        const bool ok = query.exec(QString::fromUtf8(statement));
        if (!ok)
            error = query.lastError().text() + QStringLiteral(" in ") + QString::fromLatin1(head);
        pending = 0;
        statement.clear();
        return ok;
    }

    QSqlDatabase db;
    QByteArray head;
    QByteArray statement;
    int pending = 0;
    qint64 rows = 0;
    QString error;
};

CompanyGenerator::CompanyGenerator(const QSqlDatabase& db, const CompanyProfile& profile) : db(db), profile(profile) {}

bool CompanyGenerator::generate()
{
    counts = CompanyFigures();
    return writeCatalogue() && writePeople();
}

bool CompanyGenerator::writeCatalogue()
{
    if (!beginChunk())
        return false;
    Inserter inters(db, "INSERT INTO inters (iid, name) VALUES ");
    for (const InterruptionType& type : interruptionTypes)
        inters.add(Row().n(type.iid).text(utf8(type.name)));
    Inserter groupRows(db, "INSERT INTO `groups` (gid, name, refFund, refFundValue, refFundAllDay) VALUES ");
    for (const Group& group : groups)
        groupRows.add(Row().n(group.gid).text(utf8(group.name)).n(group.refFund).n(group.refFundValue)
                          .n(group.refFundAllDay));
    Inserter branchRows(db, "INSERT INTO branches (bid, name) VALUES ");
    for (int i = 0; i < count(branches); ++i)
        branchRows.add(Row().n(i + 1).text(utf8(branches[i])));
    Inserter departRows(db, "INSERT INTO departs (did, name) VALUES ");
    for (int i = 0; i < count(departments); ++i)
        departRows.add(Row().n(i + 1).text(utf8(departments[i])));
    Inserter holidayRows(db, "INSERT INTO holidays (`date`, hid) VALUES ");
    int hid = 0;
    for (int year = profile.year - 1; year <= profile.year + 1; ++year)
        for (const QDate& date : publicHolidays(year))
            holidayRows.add(Row().n(localMidnight(date)).n(++hid));
    Inserter vars(db, "INSERT INTO vars (name, value) VALUES ");
    const char* const settings[][2] = {{"advancedOvertime", "1"}, {"groupsPlanEnabled", "1"},
                                       {"exportUseXLSX", "0"},    {"iidPN", "15"},
                                       {"iidOCR", "14"},          {"iidMD", "7"},
                                       {"iidUr", "3"},            {"iidKar", "16"},
                                       {"dbVersion", "57"}};
    for (const auto& setting : settings)
        vars.add(Row().text(utf8(setting[0])).text(utf8(setting[1])));
    Inserter pamsettings(db, "INSERT INTO pamsettings (type, data) VALUES ");
    pamsettings.add(Row().text(QStringLiteral("Orvexuniversal")).text(QString::fromUtf8(storedSettingsJson())));
    pamsettings.add(Row().text(QStringLiteral("OtherPayroll")).text(QStringLiteral("{\"inters\":{}}")));

    for (Inserter* inserter : {&inters, &groupRows, &branchRows, &departRows, &holidayRows, &vars, &pamsettings}) {
        if (!inserter->flush()) {
            error = inserter->error;
            return false;
        }
    }
    return endChunk();
}

bool CompanyGenerator::writePeople()
{
    const QDate first(profile.year, profile.month, 1);
    QHash<QDate, int> holidays;
    int hid = 0;
    for (int year = profile.year - 1; year <= profile.year + 1; ++year)
        for (const QDate& date : publicHolidays(year))
            holidays.insert(date, ++hid);
    const int monthKey = profile.year * 100 + profile.month;
    const QDate previous = first.addMonths(-1);
    const int previousKey = previous.year() * 100 + previous.month();

    Inserter people(db, "INSERT INTO people (uid, pid, pamId, surname, name, title, title2, gid, bid, did, tom, "
                        "status, `begin`, `end`, rsBegin, rsEnd) VALUES ");
    Inserter atten(db, "INSERT INTO atten (uid, `date`, dom, dow, hid, fond, work, shift, vouchers, lunch, diff, "
                       "saldo, saldo_p, saldo_c, freeDay, night, readBegin, readEnd, wore, expFund, bonus, wta, "
                       "ok, overtimeNote) VALUES ");
    Inserter attenData(db, "INSERT INTO atten_data (uid, iid, `from`, duration, del) VALUES ");
    Inserter attenMonth(db, "INSERT INTO atten_month (uid, month, days, checks, oks) VALUES ");
    Inserter* all[] = {&people, &atten, &attenData, &attenMonth};
    auto flushAll = [&]() {
        for (Inserter* inserter : all) {
            if (!inserter->flush()) {
                error = inserter->error;
                return false;
            }
        }
        return true;
    };

    if (!beginChunk())
        return false;
    const int formerEmployees = qMax(1, profile.people / 250);
    const unsigned lastUid = unsigned(profile.people + 1 + formerEmployees);
    for (unsigned uid = 1; uid <= lastUid; ++uid) {
        Rng rng(profile.seed * 0x100000001B3ull + uid, profile.eventScale);
        Person person = makePerson(uid, first, profile.eventScale, rng);
        const bool employee = uid <= unsigned(profile.people);
        if (uid == unsigned(profile.people) + 1) {  // an anonymised former employee
            person.name = QStringLiteral("<anonym>");
            person.surname = QStringLiteral("<anonym>");
        }
        if (!employee) {
            person.status = 0;
            person.end = first.addMonths(-rng.range(3, 30));
            person.rsBegin = QDate();
        }
        auto stamp = [](Row& row, const QDate& date) -> Row& {
            return date.isValid() ? row.n(localMidnight(date)) : row.raw("NULL");
        };
        Row personRow;
        personRow.n(person.uid).n(person.pid).textOrNull(person.pamId).text(person.surname).text(person.name)
            .textOrNull(person.title).textOrNull(person.title2).idOrNull(person.gid).n(person.bid).n(person.did)
            .n(person.tom).n(person.status);
        stamp(personRow, person.begin);
        stamp(personRow, person.end);
        stamp(personRow, person.rsBegin);
        personRow.raw("NULL");
        people.add(personRow);
        if (!employee)
            continue;
        ++counts.employees;

        PersonMonths months(person, first, holidays, rng);
        int saldoTotal = 0;
        for (const Day& day : months.days) {
            if (!day.employed)
                continue;
            saldoTotal += day.diff;
            Row row;
            row.n(uid).n(localMidnight(day.date)).n(day.date.day()).n(day.dow).n(day.hid).n(day.fond)
                .n(day.work).n(day.shift).real(day.vouchers).n(day.lunch).n(day.diff).n(day.diff)
                .n(day.saldoP).n(saldoTotal).n(day.scheduled ? 0 : 1).n(day.night).n(day.readBegin)
                .n(day.readEnd).n(0).n(day.expFund).n(day.bonus).n(day.work).n(1).textOrNull(day.note);
            atten.add(row);
        }
        for (const Record& record : months.records)
            attenData.add(Row().n(uid).n(record.iid).n(record.from).n(record.duration).n(record.del));

        const int previousDays = qMax(1, months.scheduledDaysOfMonth(-1));
        attenMonth.add(Row().n(uid).n(previousKey).n(previousDays).n(previousDays).n(0));
        const int days = qMax(1, months.scheduledDaysOfMonth(0));
        const int oks = rng.range(0, days);
        if (person.closure == Person::Closed) {
            attenMonth.add(Row().n(uid).n(monthKey).n(days).n(days - oks).n(oks));
        } else if (person.closure == Person::Unclosed) {
            attenMonth.add(Row().n(uid).n(monthKey).n(days).n(qMax(0, days - oks - rng.range(1, 3))).n(0));
            ++counts.unclosed;
        } else {
            ++counts.unclosed;
        }

        if (uid % peoplePerTransaction == 0 && !(flushAll() && endChunk() && beginChunk()))
            return false;
    }
    if (!flushAll())
        return false;
    counts.dayRecords = atten.rows;
    counts.interruptionRecords = attenData.rows;
    return endChunk();
}

bool CompanyGenerator::beginChunk()
{
    if (db.transaction())
        return true;
    error = db.lastError().text();
    return false;
}

bool CompanyGenerator::endChunk()
{
    if (db.commit())
        return true;
    error = db.lastError().text();
    return false;
}

QByteArray CompanyGenerator::storedSettingsJson()
{
    auto rowSettings = [](int exportType, int valueKind, int dateFrom, int dateTo) {
        QJsonObject map;
        map.insert(QStringLiteral("0"), exportType);
        map.insert(QStringLiteral("1"), valueKind);
        map.insert(QStringLiteral("2"), dateFrom);
        map.insert(QStringLiteral("3"), dateTo);
        return map;
    };
    QJsonObject inters;
    QJsonObject options;
    for (const InterruptionType& type : interruptionTypes) {
        if (!type.code)
            continue;
        inters.insert(QString::number(type.iid), utf8(type.code));
        if (*type.code)
            options.insert(utf8(type.name),
                           rowSettings(type.exportType, type.valueKind, type.dateFrom, type.dateTo));
    }
    QJsonArray items;
    for (const BonusItem& item : bonusItems) {
        items.append(utf8(item.code));
        options.insert(utf8(item.name), rowSettings(item.exportType, item.valueKind, item.dateFrom, item.dateTo));
    }
    options.insert(QStringLiteral("separator"), QStringLiteral("|"));
    options.insert(QStringLiteral("dateFormat"), QStringLiteral("dd.MM.yyyy"));
    options.insert(QStringLiteral("isSeparatorOnEnd"), false);
    options.insert(QStringLiteral("isNoPNstartDate"), true);
    options.insert(QStringLiteral("isNoPNendDate"), true);
    options.insert(QStringLiteral("isNoPNWeekendsAndHolidays"), true);
    options.insert(QStringLiteral("comboIntPN"), QStringLiteral("PN"));
    options.insert(QStringLiteral("comboIntOCR"), utf8("OČR"));
    options.insert(QStringLiteral("comboIntKarPN"), utf8("Karanténa PN"));
    options.insert(QStringLiteral("comboIntKarOCR"), utf8("Karanténa OČR"));

    QJsonObject root;
    root.insert(QStringLiteral("inters"), inters);
    root.insert(QStringLiteral("items"), items);
    root.insert(QStringLiteral("optWidget"), options);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QHash<QString, QVariant> companyExportParameters(const QSqlDatabase& db, const CompanyProfile& profile,
                                                 const QString& exportPath, QString* error)
{
    StoredSettings settings;
    QString errorText;
    if (!readStoredSettings(db, pluginSettingsType(), 0, settings, errorText)) {
        if (error)
            *error = errorText;
        return QHash<QString, QVariant>();
    }
    QHash<QString, QVariant> parameters =
        exportParameters(profile.year, profile.month, true, QStringList(), settings);
    parameters.insert(QStringLiteral("exportPath"), exportPath);
    return parameters;
}

bool createHostDatabase(const QSqlDatabase& server, QSqlDatabase& target, const QString& name,
                        const QString& schemaPath, QString* error)
{
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    QSqlQuery admin(server);
    admin.exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(name));
    if (!admin.exec(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET utf8mb4").arg(name)))
        return fail(admin.lastError().text());
    target.close();
    target.setDatabaseName(name);
    if (!target.open())
        return fail(target.lastError().text());
    const QStringList statements = sqlScriptStatements(schemaPath);
    if (statements.isEmpty())
        return fail(QStringLiteral("no statements in ") + schemaPath);
    QSqlQuery query(target);
    for (const QString& statement : statements)
        if (!query.exec(statement))
            return fail(query.lastError().text() + QStringLiteral(" in: ") + statement);
    return true;
}
