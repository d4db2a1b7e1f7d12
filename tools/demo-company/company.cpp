#include "company.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTime>

#include <algorithm>

namespace {

const int hour = 3600;
const int standardDay = 8 * hour;

// Day records cover February, March and the first half of April: the export
// of March reads the weeks around it to tell whether an absence runs in from
// February or on into April, and February is a closed month of its own, the
// one March is compared with.
const QDate firstRecordedDay(2024, 2, 1);
const QDate lastRecordedDay(2024, 4, 15);

// Twelve-hour shifts in the 2-2-3 rotation, starting on 1 January 2024 for crew 0.
const int rotation[14] = {1, 1, 0, 0, 1, 1, 1, 0, 0, 1, 1, 0, 0, 0};

qint64 unixTime(const QDate& date, int h = 0)
{
    return QDateTime(date, QTime(h, 0)).toSecsSinceEpoch();
}

QVariant unixTimeOrNull(const QDate& date)
{
    return date.isValid() ? QVariant(unixTime(date)) : QVariant();
}

int monthKey(const QDate& date)
{
    return date.year() * 100 + date.month();
}

QJsonObject rowSettings(int exportType, int valueKind, int dateFrom, int dateTo)
{
    return QJsonObject{{QStringLiteral("0"), exportType}, {QStringLiteral("1"), valueKind},
                       {QStringLiteral("2"), dateFrom}, {QStringLiteral("3"), dateTo}};
}

const QVector<QPair<unsigned, QString>>& interruptionTypes()
{
    static const QVector<QPair<unsigned, QString>> types{
        {1, QStringLiteral("Práca")},
        {2, QStringLiteral("Služobná cesta")},
        {3, QStringLiteral("Dovolenka")},
        {4, QStringLiteral("Náhradné voľno")},
        {5, QStringLiteral("Lekár")},
        {6, QStringLiteral("Školenie")},
        {7, QStringLiteral("Materská dovolenka")},
        {8, QStringLiteral("Rodičovská dovolenka")},
        {9, QStringLiteral("Neplatené voľno")},
        {10, QStringLiteral("Absencia")},
        {11, QStringLiteral("Karanténa PN")},
        {12, QStringLiteral("Karanténa OČR")},
        {13, QStringLiteral("Platené voľno")},
        {14, QStringLiteral("OČR")},
        {15, QStringLiteral("PN")}};
    return types;
}

// The stored export settings: every export type and value kind, code pairs,
// the four special interruptions, and a type without a code (not exported).
QByteArray exportSettingsJson()
{
    const QJsonObject inters{
        {QStringLiteral("1"), QStringLiteral("1/2")},   {QStringLiteral("2"), QString()},
        {QStringLiteral("3"), QStringLiteral("10/20")}, {QStringLiteral("4"), QStringLiteral("30")},
        {QStringLiteral("5"), QStringLiteral("31/32")}, {QStringLiteral("6"), QString()},
        {QStringLiteral("7"), QStringLiteral("9")},     {QStringLiteral("8"), QStringLiteral("96")},
        {QStringLiteral("9"), QStringLiteral("40")},    {QStringLiteral("10"), QStringLiteral("41")},
        {QStringLiteral("11"), QStringLiteral("50")},   {QStringLiteral("12"), QStringLiteral("51")},
        {QStringLiteral("13"), QStringLiteral("97")},   {QStringLiteral("14"), QStringLiteral("60")},
        {QStringLiteral("15"), QStringLiteral("11")}};
    const QJsonArray items{QStringLiteral("15"), QStringLiteral("84"), QStringLiteral("83"),
                           QStringLiteral("85/86"), QStringLiteral("2"), QStringLiteral("5"),
                           QStringLiteral("7"), QStringLiteral("88"), QStringLiteral("89"),
                           QStringLiteral("192"), QStringLiteral("193"), QStringLiteral("82"),
                           QStringLiteral("-1")};
    QJsonObject options{
        {QStringLiteral("separator"), QStringLiteral("|")},
        {QStringLiteral("dateFormat"), QStringLiteral("dd.MM.yyyy")},
        {QStringLiteral("isSeparatorOnEnd"), false},
        {QStringLiteral("isNoPNstartDate"), true},
        {QStringLiteral("isNoPNendDate"), false},
        {QStringLiteral("isNoPNWeekendsAndHolidays"), true},
        {QStringLiteral("comboIntPN"), QStringLiteral("PN")},
        {QStringLiteral("comboIntOCR"), QStringLiteral("OČR")},
        {QStringLiteral("comboIntKarPN"), QStringLiteral("Karanténa PN")},
        {QStringLiteral("comboIntKarOCR"), QStringLiteral("Karanténa OČR")},
        // Interruptions: export type 0 daily, 1 spans, 2 month; value kind
        // 0 none, 1 days, 2 hours, 3 days or hours, 4 seconds; dates 0 to 3.
        {QStringLiteral("Práca"), rowSettings(1, 3, 3, 3)},
        {QStringLiteral("Dovolenka"), rowSettings(1, 3, 3, 3)},
        {QStringLiteral("Náhradné voľno"), rowSettings(0, 2, 1, 1)},
        {QStringLiteral("Lekár"), rowSettings(0, 3, 1, 1)},
        {QStringLiteral("Materská dovolenka"), rowSettings(2, 1, 3, 3)},
        {QStringLiteral("Rodičovská dovolenka"), rowSettings(2, 0, 2, 2)},
        {QStringLiteral("Neplatené voľno"), rowSettings(0, 4, 1, 1)},
        {QStringLiteral("Absencia"), rowSettings(2, 2, 0, 0)},
        {QStringLiteral("Karanténa PN"), rowSettings(1, 1, 3, 3)},
        {QStringLiteral("Karanténa OČR"), rowSettings(0, 1, 1, 1)},
        {QStringLiteral("Platené voľno"), rowSettings(2, 3, 2, 2)},
        {QStringLiteral("OČR"), rowSettings(1, 1, 3, 3)},
        {QStringLiteral("PN"), rowSettings(1, 1, 3, 3)},
        // Bonus items: export type 0 daily, 1 month; value kind 0 none,
        // 1 days, 2 hours, 3 seconds; dates 0 to 2.
        {QStringLiteral("Záporné saldo (Absencia)"), rowSettings(1, 2, 2, 2)},
        {QStringLiteral("Práca v sobotu"), rowSettings(0, 2, 1, 1)},
        {QStringLiteral("Práca v nedeľu"), rowSettings(0, 2, 1, 1)},
        {QStringLiteral("Práca v noci"), rowSettings(1, 2, 2, 2)},
        {QStringLiteral("Nadčasové hodiny"), rowSettings(0, 2, 1, 1)},
        {QStringLiteral("Platené sviatky - hodiny"), rowSettings(1, 2, 2, 2)},
        {QStringLiteral("Odpracované sviatky - hodiny"), rowSettings(0, 2, 1, 1)},
        {QStringLiteral("Príplatky za zmeny - hodiny"), rowSettings(1, 3, 2, 2)},
        {QStringLiteral("Pohotovosť"), rowSettings(0, 2, 1, 1)},
        {QStringLiteral("Stravné jednotky (lístky)"), rowSettings(1, 0, 2, 2)},
        {QStringLiteral("Stravné jednotky (príspevok)"), rowSettings(1, 0, 2, 2)},
        {QStringLiteral("Nadčas vo sviatky"), rowSettings(1, 2, 2, 2)},
        {QStringLiteral("Plný fond"), rowSettings(1, 1, 0, 0)}};
    const QJsonObject settings{{QStringLiteral("inters"), inters},
                               {QStringLiteral("items"), items},
                               {QStringLiteral("optWidget"), options}};
    return QJsonDocument(settings).toJson(QJsonDocument::Compact);
}

} // namespace

