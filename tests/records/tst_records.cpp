// The export records: the pure rules, each through its own table, then the
// record generators on small staged data, checked by the exact rows they leave
// in `export`. Runs with Slovak as the default locale: no number or date may
// change. Whole files of every kind of row are checked by tests/endtoend.

#include "../staging/stagingtestkit.h"
#include "bonusitemlist.h"
#include "bonusitemrules.h"
#include "codepair.h"
#include "datechoice.h"
#include "exportrowsink.h"
#include "numbertext.h"
#include "recordgenerators.h"
#include "valuekinds.h"
#include "workingdays.h"

#include <cmath>

namespace {

// Row settings: value kind, date-from and date-to choice, export type.
QVariantHash rs(int kind, int from, int to, int exportType = 0)
{
    return {{"0", exportType}, {"1", kind}, {"2", from}, {"3", to}};
}

// Generator tables: the interruption or bonus item, its row settings, the
// options' letters, the staged rows, the rows written (code|value|from|to).
void generatorColumns(const char* what)
{
    QTest::addColumn<int>(what);
    QTest::addColumn<QVariantHash>("settings");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QStringList>("staged");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("around"); // "month begDay endDay sum sumDays"
}

// Runs the generator of interruption `iid`, or of bonus item `item` when it is
// 0 or more, for person 1 on the row's staged data.
void checkGeneratorRows(unsigned iid, int item)
{
    QFETCH(QVariantHash, settings);
    QFETCH(QString, options);
    QFETCH(QStringList, staged);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, around);
    Staged s(QDate(2024, 3, 1), options.contains('R') ? 25200 : 0);
    RunContext& run = s.run;
    const QString name = iid == 1 ? QStringLiteral("Práca") : QStringLiteral("Iná");
    const QString rowName = item >= 0 ? bonusItemSourceNames().value(item) : name;
    run.options = ExportOptions::fromRecord({{"isNoPNWeekendsAndHolidays", options.contains('W')},
                                             {"isNoPNstartDate", options.contains('S')},
                                             {"isNoPNendDate", options.contains('E')},
                                             {rowName, settings}});
    if (options.contains('H'))
        run.holidaysMap.insert(QDate(2024, 3, 4), true);
    run.advancedOvertime = options.contains('A');
    if (options.contains('P'))
        s.addInterruption(15, "5 28800 28800 11"); // sick leave on the 5th
    run.iid2NameMap = {{1, QStringLiteral("Práca")}, {iid, name}};
    for (const QString& record : staged) {
        if (item < 0 && settings.value("0").toInt() == 1)
            s.addSpan("lintersSpans", iid, 3, record);
        else if (item < 0 && iid != 1)
            s.addInterruption(iid, record);
        else
            s.addDay(record);
    }
    for (const QString& span : around)
        s.addSpan("lintersSpansAround", iid, span.section(' ', 0, 0).toInt(), span.section(' ', 1));
    for (int index = 0; index < 13; ++index)
        run.itemCodes << (index == 7 ? QStringLiteral("5/7") : QStringLiteral("c%1").arg(index));
    run.interruptionCodes = {{QString::number(iid), "11"}, {"1", "1/2"}}; // its own code, work's code pair
    const bool skipped = options.contains('X');
    if (skipped) // the 5th's value, with the person's payroll number and uid
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("value in days skipped, no day fund \\(personal number: "
                                                              "P12, uid: 1, day: .*5\\.3\\.2024"));
    if (skipped && item >= 0)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("::: ERROR - neexistuje fond ani referenčný fond "
                                                              "\\(uid: 1\\)$"));

    ExportRowSink sink(s.staging, run);
    RecordGenerators generators(run, s.staging, sink);
    generators.startPerson(1);
    if (item >= 0)
        generators.exportBonusItem(item);
    else
        generators.exportInterruption(iid);
    QCOMPARE(s.rows("SELECT item3, item4, item5, item6 FROM export ORDER BY id"), rows);
    // year, month and payroll number first, the pid alongside
    QCOMPARE(s.rows("SELECT DISTINCT item0, item1, item2, pid FROM export"),
             rows.isEmpty() ? QStringList() : QStringList("2024|03|P12|7"));
    QCOMPARE(run.warnings.size(), skipped ? 1 : 0);
    if (skipped)
        QVERIFY2(run.warnings.first().contains("P12"), qPrintable(run.warnings.first()));
    // A bonus item of a prepared TEST file runs its own statement; the rows are the same.
    if (item >= 0) {
        QVERIFY(QSqlQuery(s.staging.db()).exec("DELETE FROM export"));
        run.testMode = true;
        RecordGenerators perItem(run, s.staging, sink);
        perItem.startPerson(1);
        perItem.exportBonusItem(item);
        QCOMPARE(s.rows("SELECT item3, item4, item5, item6 FROM export ORDER BY id"), rows);
    }
}
} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void numberText_data();
    void numberText();
    void codePair_data();
    void codePair();
    void dateChoice_data();
    void dateChoice();
    void workingDays_data();
    void workingDays();
    void dayValue_data();
    void dayValue();
    void onCallLength_data();
    void onCallLength();
    void sickLeaveDays();
    void continuation_data();
    void continuation();
    void interruptionRows_data();
    void interruptionRows();
    void bonusItemRows_data();
    void bonusItemRows();
};

