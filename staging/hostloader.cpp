// Copies the export's host data into the staging tables: people, holidays,
// settings and option sets, the period's interruption and day records (with
// the day's fund written onto the interruption records), the spans of the
// period, the interruption records of the neighbouring windows with their
// funds, and the interruption names.
//
// Host values are bound, never spliced; only the person ids, read into
// numbers first, are written into the IN lists. Every bulk step writes inside
// one staging transaction, and every per-row statement is prepared once.

#include "hostloader.h"

#include "changedvaluebinder.h"
#include "hostrowreader.h"
#include "interruptionspans.h"
#include "numbertext.h"
#include "personids.h"
#include "recordeddays.h"
#include "runcontext.h"
#include "sqlerrortext.h"
#include "stagingdatabase.h"
#include "stagingsql.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

const char* const where = "Orvexuniversal::loadDataToSQLiteTables()";
const char* const attenReadFailure = "Orvexuniversal::loadDataToSQLiteTables() ERROR (SELECT ... FROM atten_data ...)";

QString stagingFailure(const char* what)
{
    return sqliteErrorText("loadDataToSQLiteTables", QLatin1String(what));
}

// Day of month, month and day of week of the local calendar date of a host
// time stamp (the host's zone, daylight saving included).
struct LocalDay {
    QDate date;
    int dom;
    int month;
    int dow;
};

LocalDay localDay(qint64 secondsSinceEpoch)
{
    const QDate date = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch).date();
    return {date, date.day(), date.month(), date.dayOfWeek()};
}

qint64 localMidnight(const QDate& date)
{
    return QDateTime(date, QTime(0, 0)).toSecsSinceEpoch();
}

// The local days of the loading windows by their local midnights, so that a
// row's time stamp finds its day without a QDateTime of its own. A time stamp
// belongs to the day of the last midnight at or before it. A day whose
// midnight QDateTime does not confirm (a zone that skips or repeats
// midnight) leaves the whole table unused; time stamps outside the table go
// through QDateTime as well.
class LocalDayTable
{
public:
    LocalDayTable(const QDate& first, const QDate& last)
    {
        if (!first.isValid() || !last.isValid() || first.daysTo(last) > 400)
            return;
        for (QDate date = first; date <= last; date = date.addDays(1)) {
            const qint64 midnight = localMidnight(date);
            const bool confirmed = localDay(midnight).date == date && localDay(midnight - 1).date == date.addDays(-1)
                                   && (midnights.isEmpty() || midnight > midnights.last());
            if (!confirmed) {
                midnights.clear();
                days.clear();
                return;
            }
            midnights.append(midnight);
            days.append(LocalDay{date, date.day(), date.month(), date.dayOfWeek()});
        }
    }

    LocalDay of(qint64 secondsSinceEpoch) const
    {
        // The last midnight only closes the day before it.
        if (midnights.size() < 2 || secondsSinceEpoch < midnights.first() || secondsSinceEpoch >= midnights.last())
            return localDay(secondsSinceEpoch);
        const auto next = std::upper_bound(midnights.constBegin(), midnights.constEnd(), secondsSinceEpoch);
        return days.at(int(next - midnights.constBegin()) - 1);
    }

private:
    QVector<qint64> midnights;
    QVector<LocalDay> days;
};

// The loading dialog's value: the share of the month's rows read and
// written. The large statements deliver their rows person after person (in
// parts of people), so the position of a row's person in the run tells how
// far its statement has come; each statement has its share of the range.
class LoadingProgress
{
public:
    LoadingProgress(const RunContext& run, const QVector<unsigned>& ids) : run(run), count(ids.size())
    {
        positions.reserve(ids.size());
        for (int i = 0; i < ids.size(); ++i)
            positions.insert(ids.at(i), i);
    }

    // The next statement covers `from`..`to` of the dialog's 100.
    void enter(int from, int to)
    {
        stepFrom = from;
        stepTo = to;
        report(from);
    }

