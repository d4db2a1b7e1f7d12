// The export's sequence of stages, for the normal and the TEST mode.

#include "exportpipeline.h"

#include "exportrowsink.h"
#include "exportworker.h"
#include "hostloader.h"
#include "interruptionspans.h"
#include "payrollfile.h"
#include "peoplestage.h"
#include "personrun.h"
#include "sqlerrortext.h"
#include "stagingsql.h"
#include "tenradbsettings.h"
#include "workspans.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSqlError>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QThread>

namespace {

const char* const stagingConnectionName = "SQLiteConnectionDravo";
const char* const testOutConnectionName = "SQLiteConnectionDravo_out";

// A host setting that cannot be read falls back to its default: the export
// goes on.
bool advancedOvertimeOfHost(const QSqlDatabase& host)
{
    // The settings the host reads with it; only advancedOvertime is used.
    const QStringList names =
        QStringLiteral("advancedOvertime,groupsPlanEnabled,iidPN,iidOCR,iidMD,iidUr,iidKar").split(QLatin1Char(','));
    const QMap<QString, QVariant> vars = TenraDbSettings::variableGetMultiple(host, names);
    return vars.value(QStringLiteral("advancedOvertime"), false).toBool();
}

// A prepared staging file may carry the host's interruption names in the
// table `linters` (written by the tool that prepares such files). With them a
// TEST run finds the row settings and the special interruptions by itself
// instead of depending on what an earlier export left.
bool readInterruptionNames(RunContext& run, const QSqlDatabase& staging)
{
    if (!staging.tables().contains(QStringLiteral("linters"))) {
        qDebug() << "Orvexuniversal::makeExport() ::: no table [linters] in the test database, "
                    "interruption names are those of an earlier export";
        return false;
    }
    QSqlQuery query(staging);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT iid, name FROM linters ORDER BY rowid"))) {
        logSqlFailure(sqliteErrorText("makeExport", QStringLiteral("SELECT iid, name FROM linters ")),
                      query.lastError().text());
        return false;
    }
    while (query.next())
        run.addInterruptionName(query.value(0).toUInt(), query.value(1).toString());
    return true;
}

// What an earlier export on the same plug-in object learned and a later one
// still finds: interruption names, holidays, personal numbers, the special
// interruptions and the overtime setting.
void inheritKnowledge(RunContext& run, const RunContext& earlier)
{
    run.iid2NameMap = earlier.iid2NameMap;
    run.name2iidMap = earlier.name2iidMap;
    run.holidaysMap = earlier.holidaysMap;
    run.pamPidByUid = earlier.pamPidByUid;
    run.special = earlier.special;
    run.advancedOvertime = earlier.advancedOvertime;
}

} // namespace

ExportPipeline::ExportPipeline()
    : staging(QLatin1String(stagingConnectionName)), testOutput(QLatin1String(testOutConnectionName))
{
}

int ExportPipeline::run(RunContext& run, const QSqlDatabase& host, QHash<QString, QVariant>* result,
                        const std::function<void()>& betweenParts)
{
    inheritKnowledge(run, earlier);
    // Statements kept on the staging connection of an earlier export go
    // before that connection is replaced.
    staging.dropStatements();
    int returnValue = 0;
    if (run.testMode) {
        returnValue = runTestMode(run, result);
    } else {
        run.advancedOvertime = advancedOvertimeOfHost(host);
        ExportProgress ownProgress;
        if (!run.progress)
            run.progress = &ownProgress;
        HostReads reads(host);
        QThread* const caller = QThread::currentThread();
        returnValue = runOnWorkerThread(
            [&]() {
                const int value = runNormalMode(run, host, reads, result);
                // The staging connection was opened on the worker; the
                // calling thread keeps it until the next export.
                if (staging.db().driver())
                    staging.db().driver()->moveToThread(caller);
                return value;
            },
            reads, *run.progress, betweenParts ? betweenParts : []() {});
        run.progress = nullptr;
    }
    earlier = run;
    return returnValue;
}

// Opens a fresh staging connection on `databaseName`; false (logged) when it
// cannot be opened.
bool ExportPipeline::openStaging(const QString& databaseName)
{
    return logStagingOpen(staging.open(databaseName));
}

// The normal mode's staging database: private and temporary, its page cache
// held to 16 MiB. A 50,000-person month fills about 130 MB of staging; a
// month that fits the cache never touches the disk.
bool ExportPipeline::openTemporaryStaging()
{
    const int cacheKib = 16 * 1024;
    return logStagingOpen(staging.openTemporary(cacheKib));
}

bool ExportPipeline::logStagingOpen(bool opened)
{
    if (!opened)
        qWarning() << "Orvexuniversal::makeExport() ::: SQLite ERROR: " << staging.lastErrorText();
    return opened;
}

// Runs a stage on the staging database unless the export has failed already;
// a statement of the stage that failed (a row or a span lost) fails the export.
void ExportPipeline::runStagingStep(RunContext& run, const QString& step, const std::function<void()>& work)
{
    if (run.failed())
        return;
    SqlFailureWatch watch;
    work();
    if (watch.failed())
        run.fail(step, watch.firstReason());
}

