#ifndef RUNFAILURE_H
#define RUNFAILURE_H

#include <QString>

// The failure that stops an export: payroll gets no file rather than one with
// rows missing. `step` says what was being done, `reason` what the driver or
// the system answered; `lead` is a message of its own that already names the
// step (the people list's), used instead of the general one.
struct RunFailure
{
    QString step;
    QString reason;
    QString lead;

    bool failed() const { return !step.isEmpty(); }
};

// The clerk's message of a failed export: the step, the reason, and that no
// file was written.
QString runFailureMessage(const RunFailure& failure);
// The clerk's message of an export cancelled with the dialog's button.
QString cancelledRunMessage();

#endif // RUNFAILURE_H
