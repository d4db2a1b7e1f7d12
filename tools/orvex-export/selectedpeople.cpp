#include "selectedpeople.h"

#include "hostconnection.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

bool unknownPersonIds(const QSqlDatabase& db, const QStringList& selected, QStringList& unknown, QString& errorText)
{
    unknown.clear();
    if (selected.isEmpty())
        return true;
    QStringList marks;
    for (int i = 0; i < selected.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT uid FROM people WHERE uid IN (%1)").arg(marks.join(QLatin1Char(','))));
    for (const QString& id : selected)
        query.addBindValue(id.toLongLong());
    QSet<QString> known;
    if (query.exec()) {
        while (query.next())
            known.insert(query.value(0).toString());
    }
    if (query.lastError().isValid()) {
        errorText = oneLine(query.lastError().text());
        return false;
    }
    for (const QString& id : selected)
        if (!known.contains(id) && !unknown.contains(id))
            unknown << id;
    return true;
}