    void row(unsigned uid)
    {
        if (++rowsSinceReport < 256)
            return;
        rowsSinceReport = 0;
        const auto position = positions.constFind(uid);
        if (position != positions.constEnd() && count > 0)
            report(stepFrom + int(qint64(stepTo - stepFrom) * (position.value() + 1) / count));
    }

private:
    void report(int value)
    {
        if (value <= shown)
            return;
        shown = value;
        run.reportProgress(value);
    }

    const RunContext& run;
    QHash<unsigned, int> positions;
    const int count;
    int stepFrom = 0;
    int stepTo = 0;
    int shown = -1;
    int rowsSinceReport = 0;
};

class HostLoader
{
public:
    HostLoader(RunContext& run, StagingDatabase& staging, const QSqlDatabase& host, HostReads* reads,
               const QVector<unsigned>& ids)
        : run(run)
        , staging(staging)
        , host(host)
        , reads(reads)
        , ids(ids)
        , progress(run, ids)
        , localDays(run.periodDate.addMonths(-1).addDays(-1), run.periodDate.addMonths(2).addDays(2))
    {
        previousBound = localMidnight(run.periodDate.addMonths(-1));
        nextBound = localMidnight(run.periodDate.addMonths(2));
    }

    void createIndexes(const char* table);
    void loadPeople();
    void loadHolidays();
    void loadSettings();
    void loadPeriodInterruptions();
    void loadPeriodDays();
    void loadAroundInterruptions();
    void loadAroundFunds();
    void askForMonthRows();
    void loadInterruptionNames();
    LoadingProgress& shown() { return progress; }

private:
    bool walkHost(const QString& sql, const QVariantList& values, const char* failure, const char* table,
                  const std::function<void(const HostRowReader&)>& row, const QVector<unsigned>* people = nullptr);
    bool walkHost(std::unique_ptr<HostRowReader>& host, const char* failure, const char* table,
                  const std::function<void(const HostRowReader&)>& row);
    void reportHostReadFailure(const char* table, const QString& reason);
    QSqlQuery stagingStatement(const char* sql);
    void debugTable(const char* text) const;
    void insertOptionSet(QSqlQuery& insert, const char* name, const QByteArray& document, const char* failure);
    int referenceFund(QSqlQuery& lookup, unsigned uid);
    void bindInterruption(QSqlQuery& insert, const HostRowReader& host, const LocalDay& day, const QString& kod,
                          qint64 from);
    void writeFund(QSqlQuery& update, int fund, unsigned uid, int dom, int month, const char* failure);
    QString interruptionCode(unsigned iid) const;

    RunContext& run;
    StagingDatabase& staging;
    QSqlDatabase host;
    HostReads* reads;
    const QVector<unsigned> ids;
    LoadingProgress progress;
    QHash<QDate, bool> holidayDates;
    QHash<unsigned, int> referenceFunds;
    RecordedDays periodRecordDays;
    RecordedDays aroundRecordDays;
    LocalDayTable localDays;
    qint64 previousBound = 0;
    qint64 nextBound = 0;
    // The month's interruption and day records, asked for ahead.
    std::unique_ptr<HostRowReader> periodInterruptionRows;
    std::unique_ptr<HostRowReader> periodDayRows;
    std::unique_ptr<HostRowReader> aroundInterruptionRows;
    std::unique_ptr<HostRowReader> aroundDayRows;
};

// Runs `sql` on the host's connection and hands each row to `row`, inside one
// staging transaction; false when the statement failed.
bool HostLoader::walkHost(const QString& sql, const QVariantList& values, const char* failure, const char* table,
                          const std::function<void(const HostRowReader&)>& row, const QVector<unsigned>* people)
{
    std::unique_ptr<HostRowReader> reader(new HostRowReader(reads, host, sql, values, people));
    return walkHost(reader, failure, table, row);
}

