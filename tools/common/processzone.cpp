#include "processzone.h"

#include "tooltext.h"

#include <QDateTime>
#include <QFile>
#include <QTime>
#include <QTimeZone>

#include <ctime>

namespace {

// Qt lists the zones of the tz database's zone table only; the C library
// takes every zone file of the database ("CET", "EST5EDT", links such as
// "Europe/Bratislava" or "posixrules" aside).
bool inSystemZoneDatabase(const QByteArray& zoneId)
{
#ifdef Q_OS_WIN
    Q_UNUSED(zoneId);
    return false;
#else
    if (zoneId.startsWith('/') || zoneId.contains("..") || zoneId == "posixrules")
        return false;
    const QByteArray folder = qEnvironmentVariableIsEmpty("TZDIR") ? QByteArray("/usr/share/zoneinfo") : qgetenv("TZDIR");
    QFile file(QFile::decodeName(folder + '/' + zoneId));
    // A zone file starts with "TZif".
    return file.open(QIODevice::ReadOnly) && file.read(4) == "TZif";
#endif
}

} // namespace

bool useTimeZone(const QByteArray& zoneId, QString& errorText)
{
    const bool known = QTimeZone::isTimeZoneIdAvailable(zoneId) || inSystemZoneDatabase(zoneId);
    if (zoneId.isEmpty() || !known || !QTimeZone(zoneId).isValid()) {
        errorText = OrvexTools::tr("--time-zone \"%1\" is not a known time zone: give an IANA name such as "
                                   "Europe/Bratislava")
                        .arg(QString::fromLatin1(zoneId));
        return false;
    }
#ifndef Q_OS_WIN
    qputenv("TZ", zoneId);
    tzset();
#endif
    return true;
}

QByteArray systemTimeZoneId()
{
    return QTimeZone::systemTimeZoneId();
}

bool isUtcZoneName(const QByteArray& zoneId)
{
    QByteArray name = zoneId;
    if (name.startsWith("Etc/"))
        name = name.mid(4);
    static const char* const utcNames[] = {"UTC", "UCT", "GMT", "GMT0", "GMT+0", "GMT-0", "Universal", "Zulu",
                                           "Greenwich"};
    if (name.isEmpty())
        return true;
    for (const char* utc : utcNames)
        if (name == utc)
            return true;
    return false;
}

bool localTimeFollowsZone(const QByteArray& zoneId, const QDate& month, QString& errorText)
{
    const QTimeZone zone(zoneId);
    const QDate first(month.year(), month.month(), 1);
    const QDate last = first.addMonths(2);
    for (QDate day = first.addMonths(-1); day <= last; day = day.addDays(1)) {
        for (const QTime& time : {QTime(0, 0), QTime(12, 0)}) {
            if (QDateTime(day, time).toSecsSinceEpoch() == QDateTime(day, time, zone).toSecsSinceEpoch())
                continue;
#ifdef Q_OS_WIN
            errorText = OrvexTools::tr("--time-zone %1: on Windows the option cannot change the zone; the "
                                       "system's time zone keeps another local time on %2. Run without "
                                       "--time-zone or set the system's zone")
#else
            errorText = OrvexTools::tr("--time-zone %1: the system's C library does not keep this zone's "
                                       "local time (on %2); is its zone data installed?")
#endif
                            .arg(QString::fromLatin1(zoneId), day.toString(Qt::ISODate));
            return false;
        }
    }
    return true;
}

QString utcZoneWarning(const QByteArray& zoneId)
{
    return OrvexTools::tr("the system's time zone is %1: the period and every date follow UTC; give the "
                          "company's zone with --time-zone (e.g. --time-zone Europe/Bratislava)")
        .arg(zoneId.isEmpty() ? QStringLiteral("unknown") : QString::fromLatin1(zoneId));
}

bool chooseProcessZone(const QByteArray& requested, QByteArray& zone, QString& warning, QString& errorText)
{
#ifdef Q_OS_WIN
    // The C runtime would take TZ over the system's zone (with its own
    // reading of the name), so local dates could follow neither the system
    // nor --time-zone.
    if (qEnvironmentVariableIsSet("TZ")) {
        qunsetenv("TZ");
        _tzset();
        warning = OrvexTools::tr("TZ is ignored on Windows: the system's time zone is used");
    }
#endif
    zone = requested;
    if (!requested.isEmpty())
        return useTimeZone(requested, errorText);
    zone = systemTimeZoneId();
    if (isUtcZoneName(zone))
        warning = warning.isEmpty() ? utcZoneWarning(zone) : warning + QStringLiteral("; ") + utcZoneWarning(zone);
    return true;
}

QString timeZoneOptionHelp()
{
    return OrvexTools::tr("IANA time zone of the company (e.g. Europe/Bratislava); the period and all local "
                          "dates follow it. Default: the system's zone (a warning when that is UTC). On "
                          "Windows the zone cannot be changed: the option is accepted only when it keeps the "
                          "same local time as the system's zone, and refused otherwise.");
}
