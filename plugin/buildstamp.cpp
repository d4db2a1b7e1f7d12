#include "buildstamp.h"

#include <QLocale>
#include <QTime>

QDateTime parseBuildStamp(const QString& dateText, const QString& timeText)
{
    const QLocale english(QStringLiteral("en_US"));
    const QDate date = english.toDate(dateText.simplified(), QStringLiteral("MMM d yyyy"));
    const QTime time = QTime::fromString(timeText.simplified(), QStringLiteral("hh:mm:ss"));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time);
}

QDateTime moduleBuildStamp()
{
    return parseBuildStamp(QStringLiteral(__DATE__), QStringLiteral(__TIME__));
}
