#ifndef ORVEX_TOOLS_PROCESSZONE_H
#define ORVEX_TOOLS_PROCESSZONE_H

#include <QByteArray>
#include <QDate>
#include <QString>

// The plug-in turns the host's Unix times into local dates with the process's
// local time zone, and the tools compute the export period the same way. A
// tool that exports for a company in another zone than the machine's makes
// that zone the process's local zone before any date is computed.
//
// On Linux and other Unix systems the zone is set through TZ and tzset(), and
// every later local conversion (the C library's and Qt's) follows it. The
// Windows C runtime takes no IANA names in TZ: there the zone cannot be
// changed, and a requested zone is accepted only when the system's zone keeps
// the same local time over the export period (checked by
// `localTimeFollowsZone`).

// Makes `zoneId` (an IANA name such as "Europe/Bratislava") the process's
// local time zone. False, with a one-line reason, when the name is unknown.
bool useTimeZone(const QByteArray& zoneId, QString& errorText);

// The system's zone as Qt names it (follows TZ where it is set).
QByteArray systemTimeZoneId();

// True for the names of UTC itself ("UTC", "Etc/UTC", "GMT", "Zulu" ...) and
// for an unknown zone: on a server this usually means the zone was never set,
// not that the company works in UTC.
bool isUtcZoneName(const QByteArray& zoneId);

// False, with a one-line reason, when local midnight of some day from the
// month before `month` to the month after it differs from midnight in
// `zoneId`: the process cannot compute the company's dates.
bool localTimeFollowsZone(const QByteArray& zoneId, const QDate& month, QString& errorText);

// The warning of a run in the system zone when that zone is UTC.
QString utcZoneWarning(const QByteArray& zoneId);

// The zone a run uses: `requested` (made the process's zone), else the
// system's. `zone` names it (empty when the system's zone is unknown);
// `warning` is set when the system's zone is used and is UTC or unknown.
// False, with a one-line reason, for a requested zone that is unknown.
bool chooseProcessZone(const QByteArray& requested, QByteArray& zone, QString& warning, QString& errorText);

// What --help says about the option on this platform.
QString timeZoneOptionHelp();

#endif // ORVEX_TOOLS_PROCESSZONE_H