bool DemoCompany::localZoneIsCentralEuropean()
{
    const QDateTime winter(QDate(2024, 3, 30), QTime(12, 0));
    const QDateTime summer(QDate(2024, 3, 31), QTime(12, 0));
    return winter.offsetFromUtc() == hour && summer.offsetFromUtc() == 2 * hour;
}

DemoCompany::DemoCompany()
{
    const QVector<QDate> holidayDates{QDate(2024, 1, 1), QDate(2024, 1, 6), QDate(2024, 3, 29),
                                      QDate(2024, 4, 1), QDate(2024, 5, 1), QDate(2024, 5, 8)};
    for (int i = 0; i < holidayDates.size(); ++i)
        holidays.insert(holidayDates[i], i + 1);
    addPeople();
    for (const Person& person : people)
        planDays(person);
    addEvents();
}

void DemoCompany::addPeople()
{
    struct Row
    {
        unsigned uid;
        const char* pamId; // nullptr: NULL
        const char* surname;
        const char* name;
        const char* title;
        int gid, bid, did, tom;
        Schedule schedule;
        int crew;
    };
    const Schedule office = Schedule::Office, partTime = Schedule::PartTime, shifts = Schedule::Shifts;
    const Row rows[] = {
        {1, "5001", "Novák", "Peter", "Ing.", 1, 1, 1, 0, office, 0},
        {2, "5002", "Kováčová", "Jana", "Mgr.", 1, 1, 1, 1, office, 0},
        {3, "5003", "Horváth", "Martin", nullptr, 1, 1, 2, 0, office, 0},
        {4, "5004", "Vargová", "Zuzana", nullptr, 1, 1, 2, 1, office, 0},
        {5, "5005", "Tóth", "Róbert", "Bc.", 1, 1, 3, 0, office, 0},
        {6, "5006", "Nagyová", "Eva", nullptr, 3, 1, 1, 0, partTime, 0},
        {7, "5007", "Baláž", "Tomáš", nullptr, 2, 2, 4, 0, shifts, 0},
        {8, "5008", "Molnár", "Juraj", nullptr, 2, 2, 4, 0, shifts, 5},
        {9, "5009", "Szabóová", "Katarína", "Ing.", 1, 1, 2, 1, office, 0},
        {10, "5010", "Lukáč", "Michal", nullptr, 4, 2, 5, 0, office, 0},
        {11, "5011", "Kráľová", "Monika", "Mgr.", 1, 1, 1, 1, office, 0},
        {12, "5012", "Šimko", "Pavol", nullptr, 4, 2, 6, 0, office, 0},
        {13, "5013", "Oravcová", "Lucia", nullptr, 3, 1, 2, 1, partTime, 0},
        {14, "5014", "Hudák", "Marek", nullptr, 2, 2, 4, 0, shifts, 0},
        {15, "5015", "Polák", "Ján", "Ing.", 1, 1, 3, 0, office, 0},
        {16, "5016", "Marková", "Simona", nullptr, 1, 1, 2, 1, office, 0},
        {17, "0", "Kollár", "Štefan", nullptr, 4, 2, 5, 0, office, 0},
        {18, nullptr, "Mikuš", "Andrej", "Ing.", 1, 1, 3, 0, office, 0},
        {19, "5019", "Rusnák", "Igor", nullptr, 2, 2, 4, 0, shifts, 5},
        {20, "5020", "Blahová", "Denisa", nullptr, 1, 1, 2, 1, office, 0},
        {21, "5021", "Urbanová", "Petra", "Mgr.", 1, 1, 1, 1, office, 0},
        {22, "", "Štefanko", "Dávid", nullptr, 1, 1, 3, 0, office, 0},
        {23, "5023", "Ďurica", "Rastislav", nullptr, 4, 2, 5, 0, office, 0},
        {24, "5024", "O'Brien", "Sean", nullptr, 1, 1, 3, 0, office, 0},
        {25, "5025", "Zelenák", "Ľubomír", nullptr, 4, 2, 5, 0, office, 0},
        {26, "5026", "Bartošová", "Ivana", nullptr, 1, 1, 2, 1, office, 0},
        {27, "5027", "Gregor", "Milan", nullptr, 2, 2, 4, 0, shifts, 0}};
    for (const Row& row : rows) {
        Person person;
        person.uid = row.uid;
        person.pid = int(1000 + row.uid);
        person.pamId = row.pamId ? QVariant(QString::fromUtf8(row.pamId)) : QVariant();
        person.surname = QString::fromUtf8(row.surname);
        person.name = QString::fromUtf8(row.name);
        person.title = row.title ? QVariant(QString::fromUtf8(row.title)) : QVariant();
        person.gid = row.gid;
        person.bid = row.bid;
        person.did = row.did;
        person.tom = row.tom;
        person.schedule = row.schedule;
        person.crew = row.crew;
        person.begin = QDate(2015 + int(row.uid % 8), 1 + int(row.uid % 12), 1);
        people << person;
    }
    auto person = [this](unsigned uid) -> Person& { return people[int(uid) - 1]; };
    person(19).closure = Closure::PartlyChecked;  // the month is not checked through
    person(20).closure = Closure::NoRecord;       // the month was never closed
    person(22).begin = QDate(2024, 3, 11);        // joined in March
    person(23).end = QDate(2024, 3, 15);          // left in March
    person(25).end = QDate(2024, 2, 15);          // left before March
    person(25).closure = Closure::NoRecord;
    person(26).rsBegin = QDate(2023, 6, 1);       // on long-term leave, not closed
    person(26).closure = Closure::NoRecord;
    person(27).status = 0;                        // a record kept for history
}

