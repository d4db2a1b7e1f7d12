#ifndef STAGINGSQL_H
#define STAGINGSQL_H

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// Small pieces shared by the loading step and the span calculation.

// Logs a failed statement the way every step does: the fixed text, then the
// driver's error text. The innermost SqlFailureWatch alive learns of it.
void logSqlFailure(const QString& fixedText, const QString& errorText);

// After a walk of `query` with next(): true when it ended at its last row. A
// walk that ended on an error (a read that failed half way) is logged as a
// failed statement with `fixedText`, so that the step that watches fails:
// rows would be missing without a word.
bool walkCompleted(const QSqlQuery& query, const QString& fixedText);

// Tells a step whether any statement logged through logSqlFailure() failed
// while the watch lived (a row or a span is then missing), and keeps the
// first such failure. Watches nest; the plug-in runs on one thread.
class SqlFailureWatch
{
public:
    SqlFailureWatch();
    ~SqlFailureWatch();
    SqlFailureWatch(const SqlFailureWatch&) = delete;
    SqlFailureWatch& operator=(const SqlFailureWatch&) = delete;

    bool failed() const { return seen; }
    QString firstFailure() const { return statement; }
    QString firstReason() const { return reason; }
    void note(const QString& fixedText, const QString& errorText);

private:
    SqlFailureWatch* outer;
    bool seen = false;
    QString statement;
    QString reason;
};

// A value as text for a TEXT column, never a null string: a NULL host value is
// stored as empty text (binding a null QString would store NULL instead).
QString nonNullText(const QVariant& value);

// Runs the bulk writes of one step in one transaction of the staging
// connection. Commits when it goes out of scope (or at commit()); a failed
// begin or commit is logged with `where` ("Orvexuniversal::spansCalc()") and
// the writes are kept all the same.
class StagingTransaction
{
public:
    StagingTransaction(const QSqlDatabase& db, const char* where);
    ~StagingTransaction();
    void commit();

private:
    QSqlDatabase db;
    const char* where;
    bool open;
};

// Creates the index `indexName` on `table(columns)` unless it exists; a
// failure is logged as "<where> ::: SQLite ERROR: (CREATE INDEX [table]) :: ".
void createStagingIndex(QSqlQuery& query, const char* where, const char* indexName, const char* table,
                        const char* columns);

// The index through which the per-person statements of work read a person's
// days in latten. It covers the columns they read, so a person's days are
// walked in one place without visiting the table; id keeps days of the same
// dom in the order they were loaded. Other columns stay out so that
// whole-table reads still scan the table in its own order. (The bonus items
// of a loaded export take the days that loading kept.)
void createPersonDayIndex(QSqlQuery& query, const char* where);

// The span insert "INSERT INTO <table> (uid, iid, kod, sum, sumDays, begDay,
// endDay, month) ...", prepared once on its own query and bound per row.
// Real numbers are stored as their 6-significant-digit number text reads.
class SpanWriter
{
public:
    SpanWriter(const QSqlDatabase& db, const QString& table);
    bool insert(unsigned uid, unsigned iid, const QString& kod, double sum, double sumDays, int begDay,
                int endDay, int month);
    // A whole-day span: its day count is an integer.
    bool insertDays(unsigned uid, unsigned iid, const QString& kod, double sum, int begDay, int endDay, int month);
    QString errorText() const;

private:
    bool run(unsigned uid, unsigned iid, const QString& kod, double sum, const QVariant& sumDays, int begDay,
             int endDay, int month);
    QSqlQuery query;
};

// Every row of `source` that `condition` selects (an amount below the day's
// fund), as a span of one day in lintersSpans with the fraction of the fund it
// covers. The span's iid, kod and month are the row's when `source` has such
// columns, else `iid`, `kod` and `month`. Failures are logged as
// "Orvexuniversal::<operation>() ::: SQLite ERROR: (...) :: ".
struct PartialDaySource
{
    const char* operation;
    const char* table;
    const char* condition;
    const char* amountColumn;
    const char* fundColumn;
};
void insertPartialDays(const QSqlDatabase& db, const PartialDaySource& source, unsigned iid, const QString& kod,
                       int month);

#endif // STAGINGSQL_H
