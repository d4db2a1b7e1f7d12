// Staging schema and its lookups.

#include "orvexuniversal.h"

#include <QDateTime>
#include <QDebug>
#include <QSqlError>

namespace {

struct SchemaStatement {
    const char* sql;
    const char* failure;
};

const SchemaStatement allTables[] = {
    {"DROP TABLE IF EXISTS latten_data",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (DROP TABLE [latten_data]) :: "},
    {"CREATE TABLE IF NOT EXISTS latten_data (id INTEGER PRIMARY KEY, uid INT, iid INT, duration INT, fund INT, "
     "kod TEXT, dom INT, month INT, dow INT, hol INT, timestamp INT)",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (CREATE TABLE [latten_data]) :: "},
    {"DROP TABLE IF EXISTS latten",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (DROP TABLE [latten]) :: "},
    {"CREATE TABLE IF NOT EXISTS latten (id INTEGER PRIMARY KEY, uid INT, datum INT, dom INT, dow INT, hid INT, "
     "fond INT, work INT, shift INT, vouchers REAL, tom INT, lunch INT, diff INT, saldo INT, saldo_p INT, "
     "saldo_c INT, freeDay INT, night INT, readBegin INT, readEnd INT, wore INT, expFund INT, bonus INT, wta INT, "
     "ok INT, overtimeNote TEXT )",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (CREATE TABLE [latten]) :: "},
    {"DROP TABLE IF EXISTS lpeople",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (DROP TABLE [lpeople]) :: "},
    {"CREATE TABLE IF NOT EXISTS lpeople (id INTEGER PRIMARY KEY, uid INT, pid INT, pamId TEXT, gid INT, bid INT, "
     "did INT, refFund INT, fullName TEXT,  grpName TEXT,  branchName TEXT,  depName TEXT )",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (CREATE TABLE [lpeople]) :: "},
    {"DROP TABLE IF EXISTS lholidays",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (DROP TABLE [lholidays]) :: "},
    {"CREATE TABLE IF NOT EXISTS lholidays (id INTEGER PRIMARY KEY, date INT, hid INT)",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (CREATE TABLE [lholidays]) :: "},
    {"DROP TABLE IF EXISTS lvars",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (DROP TABLE [lvars]) :: "},
    {"CREATE TABLE IF NOT EXISTS lvars (id INTEGER PRIMARY KEY, name TEXT, value BLOB)",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (CREATE TABLE [lvars]) :: "},
    {"DROP TABLE IF EXISTS latten_data_around",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (DROP TABLE [latten_data_around]) :: "},
    {"CREATE TABLE IF NOT EXISTS latten_data_around (id INTEGER PRIMARY KEY, uid INT, iid INT, duration INT, "
     "kod TEXT, dom INT, month INT, dow INT, fund INT, timestamp INT)",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (CREATE TABLE [latten_data_around]) :: "},
};

const SchemaStatement exportTable[] = {
    {"DROP TABLE IF EXISTS export",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (DROP TABLE [export]) :: "},
    {"CREATE TABLE IF NOT EXISTS export (id INTEGER PRIMARY KEY,item0 TEXT,item1 TEXT,item2 TEXT,item3 TEXT,"
     "item4 TEXT,item5 TEXT,item6 TEXT,item7 TEXT,pid INTEGER)",
     "Orvexuniversal::createSQLiteTables() ::: SQLite ERROR: (CREATE TABLE [export]) :: "},
};

template <int N>
void runSchema(QSqlQuery& query, const SchemaStatement (&statements)[N])
{
    for (const SchemaStatement& statement : statements)
        if (!query.exec(QLatin1String(statement.sql)))
            qWarning() << statement.failure << query.lastError().text();
}

} // namespace

void Orvexuniversal::createSQLiteTables(QSqlQuery query, bool exportOnly)
{
    // Prepared staging statements would hold the tables (SQLITE_LOCKED), and
    // the reference funds belong to the tables dropped here.
    dropStagingStatements();
    if (!exportOnly)
        runSchema(query, allTables);
    runSchema(query, exportTable);
}

int Orvexuniversal::getPidByUid(int uid)
{
    QSqlQuery query(stagingDb);
    if (!execStagingStatement(query, QStringLiteral("SELECT pid FROM lpeople WHERE uid=?"), {uid})) {
        qWarning() << "Orvexuniversal::getPidByUid() ::: SQLite ERROR: (SELECT pid FROM lpeople ) :: "
                   << query.lastError().text();
        return 0;
    }
    const int pid = query.next() ? query.value(0).toInt() : 0;
    query.finish();
    return pid;
}

double Orvexuniversal::getRefFundForUid(unsigned uid)
{
    // Read once for all people (the first row of a uid counts); a failed
    // read is not remembered and reads as 0. A query of its own: a caller
    // walking stagingQuery keeps its position.
    if (!refFundsLoaded) {
        QSqlQuery query(stagingDb);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT uid, refFund FROM lpeople"))) {
            qWarning() << "Orvexuniversal::getRefFundForUid() ::: SQLite ERROR: (SELECT refFund FROM lpeople) :: "
                       << query.lastError().text();
            return 0.0;
        }
        QHash<unsigned, double> funds;
        while (query.next()) {
            const unsigned rowUid = query.value(0).toUInt();
            if (!funds.contains(rowUid))
                funds.insert(rowUid, query.value(1).toDouble());
        }
        refFundsByUid = funds;
        refFundsLoaded = true;
    }
    return refFundsByUid.value(uid, 0.0);
}

void Orvexuniversal::getHolidaysMap()
{
    if (!stagingQuery.exec(QStringLiteral("SELECT h.date, hid FROM lholidays h"))) {
        qWarning() << "Orvexuniversal::getHolidaysMap() ERROR (SELECT ... FROM lholidays ...)"
                   << stagingQuery.lastError().text();
        return;
    }
    while (stagingQuery.next()) {
        const int hid = stagingQuery.value(QStringLiteral("hid")).toInt();
        const QDate date = QDateTime::fromSecsSinceEpoch(stagingQuery.value(0).toUInt()).date();
        holidaysMap.insert(date, hid > 0);
    }
}
