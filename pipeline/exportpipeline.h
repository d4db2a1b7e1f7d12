#ifndef EXPORTPIPELINE_H
#define EXPORTPIPELINE_H

#include "hostreads.h"
#include "runcontext.h"
#include "stagingdatabase.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <functional>

// The export as a fixed sequence of stages over one run context.
//
// Normal mode: people and closure on the host, a fresh staging database in
// memory (schema, host loading, spans), the per-person run into its table
// `export`, the payroll file. TEST mode: a prepared staging file instead of
// the host, the rows into an output database, no file.
//
// A stage that fails records the run's failure; the later stages are skipped
// and the host gets one message, no file.
class ExportPipeline
{
public:
    ExportPipeline();

    // Runs the export of `run` and fills the host's `result`; returns the
    // number of lines written, 0 for TEST mode, -1 for a failed or cancelled
    // run. The normal mode runs its stages on a worker thread while the
    // calling thread (the host connection's) reads the host for it and calls
    // `betweenParts` (its event loop, the dialogs of run.progress) at short
    // intervals; TEST mode runs on the calling thread.
    int run(RunContext& run, const QSqlDatabase& host, QHash<QString, QVariant>* result,
            const std::function<void()>& betweenParts = std::function<void()>());

    // The last run's context; what it learned (interruption names, holidays,
    // the special interruptions) serves a later TEST run whose prepared file
    // lacks them.
    const RunContext& lastRun() const { return earlier; }

private:
    int runNormalMode(RunContext& run, const QSqlDatabase& host, HostReads& reads, QHash<QString, QVariant>* result);
    int runWholeOrNothing(RunContext& run, const QSqlDatabase& host, HostReads& reads,
                          QHash<QString, QVariant>& hostResult);
    int runTestMode(RunContext& run, QHash<QString, QVariant>* result);
    bool openStaging(const QString& databaseName);
    bool openTemporaryStaging();
    bool logStagingOpen(bool opened);
    void runStagingStep(RunContext& run, const QString& step, const std::function<void()>& work);

    StagingDatabase staging;
    StagingDatabase testOutput;
    RunContext earlier;
};

#endif // EXPORTPIPELINE_H