DemoCompany::Day DemoCompany::baseDay(const Person& person, const QDate& date) const
{
    Day day;
    day.hid = holidayId(date);
    const bool weekend = date.dayOfWeek() >= 6;
    if (person.schedule == Schedule::Shifts) {
        const int index = int(date.toJulianDay() - QDate(2024, 1, 1).toJulianDay()) + person.crew;
        if (!rotation[index % 14]) {
            day.freeDay = 1;
            return day;
        }
        const bool night = (index / 7) % 2 == 1;
        day.shift = night ? 2 : 1;
        day.expFund = 12 * hour;
        day.fond = day.hid > 0 ? 0 : day.expFund;
        day.work = 12 * hour;
        day.lunch = hour / 2;
        day.vouchers = 2;
        if (night) {
            day.night = 8 * hour;   // 22:00 to 06:00 of the 18:00 to 06:00 shift
            day.bonus = 4 * hour;   // the evening part, 18:00 to 22:00
        }
        if (night && date == QDate(2024, 3, 30)) {
            // Clocks go forward at 02:00: the night is one hour shorter.
            day.work -= hour;
            day.night -= hour;
            day.note = QStringLiteral("zmena času, nočná zmena o hodinu kratšia");
        }
        if (day.hid > 0) {
            day.diff = day.work;
            day.saldoP = day.work;
        }
        return day;
    }
    if (weekend) {
        day.freeDay = 1;
        return day;
    }
    const int fund = person.schedule == Schedule::PartTime ? 6 * hour : standardDay;
    day.expFund = fund;
    if (day.hid > 0)
        return day;
    day.fond = fund;
    day.work = fund;
    day.lunch = fund > 6 * hour ? hour / 2 : 0;
    day.vouchers = 1;
    return day;
}