// Walks the rows of a reader asked for earlier; the reader is gone afterwards.
bool HostLoader::walkHost(std::unique_ptr<HostRowReader>& reader, const char* failure, const char* table,
                          const std::function<void(const HostRowReader&)>& row)
{
    const std::unique_ptr<HostRowReader> owned = std::move(reader);
    HostRowReader& host = *owned;
    bool more = host.next();
    if (!host.executed()) {
        logSqlFailure(QString::fromUtf8(failure), host.error());
        reportHostReadFailure(table, host.error());
        return false;
    }
    {
        StagingTransaction transaction(staging.db(), where);
        // A cancel, or the first staging row not written, stops the walk:
        // the export fails then, and one failure is enough to log.
        SqlFailureWatch watch;
        for (; more && !run.cancelled() && !watch.failed(); more = host.next())
            row(host);
        if (watch.failed())
            return false;
    }
    if (run.cancelled())
        return false;
    if (host.failed()) {
        // The connection was lost while rows were still coming: rows are left out.
        qWarning().noquote() << QString::fromUtf8(failure) << "::: host read of" << table
                             << "ended before its last row ::" << host.error();
        reportHostReadFailure(table, host.error());
    }
    return true;
}

// Whatever the host did not deliver would be missing from staging, and rows
// of the file missing or wrong: the export stops without a file.
void HostLoader::reportHostReadFailure(const char* table, const QString& reason)
{
    run.fail(QCoreApplication::translate("Orvexuniversal", "čítanie údajov z databázy hostiteľa (%1)")
                 .arg(QLatin1String(table)),
             reason);
}

QSqlQuery HostLoader::stagingStatement(const char* sql)
{
    QSqlQuery statement(staging.db());
    statement.prepare(QLatin1String(sql));
    return statement;
}

void HostLoader::debugTable(const char* text) const
{
    if (run.debugLevel > 2)
        qDebug() << text;
}

QString HostLoader::interruptionCode(unsigned iid) const
{
    return nonNullText(run.interruptionCodes.value(QString::number(iid)));
}

// Indexes for the per-person statements of loading, span calculation and the
// record generators, so that none of them scans a whole table. Each table
// gets its indexes once its rows are in (one sort instead of an index update
// per row) and before anything reads it.
void HostLoader::createIndexes(const char* table)
{
    struct StagingIndex {
        const char* name;
        const char* table;
        const char* columns;
    };
    static const StagingIndex indexes[] = {
        {"idx_lpeople_uid", "lpeople", "uid"},
        {"idx_latten_data_uid_iid", "latten_data", "uid, iid"},
        {"idx_latten_data_uid_dom_month", "latten_data", "uid, dom, month"},
        {"idx_latten_data_around_uid_iid_month", "latten_data_around", "uid, iid, month"},
        {"idx_latten_data_around_uid_dom_month", "latten_data_around", "uid, dom, month"},
    };
    QSqlQuery query(staging.db());
    for (const StagingIndex& index : indexes)
        if (qstrcmp(index.table, table) == 0)
            createStagingIndex(query, where, index.name, index.table, index.columns);
    if (qstrcmp(table, "latten") == 0)
        createPersonDayIndex(query, where);
}

void HostLoader::loadPeople()
{
    debugTable("table [lpeople]");
    const QString sql = QStringLiteral(
        "SELECT p.uid, p.pid, p.pamId, CONCAT_WS(' ', p.surname, p.name, p.title,  p.title2) person, p.gid, p.bid, "
        "p.did, g.name, b.name, d.name, g.refFund, g.refFundValue, g.refFundAllDay FROM people p LEFT JOIN groups g "
        "ON p.gid=g.gid LEFT JOIN branches b ON p.bid=b.bid LEFT JOIN departs d ON p.did=d.did WHERE p.uid IN (%1) ");
    QSqlQuery insert = stagingStatement(
        "INSERT INTO lpeople (uid, pid, pamId, gid, bid, did, refFund, fullName, grpName, branchName, depName) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    walkHost(sql, {}, "Orvexuniversal::loadDatatoSQLiteTables() ERROR (SELECT ... FROM people ...)",
             "people", [&](const HostRowReader& host) {
        // The group's reference fund counts only when it is on and covers all days.
        const bool groupFund = host.value(10).toInt() >= 1 && host.value(12).toInt() >= 1;
        insert.bindValue(0, host.value(0).toUInt());
        insert.bindValue(1, host.value(1).toInt());
        insert.bindValue(2, nonNullText(host.value(2)));
        insert.bindValue(3, host.value(4).toInt());
        insert.bindValue(4, host.value(5).toInt());
        insert.bindValue(5, host.value(6).toInt());
        insert.bindValue(6, groupFund ? host.value(11).toInt() : 0);
        insert.bindValue(7, nonNullText(host.value(3)));
        insert.bindValue(8, nonNullText(host.value(7)));
        insert.bindValue(9, nonNullText(host.value(8)));
        insert.bindValue(10, nonNullText(host.value(9)));
        if (!insert.exec())
            logSqlFailure(stagingFailure("INSERT INTO [lpeople]"), insert.lastError().text());
    }, &ids);
}

