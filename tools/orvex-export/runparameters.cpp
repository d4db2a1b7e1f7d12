#include "runparameters.h"

#include <QDateTime>
#include <QTime>

unsigned localMidnight(const QDate& date)
{
    return unsigned(QDateTime(date, QTime(0, 0)).toSecsSinceEpoch());
}

QHash<QString, QVariant> exportParameters(const ExportRequest& request, const StoredSettings& settings)
{
    const QDate first(request.year, request.month, 1);
    QHash<QString, QVariant> parameters;
    parameters.insert(QStringLiteral("beginDay"), localMidnight(first));
    parameters.insert(QStringLiteral("endDay"), localMidnight(first.addMonths(1)));
    parameters.insert(QStringLiteral("month"), unsigned(request.year * 100 + request.month));
    parameters.insert(QStringLiteral("pamSettingsId"), unsigned(settings.id));
    parameters.insert(QStringLiteral("allPeople"), request.allPeople);
    parameters.insert(QStringLiteral("selPeople"), request.peopleIds.join(QLatin1Char(',')));
    parameters.insert(QStringLiteral("inters"), settings.inters);
    parameters.insert(QStringLiteral("items"), settings.items);
    parameters.insert(QStringLiteral("optWidget"), settings.optWidget);
    parameters.insert(QStringLiteral("exportPath"), request.outDir);
    return parameters;
}
