// Span calculation on staging rows: interruption spans of the period and of
// the neighbouring months, partial days, work spans.

#include "stagingtestkit.h"
#include "workspans.h"

namespace {
// Full-fund records (8 h) of one month on the given days, as Staged takes them.
QStringList fullDays(const QVector<int>& days, int month)
{
    QStringList records;
    for (int day : days)
        records << QString("%1 28800 28800 K %2").arg(day).arg(month);
    return records;
}

QString spanRows(const char* table)
{
    return QString("SELECT uid, iid, kod, sum, sumDays, begDay, endDay, month FROM %1 ORDER BY id").arg(table);
}
} // namespace

class TestSpans : public QObject
{
    Q_OBJECT

private slots:
    void interruptionSpans_data();
    void interruptionSpans();
    void workSpans_data();
    void workSpans();
    void holidays_data();
    void holidays();
};

// Spans of full days, then the partial days; around the period only spans
// touching the first or last day of the neighbouring month.
void TestSpans::interruptionSpans_data()
{
    QTest::addColumn<QDate>("period");
    QTest::addColumn<bool>("around");
    QTest::addColumn<QStringList>("records"); // "dom duration fund kod month" of type 5
    QTest::addColumn<QStringList>("spans");
    const QDate march(2024, 3, 1);
    QVector<int> month31;
    for (int day = 1; day <= 31; ++day)
        month31 << day;
    QTest::newRow("worked example")
        << march << false << fullDays({3, 4, 5, 7, 8}, 3) + QStringList{"6 14400 28800 K 3"}
        << QStringList{"1|5|K|24|3|3|5|3", "1|5|K|16|2|7|8|3", "1|5|K|4|0.5|6|6|3"};
    QTest::newRow("every day of the month") << march << false << fullDays(month31, 3)
                                            << QStringList{"1|5|K|248|31|1|31|3"};
    QTest::newRow("one second short, two halves, no day record")
        << march << false
        << QStringList{"10 28799 28800 K 3", "12 14400 28800 K 3", "12 14400 28800 K 3", "14 3600 - K 3"}
        << QStringList{"1|5|K|1|1|14|14|3", "1|5|K|7.99972|0.999965|10|10|3", "1|5|K|4|0.5|12|12|3",
                       "1|5|K|4|0.5|12|12|3"};
    QTest::newRow("partial record on a full day, apostrophe in the code")
        << march << false << QStringList{"3 28800 28800 O'K 3", "3 3600 28800 O'K 3"}
        << QStringList{"1|5|O'K|9|1|3|3|3", "1|5|O'K|1|0.125|3|3|3"};
    QTest::newRow("day outside the month not counted")
        << QDate(2024, 4, 1) << false << fullDays({30, 31}, 4) << QStringList{"1|5|K|8|1|30|30|4"};
    QTest::newRow("around: leap February ends on 29, 10-20 dropped, April from day 1")
        << march << true << fullDays({10, 11, 20, 27, 28, 29}, 2) + fullDays({1, 2, 5}, 4) + fullDays({4}, 3)
        << QStringList{"1|5|K|24|3|27|29|2", "1|5|K|16|2|1|2|4"};
    QTest::newRow("around: January export asks December")
        << QDate(2024, 1, 1) << true << fullDays({30, 31}, 12) + fullDays({1}, 2)
        << QStringList{"1|5|K|16|2|30|31|12", "1|5|K|8|1|1|1|2"};
    QTest::newRow("around: December export asks January")
        << QDate(2024, 12, 1) << true << fullDays({30}, 11) + fullDays({1, 3}, 1)
        << QStringList{"1|5|K|8|1|30|30|11", "1|5|K|8|1|1|1|1"};
}

void TestSpans::interruptionSpans()
{
    QFETCH(QDate, period);
    QFETCH(bool, around);
    QFETCH(QStringList, records);
    QFETCH(QStringList, spans);
    Staged s(period);
    for (const QString& record : records)
        s.addInterruption(5, record, around ? "latten_data_around" : "latten_data");
    calculateInterruptionSpans(s.staging, s.run.periodDate, s.run.peopleUids, around);
    QCOMPARE(s.rows(spanRows(around ? "lintersSpansAround" : "lintersSpans")), spans);
}

// Work spans after the interruption spans: days worked to the fund, partial days.
void TestSpans::workSpans_data()
{
    QTest::addColumn<QStringList>("days"); // March 2024, as Staged takes them
    QTest::addColumn<int>("refFund");
    QTest::addColumn<QStringList>("spans");
    QStringList example;
    for (int day : {1, 2, 3, 4, 5, 10, 11, 12})
        example << QString("%1 work=28800").arg(day);
    example << "8 work=30000" << "9 work=14400";
    QTest::newRow("worked example") << example << 0
                                    << QStringList{"1|1|W'1|40|5|1|5|3", "1|1|W'1|8.33333|1|8|8|3",
                                                   "1|1|W'1|24|3|10|12|3", "1|1|W'1|4|0.5|9|9|3"};
    QTest::newRow("expected fund marks, never partial; reference fund")
        << QStringList{"1 work=28000 fond=0 expFund=28800", "2 work=28800 fond=0 expFund=28800",
                       "3 work=27000 fond=0", "4 work=26000 fond=0"}
        << 27000 << QStringList{"1|1|W'1|15.5|2|2|3|3"};
    // as recorded weekends do, joining the weeks around them (see also tests/endtoend)
    QTest::newRow("no fund anywhere marks every day") << QStringList{"1 fond=0", "2 work=3600 fond=0"} << 0
                                                      << QStringList{"1|1|W'1|1|2|1|2|3"};
}

void TestSpans::workSpans()
{
    QFETCH(QStringList, days);
    QFETCH(int, refFund);
    QFETCH(QStringList, spans);
    Staged s(QDate(2024, 3, 1), refFund);
    for (const QString& day : days)
        s.addDay(day);
    calculateInterruptionSpans(s.staging, s.run.periodDate, s.run.peopleUids, false);
    calculateWorkSpans(s.staging, s.run.periodDate, s.run.peopleUids, "W'1");
    QCOMPARE(s.rows(spanRows("lintersSpans")), spans);
}

// The host stores a holiday as the time stamp of its local midnight: read
// back, it is that local date, in winter and in summer time alike.
void TestSpans::holidays_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("hid");
    QTest::newRow("Good Friday, winter time") << QDate(2024, 3, 29) << 5;
    QTest::newRow("Easter Monday, summer time") << QDate(2024, 4, 1) << 6;
    QTest::newRow("New Year") << QDate(2025, 1, 1) << 1;
    QTest::newRow("a working Saturday") << QDate(2024, 3, 2) << 0;
}

void TestSpans::holidays()
{
    QFETCH(QDate, date);
    QFETCH(int, hid);
    Staged s(date);
    s.exec("INSERT INTO lholidays (date, hid) VALUES(?, ?)", {QDateTime(date, QTime(0, 0)).toSecsSinceEpoch(), hid});
    QHash<QDate, bool> holidays;
    QVERIFY(s.staging.readHolidays(holidays));
    QCOMPARE(holidays.keys(), QList<QDate>{date});
    QCOMPARE(holidays.value(date), hid > 0);
}

QTEST_GUILESS_MAIN(TestSpans)
#include "tst_spans.moc"
