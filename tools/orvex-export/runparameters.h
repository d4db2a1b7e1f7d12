#ifndef ORVEX_EXPORT_RUNPARAMETERS_H
#define ORVEX_EXPORT_RUNPARAMETERS_H

#include "commandline.h"
#include "hostsession.h"

#include <QHash>
#include <QString>
#include <QVariant>

// The parameters of makeExport as the host passes them: the month's period
// (local midnights of its first day and of the next month's first day), the
// host's month key year * 100 + month, the people, the stored settings and
// the output directory.
QHash<QString, QVariant> exportParameters(const ExportRequest& request, const StoredSettings& settings);

// Unix time of the local midnight that starts `date`.
unsigned localMidnight(const QDate& date);

#endif // ORVEX_EXPORT_RUNPARAMETERS_H
