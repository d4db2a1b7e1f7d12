// An export that cannot read all it needs stops and writes no file: the steps
// record the first failure here, the driver checks it between the steps and
// answers the host with one message.

#include "orvexuniversal.h"

#include <QDebug>

QString runFailureMessage(const RunFailure& failure)
{
    const QString reason =
        failure.reason.trimmed().isEmpty() ? Orvexuniversal::tr("bez udania dôvodu") : failure.reason.trimmed();
    // A message of its own names the step; the driver's reason follows it.
    const QString lead =
        failure.lead.isEmpty()
            ? Orvexuniversal::tr("Export sa nepodaril, zlyhal krok: %1 (%2)!").arg(failure.step, reason)
            : failure.lead + QStringLiteral(" \n") + Orvexuniversal::tr("Príčina: %1").arg(reason);
    return lead + QStringLiteral(" \n")
           + Orvexuniversal::tr("Výstupný súbor nebol zapísaný, predchádzajúci súbor zostal nezmenený.");
}

void Orvexuniversal::failRun(const QString& step, const QString& reason, const QString& lead)
{
    if (runFailure.failed())
        return;
    qCritical().noquote() << QStringLiteral("%1::makeExport() - export stopped, no file written: %2 (%3)")
                                 .arg(getType(), step, reason);
    runFailure = RunFailure{step, reason, lead};
}