void DemoCompany::planDays(const Person& person)
{
    if (person.status == 0 || person.rsBegin.isValid())
        return;
    for (QDate date = firstRecordedDay; date <= lastRecordedDay; date = date.addDays(1)) {
        if (date < person.begin || (person.end.isValid() && date > person.end))
            continue;
        days[person.uid].insert(date, baseDay(person, date));
    }
}

void DemoCompany::absence(unsigned uid, unsigned iid, const QDate& from, const QDate& to, bool calendarDays)
{
    for (QDate date = from; date <= to; date = date.addDays(1)) {
        const bool recorded = days[uid].contains(date);
        Day day = days[uid].value(date);
        const int fund = day.fond > 0 ? day.fond : day.expFund;
        if (!calendarDays && fund == 0)
            continue;
        Interruption record;
        record.uid = uid;
        record.iid = iid;
        record.from = QDateTime(date, QTime(7, 0));
        record.duration = fund > 0 ? fund : standardDay;
        interruptions << record;
        if (!recorded)
            continue;
        day.work = day.diff = day.saldoP = day.night = day.bonus = day.lunch = 0;
        day.vouchers = 0;
        days[uid].insert(date, day);
    }
}

void DemoCompany::partialAbsence(unsigned uid, unsigned iid, const QDate& date, int seconds, int startHour)
{
    Interruption record;
    record.uid = uid;
    record.iid = iid;
    record.from = QDateTime(date, QTime(startHour, 0));
    record.duration = seconds;
    interruptions << record;
    Day& day = days[uid][date];
    day.work = std::max(0, day.work - seconds);
    if (day.work <= 4 * hour)
        day.vouchers = 0;
}

void DemoCompany::overtime(unsigned uid, const QDate& date, int seconds, int nightSeconds)
{
    Day& day = days[uid][date];
    day.work += seconds;
    day.diff += seconds;
    day.saldoP += seconds;
    day.night += nightSeconds;
    if (day.vouchers == 0 && day.work > 4 * hour)
        day.vouchers = 1;
    day.note = QStringLiteral("nadčas schválený vedúcim");
}

void DemoCompany::onCall(unsigned uid, const QDate& date, int beginSecond, int endSecond)
{
    Day& day = days[uid][date];
    day.readBegin = beginSecond;
    day.readEnd = endSecond;
}

