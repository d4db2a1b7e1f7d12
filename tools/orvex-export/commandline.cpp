#include "commandline.h"

#include "commandoptions.h"
#include "comparisonoptions.h"
#include "defaultplugin.h"
#include "exporttext.h"
#include "toollanguage.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

QString ExportRequest::monthText() const
{
    return QStringLiteral("%1-%2").arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'));
}

bool resolveMonth(ExportRequest& request, const QDate& today, QString& errorText)
{
    return parseMonth(request.selection.monthArgument, today, request.year, request.month, errorText);
}

bool parseCommandLine(const QStringList& arguments, ExportRequest& request, QString& errorText)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(OrvexExport::tr("Runs the Orvexuniversal payroll export for one month, writes the payroll import file and\n"
        "prints a control summary read back from that file.\n"
        "With --replay it runs a prepared staging file (orvex-prepare-test) through the plug-in's\n"
        "TEST mode instead, without a host database, and prints the same summary of its rows.\n\n"
        "Exit status: 0 written, nothing to report; 3 written (or emptied) with warnings the clerk\n"
        "must read (people left out, values skipped, odd or shared personal numbers, no people or\n"
        "data, a UTC zone); 1 no file put in place, an earlier one is kept (the export failed,\n"
        "timed out or was stopped, the file failed the control check, or it was empty beside a\n"
        "non-empty file of the month); 2 bad usage, or an output folder, database, plug-in, stored\n"
        "settings, separator, person ids or month that cannot be used.\n"
        "The database password is taken from the environment variable ORVEX_DB_PASSWORD.\n"
        "SIGINT, SIGTERM and --deadline cancel the export as its cancel button does."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const MonthOptions monthOptions;
    const QCommandLineOption out(QStringLiteral("out"),
        OrvexExport::tr("Existing directory that receives the payroll file."), QStringLiteral("dir"));
    const HostOptions hostOptions;
    const QString defaultPlugin = defaultPluginFile(QStringLiteral(ORVEX_EXPORT_DEFAULT_PLUGIN));
    const QCommandLineOption plugin(QStringLiteral("plugin"),
        OrvexExport::tr("The plug-in file to load (default: %1).").arg(defaultPlugin),
        QStringLiteral("file"), defaultPlugin);
    const QCommandLineOption log(QStringLiteral("log"),
        OrvexExport::tr("Append the plug-in's warnings and diagnostics to this file instead of the terminal."),
        QStringLiteral("file"));
    const QCommandLineOption replay(QStringLiteral("replay"),
        OrvexExport::tr("Replay this prepared staging file in the plug-in's TEST mode (a copy in a temporary "
                       "folder; the file is not changed). Needs no database and writes no payroll file."),
        QStringLiteral("file.db"));
    const QCommandLineOption params(QStringLiteral("params"),
        OrvexExport::tr("The parameters of a replay as orvex-prepare-test wrote them; default: params.json in "
                       "the folder that holds DB_test_paterns/ (or beside the file)."),
        QStringLiteral("params.json"));
    const QCommandLineOption quiet(QStringLiteral("quiet"),
        OrvexExport::tr("Print nothing when all is well; else the warnings or the error, one line each, on stderr."));
    const QCommandLineOption json(QStringLiteral("json"), OrvexExport::tr("Print the summary as JSON on stdout."));
    const ComparisonOptions comparisonOptions;
    const QCommandLineOption deadline(QStringLiteral("deadline"),
        OrvexExport::tr("Cancel the export when it has not finished within this many minutes (no file is "
                       "written; status 1). Default: none."),
        QStringLiteral("minutes"));
    const QCommandLineOption allowEmpty(QStringLiteral("allow-empty"),
        OrvexExport::tr("Let an export without lines replace a non-empty file of the month (else it is kept; "
                       "status 1)."));
    monthOptions.addTo(parser);
    parser.addOption(out);
    hostOptions.addTo(parser);
    const QCommandLineOption allowDefaults(QStringLiteral("allow-defaults"),
        OrvexExport::tr("Export with the plug-in's defaults where the stored record's optWidget, inters or items "
                       "cannot be used (else status 2)."));
    const QCommandLineOption allowUnknownPeople(QStringLiteral("allow-unknown-people"),
        OrvexExport::tr("Export the people of --people that the host has when some ids are unknown (else status 2)."));
    const QCommandLineOption fileFormat(QStringLiteral("file-format"),
        OrvexExport::tr("\"host\": the file as the Windows host writes it, CR LF and Windows-1250 (default); "
                       "\"native\": as the plug-in writes it on this system (LF, the locale's encoding)."),
        QStringLiteral("host|native"), QStringLiteral("host"));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
        OrvexExport::tr("Show each of the plug-in's warnings as it comes (else they are counted by kind)."));
    parser.addOptions({plugin, log, replay, params, quiet, verbose, json, deadline, fileFormat, allowEmpty,
                       allowDefaults, allowUnknownPeople, languageOption()});
    comparisonOptions.addTo(parser);

    if (!parser.parse(arguments)) {
        errorText = parser.errorText();
        return false;
    }
    if (parser.isSet(helpOption))
        parser.showHelp(ExitOk);
    if (parser.isSet(versionOption))
        parser.showVersion();
    request.replayFile = parser.value(replay);
    request.paramsFile = parser.value(params);
    const QList<const QCommandLineOption*> required =
        request.replayFile.isEmpty() ? QList<const QCommandLineOption*>{&monthOptions.month, &out, &hostOptions.database}
                                     : QList<const QCommandLineOption*>();
    if (!checkArguments(parser, required, errorText))
        return false;
    if (parser.isSet(params) && request.replayFile.isEmpty()) {
        errorText = OrvexExport::tr("--params belongs to --replay");
        return false;
    }
    if (!monthOptions.read(parser, request.selection, errorText)
        || !hostOptions.read(parser, request.connection, request.settingsId, errorText))
        return false;
    if (request.replayFile.isEmpty() && parser.value(out).trimmed().isEmpty()) {
        errorText = OrvexExport::tr("--out needs a directory");
        return false;
    }
    if (parser.isSet(out))
        request.outDir = QDir::cleanPath(QFileInfo(parser.value(out)).absoluteFilePath());
    if (parser.isSet(deadline)) {
        bool ok = false;
        request.deadlineMinutes = parser.value(deadline).toDouble(&ok);
        if (!ok || !(request.deadlineMinutes > 0) || request.deadlineMinutes > 100000) {
            errorText = OrvexExport::tr("--deadline \"%1\" is not a number of minutes above 0").arg(parser.value(deadline));
            return false;
        }
    }
    if (!parseFileFormat(parser.value(fileFormat), request.fileFormat)) {
        errorText = OrvexExport::tr("--file-format \"%1\": use host or native").arg(parser.value(fileFormat));
        return false;
    }
    request.allowEmpty = parser.isSet(allowEmpty);
    request.allowDefaults = parser.isSet(allowDefaults);
    request.allowUnknownPeople = parser.isSet(allowUnknownPeople);
    request.pluginFile = parser.value(plugin);
    request.logFile = parser.value(log);
    request.quiet = parser.isSet(quiet);
    request.verbose = parser.isSet(verbose);
    request.json = parser.isSet(json);
    return comparisonOptions.read(parser, request, errorText);
}
