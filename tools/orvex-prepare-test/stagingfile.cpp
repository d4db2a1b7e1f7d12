#include "stagingfile.h"

#include "orvexuniversal.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace {

// The name the export gives its staging connection; the steps are run on a
// connection of that name, only backed by a file instead of memory.
const char* const stagingConnectionName = "SQLiteConnectionDravo";

const char* const stagingTables[] = {"lpeople", "lholidays", "lvars", "latten", "latten_data",
                                     "latten_data_around", "lintersSpans", "lintersSpansAround", "linters"};

bool exec(QSqlQuery& query, const QString& sql, QString& errorText)
{
    if (query.exec(sql))
        return true;
    errorText = QStringLiteral("%1: %2").arg(sql, query.lastError().text());
    return false;
}

bool openFileConnection(Orvexuniversal& plugin, const QString& path, QString& errorText)
{
    plugin.stagingQuery = QSqlQuery();
    plugin.stagingDb = QSqlDatabase();
    QSqlDatabase::removeDatabase(QLatin1String(stagingConnectionName));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(stagingConnectionName));
    db.setDatabaseName(path);
    if (!db.open()) {
        errorText = QStringLiteral("cannot create %1: %2").arg(path, db.lastError().text());
        return false;
    }
    // The steps write one row per statement, as they do in memory. The file is
    // a scratch copy until it is renamed into place, so it needs no journal
    // on disk and no flush to disk after each statement. (The span steps open
    // transactions of their own, so no transaction is wrapped around them.)
    QSqlQuery query(db);
    if (!exec(query, QStringLiteral("PRAGMA synchronous = OFF"), errorText)
        || !exec(query, QStringLiteral("PRAGMA journal_mode = MEMORY"), errorText))
        return false;
    plugin.stagingDb = db;
    plugin.stagingQuery = QSqlQuery(db);
    return true;
}

bool writeInterruptionNames(Orvexuniversal& plugin, QString& errorText)
{
    QSqlQuery query(plugin.stagingDb);
    if (!exec(query, QStringLiteral("DROP TABLE IF EXISTS linters"), errorText)
        || !exec(query, QStringLiteral("CREATE TABLE linters (iid INTEGER, name TEXT)"), errorText))
        return false;
    QList<unsigned> iids = plugin.iid2NameMap.keys();
    std::sort(iids.begin(), iids.end());
    query.prepare(QStringLiteral("INSERT INTO linters (iid, name) VALUES (?, ?)"));
    for (unsigned iid : iids) {
        query.addBindValue(iid);
        query.addBindValue(plugin.iid2NameMap.value(iid));
        if (!query.exec()) {
            errorText = QStringLiteral("INSERT INTO linters: %1").arg(query.lastError().text());
            return false;
        }
    }
    return true;
}

void countRows(const QSqlDatabase& db, PreparedStaging& prepared)
{
    QSqlQuery query(db);
    for (const char* table : stagingTables) {
        const QString name = QLatin1String(table);
        const int rows = query.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(name)) && query.next()
                             ? query.value(0).toInt()
                             : -1;
        prepared.tableRows << qMakePair(name, rows);
    }
}

void runExportSteps(Orvexuniversal& plugin, const QHash<QString, QVariant>& parameters, PreparedStaging& prepared)
{
    QHash<QString, QVariant> hostResult;
    QSqlQuery hostQuery(plugin.hostDb);
    plugin.getAllPeopleSelected();
    plugin.checkPeople(plugin.selectedUids, parameters, hostQuery, hostResult);
    prepared.peopleCount = plugin.peopleUids.size();
    prepared.excludedPeople = plugin.excludedPeople;
    prepared.hostError = hostResult.value(QStringLiteral("errorString")).toString();

    plugin.createSQLiteTables(plugin.stagingQuery, false);
    plugin.loadDataToSQLiteTables(parameters);
    plugin.spansCalc(plugin.stagingQuery, true);
    plugin.spansCalcWork(plugin.stagingQuery, parameters);
}

} // namespace

bool writeStagingFile(Orvexuniversal& plugin, const QHash<QString, QVariant>& parameters, const QString& path,
                      PreparedStaging& prepared, QString& errorText)
{
    const QString partPath = path + QStringLiteral(".part");
    QFile::remove(partPath);

    plugin.testMode = false;
    plugin.exportWarnings.clear();
    plugin.initExportVariables(parameters);

    bool ok = openFileConnection(plugin, partPath, errorText);
    if (ok) {
        runExportSteps(plugin, parameters, prepared);
        ok = writeInterruptionNames(plugin, errorText);
    }
    if (ok)
        countRows(plugin.stagingDb, prepared);

    plugin.stagingQuery = QSqlQuery();
    plugin.stagingDb.close();
    plugin.stagingDb = QSqlDatabase();
    QSqlDatabase::removeDatabase(QLatin1String(stagingConnectionName));

    if (ok && QFileInfo::exists(path) && !QFile::remove(path)) {
        errorText = QStringLiteral("cannot replace %1").arg(path);
        ok = false;
    }
    if (ok && !QFile::rename(partPath, path)) {
        errorText = QStringLiteral("cannot rename %1 to %2").arg(partPath, path);
        ok = false;
    }
    if (!ok)
        QFile::remove(partPath);
    return ok;
}
