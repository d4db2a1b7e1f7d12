#ifndef ORVEX_TOOLS_EXPORTPARAMETERS_H
#define ORVEX_TOOLS_EXPORTPARAMETERS_H

#include "storedsettings.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

// Unix time of the local midnight that starts `date`, as the host stamps its
// day records and bounds the export period.
unsigned localMidnight(const QDate& date);

// The period of a month as the host passes it to makeExport: "beginDay" and
// "endDay", the local midnights of its first day and of the next month's first
// day, and "month", the host's month key year * 100 + month. Local is the
// process's time zone: choose it first.
QHash<QString, QVariant> monthPeriod(int year, int month);

// False, with a one-line reason, when the month's period does not fit the
// host's unsigned 32-bit Unix times in the process's zone: its first local
// midnight lies before 1970-01-01 00:00 UTC (January 1970 east of UTC) or the
// next month's after 2106-02-07.
bool periodFitsHostTimes(int year, int month, QString& errorText);

// The parameters of makeExport for a month as the host passes them: the
// period, the people ("allPeople", "selPeople" as a comma list), the stored
// settings ("pamSettingsId", "inters", "items", "optWidget"). The caller adds
// "exportPath", or the keys of a TEST run.
QHash<QString, QVariant> exportParameters(int year, int month, bool allPeople, const QStringList& peopleIds,
                                          const StoredSettings& settings);

#endif // ORVEX_TOOLS_EXPORTPARAMETERS_H
