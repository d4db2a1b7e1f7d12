#include "exportprogress.h"

#include <QThread>

void ExportProgress::startStep(Step step, int maximum, int value)
{
    currentMaximum.storeRelease(maximum);
    currentValue.storeRelease(value);
    currentStep.storeRelease(step);
    if (step == Finished)
        return;
    while (watched.loadAcquire() && shownStep.loadAcquire() < step && !cancelRequested())
        QThread::msleep(1);
}