void HostLoader::loadHolidays()
{
    debugTable("table [lholidays]");
    QSqlQuery insert = stagingStatement("INSERT INTO lholidays (date, hid) VALUES(?, ?)");
    walkHost(QStringLiteral("SELECT h.date, hid FROM holidays h WHERE (h.date >= ? AND h.date < ?) "),
             {run.beginDay, run.endDay},
             "Orvexuniversal::loadDatatoSQLiteTables() ERROR (SELECT h.date, hid FROM [holidays] ...)", "holidays",
             [&](const HostRowReader& host) {
        const qint64 date = host.value(0).toLongLong();
        const int hid = host.value(1).toInt();
        insert.bindValue(0, date);
        insert.bindValue(1, hid);
        if (!insert.exec()) {
            logSqlFailure(stagingFailure("INSERT INTO [lholidays]"), insert.lastError().text());
            return;
        }
        if (hid > 0)
            holidayDates.insert(localDays.of(date).date, true);
    });
}

void HostLoader::insertOptionSet(QSqlQuery& insert, const char* name, const QByteArray& document, const char* failure)
{
    insert.bindValue(0, QString::fromLatin1(name));
    insert.bindValue(1, document);
    if (!insert.exec())
        logSqlFailure(stagingFailure(failure), insert.lastError().text());
}

void HostLoader::loadSettings()
{
    debugTable("table [lvars]");
    QSqlQuery setting = stagingStatement("INSERT INTO lvars (name, value) VALUES(?, ?)");
    if (!walkHost(QStringLiteral("SELECT name, value FROM vars WHERE name='advancedOvertime' OR name= "
                                 "'groupsPlanEnabled' OR name= 'exportUseXLSX'"),
                  {}, "Orvexuniversal::loadDatatoSQLiteTables() ERROR (SELECT name, value FROM [lvars] ...)", "vars",
                  [&](const HostRowReader& host) {
        setting.addBindValue(nonNullText(host.value(0)));
        setting.addBindValue(host.value(1).toInt());
        if (!setting.exec())
            logSqlFailure(stagingFailure("INSERT INTO [lvars]"), setting.lastError().text());
    }))
        return;
    QSqlQuery optionSet = stagingStatement("INSERT INTO lvars (name, value) VALUES (?,?)");
    const auto compact = [](const QJsonDocument& document) { return document.toJson(QJsonDocument::Compact); };
    insertOptionSet(optionSet, "inters",
                    compact(QJsonDocument(QJsonObject::fromVariantHash(run.interruptionCodes))),
                    "INSERT INTO [lvars] - inters");
    insertOptionSet(optionSet, "items",
                    compact(QJsonDocument(QJsonArray::fromVariantList(run.itemCodes))),
                    "INSERT INTO [lvars] - items");
    insertOptionSet(optionSet, "optWidget",
                    compact(QJsonDocument(QJsonObject::fromVariantHash(run.options.record))),
                    "INSERT INTO [lvars] - optWidget");
}

