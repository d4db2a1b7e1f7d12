// Spans of consecutive interruption days: for the export period from
// latten_data into lintersSpans (with the partial days), for the neighbouring
// months from latten_data_around into lintersSpansAround (only spans that touch
// the month's first or last day, which is all the continuation checks ask).

#include "interruptionspans.h"

#include "daygrid.h"
#include "sqlerrortext.h"
#include "stagingdatabase.h"
#include "stagingsql.h"

#include <QDebug>
#include <QSet>
#include <QSqlError>
#include <QSqlRecord>

namespace {

const char* const where = "Orvexuniversal::spansCalc()";

QString failureText(const char* what, const QString& table, const char* note = "")
{
    return sqliteErrorText("spansCalc", QStringLiteral("%1 [%2]%3").arg(QLatin1String(what), table, QLatin1String(note)));
}

// One scan of a month for one person and type. `month` 0 means no month
// condition (the export period: every record of the source counts).
struct SpanPass {
    int month;
    int length;
    bool boundaryOnly;
};

QVector<SpanPass> passesFor(bool around, const QDate& periodDate)
{
    if (!around)
        return {{0, periodDate.daysInMonth(), false}};
    const QDate previous = periodDate.addMonths(-1);
    const QDate next = periodDate.addMonths(1);
    return {{previous.month(), previous.daysInMonth(), true}, {next.month(), next.daysInMonth(), true}};
}

struct SummedRun {
    DayRun run;
    double sum;
    QString kod;
};

// The per-person work of one spansCalc call; every statement is prepared once.
class InterruptionSpanCalculator
{
public:
    InterruptionSpanCalculator(const QSqlDatabase& db, const QString& source, const QString& target, bool around)
        : source(source), target(target), around(around), dayQuery(db), sumQuery(db), writer(db, target)
    {
        const QString monthCondition = around ? QStringLiteral("AND month=?") : QString();
        dayQuery.setForwardOnly(true);
        dayQuery.prepare(QStringLiteral("SELECT * FROM %1  WHERE uid=? AND iid=? %2").arg(source, monthCondition));
        sumQuery.setForwardOnly(true);
        sumQuery.prepare(QStringLiteral("SELECT SUM(duration), kod FROM %1  WHERE uid = ? AND iid = ? "
                                        "AND (dom >= ? AND dom <= ?) %2")
                             .arg(source, monthCondition));
        readPresentKeys(db);
    }

    void run(unsigned uid, unsigned iid, const SpanPass& pass)
    {
        // Most people have no record of most types: their day query would
        // return nothing and yield no span, so it is not run at all.
        if (presentKeysRead && !presentKeys.contains(presenceKey(uid, iid, pass.month)))
            return;
        int month = 0;
        DayGrid grid;
        if (!readGrid(uid, iid, pass, &grid, &month))
            return;
        QVector<SummedRun> summed;
        for (const DayRun& run : findRuns(grid)) {
            SummedRun span{run, 0.0, QString()};
            if (sumRun(uid, iid, pass, &span))
                summed.append(span);
        }
        for (const SummedRun& span : summed) {
            if (pass.boundaryOnly && span.run.second != pass.length && span.run.first != 1)
                continue;
            if (!writer.insertDays(uid, iid, span.kod, span.sum, span.run.first, span.run.second, month)) {
                logSqlFailure(failureText("INSERT INTO", target), writer.errorText());
                return;
            }
        }
    }

private:
    // (person, type, month) of a record; month 0 stands for any month. Keys
    // of ids beyond the packed widths may collide, which only makes a day
    // query run that finds nothing.
    static quint64 presenceKey(unsigned uid, unsigned iid, int month)
    {
        return (quint64(uid) << 32) | (quint64(iid & 0xFFFFFFu) << 8) | quint64(month & 0xFF);
    }

    // The (person, type, month) combinations that have records in the
    // source. Without them (the query failed) every day query runs.
    void readPresentKeys(const QSqlDatabase& db)
    {
        QSqlQuery keys(db);
        keys.setForwardOnly(true);
        presentKeysRead = keys.exec(QStringLiteral("SELECT DISTINCT uid, iid, month FROM %1").arg(source));
        while (presentKeysRead && keys.next()) {
            const unsigned uid = keys.value(0).toUInt();
            const unsigned iid = keys.value(1).toUInt();
            presentKeys.insert(presenceKey(uid, iid, keys.value(2).toInt()));
            presentKeys.insert(presenceKey(uid, iid, 0));
        }
        // Keys read in part would skip day queries that find records.
        presentKeysRead = presentKeysRead && !keys.lastError().isValid();
    }

