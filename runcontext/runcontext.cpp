#include "runcontext.h"

#include <QDebug>

void RunContext::fail(const QString& step, const QString& reason, const QString& lead)
{
    // After a cancel the stages stop on their own; the cancel is the cause.
    if (failure.failed() || cancelled())
        return;
    qCritical().noquote() << QStringLiteral("Orvexuniversal::makeExport() - export stopped, no file written: %1 (%2)")
                                 .arg(step, reason);
    failure = RunFailure{step, reason, lead};
}

void RunContext::resolveSpecialInterruptions()
{
    special.sickLeave = name2iidMap.value(options.sickLeaveName, 0);
    special.familyCare = name2iidMap.value(options.familyCareName, 0);
    special.sickLeaveOfKeeper = name2iidMap.value(options.sickLeaveOfKeeperName, 0);
    special.familyCareOfKeeper = name2iidMap.value(options.familyCareOfKeeperName, 0);
}

void RunContext::addInterruptionName(unsigned iid, const QString& name)
{
    iid2NameMap.insert(iid, name);
    name2iidMap.insert(name, iid);
}

QString RunContext::failureMessage() const
{
    return cancelled() ? cancelledRunMessage() : runFailureMessage(failure);
}