void TestRecords::initTestCase()
{
    QLocale::setDefault(QLocale(QStringLiteral("sk_SK")));
}

void TestRecords::numberText_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.1+0.2") << 0.1 + 0.2 << "0.3";
    QTest::newRow("86400") << 86400.0 << "86400";
    QTest::newRow("1e+06") << 1e6 << "1e+06";
    QTest::newRow("1000800") << 1000800.0 << "1.0008e+06";
    QTest::newRow("0.0001") << 0.0001 << "0.0001";
    QTest::newRow("1e-05") << 0.00001 << "1e-05";
    QTest::newRow("2/3") << 2.0 / 3.0 << "0.666667";
    QTest::newRow("999999") << 999999.0 << "999999";
    QTest::newRow("-999999") << -999999.0 << "-999999";
    QTest::newRow("1234567") << 1234567.0 << "1.23457e+06";
    QTest::newRow("999999.5") << 999999.5 << "1e+06";
    // The text of -0 is Qt's own ("0" from Qt 5.15 on); what staging stores
    // must still be that text read back.
    QTest::newRow("-0") << -0.0 << QString();
}

void TestRecords::numberText()
{
    QFETCH(double, number);
    QFETCH(QString, text);
    if (!text.isNull())
        QCOMPARE(::numberText(number), text);
    // What staging stores for the number is its text read back, sign of zero included.
    const double stored = roundedToSixDigits(number);
    const double readBack = ::numberText(number).toDouble();
    QCOMPARE(stored, readBack);
    QCOMPARE(std::signbit(stored), std::signbit(readBack));
}

void TestRecords::codePair_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("pair"); // "days code|hours code"
    QTest::newRow("single code") << "10" << "10|10";
    QTest::newRow("pair") << "10/20" << "10|20";
    QTest::newRow("no days code") << "/20" << "|20";
    QTest::newRow("no hours code") << "10/" << "10|";
    QTest::newRow("three parts") << "1/2/3" << "1|2";
}

void TestRecords::codePair()
{
    QFETCH(QString, code);
    QFETCH(QString, pair);
    const CodePair codes(code);
    QCOMPARE(codes.codeFor(false) + '|' + codes.codeFor(true), pair);
}

void TestRecords::dateChoice_data()
{
    QTest::addColumn<QDate>("period");
    QTest::addColumn<QString>("days"); // "begin-end": the day of the event, or a span's first and last day
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("isEnd");
    QTest::addColumn<QString>("text");
    const QDate march(2024, 3, 1);
    QTest::newRow("event day as date to") << march << "5-9" << 1 << true << "05.03.2024";
    QTest::newRow("last day 31") << march << "5-9" << 2 << true << "31.03.2024";
    QTest::newRow("last day 30") << QDate(2024, 4, 1) << "5-9" << 2 << true << "30.04.2024";
    QTest::newRow("last day 29") << QDate(2024, 2, 1) << "5-9" << 2 << true << "29.02.2024";
    QTest::newRow("last day 28") << QDate(2023, 2, 1) << "5-9" << 2 << true << "28.02.2023";
    QTest::newRow("other index") << march << "5-9" << 7 << false << "";
    QTest::newRow("day 0") << march << "0-0" << 1 << false << "";
    QTest::newRow("30 February") << QDate(2024, 2, 1) << "30-30" << 1 << false << "";
}

