#include "exportparameters.h"

#include "tooltext.h"

#include <QDateTime>
#include <QTime>

unsigned localMidnight(const QDate& date)
{
    return unsigned(QDateTime(date, QTime(0, 0)).toSecsSinceEpoch());
}

QHash<QString, QVariant> monthPeriod(int year, int month)
{
    const QDate first(year, month, 1);
    QHash<QString, QVariant> period;
    period.insert(QStringLiteral("beginDay"), localMidnight(first));
    period.insert(QStringLiteral("endDay"), localMidnight(first.addMonths(1)));
    period.insert(QStringLiteral("month"), unsigned(year * 100 + month));
    return period;
}

bool periodFitsHostTimes(int year, int month, QString& errorText)
{
    const QDate first(year, month, 1);
    const qint64 begin = QDateTime(first, QTime(0, 0)).toSecsSinceEpoch();
    const qint64 end = QDateTime(first.addMonths(1), QTime(0, 0)).toSecsSinceEpoch();
    if (first.isValid() && begin >= 0 && end <= qint64(0xFFFFFFFFu))
        return true;
    errorText = OrvexTools::tr("the month %1-%2 does not fit the host's times in this time zone (from "
                               "1970-01-01 00:00 UTC to 2106-02-07)")
                    .arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'));
    return false;
}

QHash<QString, QVariant> exportParameters(int year, int month, bool allPeople, const QStringList& peopleIds,
                                          const StoredSettings& settings)
{
    QHash<QString, QVariant> parameters = monthPeriod(year, month);
    parameters.insert(QStringLiteral("pamSettingsId"), unsigned(settings.id));
    parameters.insert(QStringLiteral("allPeople"), allPeople);
    parameters.insert(QStringLiteral("selPeople"), peopleIds.join(QLatin1Char(',')));
    parameters.insert(QStringLiteral("inters"), settings.inters);
    parameters.insert(QStringLiteral("items"), settings.items);
    parameters.insert(QStringLiteral("optWidget"), settings.optWidget);
    return parameters;
}
