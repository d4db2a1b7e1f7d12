#include "preparerequest.h"

#include "preparetext.h"
#include "toollanguage.h"

#include <QCommandLineParser>
#include <QTextStream>

bool parsePrepareArguments(const QStringList& arguments, PrepareRequest& request, QString& errorText,
                           bool& helpShown)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(OrvexPrepareTest::tr(
        "Turns one month of a host database into a prepared staging file for the TEST mode of the\n"
        "Orvexuniversal export plug-in. The password of the database user is read from the\n"
        "environment variable ORVEX_DB_PASSWORD. The folders of --out and --params must exist.\n"
        "Exit status: 0 written (a UTC system zone is warned about on stderr), 1 the data could not\n"
        "be read or written, 2 usage, an unknown time zone or a missing output folder."));
    parser.addHelpOption();
    const HostOptions hostOptions;
    const MonthOptions monthOptions;
    const QCommandLineOption out(QStringLiteral("out"), OrvexPrepareTest::tr("The staging file to write (required)."),
                                 QStringLiteral("file"));
    const QCommandLineOption params(QStringLiteral("params"),
                                    OrvexPrepareTest::tr("Also write the export parameters of the month as JSON."),
                                    QStringLiteral("file"));
    hostOptions.addTo(parser);
    monthOptions.addTo(parser);
    parser.addOptions({out, params, languageOption()});

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
    if (!checkArguments(parser, {&hostOptions.database, &monthOptions.month, &out}, errorText)
        || !monthOptions.read(parser, request.selection, errorText)
        || !hostOptions.read(parser, request.connection, request.settingsId, errorText))
        return false;
    request.outFile = parser.value(out);
    request.parametersFile = parser.value(params);
    if (request.outFile.isEmpty()) {
        errorText = OrvexPrepareTest::tr("--out needs a file");
        return false;
    }
    return true;
}
