#ifndef STAGINGDATABASE_H
#define STAGINGDATABASE_H

// The staging database of an export: an SQLite connection (a private
// temporary database, or a prepared file in TEST mode), its schema, and the
// statements that run once per person, prepared once and kept by their text.

#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include "loadeddays.h"

#include <QSet>
#include <QVector>

class StagingDatabase
{
public:
    // `connectionName` names the Qt connection; an export registers it anew
    // for each run, replacing the connection of an earlier run.
    explicit StagingDatabase(const QString& connectionName);
    ~StagingDatabase();
    StagingDatabase(const StagingDatabase&) = delete;
    StagingDatabase& operator=(const StagingDatabase&) = delete;

    // Registers a fresh connection on `databaseName` and opens it; false
    // when it cannot be opened (the connection's lastError() says why).
    // Without the SQLite driver the connection is registered on a stand-in
    // driver that opens nothing and runs no statement: a query on an invalid
    // connection would run on the application's default connection instead,
    // which in the host is the host's own database.
    bool open(const QString& databaseName);
    // Registers a fresh connection on a private temporary database and opens
    // it. SQLite keeps its pages in a page cache of at most `cacheKib` KiB
    // and moves the pages beyond it into a file of its own that no other
    // connection can open and that is gone with the connection (unlinked
    // right after it is created on Unix, deleted on close on Windows). A
    // large month thus costs disk, not the memory of a 32-bit host; a small
    // one never leaves the cache. Without a rollback journal: nothing on it
    // is ever rolled back.
    bool openTemporary(int cacheKib);
    // Lets go of the connection and removes it.
    void close();

    QSqlDatabase db() const { return connection; }
    QString lastErrorText() const;

    // DROP and CREATE of the staging tables, or of the table `export` only.
    // A failure is logged through the staging error log.
    void createTables(bool exportOnly);

    // Runs the statement `sql`, prepared once on this connection and kept,
    // with `values` bound by position. One retry on a freshly prepared
    // statement: a connection closed and opened again loses its prepared
    // statements. `query` holds the result (forward only); the caller
    // finishes it when done.
    bool exec(QSqlQuery& query, const QString& sql, const QVariantList& values);
    // Drops the kept statements (they would hold tables that are dropped)
    // and the lookups read from the tables.
    void dropStatements();

    // --- lookups of the loaded tables
    int pidOf(unsigned uid);          // pid of lpeople, 0 when unknown or unread
    double referenceFundOf(unsigned uid); // refFund of lpeople (the first row), 0 when unknown
    // Whether latten_data or lintersSpans holds a record of the person's
    // interruption `iid` (read once for all people); true when that cannot
    // be read.
    bool hasInterruptionRecords(unsigned uid, unsigned iid);
    // The period's day records as loading wrote them (see loadeddays.h).
    LoadedDays& loadedDays() { return days; }
    // The period's holidays of lholidays by their local date (hid > 0 a
    // public holiday). Read into `holidays`; false when unread.
    bool readHolidays(QHash<QDate, bool>& holidays);
    // "advancedOvertime" of lvars; false when unread.
    bool readAdvancedOvertime(bool& advancedOvertime);

private:
    QSqlQuery statement(const QString& sql);

    QString name;
    QSqlDatabase connection;
    QHash<QString, QSqlQuery> statements;
    bool referenceFundsRead = false;
    QHash<unsigned, double> referenceFunds;
    bool recordedTypesRead = false;
    bool recordedTypesKnown = false;
    QSet<quint64> recordedTypes;
    LoadedDays days;
};

#endif // STAGINGDATABASE_H
