#include "stagingfile.h"

#include "hostloader.h"
#include "interruptionspans.h"
#include "peoplestage.h"
#include "preparetext.h"
#include "runcontext.h"
#include "stagingdatabase.h"
#include "workspans.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace {

// The name the export gives its staging connection; the stages run on a
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

bool openFile(StagingDatabase& staging, const QString& path, QString& errorText)
{
    if (!staging.open(path)) {
        errorText = OrvexPrepareTest::tr("cannot create %1: %2").arg(path, staging.lastErrorText());
        return false;
    }
    // The stages write one row per statement, as they do in memory. The file
    // is a scratch copy until it is renamed into place, so it needs no
    // journal on disk and no flush to disk after each statement. (The span
    // stages open transactions of their own, so no transaction is wrapped
    // around them.)
    QSqlQuery query(staging.db());
    return exec(query, QStringLiteral("PRAGMA synchronous = OFF"), errorText)
           && exec(query, QStringLiteral("PRAGMA journal_mode = MEMORY"), errorText);
}

bool writeInterruptionNames(const RunContext& run, const QSqlDatabase& db, QString& errorText)
{
    QSqlQuery query(db);
    if (!exec(query, QStringLiteral("DROP TABLE IF EXISTS linters"), errorText)
        || !exec(query, QStringLiteral("CREATE TABLE linters (iid INTEGER, name TEXT)"), errorText))
        return false;
    QList<unsigned> iids = run.iid2NameMap.keys();
    std::sort(iids.begin(), iids.end());
    query.prepare(QStringLiteral("INSERT INTO linters (iid, name) VALUES (?, ?)"));
    for (unsigned iid : iids) {
        query.addBindValue(iid);
        query.addBindValue(run.iid2NameMap.value(iid));
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

// The stages of a normal export up to the spans, on the host and `staging`.
void runStagingStages(RunContext& run, StagingDatabase& staging, const QSqlDatabase& host,
                      PreparedStaging& prepared)
{
    QHash<QString, QVariant> hostResult;
    selectAllPeople(run, host);
    checkClosure(run, host, hostResult);
    prepared.peopleCount = run.peopleUids.size();
    prepared.excludedPeople = run.excludedPeople;
    prepared.hostError = hostResult.value(QStringLiteral("errorString")).toString();

    staging.createTables(false);
    loadHostData(run, staging, host);
    calculateInterruptionSpans(staging, run.periodDate, run.peopleUids, true);
    calculateWorkSpans(staging, run.periodDate, run.peopleUids,
                       run.interruptionCodes.value(QStringLiteral("1")).toString());
}

} // namespace

bool writeStagingFile(const QSqlDatabase& host, const QHash<QString, QVariant>& parameters, const QString& path,
                      PreparedStaging& prepared, QString& errorText)
{
    const QString partPath = path + QStringLiteral(".part");
    QFile::remove(partPath);

    RunContext run = runContextFromParameters(parameters);
    run.testMode = false;
    bool ok;
    {
        StagingDatabase staging{QLatin1String(stagingConnectionName)};
        ok = openFile(staging, partPath, errorText);
        if (ok) {
            runStagingStages(run, staging, host, prepared);
            ok = writeInterruptionNames(run, staging.db(), errorText);
        }
        if (ok)
            countRows(staging.db(), prepared);
        staging.close();
    }

    if (ok && QFileInfo::exists(path) && !QFile::remove(path)) {
        errorText = OrvexPrepareTest::tr("cannot replace %1").arg(path);
        ok = false;
    }
    if (ok && !QFile::rename(partPath, path)) {
        errorText = OrvexPrepareTest::tr("cannot rename %1 to %2").arg(partPath, path);
        ok = false;
    }
    if (!ok)
        QFile::remove(partPath);
    return ok;
}
