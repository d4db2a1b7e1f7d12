#include "hostsession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

const char* const connectionName = "orvex-export-host";
// An unreachable server should fail the scheduled run, not hang it.
const int connectTimeoutSeconds = 15;

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
}

QString serverText(const ExportRequest& request)
{
    if (!request.socket.isEmpty())
        return QStringLiteral("socket %1").arg(request.socket);
    const QString host = request.host.isEmpty() ? QStringLiteral("localhost") : request.host;
    return request.port > 0 ? QStringLiteral("%1:%2").arg(host).arg(request.port) : host;
}

} // namespace

bool openHostDatabase(const ExportRequest& request, const QString& password, QSqlDatabase& db,
                      QString& errorText)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QMYSQL"))) {
        errorText = QStringLiteral("the Qt MySQL driver (QMYSQL) is not installed");
        return false;
    }
    db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QLatin1String(connectionName));
    QStringList options{QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=%1").arg(connectTimeoutSeconds)};
    if (!request.socket.isEmpty())
        options << QStringLiteral("UNIX_SOCKET=") + request.socket;
    db.setConnectOptions(options.join(QLatin1Char(';')));
    if (!request.host.isEmpty())
        db.setHostName(request.host);
    if (request.port > 0)
        db.setPort(request.port);
    if (!request.user.isEmpty())
        db.setUserName(request.user);
    db.setDatabaseName(request.database);
    if (db.open(request.user, password))
        return true;
    errorText = QStringLiteral("cannot connect to the database \"%1\" (%2): %3")
                    .arg(request.database, serverText(request), oneLine(db.lastError().text()));
    return false;
}

bool readStoredSettings(const QSqlDatabase& db, const QString& type, int id, StoredSettings& settings,
                        QString& errorText)
{
    QSqlQuery query(db);
    if (id > 0) {
        query.prepare(QStringLiteral("SELECT id, type, data FROM pamsettings WHERE id = ?"));
        query.addBindValue(id);
    } else {
        query.prepare(QStringLiteral("SELECT id, type, data FROM pamsettings WHERE type = ? ORDER BY id"));
        query.addBindValue(type);
    }
    if (!query.exec()) {
        errorText = QStringLiteral("cannot read the stored export settings (pamsettings): %1")
                        .arg(oneLine(query.lastError().text()));
        return false;
    }
    if (!query.next()) {
        errorText = id > 0 ? QStringLiteral("there is no stored export settings record %1 (pamsettings)").arg(id)
                           : QStringLiteral("there are no stored export settings of type \"%1\" (pamsettings)")
                                 .arg(type);
        return false;
    }
    settings.id = query.value(0).toInt();
    const QString storedType = query.value(1).toString();
    if (storedType != type) {
        errorText = QStringLiteral("stored export settings record %1 is of type \"%2\", not \"%3\"")
                        .arg(settings.id).arg(storedType, type);
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(query.value(2).toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        errorText = QStringLiteral("stored export settings record %1 is not a JSON object%2")
                        .arg(settings.id)
                        .arg(parseError.error != QJsonParseError::NoError
                                 ? QStringLiteral(": %1 at offset %2").arg(parseError.errorString()).arg(parseError.offset)
                                 : QString());
        return false;
    }
    const QJsonObject object = document.object();
    settings.inters = object.value(QStringLiteral("inters")).toObject().toVariantHash();
    settings.items = object.value(QStringLiteral("items")).toArray().toVariantList();
    settings.optWidget = object.value(QStringLiteral("optWidget")).toObject().toVariantHash();
    return true;
}
