#ifndef EXPORTPROGRESS_H
#define EXPORTPROGRESS_H

#include <QAtomicInt>

// How far an export is, and whether it is to stop. The export's worker
// thread reports its step and value; the thread that shows the progress (the
// plug-in front's dialogs) reads them, says which step it has shown, and asks
// for a cancel. Plain atomics: either side may look at any time.
//
// When a shower watches, the worker waits at the start of each step until
// the step has been shown, so that the user sees every step's dialog and a
// cancel pressed there stops the export in that step.
class ExportProgress
{
public:
    enum Step { Starting, Loading, Spans, Run, WritingFile, Finished };

    // Worker: a new step with its range 0..maximum, at `value`.
    void startStep(Step step, int maximum, int value = 0);
    void setValue(int value) { currentValue.storeRelease(value); }

    Step step() const { return Step(currentStep.loadAcquire()); }
    int value() const { return currentValue.loadAcquire(); }
    int maximum() const { return currentMaximum.loadAcquire(); }

    // The shower's side: it will show every step; it has shown `step`.
    void watch() { watched.storeRelease(1); }
    void shown(Step step) { shownStep.storeRelease(step); }

    // Any thread: the user pressed cancel.
    void requestCancel() { cancel.storeRelease(1); }
    bool cancelRequested() const { return cancel.loadAcquire() != 0; }

private:
    QAtomicInt currentStep{Starting};
    QAtomicInt currentValue{0};
    QAtomicInt currentMaximum{0};
    QAtomicInt watched{0};
    QAtomicInt shownStep{Starting};
    QAtomicInt cancel{0};
};

#endif // EXPORTPROGRESS_H
