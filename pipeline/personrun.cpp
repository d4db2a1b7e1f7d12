// The per-person run: walks the people and calls the record generators of the
// selected interruption types and bonus items for each of them.

#include "personrun.h"

#include "recordgenerators.h"
#include "runcontext.h"
#include "stagingsql.h"

#include <QApplication>
#include <QDebug>
#include <QProgressDialog>
#include <memory>

namespace {

// The run's progress dialog. It is made only when it will be shown: TEST mode
// shows none, and a process without a widget application (a command-line
// tool) cannot show one.
std::unique_ptr<QProgressDialog> makeProgressDialog(bool testMode, int peopleCount)
{
    if (testMode || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    std::unique_ptr<QProgressDialog> dialog(new QProgressDialog(
        QCoreApplication::translate("Orvexuniversal", "Exportujem Orvexuniversal..."), QCoreApplication::translate("Orvexuniversal", "Prerušiť"), 0, peopleCount));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
    QCoreApplication::processEvents();
    return dialog;
}

} // namespace

void runPeople(RunContext& run, StagingDatabase& staging, ExportRowSink& sink)
{
    const std::unique_ptr<QProgressDialog> progress = makeProgressDialog(run.testMode, run.peopleUids.size());
    RecordGenerators generators(run, staging, sink);
    // A staging read that failed would leave the person's rows out.
    SqlFailureWatch watch;

    // The length is read anew on every pass: the loop runs while i is below it.
    int shownPercent = -1;
    for (int i = 0; i < run.peopleUids.size() && !run.failed(); ++i) {
        // The dialog moves on when the percentage it shows changes (every
        // person of a small export, every hundredth of a large one): the
        // cancel button is answered as often, without a repaint per person.
        const int percent = int(qint64(i) * 100 / run.peopleUids.size());
        if (progress && percent != shownPercent) {
            shownPercent = percent;
            progress->setValue(i);
            // QProgressDialog lets events through in setValue() only once it
            // has shown itself after its minimum duration, not after show():
            // the events (repaint, the cancel button) are processed here.
            QCoreApplication::processEvents();
            if (progress->wasCanceled())
                break;
        }
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
