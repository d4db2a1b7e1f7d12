#include "tenradbsettings.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

QMap<QString, QVariant> TenraDbSettings::variableGetMultiple(QSqlDatabase db, const QStringList& names)
{
    QMap<QString, QVariant> values;
    if (names.isEmpty())
        return values;

    // One placeholder per name: a name is bound, never spliced into the text.
    QStringList placeholders;
    for (int i = 0; i < names.size(); ++i)
        placeholders << QStringLiteral("?");

    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT name, value FROM vars WHERE name IN(%1)")
                      .arg(placeholders.join(QLatin1Char(','))));
    for (const QString& name : names)
        query.addBindValue(name);

    if (query.exec()) {
        while (query.next())
            values.insert(query.value(QStringLiteral("name")).toString(),
                          query.value(QStringLiteral("value")));
    }
    if (query.lastError().isValid()) {
        qCritical() << "TenraDbSettings::variableGetMultiple - SQL ERROR:";
        qCritical() << query.lastError().text();
    }
    return values;
}
