// The pure rules of the export records, one table: number text, code pairs,
// date choices, working days, value kinds and on-call length.

#include "bonusitemrules.h"
#include "codepair.h"
#include "datechoice.h"
#include "numbertext.h"
#include "valuekinds.h"
#include "workingdays.h"

#include <QtTest>

class TestRecordRules : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
};

namespace {
// A value as "text", "text h" for the hours code, "! " for a skipped value.
QString shown(const RecordValue& value)
{
    return (value.noFund ? QStringLiteral("! ") : QString()) + value.text + (value.inHours ? " h" : "");
}
} // namespace

void TestRecordRules::rules_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QVariantList>("in");
    QTest::addColumn<QString>("out");
    const auto row = [](const char* name, const char* rule, const QVariantList& in, const char* out) {
        QTest::newRow(name) << rule << in << out;
    };
    row("0.1+0.2", "number", {0.1 + 0.2}, "0.3");
    row("86400", "number", {86400.0}, "86400");
    row("1e+06", "number", {1e6}, "1e+06");
    row("1000800", "number", {1000800.0}, "1.0008e+06");
    row("0.0001", "number", {0.0001}, "0.0001");
    row("1e-05", "number", {0.00001}, "1e-05");
    row("2/3", "number", {2.0 / 3.0}, "0.666667");

    row("single code", "code", {"10"}, "10|10");
    row("pair", "code", {"10/20"}, "10|20");
    row("no days code", "code", {"/20"}, "|20");
    row("no hours code", "code", {"10/"}, "10|");
    row("three parts", "code", {"1/2/3"}, "1|2");

    // period, begin, end, index, isEnd
    const QDate march(2024, 3, 1);
    row("event day as date to", "date", {march, 5, 9, 1, true}, "05.03.2024");
    row("last day 31", "date", {march, 5, 9, 2, true}, "31.03.2024");
    row("last day 30", "date", {QDate(2024, 4, 1), 5, 9, 2, true}, "30.04.2024");
    row("last day 29", "date", {QDate(2024, 2, 1), 5, 9, 2, true}, "29.02.2024");
    row("last day 28", "date", {QDate(2023, 2, 1), 5, 9, 2, true}, "28.02.2023");
    row("other index", "date", {march, 5, 9, 7, false}, "");
    row("day 0", "date", {march, 0, 0, 1, false}, "");
    row("30 February", "date", {QDate(2024, 2, 1), 30, 30, 1, false}, "");

    // March 2024: the 1st is a Friday; from, to, holiday flag of Monday 4th
    row("reversed", "workdays", {10, 9, false}, "0");
    row("Saturday", "workdays", {2, 2, false}, "0");
    row("Monday holiday", "workdays", {4, 4, true}, "0");
    row("Monday mapped false", "workdays", {4, 4, false}, "1");
    row("month with holiday", "workdays", {1, 31, true}, "20");
    row("beyond the month", "workdays", {29, 40, false}, "1");

    // daily: seconds, fund; span: hours, days; month: seconds, days; kind last
    row("daily days, no fund", "daily", {14400, 0, 1}, "! ");
    row("daily days, no fund, nothing", "daily", {0, 0, 1}, "");
    row("daily auto long", "daily", {30000, 28800, 3}, "");
    row("daily other kind", "daily", {27000, 28800, 5}, "");
    row("span partial in seconds", "span", {0.666667, 0.0833, 4}, "2400");
    row("month auto is days", "month", {14400, 0.5, 3}, "0.5");

    row("on call", "oncall", {28800, 57600}, "28800");
    row("on call over midnight", "oncall", {79200, 21600}, "28800");
    row("on call equal", "oncall", {36000, 36000}, "0");
}

void TestRecordRules::rules()
{
    QFETCH(QString, rule);
    QFETCH(QVariantList, in);
    QFETCH(QString, out);
    QString result;
    if (rule == "number") {
        result = numberText(in[0].toDouble());
    } else if (rule == "code") {
        const CodePair code(in[0].toString());
        result = code.codeFor(false) + '|' + code.codeFor(true);
    } else if (rule == "date") {
        result = dateChoiceText(in[0].toDate(), in[1].toUInt(), in[2].toUInt(), in[3].toInt(), in[4].toBool(),
                                dateFormatOption({}));
    } else if (rule == "workdays") {
        result = QString::number(workingDaysInInterval(QDate(2024, 3, 1), in[0].toInt(), in[1].toInt(),
                                                       {{QDate(2024, 3, 4), in[2].toBool()}}));
    } else if (rule == "daily") {
        result = shown(dailyRecordValue(in[0].toDouble(), in[1].toDouble(), in[2].toInt()));
    } else if (rule == "span") {
        result = shown(spanRecordValue(in[0].toDouble(), in[1].toDouble(), in[2].toInt()));
    } else if (rule == "month") {
        result = shown(summaryRecordValue(in[0].toDouble(), in[1].toDouble(), in[2].toInt()));
    } else if (rule == "oncall") {
        result = numberText(onCallLength(in[0].toDouble(), in[1].toDouble()));
    }
    QCOMPARE(result, out);
}

QTEST_GUILESS_MAIN(TestRecordRules)
#include "test_recordrules.moc"
