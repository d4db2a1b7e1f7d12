#include "stagingcheck.h"

#include "exporttext.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char* const checkConnection = "orvex-export-staging-check";

struct PreparedTable
{
    const char* name;
    const char* columns;
};

// The tables of a prepared file and the columns the TEST mode reads.
const PreparedTable preparedTables[] = {
    {"latten_data", "uid,iid,duration,fund,kod,dom,month,dow,hol,timestamp"},
    {"latten", "uid,datum,dom,dow,hid,fond,work,shift,vouchers,tom,lunch,diff,saldo,saldo_p,saldo_c,freeDay,night,"
               "readBegin,readEnd,wore,expFund,bonus,wta,ok,overtimeNote"},
    {"lpeople", "uid,pid,pamId,gid,bid,did,refFund,fullName,grpName,branchName,depName"},
    {"lholidays", "date,hid"},
    {"lvars", "name,value"},
    {"latten_data_around", "uid,iid,duration,kod,dom,month,dow,fund,timestamp"},
    {"lintersSpans", "uid,iid,kod,sum,sumDays,begDay,endDay,month"},
    {"lintersSpansAround", "uid,iid,kod,sum,sumDays,begDay,endDay,month"},
};

QString sqlError(const QSqlQuery& query)
{
    return query.lastError().text().simplified();
}

bool columnsOf(QSqlDatabase& db, const QString& table, QStringList& columns, QString& errorText)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table))) {
        errorText = sqlError(query);
        return false;
    }
    while (query.next())
        columns << query.value(1).toString();
    return true;
}

bool checkOpenFile(QSqlDatabase& db, QStringList& warnings, QString& errorText)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA integrity_check")) || !query.next()) {
        errorText = OrvexExport::tr("it is not an SQLite database (%1)").arg(sqlError(query));
        return false;
    }
    if (query.value(0).toString() != QLatin1String("ok")) {
        errorText = OrvexExport::tr("SQLite's integrity check fails: %1").arg(query.value(0).toString());
        return false;
    }
    query.finish();
    for (const PreparedTable& table : preparedTables) {
        QStringList columns;
        if (!columnsOf(db, QLatin1String(table.name), columns, errorText))
            return false;
        if (columns.isEmpty()) {
            errorText = OrvexExport::tr("it has no table \"%1\"").arg(QLatin1String(table.name));
            return false;
        }
        for (const QString& column : QString::fromLatin1(table.columns).split(QLatin1Char(','))) {
            if (!columns.contains(column)) {
                errorText = OrvexExport::tr("its table \"%1\" has no column \"%2\"").arg(QLatin1String(table.name), column);
                return false;
            }
        }
    }
    QStringList names;
    if (!columnsOf(db, QStringLiteral("linters"), names, errorText))
        return false;
    if (names.isEmpty())
        warnings << OrvexExport::tr("the staging file has no table \"linters\" (the host's interruption names): the "
                                   "special interruptions and row settings of the replay follow the plug-in's "
                                   "defaults");
    return true;
}

} // namespace

bool checkStagingFile(const QString& path, QStringList& warnings, QString& errorText)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(checkConnection));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            errorText = db.lastError().text().simplified();
        else
            ok = checkOpenFile(db, warnings, errorText);
        db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(checkConnection));
    if (!ok)
        errorText = OrvexExport::tr("the staging file \"%1\" cannot be replayed: %2").arg(path, errorText);
    return ok;
}
