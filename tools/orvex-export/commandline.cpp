#include "commandline.h"

#include "defaultplugin.h"
#include "processzone.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// The period's bounds are unsigned 32-bit Unix times, as the host passes them.
const int firstYear = 1970;
const int lastYear = 2105;

bool parsePositive(const QString& text, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value > 0 && !text.startsWith(QLatin1Char('+'));
}

} // namespace

QString ExportRequest::monthText() const
{
    return QStringLiteral("%1-%2").arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'));
}

bool resolveMonth(ExportRequest& request, const QDate& today, QString& errorText)
{
    return parseMonth(request.monthArgument, today, request.year, request.month, errorText);
}

bool parseMonth(const QString& text, const QDate& today, int& year, int& month, QString& errorText)
{
    const QString given = text.trimmed();
    if (given == QLatin1String("previous") || given == QLatin1String("current")) {
        const QDate date = given == QLatin1String("previous") ? today.addMonths(-1) : today;
        year = date.year();
        month = date.month();
        return true;
    }
    const QRegularExpression pattern(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(given);
    if (!match.hasMatch()) {
        errorText = QStringLiteral("--month \"%1\" is not a month: use YYYY-MM (for example 2024-03), "
                                   "\"previous\" or \"current\"").arg(text);
        return false;
    }
    year = match.captured(1).toInt();
    month = match.captured(2).toInt();
    if (month < 1 || month > 12) {
        errorText = QStringLiteral("--month \"%1\": there is no month %2").arg(text).arg(month);
        return false;
    }
    if (year < firstYear || year > lastYear) {
        errorText = QStringLiteral("--month \"%1\": the year must lie between %2 and %3")
                        .arg(text).arg(firstYear).arg(lastYear);
        return false;
    }
    return true;
}

bool parsePeople(const QString& text, bool& all, QStringList& ids, QString& errorText)
{
    ids.clear();
    if (text.trimmed() == QLatin1String("all")) {
        all = true;
        return true;
    }
    all = false;
    for (const QString& part : text.split(QLatin1Char(','))) {
        int id = 0;
        if (!parsePositive(part.trimmed(), id)) {
            errorText = QStringLiteral("--people \"%1\": \"%2\" is not a person id; use \"all\" or ids "
                                       "separated by commas (for example 12,15,31)").arg(text, part);
            return false;
        }
        ids << QString::number(id);
    }
    return true;
}

bool parseCommandLine(const QStringList& arguments, ExportRequest& request, QString& errorText)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs the Orvexuniversal payroll export for one month, writes the payroll import file and\n"
        "prints a control summary read back from that file.\n"
        "With --replay it runs a prepared staging file (orvex-prepare-test) through the plug-in's\n"
        "TEST mode instead, without a host database, and prints the same summary of its rows.\n\n"
        "Exit status: 0 written, nothing to report; 3 written (or emptied) with warnings the clerk\n"
        "must read (people left out, values skipped, odd or shared personal numbers, no people or\n"
        "data, a UTC zone); 1 no file written (an earlier one is kept) or the file failed the control\n"
        "check; 2 bad usage, or an output folder, database, plug-in or stored settings that cannot\n"
        "be used. The database password is taken from the environment variable ORVEX_DB_PASSWORD."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption month(QStringLiteral("month"),
        QStringLiteral("The month to export: YYYY-MM, \"previous\" or \"current\"."), QStringLiteral("month"));
    const QCommandLineOption out(QStringLiteral("out"),
        QStringLiteral("Existing directory that receives the payroll file."), QStringLiteral("dir"));
    const QCommandLineOption people(QStringLiteral("people"),
        QStringLiteral("\"all\" (default) or host person ids separated by commas."), QStringLiteral("ids"),
        QStringLiteral("all"));
    const QCommandLineOption settingsId(QStringLiteral("settings-id"),
        QStringLiteral("Id of the stored export settings (pamsettings); default: the first of the plug-in's type."),
        QStringLiteral("id"));
    const QCommandLineOption host(QStringLiteral("host"), QStringLiteral("Database server host."),
                                  QStringLiteral("host"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Database server port."),
                                  QStringLiteral("port"));
    const QCommandLineOption socket(QStringLiteral("socket"), QStringLiteral("Database server unix socket."),
                                    QStringLiteral("path"));
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("Database user."),
                                  QStringLiteral("name"));
    const QCommandLineOption database(QStringLiteral("database"),
        QStringLiteral("The attendance host's database."), QStringLiteral("name"));
    const QCommandLineOption askPassword(QStringLiteral("ask-password"),
        QStringLiteral("Ask for the password on the terminal when ORVEX_DB_PASSWORD is not set."));
    const QString defaultPlugin = defaultPluginFile(QStringLiteral(ORVEX_EXPORT_DEFAULT_PLUGIN));
    const QCommandLineOption plugin(QStringLiteral("plugin"),
        QStringLiteral("The plug-in file to load (default: %1).").arg(defaultPlugin),
        QStringLiteral("file"), defaultPlugin);
    const QCommandLineOption log(QStringLiteral("log"),
        QStringLiteral("Append the plug-in's warnings and diagnostics to this file instead of the terminal."),
        QStringLiteral("file"));
    const QCommandLineOption timeZone(QStringLiteral("time-zone"), timeZoneOptionHelp(), QStringLiteral("zone"));
    const QCommandLineOption replay(QStringLiteral("replay"),
        QStringLiteral("Replay this prepared staging file in the plug-in's TEST mode (a copy in a temporary "
                       "folder; the file is not changed). Needs no database and writes no payroll file."),
        QStringLiteral("file.db"));
    const QCommandLineOption params(QStringLiteral("params"),
        QStringLiteral("The parameters of a replay as orvex-prepare-test wrote them; default: params.json in "
                       "the folder that holds DB_test_paterns/ (or beside the file)."),
        QStringLiteral("params.json"));
    const QCommandLineOption quiet(QStringLiteral("quiet"),
        QStringLiteral("Print nothing when all is well; else the warnings or the error, one line each, on stderr."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the summary as JSON on stdout."));
    parser.addOptions({month, out, people, settingsId, host, port, socket, user, database, askPassword,
                       plugin, log, timeZone, replay, params, quiet, json});

    if (!parser.parse(arguments)) {
        errorText = parser.errorText();
        return false;
    }
    if (parser.isSet(helpOption))
        parser.showHelp(ExitOk);
    if (parser.isSet(versionOption))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty()) {
        errorText = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return false;
    }
    request.replayFile = parser.value(replay);
    request.paramsFile = parser.value(params);
    if (parser.isSet(params) && request.replayFile.isEmpty()) {
        errorText = QStringLiteral("--params belongs to --replay");
        return false;
    }
    const QList<const QCommandLineOption*> required =
        request.replayFile.isEmpty() ? QList<const QCommandLineOption*>{&month, &out, &database}
                                     : QList<const QCommandLineOption*>();
    for (const QCommandLineOption* option : required) {
        if (!parser.isSet(*option)) {
            errorText = QStringLiteral("--%1 is required").arg(option->names().first());
            return false;
        }
    }

    request.monthArgument = parser.value(month);
    request.timeZone = parser.value(timeZone).trimmed().toLatin1();
    if (parser.isSet(timeZone) && request.timeZone.isEmpty()) {
        errorText = QStringLiteral("--time-zone needs a zone name such as Europe/Bratislava");
        return false;
    }
    if (!parsePeople(parser.value(people), request.allPeople, request.peopleIds, errorText))
        return false;
    if (parser.isSet(settingsId) && !parsePositive(parser.value(settingsId), request.settingsId)) {
        errorText = QStringLiteral("--settings-id \"%1\" is not a record id").arg(parser.value(settingsId));
        return false;
    }
    if (parser.isSet(port) && (!parsePositive(parser.value(port), request.port) || request.port > 65535)) {
        errorText = QStringLiteral("--port \"%1\" is not a port number").arg(parser.value(port));
        return false;
    }
    if (request.replayFile.isEmpty() && parser.value(out).trimmed().isEmpty()) {
        errorText = QStringLiteral("--out needs a directory");
        return false;
    }
    if (parser.isSet(out))
        request.outDir = QDir::cleanPath(QFileInfo(parser.value(out)).absoluteFilePath());
    request.host = parser.value(host);
    request.socket = parser.value(socket);
    request.user = parser.value(user);
    request.database = parser.value(database);
    request.askPassword = parser.isSet(askPassword);
    request.pluginFile = parser.value(plugin);
    request.logFile = parser.value(log);
    request.quiet = parser.isSet(quiet);
    request.json = parser.isSet(json);
    return true;
}
