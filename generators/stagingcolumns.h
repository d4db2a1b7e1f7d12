#ifndef STAGINGCOLUMNS_H
#define STAGINGCOLUMNS_H

#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>

// Positions of the columns the record generators read, found once per
// statement in its result's record.

// A latten_data row: an interruption record of one day.
struct InterruptionColumns
{
    explicit InterruptionColumns(const QSqlRecord& record)
        : duration(record.indexOf(QStringLiteral("duration")))
        , fund(record.indexOf(QStringLiteral("fund")))
        , dom(record.indexOf(QStringLiteral("dom")))
        , kod(record.indexOf(QStringLiteral("kod")))
    {
    }
    int duration;
    int fund;
    int dom;
    int kod;
};

// A lintersSpans row, read as its values.
struct SpanRow
{
    QString kod;
    double hours = 0.0;
    double days = 0.0;
    int begDay = 0;
    int endDay = 0;
};

class SpanColumns
{
public:
    explicit SpanColumns(const QSqlRecord& record)
        : kod(record.indexOf(QStringLiteral("kod")))
        , sum(record.indexOf(QStringLiteral("sum")))
        , sumDays(record.indexOf(QStringLiteral("sumDays")))
        , begDay(record.indexOf(QStringLiteral("begDay")))
        , endDay(record.indexOf(QStringLiteral("endDay")))
    {
    }

    SpanRow read(const QSqlQuery& query) const
    {
        SpanRow row;
        row.kod = query.value(kod).toString();
        row.hours = query.value(sum).toDouble();
        row.days = query.value(sumDays).toDouble();
        row.begDay = query.value(begDay).toInt();
        row.endDay = query.value(endDay).toInt();
        return row;
    }

private:
    int kod;
    int sum;
    int sumDays;
    int begDay;
    int endDay;
};

#endif // STAGINGCOLUMNS_H
