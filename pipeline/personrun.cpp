// The per-person run: walks the people and calls the record generators of the
// selected interruption types and bonus items for each of them.

#include "personrun.h"

#include "recordgenerators.h"
#include "runcontext.h"
#include "stagingsql.h"

#include <QCoreApplication>
#include <QDebug>

void runPeople(RunContext& run, StagingDatabase& staging, ExportRowSink& sink)
{
    RecordGenerators generators(run, staging, sink);
    // A staging read that failed would leave the person's rows out.
    SqlFailureWatch watch;

    // The length is read anew on every pass: the loop runs while i is below
    // it. A cancel (run.failed()) stops it before the next person.
    for (int i = 0; i < run.peopleUids.size() && !run.failed(); ++i) {
        run.reportProgress(i);
        generators.startPerson(run.peopleUids.at(i));
        qDebug() << "Orvexuniversal::runExport() ::: listDaysOfPN" << generators.sickLeaveDays();

        for (const QString& iid : run.selectedInterruptions)
            generators.exportInterruption(iid.toUInt(nullptr, 10));
        for (const int index : run.selectedItems)
            generators.exportBonusItem(index);

        // A prepared TEST file is read as it is: what it lacks is logged.
        if (watch.failed() && !run.testMode)
            run.fail(QCoreApplication::translate("Orvexuniversal", "tvorba riadkov exportu"), watch.firstReason());
    }
}
