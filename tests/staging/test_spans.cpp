// Span calculation on staging rows: interruption spans of the period and of
// the neighbouring months, partial days, work spans.

#include "stagingtestkit.h"

#include <QtTest>

namespace {
const int F = 28800;

// "uid,iid,dom,month,duration,fund,kod" with fund "NULL" for no day record.
void insertRecords(const QSqlDatabase& db, const QString& table, const QStringList& records)
{
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO %1 (uid, iid, dom, month, duration, fund, kod) VALUES (?,?,?,?,?,?,?)")
                       .arg(table));
    for (const QString& record : records) {
        const QStringList f = record.split(QLatin1Char(','));
        for (int i = 0; i < 7; ++i)
            insert.addBindValue(f.at(i) == QLatin1String("NULL") ? QVariant(QVariant::Int) : QVariant(f.at(i)));
        QVERIFY2(insert.exec(), qPrintable(record));
    }
}

// Full-fund records of one type on the given days.
QStringList fullDays(int iid, const QVector<int>& days, int month, const QString& kod = QStringLiteral("K"))
{
    QStringList records;
    for (int day : days)
        records << QStringLiteral("1,%1,%2,%3,%4,%4,%5").arg(iid).arg(day).arg(month).arg(F).arg(kod);
    return records;
}

QStringList spanRows(const QSqlDatabase& db, const char* table)
{
    return stagingRows(db, QStringLiteral("SELECT uid, iid, kod, sum, sumDays, begDay, endDay, month FROM %1 "
                                          "ORDER BY id").arg(QLatin1String(table)));
}
} // namespace

class TestSpans : public QObject
{
    Q_OBJECT

private slots:
    // Spans of full days, then the partial days; around the period only spans
    // touching the first or last day of the neighbouring month.
    void interruptionSpans_data()
    {
        QTest::addColumn<QDate>("period");
        QTest::addColumn<bool>("around");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("spans");
        const QDate march(2024, 3, 1);
        QTest::newRow("worked example")
            << march << false << fullDays(5, {3, 4, 5, 7, 8}, 3) + QStringList{"1,5,6,3,14400,28800,K"}
            << QStringList{"1|5|K|24|3|3|5|3", "1|5|K|16|2|7|8|3", "1|5|K|4|0.5|6|6|3"};
        QVector<int> month31;
        for (int day = 1; day <= 31; ++day)
            month31 << day;
        QTest::newRow("every day of the month") << march << false << fullDays(5, month31, 3)
                                                << QStringList{"1|5|K|248|31|1|31|3"};
        QTest::newRow("one second short, two halves, no day record")
            << march << false
            << QStringList{"1,5,10,3,28799,28800,K", "1,5,12,3,14400,28800,K", "1,5,12,3,14400,28800,K",
                           "1,5,14,3,3600,NULL,K"}
            << QStringList{"1|5|K|1|1|14|14|3", "1|5|K|7.99972|0.999965|10|10|3", "1|5|K|4|0.5|12|12|3",
                           "1|5|K|4|0.5|12|12|3"};
        QTest::newRow("partial record on a full day, apostrophe in the code")
            << march << false << QStringList{"1,5,3,3,28800,28800,O'K", "1,5,3,3,3600,28800,O'K"}
            << QStringList{"1|5|O'K|9|1|3|3|3", "1|5|O'K|1|0.125|3|3|3"};
        QTest::newRow("day outside the month not counted")
            << QDate(2024, 4, 1) << false << fullDays(5, {30, 31}, 4) << QStringList{"1|5|K|8|1|30|30|4"};
        QTest::newRow("around: leap February ends on 29, 10-20 dropped, April from day 1")
            << march << true
            << fullDays(5, {10, 11, 20, 27, 28, 29}, 2) + fullDays(5, {1, 2, 5}, 4) + fullDays(5, {4}, 3)
            << QStringList{"1|5|K|24|3|27|29|2", "1|5|K|16|2|1|2|4"};
        QTest::newRow("around: January export asks December")
            << QDate(2024, 1, 1) << true << fullDays(6, {30, 31}, 12) + fullDays(6, {1}, 2)
            << QStringList{"1|6|K|16|2|30|31|12", "1|6|K|8|1|1|1|2"};
        QTest::newRow("around: December export asks January")
            << QDate(2024, 12, 1) << true << fullDays(6, {30}, 11) + fullDays(6, {1, 3}, 1)
            << QStringList{"1|6|K|8|1|30|30|11", "1|6|K|8|1|1|1|1"};
    }

