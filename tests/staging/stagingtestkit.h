#ifndef STAGINGTESTKIT_H
#define STAGINGTESTKIT_H

// Staging helpers of the staging and records tests: an in-memory staging
// database on a plug-in, and rows read back as "a|b|c" (NULL as "NULL").

#include "orvexuniversal.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

inline void openStaging(Orvexuniversal& plugin, const QString& connectionName)
{
    plugin.stagingDb = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    plugin.stagingDb.setDatabaseName(QStringLiteral(":memory:"));
    plugin.stagingDb.open();
    plugin.stagingQuery = QSqlQuery(plugin.stagingDb);
    plugin.createSQLiteTables(plugin.stagingQuery, false);
}

inline QStringList stagingRows(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        return {QStringLiteral("ERROR ") + sql};
    QStringList rows;
    while (query.next()) {
        QStringList columns;
        for (int i = 0; i < query.record().count(); ++i)
            columns << (query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
        rows << columns.join(QLatin1Char('|'));
    }
    return rows;
}

#endif // STAGINGTESTKIT_H