    bool readGrid(unsigned uid, unsigned iid, const SpanPass& pass, DayGrid* grid, int* month)
    {
        dayQuery.addBindValue(uid);
        dayQuery.addBindValue(iid);
        if (pass.month != 0)
            dayQuery.addBindValue(pass.month);
        if (!dayQuery.exec()) {
            logSqlFailure(failureText("SELECT FROM", source), dayQuery.lastError().text());
            return false;
        }
        const QSqlRecord columns = dayQuery.record();
        const int durationColumn = columns.indexOf(QStringLiteral("duration"));
        const int fundColumn = columns.indexOf(QStringLiteral("fund"));
        const int domColumn = columns.indexOf(QStringLiteral("dom"));
        const int monthColumn = columns.indexOf(QStringLiteral("month"));
        *grid = emptyDayGrid(pass.length);
        while (dayQuery.next()) {
            const int duration = dayQuery.value(durationColumn).toInt();
            const int fund = dayQuery.value(fundColumn).toInt();
            const unsigned dom = dayQuery.value(domColumn).toUInt();
            *month = int(dayQuery.value(monthColumn).toUInt());
            // A record as long as its day's fund (or without a day record)
            // makes a full day; shorter records are partial days.
            if (fund <= duration && !markDay(*grid, int(dom)))
                qWarning() << "Orvexuniversal::spansCalc() ::: day outside the month, not counted in spans: uid"
                           << uid << "iid" << iid << "dom" << dom << "month" << *month << "days in month"
                           << pass.length;
        }
        if (!walkCompleted(dayQuery, failureText("SELECT FROM", source)))
            return false;
        dayQuery.finish();
        return true;
    }

    bool sumRun(unsigned uid, unsigned iid, const SpanPass& pass, SummedRun* span)
    {
        sumQuery.addBindValue(uid);
        sumQuery.addBindValue(iid);
        sumQuery.addBindValue(span->run.first);
        sumQuery.addBindValue(span->run.second);
        if (pass.month != 0)
            sumQuery.addBindValue(pass.month);
        if (!sumQuery.exec() || !sumQuery.next()) {
            logSqlFailure(failureText("SELECT FROM", source, " - sum"),
                          sumQuery.lastError().text());
            return false;
        }
        span->sum = sumQuery.value(0).toDouble() / 3600.0;
        span->kod = nonNullText(sumQuery.value(1));
        sumQuery.finish();
        return true;
    }

    QString source, target;
    bool around;
    QSqlQuery dayQuery, sumQuery;
    SpanWriter writer;
    QSet<quint64> presentKeys;
    bool presentKeysRead = false;
};

// The distinct interruption types of `source`, in the order of their first
// record. The table scan is forced: through an index the types would come in
// another order, and so would the span rows.
QVector<unsigned> typeList(QSqlQuery& query, const QString& source, bool* ok)
{
    QVector<unsigned> types;
    *ok = query.exec(
        QStringLiteral("SELECT DISTINCT(iid) FROM %1 NOT INDEXED WHERE iid < 1000 AND iid > 0").arg(source));
    if (!*ok) {
        logSqlFailure(failureText("SELECT FROM", source), query.lastError().text());
        return types;
    }
    while (query.next())
        types.append(query.value(0).toUInt());
    *ok = walkCompleted(query, failureText("SELECT FROM", source));
    query.finish();
    return types;
}

void recreateSpanTable(QSqlQuery& query, const QString& target)
{
    if (!query.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(target)))
        logSqlFailure(failureText("DROP TABLE", target), query.lastError().text());
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (id INTEGER PRIMARY KEY, uid INT, iid INT, "
                                   "kod TEXT, sum REAL, sumDays REAL, begDay INT, endDay INT, month INT)")
                        .arg(target)))
        logSqlFailure(failureText("CREATE TABLE", target), query.lastError().text());
}

} // namespace

void calculateInterruptionSpans(StagingDatabase& staging, const QDate& periodDate, const QVector<unsigned>& people,
                                bool around)
{
    const QSqlDatabase stagingDb = staging.db();
    QSqlQuery query(stagingDb);
    const QString source = around ? QStringLiteral("latten_data_around") : QStringLiteral("latten_data");
    const QString target = around ? QStringLiteral("lintersSpansAround") : QStringLiteral("lintersSpans");

    recreateSpanTable(query, target);
    if (around) {
        createStagingIndex(query, where, "idx_lintersSpansAround_uid_iid_month", "lintersSpansAround",
                           "uid, iid, month");
        createStagingIndex(query, where, "idx_latten_data_around_uid_iid_month", "latten_data_around",
                           "uid, iid, month");
    } else {
        createStagingIndex(query, where, "idx_lintersSpans_uid_iid", "lintersSpans", "uid, iid");
        createStagingIndex(query, where, "idx_latten_data_uid_iid", "latten_data", "uid, iid");
    }

    bool typesRead = false;
    const QVector<unsigned> types = typeList(query, source, &typesRead);
    const QVector<SpanPass> passes = passesFor(around, periodDate);

    StagingTransaction transaction(stagingDb, where);
    if (typesRead) {
        InterruptionSpanCalculator calculator(stagingDb, source, target, around);
        // The first failed statement stops the walk over the people (the
        // step fails all the same): a statement that fails once would fail,
        // and be logged, for every person.
        const SqlFailureWatch watch;
        for (const unsigned uid : people) {
            for (const unsigned iid : types)
                for (const SpanPass& pass : passes)
                    calculator.run(uid, iid, pass);
            if (watch.failed())
                break;
        }
    }
    // Every interruption record of the period shorter than its day's fund.
    if (!around)
        insertPartialDays(stagingDb, {"spansCalc", "latten_data", "duration < fund AND iid >= 1", "duration", "fund"},
                          0, QString(), 0);
    transaction.commit();
}