    void interruptionSpans()
    {
        QFETCH(QDate, period);
        QFETCH(bool, around);
        QFETCH(QStringList, records);
        QFETCH(QStringList, spans);
        Orvexuniversal plugin;
        openStaging(plugin, QStringLiteral("spans_") + QTest::currentDataTag());
        plugin.periodDate = period;
        plugin.peopleUids = {1};
        insertRecords(plugin.stagingDb, around ? QStringLiteral("latten_data_around") : QStringLiteral("latten_data"),
                      records);
        plugin.spansCalc(plugin.stagingQuery, around);
        QCOMPARE(spanRows(plugin.stagingDb, around ? "lintersSpansAround" : "lintersSpans"), spans);
    }

    // Work spans after the interruption spans: days worked to the fund, partial days.
    void workSpans_data()
    {
        QTest::addColumn<QStringList>("days"); // "dom,work,fond,expFund"
        QTest::addColumn<int>("refFund");
        QTest::addColumn<QStringList>("spans");
        QStringList example;
        for (int day : {1, 2, 3, 4, 5, 10, 11, 12})
            example << QStringLiteral("%1,28800,28800,0").arg(day);
        example << "8,30000,28800,0" << "9,14400,28800,0";
        QTest::newRow("worked example") << example << 0
                                        << QStringList{"1|1|W'1|40|5|1|5|3", "1|1|W'1|8.33333|1|8|8|3",
                                                       "1|1|W'1|24|3|10|12|3", "1|1|W'1|4|0.5|9|9|3"};
        QTest::newRow("recorded weekend joins the weeks")
            << example + QStringList{"6,0,0,0", "7,0,0,0"} << 0
            << QStringList{"1|1|W'1|48.3333|8|1|8|3", "1|1|W'1|24|3|10|12|3", "1|1|W'1|4|0.5|9|9|3"};
        QTest::newRow("expected fund marks, never partial; reference fund")
            << QStringList{"1,28000,0,28800", "2,28800,0,28800", "3,27000,0,0", "4,26000,0,0"} << 27000
            << QStringList{"1|1|W'1|15.5|2|2|3|3"};
        QTest::newRow("no fund anywhere marks every day") << QStringList{"1,0,0,0", "2,3600,0,0"} << 0
                                                          << QStringList{"1|1|W'1|1|2|1|2|3"};
    }

    void workSpans()
    {
        QFETCH(QStringList, days);
        QFETCH(int, refFund);
        QFETCH(QStringList, spans);
        Orvexuniversal plugin;
        openStaging(plugin, QStringLiteral("work_") + QTest::currentDataTag());
        plugin.periodDate = QDate(2024, 3, 1);
        plugin.periodMonth = 3;
        plugin.peopleUids = {1};
        QSqlQuery insert(plugin.stagingDb);
        insert.exec(QStringLiteral("INSERT INTO lpeople (uid, refFund) VALUES (1, %1)").arg(refFund));
        insert.prepare(QStringLiteral("INSERT INTO latten (uid, dom, work, fond, expFund) VALUES (1,?,?,?,?)"));
        for (const QString& day : days) {
            for (const QString& value : day.split(QLatin1Char(',')))
                insert.addBindValue(value.toInt());
            QVERIFY(insert.exec());
        }
        plugin.spansCalc(plugin.stagingQuery, false);
        plugin.spansCalcWork(plugin.stagingQuery, {{"inters", QVariantHash{{"1", "W'1"}, {"5", ""}}}});
        QCOMPARE(spanRows(plugin.stagingDb, "lintersSpans"), spans);
    }
};

QTEST_GUILESS_MAIN(TestSpans)
#include "test_spans.moc"
