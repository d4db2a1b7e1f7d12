// The staging database: connection, schema, kept statements and lookups.

#include "stagingdatabase.h"

#include "sqlerrortext.h"
#include "stagingsql.h"

#include <QDateTime>
#include <QDebug>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlResult>

namespace {

bool sqliteAvailable()
{
    return QSqlDatabase::drivers().contains(QStringLiteral("QSQLITE"));
}

QSqlError missingSqliteError()
{
    return QSqlError(QStringLiteral("driver QSQLITE not available"), QString(), QSqlError::ConnectionError);
}

// The statements of a connection without its driver: each one fails.
class MissingSqliteResult : public QSqlResult
{
public:
    explicit MissingSqliteResult(const QSqlDriver* driver) : QSqlResult(driver) {}

protected:
    QVariant data(int) override { return QVariant(); }
    bool isNull(int) override { return true; }
    bool reset(const QString&) override
    {
        setLastError(missingSqliteError());
        return false;
    }
    bool fetch(int) override { return false; }
    bool fetchFirst() override { return false; }
    bool fetchLast() override { return false; }
    int size() override { return -1; }
    int numRowsAffected() override { return -1; }
};

// Stands in for the SQLite driver when Qt offers none: a connection on it is
// valid, opens nothing and runs no statement.
class MissingSqliteDriver : public QSqlDriver
{
public:
    bool hasFeature(DriverFeature) const override { return false; }
    bool open(const QString&, const QString&, const QString&, const QString&, int, const QString&) override
    {
        setOpenError(true);
        setLastError(missingSqliteError());
        return false;
    }
    void close() override {}
    QSqlResult* createResult() const override { return new MissingSqliteResult(this); }
};


// A staging table: dropped with its rows, then created anew.
struct SchemaTable {
    const char* name;
    const char* create;
};

const SchemaTable allTables[] = {
    {"latten_data",
     "CREATE TABLE IF NOT EXISTS latten_data (id INTEGER PRIMARY KEY, uid INT, iid INT, duration INT, fund INT, "
     "kod TEXT, dom INT, month INT, dow INT, hol INT, timestamp INT)"},
    {"latten",
     "CREATE TABLE IF NOT EXISTS latten (id INTEGER PRIMARY KEY, uid INT, datum INT, dom INT, dow INT, hid INT, "
     "fond INT, work INT, shift INT, vouchers REAL, tom INT, lunch INT, diff INT, saldo INT, saldo_p INT, "
     "saldo_c INT, freeDay INT, night INT, readBegin INT, readEnd INT, wore INT, expFund INT, bonus INT, wta INT, "
     "ok INT, overtimeNote TEXT )"},
    {"lpeople",
     "CREATE TABLE IF NOT EXISTS lpeople (id INTEGER PRIMARY KEY, uid INT, pid INT, pamId TEXT, gid INT, bid INT, "
     "did INT, refFund INT, fullName TEXT,  grpName TEXT,  branchName TEXT,  depName TEXT )"},
    {"lholidays",
     "CREATE TABLE IF NOT EXISTS lholidays (id INTEGER PRIMARY KEY, date INT, hid INT)"},
    {"lvars",
     "CREATE TABLE IF NOT EXISTS lvars (id INTEGER PRIMARY KEY, name TEXT, value BLOB)"},
    {"latten_data_around",
     "CREATE TABLE IF NOT EXISTS latten_data_around (id INTEGER PRIMARY KEY, uid INT, iid INT, duration INT, "
     "kod TEXT, dom INT, month INT, dow INT, fund INT, timestamp INT)"},
};

const SchemaTable exportTable[] = {
    {"export",
     "CREATE TABLE IF NOT EXISTS export (id INTEGER PRIMARY KEY,item0 TEXT,item1 TEXT,item2 TEXT,item3 TEXT,"
     "item4 TEXT,item5 TEXT,item6 TEXT,item7 TEXT,pid INTEGER)"},
};

template <int N>
void runSchema(QSqlQuery& query, const SchemaTable (&tables)[N])
{
    const auto run = [&query](const QString& sql, const char* what, const char* table) {
        if (!query.exec(sql))
            logSqlFailure(sqliteErrorText("createSQLiteTables", QStringLiteral("%1 [%2]").arg(QLatin1String(what),
                                                                                          QLatin1String(table))),
                          query.lastError().text());
    };
    for (const SchemaTable& table : tables) {
        run(QStringLiteral("DROP TABLE IF EXISTS %1").arg(QLatin1String(table.name)), "DROP TABLE", table.name);
        run(QLatin1String(table.create), "CREATE TABLE", table.name);
    }
}

} // namespace

StagingDatabase::StagingDatabase(const QString& connectionName) : name(connectionName) {}

StagingDatabase::~StagingDatabase()
{
    dropStatements();
}

bool StagingDatabase::open(const QString& databaseName)
{
    // The connection of an earlier run goes quietly: nothing holds it any more.
    close();
    connection = sqliteAvailable() ? QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name)
                                   : QSqlDatabase::addDatabase(new MissingSqliteDriver, name);
    connection.setDatabaseName(databaseName);
    return connection.open();
}

bool StagingDatabase::openTemporary(int cacheKib)
{
    // SQLite opens an empty file name as a private temporary database.
    if (!open(QString()))
        return false;
    // No rollback journal: the database lives for one export, a failed
    // statement fails that export, and nothing is ever rolled back. (A
    // journal would copy every page a transaction changes into the file.)
    // A pragma not taken costs memory or time, not a line of the file.
    QSqlQuery pragma(connection);
    for (const QString& setting : {QStringLiteral("PRAGMA cache_size = -%1").arg(cacheKib),
                                   QStringLiteral("PRAGMA journal_mode = OFF")})
        if (!pragma.exec(setting))
            qWarning().noquote() << "Orvexuniversal::makeExport() ::: SQLite setting not taken:" << setting
                                 << "::" << pragma.lastError().text();
    return true;
}

