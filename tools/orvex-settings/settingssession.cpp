#include "settingssession.h"

#include "defaultplugin.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
}

bool parseNumber(const QString& text, int minimum, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= minimum;
}

} // namespace

bool parseSettingsArguments(const QStringList& arguments, SettingsRequest& request, QString& helpText,
                            QString& errorText)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the Orvexuniversal settings page as the attendance host shows it, loaded with the "
                       "stored settings of the host database. On closing, the edited options record is printed "
                       "as JSON on stdout. The database password is taken from ORVEX_DB_PASSWORD."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption plugin(QStringLiteral("plugin"),
                                    QStringLiteral("Plug-in file (default: the installed one, else the built one)."),
                                    QStringLiteral("file"), defaultPluginFile(QStringLiteral(ORVEX_SETTINGS_DEFAULT_PLUGIN)));
    const QCommandLineOption socket(QStringLiteral("socket"), QStringLiteral("Database server unix socket."),
                                    QStringLiteral("path"));
    const QCommandLineOption host(QStringLiteral("host"), QStringLiteral("Database server host."),
                                  QStringLiteral("name"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Database server port."),
                                  QStringLiteral("number"));
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("Database user."), QStringLiteral("name"));
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("Host database name (required)."),
                                      QStringLiteral("name"));
    const QCommandLineOption settingsId(QStringLiteral("settings-id"),
                                        QStringLiteral("Id of the pamsettings record to load (default: the first "
                                                       "record of type Orvexuniversal)."),
                                        QStringLiteral("id"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save settings-tab1.png ... of every tab into dir and quit."),
                                        QStringLiteral("dir"));
    const QCommandLineOption autoClose(QStringLiteral("auto-close"),
                                       QStringLiteral("Close the page after ms milliseconds."), QStringLiteral("ms"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Show the page translated (en) with the plug-in's translation."),
                                      QStringLiteral("code"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Window size, e.g. 1000x560."),
                                  QStringLiteral("WxH"));
    parser.addOptions({plugin, socket, host, port, user, database, settingsId, screenshot, autoClose, language, size});

    if (!parser.parse(arguments)) {
        errorText = parser.errorText();
        return false;
    }
    if (parser.isSet(help)) {
        helpText = parser.helpText();
        return true;
    }
    if (!parser.positionalArguments().isEmpty()) {
        errorText = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return false;
    }
    // QPluginLoader looks up relative names in the library paths, not here.
    request.pluginPath = QFileInfo(parser.value(plugin)).absoluteFilePath();
    request.socket = parser.value(socket);
    request.host = parser.value(host);
    request.user = parser.value(user);
    request.database = parser.value(database);
    request.screenshotDir = parser.value(screenshot);
    request.language = parser.value(language);
    if (request.database.isEmpty()) {
        errorText = QStringLiteral("--database is required");
        return false;
    }
    if (parser.isSet(port) && !parseNumber(parser.value(port), 1, request.port)) {
        errorText = QStringLiteral("--port \"%1\" is not a port number").arg(parser.value(port));
        return false;
    }
    if (parser.isSet(settingsId) && !parseNumber(parser.value(settingsId), 1, request.settingsId)) {
        errorText = QStringLiteral("--settings-id \"%1\" is not a record id").arg(parser.value(settingsId));
        return false;
    }
    if (parser.isSet(autoClose) && !parseNumber(parser.value(autoClose), 0, request.autoCloseMs)) {
        errorText = QStringLiteral("--auto-close \"%1\" is not a number of milliseconds").arg(parser.value(autoClose));
        return false;
    }
    if (parser.isSet(size)) {
        const QStringList parts = parser.value(size).split(QLatin1Char('x'));
        int width = 0, height = 0;
        if (parts.size() != 2 || !parseNumber(parts.at(0), 1, width) || !parseNumber(parts.at(1), 1, height)) {
            errorText = QStringLiteral("--size \"%1\" is not WIDTHxHEIGHT").arg(parser.value(size));
            return false;
        }
        request.size = QSize(width, height);
    }
    return true;
}

bool openDefaultHostDatabase(const SettingsRequest& request, const QString& password, QString& errorText)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QMYSQL"))) {
        errorText = QStringLiteral("the Qt MySQL driver (QMYSQL) is not installed");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"));
    if (!request.socket.isEmpty())
        db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + request.socket);
    if (!request.host.isEmpty())
        db.setHostName(request.host);
    if (request.port > 0)
        db.setPort(request.port);
    db.setDatabaseName(request.database);
    if (db.open(request.user, password))
        return true;
    errorText = QStringLiteral("cannot connect to the database \"%1\": %2")
                    .arg(request.database, oneLine(db.lastError().text()));
    return false;
}

bool readOptionsRecord(const QString& type, int id, QHash<QString, QVariant>& record, bool& found,
                       QString& errorText)
{
    record.clear();
    found = false;
    QSqlQuery query;
    if (id > 0) {
        query.prepare(QStringLiteral("SELECT id, type, data FROM pamsettings WHERE id = ?"));
        query.addBindValue(id);
    } else {
        query.prepare(QStringLiteral("SELECT id, type, data FROM pamsettings WHERE type = ? ORDER BY id"));
        query.addBindValue(type);
    }
    if (!query.exec()) {
        errorText = QStringLiteral("cannot read the stored settings (pamsettings): %1")
                        .arg(oneLine(query.lastError().text()));
        return false;
    }
    if (!query.next()) {
        if (id > 0) {
            errorText = QStringLiteral("there is no stored settings record %1 (pamsettings)").arg(id);
            return false;
        }
        return true;
    }
    if (query.value(1).toString() != type) {
        errorText = QStringLiteral("stored settings record %1 is of type \"%2\", not \"%3\"")
                        .arg(id).arg(query.value(1).toString(), type);
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(query.value(2).toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        errorText = QStringLiteral("stored settings record %1 is not a JSON object").arg(query.value(0).toInt());
        return false;
    }
    record = document.object().value(QStringLiteral("optWidget")).toObject().toVariantHash();
    found = true;
    return true;
}