void DemoCompany::addEvents()
{
    const bool calendarDays = true, workingDays = false;
    auto february = [](int d) { return QDate(2024, 2, d); };
    auto march = [](int d) { return QDate(2024, 3, d); };

    // February, the month before: nothing that runs into March but the sick
    // leave of uid 2 from 26 February below.
    absence(5, 3, february(5), february(9), workingDays);        // a week of vacation
    absence(10, 9, february(12), february(16), workingDays);     // a week of unpaid leave
    absence(4, 15, february(5), february(16), calendarDays);     // sick leave
    overtime(15, february(7), 2 * hour);

    overtime(1, march(12), 2 * hour);
    overtime(1, march(14), 90 * 60);
    partialAbsence(1, 6, march(7), 4 * hour, 8);                 // training: a type without a code
    absence(2, 15, QDate(2024, 2, 26), march(8), calendarDays);  // sick leave from February
    absence(3, 15, march(25), QDate(2024, 4, 5), calendarDays);  // sick leave on into April
    absence(4, 14, march(11), march(15), calendarDays);          // family care
    partialAbsence(4, 5, march(6), 2 * hour, 8);                 // doctor
    absence(5, 3, march(18), march(22), workingDays);            // a week of vacation
    partialAbsence(5, 3, march(27), 4 * hour, 11);               // half a day of vacation
    partialAbsence(6, 5, march(13), 3 * hour, 9);
    onCall(7, march(9), 6 * hour, 22 * hour);
    onCall(7, march(16), 22 * hour, 6 * hour);                   // over midnight
    absence(9, 11, march(4), march(8), workingDays);             // quarantine
    absence(9, 14, march(27), march(28), calendarDays);
    absence(10, 4, march(8), march(8), workingDays);             // time off in lieu
    partialAbsence(10, 10, march(19), 2 * hour, 6);              // unexcused absence
    overtime(10, march(16), 6 * hour);                           // Saturday
    absence(11, 13, march(22), march(22), workingDays);          // wedding leave
    absence(11, 3, march(25), march(28), workingDays);
    onCall(12, march(9), 6 * hour, 22 * hour);
    onCall(12, march(23), 22 * hour, 6 * hour);
    onCall(12, march(24), 22 * hour, 6 * hour);
    absence(13, 9, march(15), march(15), workingDays);           // unpaid leave
    absence(14, 3, march(11), march(17), workingDays);           // vacation on shift days
    overtime(15, march(10), 5 * hour, 3 * hour);                 // Sunday migration into the night
    partialAbsence(16, 3, march(1), 4 * hour, 11);
    absence(16, 3, march(4), march(5), workingDays);
    overtime(17, march(28), 2 * hour);
    overtime(17, march(30), 3 * hour);                           // Saturday before Easter
    absence(20, 3, march(7), march(8), workingDays);
    absence(21, 7, march(1), march(17), calendarDays);           // maternity leave
    absence(21, 8, march(18), QDate(2024, 4, 15), calendarDays); // then parental leave
    absence(23, 3, march(14), march(15), workingDays);           // leftover vacation before leaving
    absence(24, 12, march(19), march(20), workingDays);          // quarantine of a child
    absence(24, 2, march(26), march(27), workingDays);           // business trip: no code
}