void StagingDatabase::close()
{
    dropStatements();
    connection = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

QString StagingDatabase::lastErrorText() const
{
    return connection.lastError().text();
}

void StagingDatabase::createTables(bool exportOnly)
{
    // Kept statements would hold the tables (SQLITE_LOCKED), and the
    // reference funds belong to the tables dropped here.
    dropStatements();
    QSqlQuery query(connection);
    if (!exportOnly)
        runSchema(query, allTables);
    runSchema(query, exportTable);
}

QSqlQuery StagingDatabase::statement(const QString& sql)
{
    const auto kept = statements.constFind(sql);
    if (kept != statements.constEnd())
        return kept.value();
    QSqlQuery prepared(connection);
    prepared.setForwardOnly(true);
    // A statement that does not prepare is not kept: it fails again, and
    // says why, on every use.
    if (prepared.prepare(sql))
        statements.insert(sql, prepared);
    return prepared;
}

bool StagingDatabase::exec(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        query = statement(sql);
        for (int index = 0; index < values.size(); ++index)
            query.bindValue(index, values.at(index));
        if (query.exec())
            return true;
        statements.remove(sql);
    }
    return false;
}

void StagingDatabase::dropStatements()
{
    statements.clear();
    referenceFundsRead = false;
    referenceFunds.clear();
    recordedTypesRead = false;
    recordedTypesKnown = false;
    recordedTypes.clear();
    days.clear();
}

int StagingDatabase::pidOf(unsigned uid)
{
    QSqlQuery query;
    if (!exec(query, QStringLiteral("SELECT pid FROM lpeople WHERE uid=?"), {int(uid)})) {
        logSqlFailure(sqliteErrorText("getPidByUid", QStringLiteral("SELECT pid FROM lpeople ")),
                      query.lastError().text());
        return 0;
    }
    const int pid = query.next() ? query.value(0).toInt() : 0;
    query.finish();
    return pid;
}

bool StagingDatabase::hasInterruptionRecords(unsigned uid, unsigned iid)
{
    const auto key = [](unsigned person, unsigned type) { return (quint64(person) << 32) | type; };
    if (!recordedTypesRead) {
        recordedTypesRead = true;
        QSqlQuery query(connection);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT uid, iid FROM latten_data UNION SELECT uid, iid FROM lintersSpans")))
            return true;
        while (query.next())
            recordedTypes.insert(key(query.value(0).toUInt(), query.value(1).toUInt()));
        recordedTypesKnown = !query.lastError().isValid();
    }
    return !recordedTypesKnown || recordedTypes.contains(key(uid, iid));
}

double StagingDatabase::referenceFundOf(unsigned uid)
{
    // Read once for all people (the first row of a uid counts); a failed
    // read is not remembered and reads as 0.
    if (!referenceFundsRead) {
        QSqlQuery query(connection);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT uid, refFund FROM lpeople"))) {
            logSqlFailure(sqliteErrorText("getRefFundForUid", QStringLiteral("SELECT refFund FROM lpeople")),
                          query.lastError().text());
            return 0.0;
        }
        QHash<unsigned, double> funds;
        while (query.next()) {
            const unsigned rowUid = query.value(0).toUInt();
            if (!funds.contains(rowUid))
                funds.insert(rowUid, query.value(1).toDouble());
        }
        if (!walkCompleted(query, sqliteErrorText("getRefFundForUid", QStringLiteral("SELECT refFund FROM lpeople"))))
            return 0.0;
        referenceFunds = funds;
        referenceFundsRead = true;
    }
    return referenceFunds.value(uid, 0.0);
}

bool StagingDatabase::readHolidays(QHash<QDate, bool>& holidays)
{
    QSqlQuery query(connection);
    if (!query.exec(QStringLiteral("SELECT h.date, hid FROM lholidays h"))) {
        logSqlFailure(QStringLiteral("Orvexuniversal::getHolidaysMap() ERROR (SELECT ... FROM lholidays ...)"),
                      query.lastError().text());
        return false;
    }
    // Taken only when read whole: a read that fails keeps what an earlier
    // run learned, and fails the step.
    QHash<QDate, bool> read;
    while (query.next()) {
        const int hid = query.value(1).toInt();
        // The host's time stamp of the day's local midnight: the local date.
        const QDate date = QDateTime::fromSecsSinceEpoch(query.value(0).toUInt()).date();
        read.insert(date, hid > 0);
    }
    if (!walkCompleted(query, QStringLiteral("Orvexuniversal::getHolidaysMap() ERROR (SELECT ... FROM lholidays ...)")))
        return false;
    for (auto day = read.constBegin(); day != read.constEnd(); ++day)
        holidays.insert(day.key(), day.value());
    return true;
}

bool StagingDatabase::readAdvancedOvertime(bool& advancedOvertime)
{
    QSqlQuery query(connection);
    if (!query.exec(QStringLiteral("SELECT name, value FROM lvars WHERE name='advancedOvertime' OR name= "
                                   "'groupsPlanEnabled' OR name= 'exportUseXLSX'"))) {
        logSqlFailure(sqliteErrorText("initExportVariables", QStringLiteral("SELECT name, value FROM lvars ")),
                      query.lastError().text());
        return false;
    }
    while (query.next()) {
        if (query.value(0).toString() == QLatin1String("advancedOvertime"))
            advancedOvertime = query.value(1).toInt() == 1;
    }
    return walkCompleted(query, sqliteErrorText("initExportVariables", QStringLiteral("SELECT name, value FROM lvars ")));
}