void TestRecords::dateChoice()
{
    QFETCH(QDate, period);
    QFETCH(QString, days);
    QFETCH(int, choice);
    QFETCH(bool, isEnd);
    QFETCH(QString, text);
    const unsigned begin = days.section('-', 0, 0).toUInt();
    const unsigned end = days.section('-', 1).toUInt();
    QCOMPARE(dateChoiceText(period, begin, end, choice, isEnd, dateFormatOption({})), text);

    // The texts made once per day: the event's own day made first must not
    // stand in for the chosen day, and a text asked again stays the same.
    const MonthDateTexts texts(period, dateFormatOption({}));
    texts.text(begin, begin, 1, false);
    QCOMPARE(texts.text(begin, end, choice, isEnd), text);
    QCOMPARE(texts.text(begin, end, choice, isEnd), text);
}

// March 2024: the 1st is a Friday.
void TestRecords::workingDays_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("mondayHoliday"); // the flag of Monday 4 March in the holiday map
    QTest::addColumn<int>("days");
    QTest::newRow("reversed") << 10 << 9 << false << 0;
    QTest::newRow("Saturday") << 2 << 2 << false << 0;
    QTest::newRow("Monday holiday") << 4 << 4 << true << 0;
    QTest::newRow("Monday mapped false") << 4 << 4 << false << 1;
    QTest::newRow("month with holiday") << 1 << 31 << true << 20;
    QTest::newRow("beyond the month") << 29 << 40 << false << 1;
}

void TestRecords::workingDays()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, mondayHoliday);
    QFETCH(int, days);
    QCOMPARE(workingDaysInInterval(QDate(2024, 3, 1), from, to, {{QDate(2024, 3, 4), mondayHoliday}}), days);
}

// A day's value against its fund by the value kind. The values of spans and
// month totals are checked through the generators below.
void TestRecords::dayValue_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("fund");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("value"); // "text", "text h" for the hours code, "! " for a skipped value
    QTest::newRow("hours") << 27000.0 << 28800.0 << int(ValueHours) << "7.5 h";
    QTest::newRow("days, no fund") << 14400.0 << 0.0 << int(ValueDays) << "! ";
    QTest::newRow("days, no fund, nothing") << 0.0 << 0.0 << int(ValueDays) << "";
    QTest::newRow("auto, longer than the fund") << 30000.0 << 28800.0 << int(ValueAuto) << "";
    QTest::newRow("other kind") << 27000.0 << 28800.0 << 5 << "";
}

void TestRecords::dayValue()
{
    QFETCH(double, seconds);
    QFETCH(double, fund);
    QFETCH(int, kind);
    QFETCH(QString, value);
    const RecordValue day = dailyRecordValue(seconds, fund, kind);
    QCOMPARE((day.noFund ? QStringLiteral("! ") : QString()) + day.text + (day.inHours ? " h" : ""), value);
}

void TestRecords::onCallLength_data()
{
    QTest::addColumn<double>("begin");
    QTest::addColumn<double>("end");
    QTest::addColumn<QString>("length");
    QTest::newRow("on call") << 28800.0 << 57600.0 << "28800";
    QTest::newRow("over midnight") << 79200.0 << 21600.0 << "28800";
    QTest::newRow("equal") << 36000.0 << 36000.0 << "0";
}

void TestRecords::onCallLength()
{
    QFETCH(double, begin);
    QFETCH(double, end);
    QFETCH(QString, length);
    QCOMPARE(::numberText(::onCallLength(begin, end)), length);
}

// Sick leave days: the special types, the host's usual ids without a choice.
void TestRecords::sickLeaveDays()
{
    Staged s;
    s.run.special.sickLeave = s.run.special.familyCare = 0;
    s.run.special.sickLeaveOfKeeper = 30;
    for (const char* record : {"15 5 28800 28800", "14 5 14400 28800", "30 3 28800 28800", "15 8 0 28800",
                               "7 9 28800 28800"})
        s.addInterruption(QString(record).section(' ', 0, 0).toUInt(), QString(record).section(' ', 1));
    ExportRowSink sink(s.staging, s.run);
    RecordGenerators generators(s.run, s.staging, sink);
    generators.startPerson(1);
    QCOMPARE(generators.sickLeaveDays(), QVector<int>({5, 3}));
    QCOMPARE(s.run.special.sickLeave + s.run.special.familyCare * 100, 1415u);
}

