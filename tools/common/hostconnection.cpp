#include "hostconnection.h"

#include "terminal.h"
#include "tooltext.h"

#include <QSqlError>
#include <QStringList>

const char* const hostPasswordVariable = "ORVEX_DB_PASSWORD";

namespace {

// An unreachable server should fail a scheduled run, not hang it.
const int connectTimeoutSeconds = 15;

QString serverText(const HostConnection& connection)
{
    if (!connection.socket.isEmpty())
        return OrvexTools::tr("socket %1").arg(connection.socket);
    const QString host = connection.host.isEmpty() ? QStringLiteral("localhost") : connection.host;
    return connection.port > 0 ? QStringLiteral("%1:%2").arg(host).arg(connection.port) : host;
}

} // namespace

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
}

bool hostPassword(const HostConnection& connection, QString& password, QString& errorText)
{
    if (qEnvironmentVariableIsSet(hostPasswordVariable)) {
        password = QString::fromLocal8Bit(qgetenv(hostPasswordVariable));
        return true;
    }
    if (!connection.askPassword)
        return true;
    if (!stdinIsTerminal()) {
        errorText = OrvexTools::tr("--ask-password needs a terminal; a scheduled run sets %1 instead")
                        .arg(QLatin1String(hostPasswordVariable));
        return false;
    }
    const QString account = connection.user.isEmpty() ? connection.database
                                                      : connection.user + QLatin1Char('@') + connection.database;
    password = readPasswordWithoutEcho(OrvexTools::tr("Password for %1: ").arg(account));
    return true;
}

QString hostConnectOptions(const HostConnection& connection)
{
    // A connection made while the server (or the way to it) has stopped
    // answering waits no longer than a read would.
    const int connectTimeout = connection.timeoutSeconds > 0 ? qMin(connectTimeoutSeconds, connection.timeoutSeconds)
                                                             : connectTimeoutSeconds;
    QStringList options{QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=%1").arg(connectTimeout)};
    // A stalled server or a connection whose peer stopped answering must end
    // a scheduled run, not keep it waiting for ever.
    if (connection.timeoutSeconds > 0)
        options << QStringLiteral("MYSQL_OPT_READ_TIMEOUT=%1").arg(connection.timeoutSeconds)
                << QStringLiteral("MYSQL_OPT_WRITE_TIMEOUT=%1").arg(connection.timeoutSeconds);
    if (!connection.socket.isEmpty())
        options << QStringLiteral("UNIX_SOCKET=") + connection.socket;
    return options.join(QLatin1Char(';'));
}

QSqlDatabase addHostConnection(const HostConnection& connection, const QString& connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), connectionName);
    db.setConnectOptions(hostConnectOptions(connection));
    if (!connection.host.isEmpty())
        db.setHostName(connection.host);
    if (connection.port > 0)
        db.setPort(connection.port);
    if (!connection.user.isEmpty())
        db.setUserName(connection.user);
    db.setDatabaseName(connection.database);
    return db;
}

bool openHostDatabase(const HostConnection& connection, const QString& password, const QString& connectionName,
                      QSqlDatabase& db, QString& errorText)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QMYSQL"))) {
        errorText = OrvexTools::tr("the Qt MySQL driver (QMYSQL) is not installed");
        return false;
    }
    db = addHostConnection(connection, connectionName);
    db.setPassword(password);
    if (db.open())
        return true;
    errorText = OrvexTools::tr("cannot connect to the database \"%1\" (%2): %3")
                    .arg(connection.database, serverText(connection), oneLine(db.lastError().text()));
    return false;
}
