// Work spans: stretches of consecutive days worked at least to the day's fund,
// and the days worked below the planned fund, appended to lintersSpans as
// rows of type 1 after the interruption spans of the period.

#include "workspans.h"

#include "daygrid.h"
#include "sqlerrortext.h"
#include "stagingdatabase.h"
#include "stagingsql.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlRecord>

namespace {

const char* const where = "Orvexuniversal::spansCalcWork()";
const unsigned workIid = 1;

QString insertFailure()
{
    return sqliteErrorText("spansCalcWork", QStringLiteral("INSERT INTO [lintersSpans]"));
}

// The fund a day is measured against: its planned fund, else its expected
// fund, else the person's reference fund.
double dayFund(double fond, double expFund, double refFund)
{
    if (fond != 0.0)
        return fond;
    return expFund != 0.0 ? expFund : refFund;
}

class WorkSpanCalculator
{
public:
    WorkSpanCalculator(const QSqlDatabase& db, const QString& kod, int month, int length)
        : kod(kod), month(month), length(length), dayQuery(db), sumQuery(db), writer(db, QStringLiteral("lintersSpans"))
    {
        dayQuery.setForwardOnly(true);
        dayQuery.prepare(QStringLiteral("SELECT work, dom, fond, expFund FROM latten WHERE uid=?"));
        sumQuery.setForwardOnly(true);
        sumQuery.prepare(QStringLiteral("SELECT SUM(work) FROM latten  WHERE uid = ? AND (dom >= ? AND dom <= ?) "));
    }

    void run(unsigned uid, double refFund)
    {
        DayGrid grid;
        if (!readGrid(uid, refFund, &grid))
            return;
        QVector<QPair<DayRun, double>> summed;
        for (const DayRun& run : findRuns(grid)) {
            double sum = 0.0;
            if (integerWork)
                summed.append(qMakePair(run, double(workBetween(run)) / 3600.0));
            else if (sumRun(uid, run, &sum))
                summed.append(qMakePair(run, sum));
        }
        for (const auto& span : summed) {
            if (!writer.insertDays(uid, workIid, kod, span.second, span.first.first, span.first.second, month)) {
                logSqlFailure(insertFailure(), writer.errorText());
                return;
            }
        }
    }

private:
    bool readGrid(unsigned uid, double refFund, DayGrid* grid)
    {
        dayQuery.addBindValue(uid);
        if (!dayQuery.exec()) {
            logSqlFailure(sqliteErrorText("spansCalcWork", QStringLiteral("SELECT work,dom FROM latten ")),
                          dayQuery.lastError().text());
            return false;
        }
        *grid = emptyDayGrid(length);
        days.clear();
        integerWork = true;
        while (dayQuery.next()) {
            const QVariant workValue = dayQuery.value(0);
            const double work = workValue.toDouble();
            const unsigned dom = dayQuery.value(1).toUInt();
            integerWork = integerWork && workValue.type() == QVariant::LongLong;
            days.append(qMakePair(dayQuery.value(1).toLongLong(), workValue.toLongLong()));
            const double fund = dayFund(dayQuery.value(2).toDouble(), dayQuery.value(3).toDouble(), refFund);
            if (work >= fund && !markDay(*grid, int(dom)))
                qWarning() << "Orvexuniversal::spansCalcWork() ::: day outside the month, not counted in spans: uid"
                           << uid << "dom" << dom << "days in month" << length;
        }
        if (!walkCompleted(dayQuery, sqliteErrorText("spansCalcWork", QStringLiteral("SELECT work,dom FROM latten "))))
            return false;
        dayQuery.finish();
        return true;
    }

    // What "SELECT SUM(work) ... WHERE uid = ? AND (dom >= ? AND dom <= ?)"
    // gives for the days read, when they hold whole numbers of seconds.
    qint64 workBetween(const DayRun& run) const
    {
        qint64 sum = 0;
        for (const auto& day : days)
            if (day.first >= run.first && day.first <= run.second)
                sum += day.second;
        return sum;
    }

    bool sumRun(unsigned uid, const DayRun& run, double* sum)
    {
        sumQuery.addBindValue(uid);
        sumQuery.addBindValue(run.first);
        sumQuery.addBindValue(run.second);
        if (!sumQuery.exec() || !sumQuery.next()) {
            logSqlFailure(sqliteErrorText("spansCalcWork", QStringLiteral("SELECT SUM(work) FROM latten")),
                          sumQuery.lastError().text());
            return false;
        }
        *sum = sumQuery.value(0).toDouble() / 3600.0;
        sumQuery.finish();
        return true;
    }

    QString kod;
    int month;
    int length;
    QSqlQuery dayQuery, sumQuery;
    SpanWriter writer;
    // The person's (dom, work) as read, and whether every work value is an
    // integer (as loading writes them): then the spans' sums need no query.
    QVector<QPair<qint64, qint64>> days;
    bool integerWork = false;
};

} // namespace

void calculateWorkSpans(StagingDatabase& staging, const QDate& periodDate, const QVector<unsigned>& people,
                        const QString& workCode)
{
    const QSqlDatabase stagingDb = staging.db();
    QSqlQuery query(stagingDb);
    // The day query runs once per person: it must find the person's days
    // through an index, not by scanning latten.
    createPersonDayIndex(query, where);

    StagingTransaction transaction(stagingDb, where);
    WorkSpanCalculator calculator(stagingDb, workCode, periodDate.month(), periodDate.daysInMonth());
    // The first failed statement stops the walk (the step fails all the same).
    const SqlFailureWatch watch;
    for (const unsigned uid : people) {
        calculator.run(uid, staging.referenceFundOf(uid));
        if (watch.failed())
            break;
    }
    // Every day record worked below its planned fund.
    insertPartialDays(stagingDb, {"spansCalcWork", "latten", "work < fond ", "work", "fond"}, workIid, workCode,
                      periodDate.month());
    transaction.commit();
}