// Sick leave (15) continues from the previous month when its span there ends
// on that month's last day, into the next when it starts on the 1st.
void TestRecords::continuation_data()
{
    QTest::addColumn<QDate>("period");
    QTest::addColumn<int>("month"); // of the span around the period
    QTest::addColumn<QString>("span"); // begDay endDay sum sumDays
    QTest::addColumn<QString>("continues"); // "previous", "next" or ""
    QTest::newRow("from 31 December") << QDate(2025, 1, 1) << 12 << "20 31 96 12" << "previous";
    QTest::newRow("30 December") << QDate(2025, 1, 1) << 12 << "20 30 88 11" << "";
    QTest::newRow("from 29 February") << QDate(2024, 3, 1) << 2 << "26 29 32 4" << "previous";
    QTest::newRow("28 February of a leap year") << QDate(2024, 3, 1) << 2 << "26 28 24 3" << "";
    QTest::newRow("into 1 January") << QDate(2024, 12, 1) << 1 << "1 3 24 3" << "next";
    QTest::newRow("2 January") << QDate(2024, 12, 1) << 1 << "2 3 16 2" << "";
}

void TestRecords::continuation()
{
    QFETCH(QDate, period);
    QFETCH(int, month);
    QFETCH(QString, span);
    QFETCH(QString, continues);
    Staged around(period);
    around.addSpan("lintersSpansAround", 15, month, span);
    ExportRowSink sink(around.staging, around.run);
    RecordGenerators generators(around.run, around.staging, sink);
    generators.startPerson(1);
    QCOMPARE(generators.continuesFromPreviousMonth(15), continues == "previous");
    QCOMPARE(generators.continuesToNextMonth(15), continues == "next");
    QVERIFY(!generators.continuesFromPreviousMonth(14) && !generators.continuesToNextMonth(14));
}

// Cases the whole files of tests/endtoend leave out, through the generators'
// interface: interruption `iid` (15 sick leave, 7 other, 1 work) or bonus item
// `item`, by its row settings (type 0 per day, 1 per span, 2 per month).
// Staged: interruption records, spans or days. Options: W weekends and
// holidays out, S/E no date from/to when continued, H holiday on 4 March,
// R reference fund 25200, A advancedOvertime, P sick leave on the 5th, X a
// value of the 5th skipped for want of a day fund.
void TestRecords::interruptionRows_data()
{
    generatorColumns("iid");
    const auto row = [](const char* name, int iid, const QVariantHash& settings, const char* options,
                        const QStringList& staged, const QStringList& rows, const QStringList& around = {}) {
        QTest::newRow(name) << iid << settings << options << staged << rows << around;
    };
    row("day reference fund", 7, rs(1, 2, 2), "R", {"4 14400 - 10"}, {"10|0.571429|01.03.2024|31.03.2024"});
    row("day no value", 7, rs(0, 1, 7), "", {"4 0 28800 10", "5 3600 28800 10", "5 60 28800 10"},
        {"10||05.03.2024|", "10||05.03.2024|"});
    row("day unknown kind", 7, rs(5, 1, 1), "", {"4 3600 28800 10"}, {});
    const QStringList weekend = {"2 28800 28800 11", "3 28800 28800 11", "4 28800 28800 11", "5 28800 28800 11"};
    row("day sick leave, weekend and holiday out", 15, rs(1, 0, 0), "WH", weekend, {"11|1||"});
    row("day other leave keeps them", 7, rs(1, 0, 0), "WH", weekend, {"11|1||", "11|1||", "11|1||", "11|1||"});
    row("day continued both ways", 15, rs(1, 1, 1), "SE", {"1 28800 28800 11", "31 28800 28800 11"},
        {"11|1||01.03.2024", "11|1|31.03.2024|"}, {"2 20 29 80 10", "4 1 3 24 3"});
    row("span sick leave, hours", 15, rs(2, 0, 0, 1), "W", {"1 4 32 4 11"}, {"11|16||"});
    row("span sick leave, seconds", 15, rs(4, 0, 0, 1), "W", {"1 4 32 4 11"}, {"11|57600||"});
    row("span auto", 7, rs(3, 0, 0, 1), "", {"6 6 4 0.5 1/2", "11 13 24 3 1/2"}, {"2|4||", "1|3||"});
    row("month hours, pair", 7, rs(2, 0, 0, 2), "", {"3 14400 28800 11/21", "4 14400 28800 11/21"}, {"21|8||"});
    row("month seconds", 7, rs(4, 0, 0, 2), "", {"3 1000800 28800 11"}, {"11|1.0008e+06||"});
    row("month auto is days", 7, rs(3, 0, 0, 2), "", {"3 14400 28800 11/21"}, {"11|0.5||"});
    row("work day expected fund", 1, rs(1, 1, 1), "", {"4 work=14400 fond=0 expFund=28800"},
        {"1|0.5|04.03.2024|04.03.2024"});
    row("work day reference fund", 1, rs(1, 0, 0), "R", {"4 work=12600 fond=0"}, {"1|0.5||"});
    row("work month cut at fund, seconds", 1, rs(4, 3, 3, 2), "", {"4 work=30000", "5 work=20000"},
        {"1|48800|01.03.2024|31.03.2024"});
    row("work span hours, span code", 1, rs(2, 0, 0, 1), "", {"4 8 37.5 5 7/8", "11 11 8 1"}, {"8|37.5||", "|8||"});
    row("no fund, daily", 15, rs(1, 0, 0), "X", {"4 28800 28800 11", "5 14400 - 11"}, {"11|1||"});
    row("no day total, working days", 15, rs(2, 0, 0, 2), "WX", {"4 0 28800 11", "5 14400 - 11"}, {});
    row("no fund, work", 1, rs(1, 0, 0), "X", {"4 work=28800", "5 work=14400 fond=0"}, {"1|1||"});
}

