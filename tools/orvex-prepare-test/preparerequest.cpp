#include "preparerequest.h"

#include "processzone.h"

#include <QCommandLineParser>
#include <QDate>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegExp>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace {

const char* const hostConnectionName = "orvex-prepare-test-host";

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
}

bool parseMonth(const QString& text, PrepareRequest& request)
{
    QRegExp pattern(QStringLiteral("(\\d{4})-(\\d{2})"));
    if (!pattern.exactMatch(text))
        return false;
    request.year = pattern.cap(1).toInt();
    request.month = pattern.cap(2).toInt();
    return request.month >= 1 && request.month <= 12;
}

bool parsePeople(const QString& text, PrepareRequest& request)
{
    if (text == QLatin1String("all")) {
        request.allPeople = true;
        return true;
    }
    request.allPeople = false;
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const uint uid = part.trimmed().toUInt(&ok);
        if (!ok || uid == 0)
            return false;
        request.peopleIds << QString::number(uid);
    }
    return !request.peopleIds.isEmpty();
}

unsigned localMidnight(const QDate& date)
{
    return unsigned(QDateTime(date, QTime(0, 0)).toSecsSinceEpoch());
}

} // namespace

bool parsePrepareArguments(const QStringList& arguments, PrepareRequest& request, QString& errorText,
                           bool& helpShown)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Turns one month of a host database into a prepared staging file for the TEST mode of the\n"
        "Orvexuniversal export plug-in. The password of the database user is read from the\n"
        "environment variable ORVEX_DB_PASSWORD. The folders of --out and --params must exist.\n"
        "Exit status: 0 written (a UTC system zone is warned about on stderr), 1 the data could not\n"
        "be read or written, 2 usage, an unknown time zone or a missing output folder."));
    parser.addHelpOption();
    const QCommandLineOption socket(QStringLiteral("socket"), QStringLiteral("Unix socket of the server."),
                                    QStringLiteral("path"));
    const QCommandLineOption host(QStringLiteral("host"), QStringLiteral("Server host name."), QStringLiteral("name"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Server port."), QStringLiteral("number"));
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("Database user."), QStringLiteral("name"));
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("Host database (required)."),
                                      QStringLiteral("name"));
    const QCommandLineOption month(QStringLiteral("month"), QStringLiteral("Export month, YYYY-MM (required)."),
                                   QStringLiteral("YYYY-MM"));
    const QCommandLineOption settingsId(QStringLiteral("settings-id"),
                                        QStringLiteral("Id of the stored export settings (pamsettings); default: "
                                                       "the first record of type Orvexuniversal."),
                                        QStringLiteral("id"));
    const QCommandLineOption people(QStringLiteral("people"),
                                    QStringLiteral("\"all\" or host person ids separated by commas (default all)."),
                                    QStringLiteral("all|ids"), QStringLiteral("all"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("The staging file to write (required)."),
                                 QStringLiteral("file"));
    const QCommandLineOption params(QStringLiteral("params"),
                                    QStringLiteral("Also write the export parameters of the month as JSON."),
                                    QStringLiteral("file"));
    const QCommandLineOption timeZone(QStringLiteral("time-zone"), timeZoneOptionHelp(), QStringLiteral("zone"));
    parser.addOptions({socket, host, port, user, database, month, settingsId, people, out, params, timeZone});

    helpShown = false;
    if (!parser.parse(arguments)) {
        errorText = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        helpShown = true;
        return true;
    }
    if (!parser.positionalArguments().isEmpty()) {
        errorText = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return false;
    }
    if (!parseMonth(parser.value(month), request)) {
        errorText = QStringLiteral("--month YYYY-MM is required (given: \"%1\")").arg(parser.value(month));
        return false;
    }
    if (!parsePeople(parser.value(people), request)) {
        errorText = QStringLiteral("--people must be \"all\" or host person ids such as 12,15");
        return false;
    }
    request.socket = parser.value(socket);
    request.host = parser.value(host);
    request.user = parser.value(user);
    request.database = parser.value(database);
    request.outFile = parser.value(out);
    request.parametersFile = parser.value(params);
    request.timeZone = parser.value(timeZone).trimmed().toLatin1();
    if (parser.isSet(timeZone) && request.timeZone.isEmpty()) {
        errorText = QStringLiteral("--time-zone needs a zone name such as Europe/Bratislava");
        return false;
    }
    bool ok = true;
    if (parser.isSet(port) && ((request.port = parser.value(port).toInt(&ok)) <= 0 || !ok)) {
        errorText = QStringLiteral("--port needs a positive number");
        return false;
    }
    if (parser.isSet(settingsId) && ((request.settingsId = parser.value(settingsId).toInt(&ok)) <= 0 || !ok)) {
        errorText = QStringLiteral("--settings-id needs a positive number");
        return false;
    }
    if (request.database.isEmpty() || request.outFile.isEmpty()) {
        errorText = QStringLiteral("--database and --out are required");
        return false;
    }
    return true;
}

bool openHostDatabase(const PrepareRequest& request, QSqlDatabase& db, QString& errorText)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QMYSQL"))) {
        errorText = QStringLiteral("the Qt MySQL driver (QMYSQL) is not installed");
        return false;
    }
    db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QLatin1String(hostConnectionName));
    if (!request.socket.isEmpty())
        db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + request.socket);
    if (!request.host.isEmpty())
        db.setHostName(request.host);
    if (request.port > 0)
        db.setPort(request.port);
    db.setDatabaseName(request.database);
    const QString password = QString::fromLocal8Bit(qgetenv("ORVEX_DB_PASSWORD"));
    if (db.open(request.user, password))
        return true;
    errorText = QStringLiteral("cannot connect to the database \"%1\": %2")
                    .arg(request.database, oneLine(db.lastError().text()));
    return false;
}

bool readStoredSettings(const QSqlDatabase& db, int settingsId, StoredSettings& settings, QString& errorText)
{
    QSqlQuery query(db);
    if (settingsId > 0) {
        query.prepare(QStringLiteral("SELECT id, data FROM pamsettings WHERE id = ?"));
        query.addBindValue(settingsId);
    } else {
        query.prepare(QStringLiteral("SELECT id, data FROM pamsettings WHERE type = ? ORDER BY id"));
        query.addBindValue(QStringLiteral("Orvexuniversal"));
    }
    if (!query.exec()) {
        errorText = QStringLiteral("cannot read the stored export settings: %1").arg(oneLine(query.lastError().text()));
        return false;
    }
    if (!query.next()) {
        errorText = settingsId > 0 ? QStringLiteral("no stored export settings with id %1").arg(settingsId)
                                   : QStringLiteral("no stored export settings of type Orvexuniversal");
        return false;
    }
    settings.id = query.value(0).toInt();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(query.value(1).toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        errorText = QStringLiteral("the stored export settings %1 are not a JSON object: %2")
                        .arg(settings.id)
                        .arg(parseError.errorString());
        return false;
    }
    const QVariantHash data = document.object().toVariantHash();
    settings.inters = data.value(QStringLiteral("inters")).toHash();
    settings.items = data.value(QStringLiteral("items")).toList();
    settings.optWidget = data.value(QStringLiteral("optWidget")).toHash();
    return true;
}

QHash<QString, QVariant> exportParameters(const PrepareRequest& request, const StoredSettings& settings)
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
    return parameters;
}
