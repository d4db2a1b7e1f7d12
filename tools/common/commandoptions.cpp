#include "commandoptions.h"

#include "displayprobe.h"
#include "processzone.h"
#include "tooltext.h"

#include <QRegularExpression>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

// The period's bounds are unsigned 32-bit Unix times, as the host passes them;
// periodFitsHostTimes() decides at the ends, in the run's zone.
const int firstYear = 1970;
const int lastYear = 2106;

} // namespace

HostOptions::HostOptions()
    : host(QStringLiteral("host"), OrvexTools::tr("Database server host."), QStringLiteral("host")),
      port(QStringLiteral("port"), OrvexTools::tr("Database server port."), QStringLiteral("port")),
      socket(QStringLiteral("socket"), OrvexTools::tr("Database server unix socket."), QStringLiteral("path")),
      user(QStringLiteral("user"), OrvexTools::tr("Database user."), QStringLiteral("name")),
      database(QStringLiteral("database"), OrvexTools::tr("The attendance host's database."), QStringLiteral("name")),
      askPassword(QStringLiteral("ask-password"),
                  OrvexTools::tr("Ask for the password on the terminal when %1 is not set.")
                      .arg(QLatin1String(hostPasswordVariable))),
      timeout(QStringLiteral("timeout"),
              OrvexTools::tr("Seconds to wait for the database server to answer once connected; 0 waits for "
                             "ever (default: %1).").arg(HostConnection::defaultTimeoutSeconds),
              QStringLiteral("seconds"), QString::number(HostConnection::defaultTimeoutSeconds)),
      settingsId(QStringLiteral("settings-id"),
                 OrvexTools::tr("Id of the stored export settings (pamsettings); default: the first of the "
                                "plug-in's type."),
                 QStringLiteral("id"))
{
}

void HostOptions::addTo(QCommandLineParser& parser) const
{
    parser.addOptions({host, port, socket, user, database, askPassword, timeout, settingsId});
}

bool HostOptions::read(const QCommandLineParser& parser, HostConnection& connection, int& settingsIdValue,
                       QString& errorText) const
{
    settingsIdValue = 0;
    if (parser.isSet(settingsId) && !parsePositive(parser.value(settingsId), settingsIdValue)) {
        errorText = OrvexTools::tr("--settings-id \"%1\" is not a record id").arg(parser.value(settingsId));
        return false;
    }
    connection.port = 0;
    if (parser.isSet(port) && (!parsePositive(parser.value(port), connection.port) || connection.port > 65535)) {
        errorText = OrvexTools::tr("--port \"%1\" is not a port number").arg(parser.value(port));
        return false;
    }
    // Up to a day: the client library keeps the value in milliseconds.
    if (!parseCount(parser.value(timeout), 86400, connection.timeoutSeconds)) {
        errorText = OrvexTools::tr("--timeout \"%1\" is not a number of seconds from 0 to 86400")
                        .arg(parser.value(timeout));
        return false;
    }
    connection.host = parser.value(host);
    connection.socket = parser.value(socket);
    connection.user = parser.value(user);
    connection.database = parser.value(database);
    connection.askPassword = parser.isSet(askPassword);
    return true;
}

MonthOptions::MonthOptions()
    : month(QStringLiteral("month"), OrvexTools::tr("The month to export: YYYY-MM, \"previous\" or \"current\"."),
            QStringLiteral("month")),
      people(QStringLiteral("people"), OrvexTools::tr("\"all\" (default) or host person ids separated by commas."),
             QStringLiteral("ids"), QStringLiteral("all")),
      timeZone(QStringLiteral("time-zone"), timeZoneOptionHelp(), QStringLiteral("zone"))
{
}

void MonthOptions::addTo(QCommandLineParser& parser) const
{
    parser.addOptions({month, people, timeZone});
}

bool MonthOptions::read(const QCommandLineParser& parser, MonthSelection& selection, QString& errorText) const
{
    selection.monthArgument = parser.value(month);
    selection.timeZone = parser.value(timeZone).trimmed().toLatin1();
    if (parser.isSet(timeZone) && selection.timeZone.isEmpty()) {
        errorText = OrvexTools::tr("--time-zone needs a zone name such as Europe/Bratislava");
        return false;
    }
    return parsePeople(parser.value(people), selection.allPeople, selection.peopleIds, errorText);
}

bool checkArguments(const QCommandLineParser& parser, const QList<const QCommandLineOption*>& required,
                    QString& errorText)
{
    if (!parser.positionalArguments().isEmpty()) {
        errorText = OrvexTools::tr("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return false;
    }
    for (const QCommandLineOption* option : required) {
        if (!parser.isSet(*option)) {
            errorText = OrvexTools::tr("--%1 is required").arg(option->names().first());
            return false;
        }
    }
    return true;
}

QStringList commandLineArguments(int argc, char* argv[])
{
    QStringList arguments;
#ifdef Q_OS_WIN
    // argv holds the arguments in the ANSI code page: a path outside it is
    // lost. The wide command line is what QCoreApplication::arguments() reads
    // on Windows when it is handed the process's own argc and argv.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
    }
#else
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
#endif
    return arguments;
}

bool renderOffscreenWithoutDisplay(const char* tool)
{
#ifdef Q_OS_WIN
    Q_UNUSED(tool);
    return false;
#else
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    const QByteArray display = qgetenv("DISPLAY");
    if (!display.isEmpty()) {
        if (x11DisplayAnswers(display))
            return false;
        std::fprintf(stderr, "%s: %s\n", tool,
                     OrvexTools::tr("the display \"%1\" does not answer; drawing off screen")
                         .arg(QString::fromLocal8Bit(display))
                         .toLocal8Bit()
                         .constData());
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
#endif
}

namespace {

QtMessageHandler qtHandler = nullptr;

void withoutStartupNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    qtHandler(type, context, message);
}

} // namespace

void hideQtStartupNoise()
{
    qtHandler = qInstallMessageHandler(withoutStartupNoise);
}

bool parsePositive(const QString& text, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value > 0 && !text.startsWith(QLatin1Char('+'));
}

bool parseCount(const QString& text, int maximum, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= 0 && value <= maximum && !text.startsWith(QLatin1Char('+'));
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
        errorText = OrvexTools::tr("--month \"%1\" is not a month: use YYYY-MM (for example 2024-03), "
                                   "\"previous\" or \"current\"").arg(text);
        return false;
    }
    year = match.captured(1).toInt();
    month = match.captured(2).toInt();
    if (month < 1 || month > 12) {
        errorText = OrvexTools::tr("--month \"%1\": there is no month %2").arg(text).arg(month);
        return false;
    }
    if (year < firstYear || year > lastYear) {
        errorText = OrvexTools::tr("--month \"%1\": the year must lie between %2 and %3")
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
            errorText = OrvexTools::tr("--people \"%1\": \"%2\" is not a person id; use \"all\" or ids "
                                       "separated by commas (for example 12,15,31)").arg(text, part);
            return false;
        }
        ids << QString::number(id);
    }
    return true;
}
