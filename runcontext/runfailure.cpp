// An export that cannot read all it needs stops and writes no file: the stages
// record the first failure in the run context, the pipeline checks it between
// the stages and answers the host with one message.

#include "runfailure.h"

#include <QCoreApplication>

namespace {

QString noFileWritten()
{
    return QCoreApplication::translate("Orvexuniversal",
                                       "Výstupný súbor nebol zapísaný, predchádzajúci súbor zostal nezmenený.");
}

} // namespace

QString cancelledRunMessage()
{
    return QCoreApplication::translate("Orvexuniversal", "Export prerušil používateľ!") + QStringLiteral(" \n")
           + noFileWritten();
}

QString runFailureMessage(const RunFailure& failure)
{
    const QString reason = failure.reason.trimmed().isEmpty()
                               ? QCoreApplication::translate("Orvexuniversal", "bez udania dôvodu")
                               : failure.reason.trimmed();
    // A message of its own names the step; the driver's reason follows it.
    const QString lead =
        failure.lead.isEmpty()
            ? QCoreApplication::translate("Orvexuniversal", "Export sa nepodaril, zlyhal krok: %1 (%2)!")
                  .arg(failure.step, reason)
            : failure.lead + QStringLiteral(" \n")
                  + QCoreApplication::translate("Orvexuniversal", "Príčina: %1").arg(reason);
    return lead + QStringLiteral(" \n") + noFileWritten();
}