void DemoCompany::write(SqlWriter& sql) const
{
    sql.statement(QStringLiteral("SET NAMES utf8mb4"));
    sql.insert(QStringLiteral("groups"), {"gid", "name", "refFund", "refFundValue", "refFundAllDay"},
               {1, QStringLiteral("Administratíva"), 1, standardDay, 1});
    sql.insert(QStringLiteral("groups"), {"gid", "name", "refFund", "refFundValue", "refFundAllDay"},
               {2, QStringLiteral("Výroba – 12 h zmeny"), 0, 0, 0});
    sql.insert(QStringLiteral("groups"), {"gid", "name", "refFund", "refFundValue", "refFundAllDay"},
               {3, QStringLiteral("Skrátené úväzky"), 1, 6 * hour, 1});
    sql.insert(QStringLiteral("groups"), {"gid", "name", "refFund", "refFundValue", "refFundAllDay"},
               {4, QStringLiteral("Sklad a údržba"), 1, standardDay, 0});
    const QStringList branches{QStringLiteral("Bratislava – centrála"), QStringLiteral("Žilina – závod")};
    for (int i = 0; i < branches.size(); ++i)
        sql.insert(QStringLiteral("branches"), {"bid", "name"}, {i + 1, branches[i]});
    const QStringList departments{QStringLiteral("Účtovníctvo a mzdy"), QStringLiteral("Obchod"),
                                  QStringLiteral("IT"), QStringLiteral("Výroba"), QStringLiteral("Sklad"),
                                  QStringLiteral("Údržba")};
    for (int i = 0; i < departments.size(); ++i)
        sql.insert(QStringLiteral("departs"), {"did", "name"}, {i + 1, departments[i]});
    for (const auto& type : interruptionTypes())
        sql.insert(QStringLiteral("inters"), {"iid", "name"}, {type.first, type.second});
    for (auto it = holidays.constBegin(); it != holidays.constEnd(); ++it)
        sql.insert(QStringLiteral("holidays"), {"date", "hid"}, {unixTime(it.key()), it.value()});
    const QVector<QPair<QString, QString>> vars{{QStringLiteral("advancedOvertime"), QStringLiteral("1")},
                                                {QStringLiteral("groupsPlanEnabled"), QStringLiteral("0")},
                                                {QStringLiteral("exportUseXLSX"), QStringLiteral("0")},
                                                {QStringLiteral("iidPN"), QStringLiteral("15")},
                                                {QStringLiteral("iidOCR"), QStringLiteral("14")}};
    for (const auto& var : vars)
        sql.insert(QStringLiteral("vars"), {"name", "value"}, {var.first, var.second});

    for (const Person& p : people)
        sql.insert(QStringLiteral("people"),
                   {"uid", "pid", "pamId", "surname", "name", "title", "title2", "gid", "bid", "did", "tom",
                    "status", "begin", "end", "rsBegin", "rsEnd"},
                   {p.uid, p.pid, p.pamId, p.surname, p.name, p.title, QVariant(), p.gid, p.bid, p.did, p.tom,
                    p.status, unixTimeOrNull(p.begin), unixTimeOrNull(p.end), unixTimeOrNull(p.rsBegin), QVariant()});

    for (auto person = days.constBegin(); person != days.constEnd(); ++person) {
        for (auto it = person.value().constBegin(); it != person.value().constEnd(); ++it) {
            const Day& d = it.value();
            sql.insert(QStringLiteral("atten"),
                       {"uid", "date", "dom", "dow", "hid", "fond", "work", "shift", "vouchers", "lunch", "diff",
                        "saldo", "saldo_p", "saldo_c", "freeDay", "night", "readBegin", "readEnd", "wore",
                        "expFund", "bonus", "wta", "ok", "overtimeNote"},
                       {person.key(), unixTime(it.key()), it.key().day(), it.key().dayOfWeek(), d.hid, d.fond,
                        d.work, d.shift, d.vouchers, d.lunch, d.diff, d.diff, d.saldoP, 0, d.freeDay, d.night,
                        d.readBegin, d.readEnd, 0, d.expFund, d.bonus, 0, 1,
                        d.note.isEmpty() ? QVariant() : QVariant(d.note)});
        }
    }
    for (const Interruption& i : interruptions)
        sql.insert(QStringLiteral("atten_data"), {"uid", "iid", "from", "duration", "del"},
                   {i.uid, i.iid, i.from.toSecsSinceEpoch(), i.duration, 0});

    for (const Person& p : people) {
        if (p.status == 0 || !days.contains(p.uid))
            continue;
        for (const QDate& first : {QDate(2024, 2, 1), month()}) {
            const auto& recorded = days.value(p.uid);
            const int daysInMonth = int(std::count_if(recorded.keyBegin(), recorded.keyEnd(), [&](const QDate& d) {
                return d.year() == first.year() && d.month() == first.month();
            }));
            if (daysInMonth == 0 || (first == month() && p.closure == Closure::NoRecord))
                continue;
            const bool partly = first == month() && p.closure == Closure::PartlyChecked;
            sql.insert(QStringLiteral("atten_month"), {"uid", "month", "days", "checks", "oks"},
                       {p.uid, monthKey(first), daysInMonth, partly ? daysInMonth - 5 : daysInMonth - 3,
                        partly ? 0 : 3});
        }
    }
    sql.insert(QStringLiteral("pamsettings"), {"type", "data"},
               {QStringLiteral("Orvexuniversal"), QString::fromUtf8(exportSettingsJson())});
}
