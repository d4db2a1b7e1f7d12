#include "benchaccount.h"

#include "hostconnection.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QStringList>

namespace {

const char* const accountUser = "orvex_bench";
const char* const accountPassword = "Mzdy'bench 2024";

QString account()
{
    return QStringLiteral("'%1'@'localhost'").arg(QLatin1String(accountUser));
}

// A string literal as the server reads it, quoted and escaped by the driver.
QString sqlText(const QSqlDatabase& db, const QString& text)
{
    QSqlField field(QString(), QVariant::String);
    field.setValue(text);
    return db.driver()->formatValue(field);
}

} // namespace

bool createBenchAccount(const QSqlDatabase& root, const QString& database, QString* error)
{
    // Made anew for each company, so that it reads that company only.
    const QStringList statements = {
        QStringLiteral("DROP USER IF EXISTS %1").arg(account()),
        QStringLiteral("CREATE USER %1 IDENTIFIED BY %2").arg(account(), sqlText(root, QLatin1String(accountPassword))),
        QStringLiteral("GRANT SELECT ON `%1`.* TO %2").arg(database, account()),
    };
    QSqlQuery query(root);
    for (const QString& statement : statements)
        if (!query.exec(statement)) {
            *error = query.lastError().text() + QStringLiteral(" in: ") + statement.left(40);
            return false;
        }
    return true;
}

QSqlDatabase openAsBenchAccount(const QString& socket, const QString& database, const QString& connectionName)
{
    HostConnection connection;
    connection.socket = socket;
    connection.user = QLatin1String(accountUser);
    connection.database = database;
    QSqlDatabase db = addHostConnection(connection, connectionName);
    // Kept with the connection (open(user, password) would not keep it).
    db.setPassword(QLatin1String(accountPassword));
    db.open();
    return db;
}

qint64 accessDeniedErrors(const QSqlDatabase& root)
{
    QSqlQuery query(root);
    if (!query.exec(QStringLiteral("SHOW GLOBAL STATUS LIKE 'Access_denied_errors'")) || !query.next())
        return -1;
    return query.value(1).toLongLong();
}
