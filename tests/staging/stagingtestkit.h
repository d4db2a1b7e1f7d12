#ifndef STAGINGTESTKIT_H
#define STAGINGTESTKIT_H

// Staging helpers of the staging and records tests: an in-memory staging
// database, rows read back as "a|b|c" (NULL as "NULL"), and a run of one
// person with staged rows given as short texts.

#include "interruptionspans.h"
#include "runcontext.h"
#include "stagingdatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

// A staging database in memory with the staging tables, on a connection of
// its own.
inline void openStaging(StagingDatabase& staging)
{
    QVERIFY(staging.open(":memory:"));
    staging.createTables(false);
}

inline QString freshConnectionName(const char* prefix)
{
    static int connections = 0;
    return QStringLiteral("%1_%2").arg(QLatin1String(prefix)).arg(++connections);
}

inline QStringList stagingRows(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        return {"ERROR " + sql};
    QStringList rows;
    while (query.next()) {
        QStringList columns;
        for (int i = 0; i < query.record().count(); ++i)
            columns << (query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
        rows << columns.join('|');
    }
    return rows;
}

// Person uid 1, pid 7, payroll number "P12", in the month of `period`; sick
// leave is iid 15, family care 14.
struct Staged
{
    RunContext run;
    StagingDatabase staging;

    explicit Staged(const QDate& period = QDate(2024, 3, 1), double refFund = 0.0)
        : staging(freshConnectionName("staged"))
    {
        openStaging(staging);
        run.periodDate = period;
        calculateInterruptionSpans(staging, period, {}, false); // the span tables, empty
        calculateInterruptionSpans(staging, period, {}, true);
        exec("INSERT INTO lpeople (uid, pid, pamId, refFund) VALUES(1, 7, 'P12', ?)", {refFund});
        run.peopleUids = {1};
        run.pamPidByUid.insert(1, "P12");
        run.yearText = QString::number(period.year());
        run.monthText = period.toString("MM");
        run.special.sickLeave = 15;
        run.special.familyCare = 14;
    }
    ~Staged() { staging.close(); }

    void exec(const QString& sql, const QVariantList& values)
    {
        QSqlQuery query(staging.db());
        query.prepare(sql);
        for (const QVariant& value : values)
            query.addBindValue(value);
        if (!query.exec())
            QTest::qFail(qPrintable(sql + ": " + query.lastError().text()), __FILE__, __LINE__);
    }

    // "dom duration fund kod [month]", fund "-" for none
    void addInterruption(unsigned iid, const QString& record, const char* table = "latten_data")
    {
        const QStringList f = record.split(' ');
        const auto number = [&](int i) { return f.value(i, "-") == "-" ? QVariant(QVariant::Int) : f.at(i).toInt(); };
        exec(QString("INSERT INTO %1 (uid, iid, dom, duration, fund, kod, month) VALUES(1, ?, ?, ?, ?, ?, ?)")
                 .arg(table),
             {iid, number(0), number(1), number(2), f.value(3), number(4)});
    }

    // "begDay endDay sum sumDays kod"
    void addSpan(const char* table, unsigned iid, int month, const QString& span)
    {
        const QStringList f = span.split(' ');
        exec(QString("INSERT INTO %1 (uid, iid, kod, sum, sumDays, begDay, endDay, month) "
                     "VALUES(1, ?, ?, ?, ?, ?, ?, ?)").arg(table),
             {iid, f.value(4), f.at(2).toDouble(), f.at(3).toDouble(), f.at(0).toInt(), f.at(1).toInt(), month});
    }

    // "dom column=value ...", other columns 0 and fond 28800
    void addDay(const QString& day)
    {
        QStringList f = day.split(' ');
        const int dom = f.takeFirst().toInt();
        exec("INSERT INTO latten (uid, dom, dow, fond, hid, work, expFund, vouchers, tom, diff, saldo_p, night, "
             "readBegin, readEnd, bonus) VALUES(1, ?, ?, 28800, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)",
             {dom, QDate(run.periodDate.year(), run.periodDate.month(), dom).dayOfWeek()});
        for (const QString& pair : f)
            exec(QString("UPDATE latten SET %1 = ? WHERE id = last_insert_rowid()").arg(pair.section('=', 0, 0)),
                 {pair.section('=', 1).toDouble()});
    }

    QStringList rows(const QString& sql) const { return stagingRows(staging.db(), sql); }
};

#endif // STAGINGTESTKIT_H