void HostLoader::loadPeriodInterruptions()
{
    debugTable("table [latten_data]");
    QSqlQuery insert = stagingStatement(
        "INSERT INTO latten_data (dom, month, duration, kod, uid, iid, timestamp, dow, hol) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
    walkHost(periodInterruptionRows, attenReadFailure, "atten_data", [&](const HostRowReader& host) {
        const unsigned iid = host.value(1).toUInt();
        const QString kod = interruptionCode(iid);
        if (kod.isEmpty())
            return; // a type without a payroll code is not exported
        const qint64 from = host.value(2).toLongLong();
        const LocalDay day = localDays.of(from);
        bindInterruption(insert, host, day, kod, from);
        insert.bindValue(8, holidayDates.value(day.date, false) ? 1 : 0);
        if (!insert.exec())
            logSqlFailure(stagingFailure("INSERT INTO [latten_data]"), insert.lastError().text());
        periodRecordDays.add(host.value(0).toUInt(), day.dom, day.month);
        progress.row(host.value(0).toUInt());
    });
}

void HostLoader::loadPeriodDays()
{
    debugTable("table [latten]");
    // The columns of the host query, in the order the insert takes them.
    QSqlQuery insert = stagingStatement(
        "INSERT INTO latten (uid, datum, dom, dow, hid, fond, work, shift, vouchers, lunch, diff, saldo, saldo_p, "
        "saldo_c, freeDay, night, readBegin, readEnd, wore, expFund, bonus, wta, ok,  overtimeNote, tom) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    QSqlQuery fundUpdate = stagingStatement("UPDATE OR IGNORE latten_data SET fund=? WHERE uid=? AND dom=? AND month=?");
    const int vouchersColumn = 8;
    const int noteColumn = 23;
    const int columnCount = 25;
    ChangedValueBinder binder(insert, columnCount);
    staging.loadedDays().start();
    walkHost(periodDayRows, attenReadFailure, "atten", [&](const HostRowReader& host) {
        // Each value converted once: the insert, the kept days and the fund
        // update take it from here.
        qint64 values[columnCount];
        for (int column = 0; column < columnCount; ++column)
            if (column != vouchersColumn && column != noteColumn)
                values[column] = host.value(column).toLongLong();
        const double vouchers = roundedToSixDigits(host.value(vouchersColumn).toDouble());
        for (int column = 0; column < columnCount; ++column) {
            if (column == vouchersColumn)
                binder.bindReal(column, vouchers);
            else if (column == noteColumn)
                binder.bindText(column, nonNullText(host.value(column)));
            else
                binder.bindInteger(column, values[column]);
        }
        const unsigned uid = host.value(0).toUInt();
        progress.row(uid);
        if (insert.exec()) {
            const qint64 kept[LoadedDays::Count] = {values[2],  values[5],  values[19], values[6], values[10],
                                                    values[3],  values[15], values[12], values[4], values[20],
                                                    values[16], values[17], values[24]};
            staging.loadedDays().add(uid, kept, vouchers);
        } else {
            logSqlFailure(stagingFailure("INSERT INTO [latten]"), insert.lastError().text());
        }

        const int dom = int(values[2]);
        const int month = localDays.of(values[1]).month;
        if (!periodRecordDays.mayContain(uid, dom, month))
            return;
        const int fond = int(values[5]);
        writeFund(fundUpdate, fond >= 1 ? fond : int(values[19]), uid, dom, month,
                  "UPDATE OR IGNORE [latten_data] - pri plneni [latten] - fond");
    });
}

void HostLoader::loadAroundInterruptions()
{
    debugTable("table [latten_data_around]");
    QSqlQuery insert = stagingStatement(
        "INSERT INTO latten_data_around (dom, month, duration, kod, uid, iid, timestamp, dow) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
    walkHost(aroundInterruptionRows, attenReadFailure, "atten_data", [&](const HostRowReader& host) {
        const unsigned iid = host.value(1).toUInt();
        const qint64 from = host.value(2).toLongLong();
        const LocalDay day = localDays.of(from);
        bindInterruption(insert, host, day, interruptionCode(iid), from);
        if (!insert.exec())
            logSqlFailure(stagingFailure("INSERT INTO [latten_data_around]"), insert.lastError().text());
        aroundRecordDays.add(host.value(0).toUInt(), day.dom, day.month);
        progress.row(host.value(0).toUInt());
    });
}

// The host's interruption record (uid, iid, from, duration) as the first
// eight values of a latten_data or latten_data_around insert: dom, month,
// duration, kod, uid, iid, timestamp, dow.
void HostLoader::bindInterruption(QSqlQuery& insert, const HostRowReader& host, const LocalDay& day, const QString& kod,
                                  qint64 from)
{
    insert.bindValue(0, day.dom);
    insert.bindValue(1, day.month);
    insert.bindValue(2, host.value(3).toInt());
    insert.bindValue(3, kod);
    insert.bindValue(4, host.value(0).toUInt());
    insert.bindValue(5, host.value(1).toUInt());
    insert.bindValue(6, from);
    insert.bindValue(7, day.dow);
}

// The day's fund onto the interruption records of (uid, dom, month).
void HostLoader::writeFund(QSqlQuery& update, int fund, unsigned uid, int dom, int month, const char* failure)
{
    update.bindValue(0, fund);
    update.bindValue(1, uid);
    update.bindValue(2, dom);
    update.bindValue(3, month);
    if (!update.exec())
        logSqlFailure(stagingFailure(failure), update.lastError().text());
}

// The person's reference fund from lpeople, looked up once per person. A
// failed lookup is not remembered and reads as 0 (the day's own fund is used).
int HostLoader::referenceFund(QSqlQuery& lookup, unsigned uid)
{
    const auto known = referenceFunds.constFind(uid);
    if (known != referenceFunds.constEnd())
        return known.value();
    lookup.addBindValue(uid);
    if (!lookup.exec()) {
        logSqlFailure(stagingFailure("SELECT refFund FROM [lpeople]"), lookup.lastError().text());
        return 0;
    }
    const int fund = lookup.next() ? lookup.value(0).toInt() : 0;
    lookup.finish();
    referenceFunds.insert(uid, fund);
    return fund;
}

// The month's interruption and day records and those of the neighbouring
// windows, asked for before loading needs them: with the host read for this
// thread (hostreads.h) the host prepares them, in parts of people, while the
// rows before them are written. The parts run in the order asked for, so the
// driver holds one part at a time.
void HostLoader::askForMonthRows()
{
    const QString periodInterruptions = QStringLiteral(
        "SELECT uid, iid, ad.from, duration FROM atten_data ad WHERE (ad.from > ? AND ad.from <= ?) AND (del=0) "
        "AND ad.uid IN (%1) AND (iid < 1000 AND iid > 1) ORDER BY ad.from");
    const QString periodDays = QStringLiteral(
        "SELECT a.uid, a.date, dom, dow, hid, fond, work, shift, vouchers, lunch, diff, a.saldo, saldo_p, saldo_c, "
        "freeDay, night, readBegin, readEnd, wore, expFund, bonus, a.wta, a.ok, overtimeNote, p.tom  FROM atten a "
        "LEFT JOIN people p ON p.uid = a.uid WHERE (a.date >= ? AND a.date < ?) AND a.uid IN (%1) ORDER BY a.dom");
    const QString aroundInterruptions = QStringLiteral(
        "SELECT uid, iid, ad.from, duration FROM atten_data ad WHERE ((ad.from > ? AND ad.from <= ?) OR "
        "(ad.from > ? AND ad.from <= ?)) AND (del=0) AND (iid<1000 AND iid>1) AND ad.uid IN (%1) ORDER BY ad.from");
    const QString aroundDays = QStringLiteral(
        "SELECT uid, a.date, dom, fond, expFund FROM atten a WHERE ((a.date > ? AND a.date <= ?) OR "
        "(a.date > ? AND a.date <= ?)) AND a.uid IN (%1) ORDER BY a.date");
    const QVariantList period = {run.beginDay, run.endDay};
    const QVariantList around = {previousBound, run.beginDay, run.endDay, nextBound};
    periodInterruptionRows.reset(new HostRowReader(reads, host, periodInterruptions, period, &ids));
    periodDayRows.reset(new HostRowReader(reads, host, periodDays, period, &ids));
    aroundInterruptionRows.reset(new HostRowReader(reads, host, aroundInterruptions, around, &ids));
    aroundDayRows.reset(new HostRowReader(reads, host, aroundDays, around, &ids));
}

void HostLoader::loadAroundFunds()
{
    QSqlQuery lookup = stagingStatement("SELECT refFund FROM lpeople WHERE uid=?");
    lookup.setForwardOnly(true);
    QSqlQuery fundUpdate =
        stagingStatement("UPDATE OR IGNORE latten_data_around SET fund=? WHERE uid=? AND dom=? AND month=?");
    walkHost(aroundDayRows, attenReadFailure, "atten", [&](const HostRowReader& host) {
        const unsigned uid = host.value(0).toUInt();
        progress.row(uid);
        const int dom = host.value(2).toInt();
        const int month = localDays.of(host.value(1).toLongLong()).month;
        if (!aroundRecordDays.mayContain(uid, dom, month))
            return;
        const int refFund = referenceFund(lookup, uid);
        const int fond = host.value(3).toInt();
        // In the neighbouring windows the person's reference fund comes first.
        const int fund = refFund > 0 ? refFund : (fond > 0 ? fond : host.value(4).toInt());
        writeFund(fundUpdate, fund, uid, dom, month,
                  "UPDATE OR IGNORE [latten_data_around] - pri plneni [latten] - fond");
    });
}

void HostLoader::loadInterruptionNames()
{
    debugTable("Naplnenie QHash iid2NameMap a name2iidMap");
    walkHost(QStringLiteral("SELECT iid, name FROM inters"), {},
             "Orvexuniversal::loadDatatoSQLiteTables() ERROR (SELECT iid, name FROM inters ...)", "inters",
             [&](const HostRowReader& host) {
        const unsigned iid = host.value(0).toUInt();
        const QString name = host.value(1).toString();
        run.addInterruptionName(iid, name);
    });
}

} // namespace

void loadHostData(RunContext& run, StagingDatabase& staging, const QSqlDatabase& host, HostReads* reads)
{
    if (run.selectedUids.isEmpty()) {
        qWarning() << "Orvexuniversal::loadDataToSQLiteTables()::: ERROR: selectedUids is empty! Export cannot continue.";
        return;
    }
    QVector<unsigned> ids;
    QString badPart;
    if (!parsePersonIds(run.selectedUids, &ids, &badPart)) {
        qWarning() << "Orvexuniversal::loadDataToSQLiteTables()::: ERROR: selectedUids is not a list of person ids,"
                   << "wrong part:" << badPart << "- Export cannot continue.";
        return;
    }

    // The reference funds are read again from the tables loaded here.
    staging.dropStatements();
    HostLoader loader(run, staging, host, reads, ids);
    LoadingProgress& progress = loader.shown();
    // A host table not read, or a staging row not written, stops the loading:
    // the export writes no file then.
    SqlFailureWatch watch;
    const std::function<void()> steps[] = {
        [&]() { loader.askForMonthRows(); },
        [&]() { loader.loadPeople(); },
        [&]() { loader.createIndexes("lpeople"); },
        [&]() { loader.loadHolidays(); },
        [&]() { loader.loadSettings(); },
        [&]() { progress.enter(2, 8); },
        [&]() { loader.loadPeriodInterruptions(); },
        [&]() { loader.createIndexes("latten_data"); },
        [&]() { progress.enter(8, 58); },
        [&]() { loader.loadPeriodDays(); },
        [&]() { loader.createIndexes("latten"); },
        [&]() { progress.enter(58, 62); },
        [&]() { calculateInterruptionSpans(staging, run.periodDate, run.peopleUids, false, run.progress); },
        [&]() { progress.enter(62, 72); },
        [&]() { loader.loadAroundInterruptions(); },
        [&]() { loader.createIndexes("latten_data_around"); },
        [&]() { progress.enter(72, 97); },
        [&]() { loader.loadAroundFunds(); },
        [&]() { loader.loadInterruptionNames(); },
        [&]() { progress.enter(100, 100); },
    };
    for (const std::function<void()>& step : steps) {
        if (run.failed() || watch.failed())
            break;
        step();
    }
}