int ExportPipeline::runNormalMode(RunContext& run, const QSqlDatabase& host, HostReads& reads,
                                  QHash<QString, QVariant>* result)
{
    // The host always passes a result hash; one of our own keeps a careless
    // caller from crashing the export.
    QHash<QString, QVariant> ownResult;
    QHash<QString, QVariant>& hostResult = result ? *result : ownResult;
    run.progress->startStep(ExportProgress::Loading, 100);
    const int returnValue = runWholeOrNothing(run, host, reads, hostResult);
    run.progress->startStep(ExportProgress::Finished, 0);
    return returnValue;
}

// The normal mode's stages; the host gets the file and its messages, or, when
// a stage failed or the user cancelled, no file and one message.
int ExportPipeline::runWholeOrNothing(RunContext& run, const QSqlDatabase& host, HostReads& reads,
                                      QHash<QString, QVariant>& hostResult)
{
    selectAllPeople(run, host, &reads);
    const QString wantedUids = run.selectedUids;
    if (!run.failed())
        checkClosure(run, host, hostResult, &reads);
    if (!run.failed() && !run.allPeople)
        reportUnknownSelectedIds(run, host, wantedUids, &reads);

    if (!run.failed() && !openTemporaryStaging())
        run.fail(QCoreApplication::translate("Orvexuniversal", "otvorenie pomocnej databázy SQLite"), staging.lastErrorText());

    runStagingStep(run, QCoreApplication::translate("Orvexuniversal", "vytvorenie pomocných tabuliek"), [this]() {
        qDebug() << "createSQLiteTables ~START";
        staging.createTables(false);
        qDebug() << "createSQLiteTables ~DONE";
    });
    runStagingStep(run, QCoreApplication::translate("Orvexuniversal", "príprava údajov na export"), [&]() {
        qDebug() << "loadDataToSQLiteTables ~START";
        loadHostData(run, staging, host, &reads);
        qDebug() << "loadDataToSQLiteTables ~DONE";
    });
    // The month was read in parts: a closure changed meanwhile fails the run.
    recheckClosure(run, host, wantedUids, &reads);
    if (!run.failed())
        run.progress->startStep(ExportProgress::Spans, 100, 100);
    runStagingStep(run, QCoreApplication::translate("Orvexuniversal", "výpočet úsekov"), [this, &run]() {
        qDebug() << "spansCalc ~START";
        calculateInterruptionSpans(staging, run.periodDate, run.peopleUids, true, run.progress);
        calculateWorkSpans(staging, run.periodDate, run.peopleUids,
                           run.interruptionCodes.value(QStringLiteral("1")).toString(), run.progress);
        qDebug() << "spansCalc ~DONE";
    });

    int returnValue = 0;
    QHash<QString, QVariant> runResult;
    // This month's holidays only: a map an earlier export left is not used.
    runStagingStep(run, QCoreApplication::translate("Orvexuniversal", "čítanie sviatkov"), [this, &run]() {
        run.holidaysMap.clear();
        staging.readHolidays(run.holidaysMap);
    });
    if (!run.failed()) {
        run.resolveSpecialInterruptions();
        reportPersonalNumbers(run);
        qDebug() << "runExport ~START";
        run.progress->startStep(ExportProgress::Run, run.peopleUids.size());
        // The rows stay in memory until the file is written.
        ExportRowSink sink(run);
        runPeople(run, staging, sink);
        if (!run.failed())
            run.progress->startStep(ExportProgress::WritingFile, run.peopleUids.size(), run.peopleUids.size());
        returnValue = writePayrollFile(run, sink, runResult);
        qDebug() << "runExport ~DONE";
    }
    if (run.failed()) {
        // No file: the earlier one stays as it was, and the clerk learns why.
        if (run.cancelled())
            qWarning() << "Orvexuniversal::makeExport() - export cancelled by the user, no file written";
        hostResult.clear();
        hostResult.insert(QStringLiteral("errorString"), run.failureMessage());
        return -1;
    }

    const QString errorKey = QStringLiteral("errorString");
    if (!runResult.contains(errorKey) && hostResult.contains(errorKey))
        runResult.insert(errorKey, hostResult.value(errorKey));
    hostResult = runResult;
    return returnValue;
}

int ExportPipeline::runTestMode(RunContext& run, QHash<QString, QVariant>* result)
{
    if (testOutput.open(run.testOutputDbPath)) {
        testOutput.createTables(true);
    } else {
        qWarning() << "Orvexuniversal::makeExport() ::: SQLite ldbOut.open() ERROR: " << testOutput.lastErrorText();
        // Without its output database the run would only log a failed
        // insert per row.
        run.fail(QCoreApplication::translate("Orvexuniversal", "otvorenie výstupnej databázy testu %1").arg(run.testOutputDbPath),
                 testOutput.lastErrorText());
    }

    if (!run.failed()) {
        openStaging(run.testInputDbPath);
        staging.readAdvancedOvertime(run.advancedOvertime);
        // The prepared file holds the period's holidays; the special
        // interruptions are resolved when it also holds the interruption names.
        staging.readHolidays(run.holidaysMap);
        if (readInterruptionNames(run, staging.db()))
            run.resolveSpecialInterruptions();
        selectAllPeople(run, staging.db());

        ExportRowSink sink(testOutput, run);
        runPeople(run, staging, sink);
        qDebug() << "Orvexuniversal::makeExport() - Plugin mode: TEST ";
    }
    // The host's result is touched only to say why the run failed.
    if (run.failed()) {
        if (result)
            result->insert(QStringLiteral("errorString"), runFailureMessage(run.failure));
        return -1;
    }
    return 0;
}
