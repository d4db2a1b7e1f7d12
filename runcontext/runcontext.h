#ifndef RUNCONTEXT_H
#define RUNCONTEXT_H

// The state of one export, handed by reference from stage to stage: what the
// host asked for (period, options, codes, selection), what the stages found
// (people, names, holidays) and what they have to say (warnings, the failure
// that stops the run). Nothing of it outlives the export.

#include "exportoptions.h"
#include "exportprogress.h"
#include "runfailure.h"
#include "specialinterruptions.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

struct RunContext
{
    // --- what the host asked for
    bool testMode = false;
    int debugLevel = 3;    // the host's verbosity of the debug output
    unsigned beginDay = 0; // the period as host time stamps: [beginDay, endDay)
    unsigned endDay = 0;
    QDate periodDate;      // the local date of beginDay
    QString yearText;      // "2024"
    QString monthText;     // "03"
    unsigned closureMonth = 0; // the host's month key of the closure ("month")
    bool allPeople = false;
    QString selectedUids;  // "12,7,31"; after the closure check the people of the run
    ExportOptions options;
    QHash<QString, QVariant> interruptionCodes; // "inters": iid -> payroll code text
    QVariantList itemCodes;                     // "items": bonus item codes by index
    QStringList selectedInterruptions;          // iids with a code, as sorted two-digit texts
    QList<int> selectedItems;                   // indexes of bonus items with a code
    QString exportPath;
    QString exportFileName;
    // TEST mode: the prepared staging file and the output database.
    QString testWorkPath;
    QString testInputDbPath;
    QString testOutputDbPath;

    // --- what the stages found
    QVector<unsigned> peopleUids;         // the people of the run
    QStringList excludedPeople;           // personal numbers left out for unclosed days
    QHash<unsigned, QString> pamPidByUid; // personal number of each person
    QHash<unsigned, QString> iid2NameMap; // interruption names of the host
    QHash<QString, unsigned> name2iidMap;
    SpecialInterruptions special;
    QHash<QDate, bool> holidaysMap;
    bool advancedOvertime = false;

    // --- what the run has to say
    // Values that could not be exported as they are (a person or a day
    // skipped, a value holding a separator): appended to "doneString".
    QStringList warnings;
    // The first failure that makes the file untrustworthy; once set, the
    // stages stop and no file is written.
    RunFailure failure;

    // Where the run reports its progress and learns of a cancel; none in
    // TEST mode and for the tools' own stages.
    ExportProgress* progress = nullptr;

    // Records a failure unless an earlier one is recorded already.
    void fail(const QString& step, const QString& reason, const QString& lead = QString());
    // A failure, or a cancel: either way the stages stop and no file is written.
    bool failed() const { return failure.failed() || cancelled(); }
    bool cancelled() const { return progress && progress->cancelRequested(); }
    // The clerk's message of a run that failed or was cancelled.
    QString failureMessage() const;
    void reportProgress(int value) const
    {
        if (progress)
            progress->setValue(value);
    }

    // The special interruptions named in the options, found by name.
    void resolveSpecialInterruptions();
    void addInterruptionName(unsigned iid, const QString& name);
};

// The run context of the export parameters the host hands to makeExport.
// Values of the wrong type are converted all the same; the log names them.
RunContext runContextFromParameters(const QHash<QString, QVariant>& parameters);

#endif // RUNCONTEXT_H