void TestRecords::interruptionRows()
{
    QFETCH(int, iid);
    checkGeneratorRows(unsigned(iid), -1);
}

void TestRecords::bonusItemRows_data()
{
    generatorColumns("item");
    const auto row = [](const char* name, int item, const QVariantHash& settings, const char* options,
                        const QStringList& staged, const QStringList& rows) {
        QTest::newRow(name) << item << settings << options << staged << rows << QStringList();
    };
    const QStringList overtime = {"4 diff=3600 saldo_p=7200", "5 diff=3600 saldo_p=7200 hid=1"};
    const QStringList vouchers = {"4 vouchers=1", "5 vouchers=1.5", "6 vouchers=1 tom=1"};
    row("Saturday daily", 1, rs(2, 1, 1), "", {"2 work=14400", "3 work=3600", "9 work=7200", "4 work=28800"},
        {"c1|4|02.03.2024|02.03.2024", "c1|2|09.03.2024|09.03.2024"});
    row("overtime from saldo_p", 4, rs(2, 0, 0, 1), "A", overtime, {"c4|2||"});
    row("holiday overtime from saldo_p", 11, rs(2, 0, 0, 1), "A", overtime, {"c11|2||"});
    row("meal contribution, hours kind", 10, rs(2, 0, 0, 1), "", vouchers, {"c10|1||"});
    row("full fund, hours", 12, rs(2, 0, 0, 1), "", {"1", "2", "4 hid=1", "5 fond=25200", "6 fond=0"}, {"c12|15||"});
    row("paid holidays daily", 5, rs(2, 1, 0), "PR", {"4 hid=1", "5 hid=1", "6 hid=1 work=28800", "8 hid=1"},
        {"c5|7|04.03.2024|", "c5|7|06.03.2024|", "c5|7|08.03.2024|"});
    row("negative balance", 0, rs(3, 0, 0, 1), "", {"4 diff=-3600"}, {});
    row("no value kind", 3, rs(0, 0, 0, 1), "", {"4 night=3600"}, {});
    row("code pair, days", 7, rs(1, 0, 0, 1), "", {"4 bonus=14400"}, {"5|0.5||"});
    row("code pair, hours", 7, rs(2, 0, 0, 1), "", {"4 bonus=14400"}, {"7|4||"});
    row("no fund", 3, rs(1, 0, 0), "X", {"4 night=28800", "5 night=14400 fond=0"}, {"c3|1||"});
}

void TestRecords::bonusItemRows()
{
    QFETCH(int, item);
    checkGeneratorRows(0, item);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
