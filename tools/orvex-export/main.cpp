// orvex-export: runs the Orvexuniversal payroll export for one month from a
// terminal or a scheduled task, the way the attendance host runs it, and
// prints a control summary read back from the written file; or replays a
// prepared staging file through the plug-in's TEST mode.

#include "commandline.h"
#include "comparisonstep.h"
#include "controlsheet.h"
#include "controlsummary.h"
#include "exportparameters.h"
#include "exporttext.h"
#include "fileaccess.h"
#include "fileplacement.h"
#include "hostconnection.h"
#include "messagerouter.h"
#include "personalnumbers.h"
#include "processzone.h"
#include "replay.h"
#include "report.h"
#include "selectedpeople.h"
#include "settingscheck.h"
#include "stagingcheck.h"
#include "stoprequest.h"
#include "storedsettings.h"
#include "toollanguage.h"

#include "pamexportinterface.h"
#include "verinfointerface.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QPointer>
#include <QScopedPointer>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextStream>

#include <cstdio>

namespace {

const char* const hostConnectionName = "orvex-export-host";

// --json prints an object for every status: set once the command line asks
// for it (a command line that cannot be read is looked at for the word).
bool jsonWanted = false;

int usageError(const QString& text)
{
    MessageRouter::error(text);
    if (jsonWanted) {
        const QByteArray json = jsonUsageError(ExitUsage, text);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        std::fflush(stdout);
    }
    return ExitUsage;
}

// Loads the plug-in file as the host does and reaches it only through the
// host's interfaces.
PamExportInterface* loadPlugin(const QString& path, QPointer<QObject>& object, QString& version, QString& errorText)
{
    if (!QFileInfo(path).isFile()) {
        errorText = OrvexExport::tr("the plug-in file \"%1\" does not exist").arg(path);
        return nullptr;
    }
    QPluginLoader loader(path);
    QObject* instance = loader.instance();
    if (!instance) {
        errorText = OrvexExport::tr("cannot load the plug-in \"%1\": %2").arg(path, loader.errorString());
        return nullptr;
    }
    object = instance;
    PamExportInterface* exporter = qobject_cast<PamExportInterface*>(instance);
    if (!exporter) {
        errorText = OrvexExport::tr("\"%1\" is not an export plug-in of the attendance host").arg(path);
        return nullptr;
    }
    version = exporter->getVersion();
    if (const VerInfoInterface* info = qobject_cast<VerInfoInterface*>(instance)) {
        const QString build = info->getVerInfo().value(QStringLiteral("BUILD"));
        if (!build.isEmpty())
            version += QStringLiteral(" (build %1)").arg(build);
    }
    return exporter;
}

// Ends the run in an orderly way while the plug-in's code is still loaded:
// first the plug-in object, then every database connection, so that nothing
// of the plug-in is left for the process's exit handlers to tear down.
class OrderlyShutdown
{
public:
    QPointer<QObject> plugin;
    QSqlDatabase hostDb;

    OrderlyShutdown() = default;
    OrderlyShutdown(const OrderlyShutdown&) = delete;
    OrderlyShutdown& operator=(const OrderlyShutdown&) = delete;
    ~OrderlyShutdown()
    {
        MessageRouter::setPhase(MessageRouter::Phase::Finished);
        delete plugin.data();
        hostDb = QSqlDatabase();
        for (const QString& name : QSqlDatabase::connectionNames())
            QSqlDatabase::removeDatabase(name);
    }
};

// 1 when no file was written or it failed the control check; 3 when it was
// written or emptied with something the clerk must read.
int exitStatusOf(const ExportOutcome& outcome, int returned)
{
    if (!outcome.error.isEmpty() || returned < 0 || !outcome.summary.problems.isEmpty())
        return ExitExportFailed;
    return outcome.warnings.isEmpty() ? ExitOk : ExitWarnings;
}

// Every non-empty line of the plug-in's "doneString" is one thing to read.
QStringList messageLines(const QString& message)
{
    QStringList lines;
    for (const QString& line : message.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines;
}

// The zone the run uses: the one given (made the process's zone), else the
// system's, with a warning when that is UTC.
bool chooseTimeZone(const QByteArray& requested, ExportOutcome& outcome, QString& errorText)
{
    QByteArray zone;
    QString warning;
    if (!chooseProcessZone(requested, zone, warning, errorText))
        return false;
    outcome.timeZone = zone.isEmpty() ? QStringLiteral("unknown") : QString::fromLatin1(zone);
    if (!warning.isEmpty())
        outcome.warnings << warning;
    return true;
}

// The output folder must take the file before anything is exported.
bool checkOutputDirectory(const QString& path, QString& errorText)
{
    const QFileInfo folder(path);
    if (!folder.exists())
        errorText = OrvexExport::tr("the output directory \"%1\" does not exist").arg(path);
    else if (!folder.isDir())
        errorText = OrvexExport::tr("the output path \"%1\" is not a directory").arg(path);
    else if (!QTemporaryFile(QDir(path).filePath(QStringLiteral("orvex-export-XXXXXX"))).open())
        errorText = OrvexExport::tr("the output directory \"%1\" is not writable").arg(path);
    else
        return true;
    return false;
}

QString exportFileName(const ExportRequest& request, int settingsId)
{
    return QStringLiteral("ds%1%2_ID-%3.txt").arg(request.month, 2, 10, QLatin1Char('0')).arg(request.year).arg(settingsId);
}

void addSharedNumberWarnings(const QVector<PersonNumber>& people, ExportOutcome& outcome)
{
    QSet<QString> numbers;
    for (const PersonRows& person : outcome.summary.people)
        numbers.insert(person.personalNumber);
    QStringList warned;
    const QStringList warnings = sharedPersonalNumberWarnings(people, numbers, &warned);
    outcome.warnings << withoutPluginDuplicates(warnings, warned, outcome.message);
}

// The plug-in's result as the outcome: the file, its state, the messages.
void takeResult(const QHash<QString, QVariant>& result, int returned, ExportOutcome& outcome)
{
    outcome.linesWritten = returned;
    outcome.error = result.value(QStringLiteral("errorString")).toString();
    if (outcome.error.isEmpty() && returned < 0)
        outcome.error = OrvexExport::tr("the export failed (the plug-in returned %1)").arg(returned);
    outcome.message = result.value(QStringLiteral("doneString")).toString();
    outcome.warnings << messageLines(outcome.message);
    outcome.peopleCount = result.value(QStringLiteral("peopleCount")).toInt();
    outcome.peopleLeftOut = leftOutPeople(outcome.message);
    outcome.stages = MessageRouter::stages();
}

// A failed host read that looks like the server stopped answering: the step
// and the timeout are named, since the driver's text does not say why.
QString withTimeoutNamed(const QString& error, const QString& step, int timeoutSeconds)
{
    static const QRegularExpression lostServer(QStringLiteral("lost connection|timed? ?out|gone away"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (timeoutSeconds <= 0 || !lostServer.match(error).hasMatch())
        return error;
    return OrvexExport::tr("%1 (%2the database server did not answer within the timeout of %3 s)")
        .arg(error, step.isEmpty() ? QString() : OrvexExport::tr("while %1: ").arg(step))
        .arg(timeoutSeconds);
}

// The export was stopped from outside: whatever it left is not put in place.
QString stoppedText(const QString& pluginError)
{
    return OrvexExport::tr("%1 stopped the export: %2")
        .arg(StopRequest::reason(),
             pluginError.isEmpty() ? OrvexExport::tr("no file was written, an earlier one is kept as it was")
                                   : pluginError);
}

// Reads the new file in the private folder back: the control summary and
// the warnings about personal numbers.
void checkNewFile(const QString& path, const ExportRequest& request, const StoredSettings& settings,
                  const QSqlDatabase& hostDb, int returned, ExportOutcome& outcome)
{
    outcome.summary = summarizeExportFile(path, writtenSeparator(settings.optWidget), QString::number(request.year),
                                          QStringLiteral("%1").arg(request.month, 2, 10, QLatin1Char('0')));
    if (outcome.summary.fileRead && outcome.summary.lines != returned)
        outcome.summary.problems.prepend(OrvexExport::tr("the file holds %1 lines, the plug-in reported %2")
                                             .arg(outcome.summary.lines).arg(returned));
    outcome.warnings << withoutPluginDuplicates(outcome.summary.warnings, outcome.summary.warningNumbers, outcome.message);
    QVector<PersonNumber> people;
    QString errorText;
    if (hostPersonNumbers(hostDb, request.selection.allPeople, request.selection.peopleIds, people, errorText))
        addSharedNumberWarnings(people, outcome);
    else
        outcome.error = withTimeoutNamed(
            OrvexExport::tr("the personal numbers could not be compared with the host's people: %1").arg(errorText),
            OrvexExport::tr("checking the personal numbers"), request.connection.timeoutSeconds);
}

// The checked file replaces the month's file, unless it is empty and the
// folder holds a non-empty one (only --allow-empty lets it).
void putInPlace(const QString& written, const ExportRequest& request, int returned, ExportOutcome& outcome)
{
    const bool empty = returned == 0;
    if (empty && !request.allowEmpty && existingFileSize(outcome.filePath) > 0) {
        outcome.error = OrvexExport::tr("the export has no lines; the non-empty file of the month was left as it was "
                                       "(--allow-empty lets an empty file replace it)");
        return;
    }
    QString reason;
    if (!placeFile(written, outcome.filePath, reason)) {
        outcome.error = OrvexExport::tr("cannot put the new file in place of \"%1\": %2").arg(outcome.filePath, reason);
        return;
    }
    outcome.fileState = empty ? FileState::Emptied : FileState::Written;
}

// What would make the plug-in write a file other than the clerk meant is
// refused before it runs: stored keys it cannot use, a separator that values
// hold, selected ids the host does not have.
bool checkBeforeExport(const ExportRequest& request, const StoredSettings& settings, const QSqlDatabase& hostDb,
                       ExportOutcome& outcome, QString& errorText)
{
    const QStringList problems = storedRecordProblems(settings.record);
    if (!problems.isEmpty() && !request.allowDefaults) {
        errorText = OrvexExport::tr("stored export settings record %1 cannot be used: %2 (--allow-defaults exports "
                                   "with the plug-in's defaults for them)").arg(settings.id).arg(problems.join(QStringLiteral("; ")));
        return false;
    }
    for (const QString& problem : problems)
        outcome.warnings << OrvexExport::tr("stored export settings record %1: %2; the plug-in's defaults were used")
                                .arg(settings.id).arg(problem);
    const QString stored = settings.optWidget.value(QStringLiteral("separator")).toString();
    const QString separator = separatorProblem(stored, writtenSeparator(settings.optWidget));
    if (!separator.isEmpty()) {
        errorText = OrvexExport::tr("stored export settings record %1: %2").arg(settings.id).arg(separator);
        return false;
    }
    QStringList unknown;
    if (!unknownPersonIds(hostDb, request.selection.peopleIds, unknown, errorText)) {
        errorText = OrvexExport::tr("cannot read the host's people: %1").arg(errorText);
        return false;
    }
    if (!unknown.isEmpty() && !request.allowUnknownPeople) {
        errorText = OrvexExport::tr("--people: the host has no person with the id %1 (--allow-unknown-people exports "
                                   "the others)").arg(unknown.join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

// The plug-in's file in the host's format, beside it in the private folder;
// `written` names it afterwards. False, with the error set, when a character
// cannot be written in Windows-1250 (the person is named) or the copy fails.
bool toHostFormat(QString& written, const QString& separator, ExportOutcome& outcome)
{
    const QString converted = written + QStringLiteral(".host");
    QString person, reason;
    if (writeHostFormat(written, converted, separator, person, reason)) {
        written = converted;
        return true;
    }
    if (person.isNull()) {
        outcome.error = OrvexExport::tr("cannot write the file in the host's format: %1").arg(reason);
        return true;
    }
    outcome.error = OrvexExport::tr("a line of personal number \"%1\" holds %2, which Windows-1250 cannot hold; "
                                   "the file was not written (--file-format native writes it as it is)")
                        .arg(person, reason);
    return false;
}

void runExport(PamExportInterface* exporter, const ExportRequest& request, const StoredSettings& settings,
               const QSqlDatabase& hostDb, ExportOutcome& outcome)
{
    outcome.settingsId = settings.id;
    outcome.fileName = exportFileName(request, settings.id);
    outcome.filePath = request.outDir + QLatin1Char('/') + outcome.fileName;
    const PrivateExportFolder folder(request.outDir);
    if (!folder.isValid()) {
        outcome.error = OrvexExport::tr("cannot create a private folder in \"%1\": %2")
                            .arg(request.outDir, folder.errorString());
        outcome.exitStatus = ExitExportFailed;
        return;
    }
    QHash<QString, QVariant> result;
    int returned = -1;
    if (!StopRequest::requested()) {
        MessageRouter::startLiveProgress();
        MessageRouter::setPhase(MessageRouter::Phase::Export);
        QHash<QString, QVariant> parameters = exportParameters(request.year, request.month, request.selection.allPeople,
                                                               request.selection.peopleIds, settings);
        parameters.insert(QStringLiteral("exportPath"), folder.path());
        returned = exporter->makeExport(parameters, &result);
        MessageRouter::setPhase(MessageRouter::Phase::Finished);
    }
    const QString step = MessageRouter::currentStage();
    takeResult(result, returned, outcome);
    if (!result.value(QStringLiteral("fileName")).toString().isEmpty()) {
        outcome.fileName = QFileInfo(result.value(QStringLiteral("fileName")).toString()).fileName();
        outcome.filePath = request.outDir + QLatin1Char('/') + outcome.fileName;
    }
    outcome.error = withTimeoutNamed(outcome.error, step, request.connection.timeoutSeconds);
    QString written = folder.filePath(outcome.fileName);
    bool unencodable = false;
    if (outcome.error.isEmpty() && request.fileFormat == FileFormat::Host)
        unencodable = !toHostFormat(written, writtenSeparator(settings.optWidget), outcome);
    if (outcome.error.isEmpty() && !StopRequest::requested())
        checkNewFile(written, request, settings, hostDb, returned, outcome);
    if (StopRequest::requested())
        outcome.error = stoppedText(outcome.error);
    if (outcome.error.isEmpty() && outcome.summary.problems.isEmpty())
        putInPlace(written, request, returned, outcome);
    outcome.exitStatus = unencodable ? int(ExitUsage) : exitStatusOf(outcome, returned);
}

// The TEST run of a prepared file; its rows are summarized as the file they
// would make.
void runReplay(PamExportInterface* exporter, QHash<QString, QVariant> parameters, const QString& workPath,
               const QString& stagingFile, ExportOutcome& outcome)
{
    QHash<QString, QVariant> result;
    MessageRouter::setPhase(MessageRouter::Phase::Export);
    const int returned = exporter->makeExport(parameters, &result);
    MessageRouter::setPhase(MessageRouter::Phase::Finished);

    outcome.settingsId = parameters.value(QStringLiteral("pamSettingsId")).toInt();
    outcome.fileState = FileState::Replay;
    outcome.fileName = QFileInfo(stagingFile).fileName();
    takeResult(result, returned, outcome);
    // The TEST run reads a staging statement that fails as no rows: its log
    // is the only sign that the replay is not the month.
    if (outcome.error.isEmpty() && !MessageRouter::firstSqliteError().isEmpty())
        outcome.error = OrvexExport::tr("the replay's staging reads failed: %1").arg(MessageRouter::firstSqliteError());
    if (StopRequest::requested())
        outcome.error = stoppedText(outcome.error);
    QStringList lines;
    QString errorText;
    if (outcome.error.isEmpty() && !readReplayedLines(workPath, parameters.value(QStringLiteral("optWidget")).toHash(),
                                                      lines, errorText))
        outcome.error = errorText;
    if (outcome.error.isEmpty()) {
        const QString linesPath = QDir(workPath).filePath(QStringLiteral("replayed-lines.txt"));
        QFile file(linesPath);
        if (file.open(QIODevice::WriteOnly | QIODevice::Text))
            file.write(lines.isEmpty() ? QByteArray() : (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit());
        file.close();
        outcome.summary = summarizeExportFile(linesPath, writtenSeparator(parameters.value(QStringLiteral("optWidget")).toHash()),
                                              outcome.month.left(4), outcome.month.mid(5));
        outcome.warnings << outcome.summary.warnings;
        QSqlDatabase staging = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("orvex-export-replay-people"));
        staging.setDatabaseName(replayStagingPath(workPath, stagingFile));
        QVector<PersonNumber> people;
        if (staging.open() && stagingPersonNumbers(staging, people, errorText)) {
            outcome.peopleCount = people.size(); // the staging file holds the people of its run
            addSharedNumberWarnings(people, outcome);
        }
        if (lines.isEmpty())
            outcome.warnings << OrvexExport::tr("the replay exported no rows");
    }
    outcome.exitStatus = exitStatusOf(outcome, returned);
}

void report(const ExportRequest& request, const ExportOutcome& outcome)
{
    // With --quiet each error is one line, for a mail from cron.
    if (!outcome.error.isEmpty())
        MessageRouter::error(request.quiet ? oneLine(outcome.error) : outcome.error);
    else if (!outcome.summary.problems.isEmpty() && request.quiet)
        for (const QString& problem : outcome.summary.problems)
            MessageRouter::error(OrvexExport::tr("the file failed the control check: ") + oneLine(problem));
    else if (!outcome.summary.problems.isEmpty())
        MessageRouter::error(OrvexExport::tr("the file failed the control check:\n  ")
                             + outcome.summary.problems.join(QStringLiteral("\n  ")));
    else if (request.quiet)
        for (const QString& warning : outcome.warnings)
            MessageRouter::error(OrvexExport::tr("warning: ") + warning);
    if (MessageRouter::logOpen() && MessageRouter::warningCount() > 0)
        MessageRouter::note(OrvexExport::tr("%1 plug-in warnings were written to %2")
                                .arg(MessageRouter::warningCount()).arg(MessageRouter::logPath()));

    if (request.json) {
        const QByteArray json = jsonReport(outcome);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        std::fflush(stdout);
    } else if (!request.quiet && outcome.error.isEmpty()) {
        QTextStream out(stdout);
        printTextReport(out, outcome);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // The plug-in shows progress dialogs; a terminal run keeps them off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    MessageRouter::install();
    restrictNewFiles();
    StopRequest::installHandlers();
    const QStringList arguments = commandLineArguments(argc, argv);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("orvex-export"));
    QApplication::setApplicationVersion(QStringLiteral(ORVEX_EXPORT_VERSION));

    QString language;
    if (!chooseToolLanguage(languageArgument(arguments), QLocale::system().uiLanguages(), language))
        return usageError(OrvexExport::tr("--language takes sk or en, not \"%1\"").arg(language));
    installToolTranslation(language);

    ExportRequest request;
    QString error;
    jsonWanted = arguments.contains(QStringLiteral("--json"));
    if (!parseCommandLine(arguments, request, error))
        return usageError(error);
    jsonWanted = request.json;
    MessageRouter::setQuiet(request.quiet);
    MessageRouter::setVerbose(request.verbose);
    StopRequest::setDeadline(request.deadlineMinutes);
    StopRequest::watchProgressDialogs();
    if (!request.logFile.isEmpty() && !MessageRouter::openLog(request.logFile, error))
        return usageError(error);

    // The zone first: the month, "previous" included, is a date of that zone.
    const bool replay = !request.replayFile.isEmpty();
    QHash<QString, QVariant> replayParameters;
    QByteArray zone = request.selection.timeZone;
    if (replay) {
        if (!readReplayParameters(replayParametersPath(request.replayFile, request.paramsFile), replayParameters, error))
            return usageError(error);
        if (zone.isEmpty())
            zone = replayParameters.value(QStringLiteral("timeZone")).toString().toLatin1();
    }
    ExportOutcome outcome;
    if (!chooseTimeZone(zone, outcome, error)) {
        if (replay && request.selection.timeZone.isEmpty())
            error = OrvexExport::tr("the replay's parameters \"%1\": \"timeZone\" \"%2\" is not a known time zone")
                        .arg(replayParametersPath(request.replayFile, request.paramsFile), QString::fromLatin1(zone));
        return usageError(error);
    }
    if (replay) {
        const QDate first = QDateTime::fromSecsSinceEpoch(replayParameters.value(QStringLiteral("beginDay")).toLongLong()).date();
        request.year = first.year();
        request.month = first.month();
    } else if (!resolveMonth(request, QDate::currentDate(), error)
               || !periodFitsHostTimes(request.year, request.month, error)) {
        return usageError(error);
    }
    outcome.month = request.monthText();
    if (!zone.isEmpty() && !localTimeFollowsZone(zone, QDate(request.year, request.month, 1), error))
        return usageError(error);

    // Only a replay needs a temporary folder, removed after the session
    // below has closed the plug-in's connections.
    QScopedPointer<QTemporaryDir> replayWork;
    if (replay) {
        if (!checkStagingFile(request.replayFile, outcome.warnings, error))
            return usageError(error);
        replayWork.reset(new QTemporaryDir);
        if (!replayWork->isValid())
            return usageError(OrvexExport::tr("cannot create a temporary folder for the replay"));
        if (!prepareReplayFolder(replayWork->path(), request.replayFile, replayParameters, error))
            return usageError(error);
    } else if (!checkOutputDirectory(request.outDir, error)) {
        return usageError(error);
    }

    QString password;
    if (!replay && !hostPassword(request.connection, password, error))
        return usageError(error);
    OrderlyShutdown session;
    PamExportInterface* exporter = loadPlugin(request.pluginFile, session.plugin, outcome.pluginVersion, error);
    if (!exporter)
        return usageError(error);
    if (replay) {
        runReplay(exporter, replayParameters, replayWork->path(), request.replayFile, outcome);
        const Roster roster = stagingRosterFor(replayStagingPath(replayWork->path(), request.replayFile), outcome);
        const QHash<QString, QVariant> options = replayParameters.value(QStringLiteral("optWidget")).toHash();
        const QString replayedLines = QDir(replayWork->path()).filePath(QStringLiteral("replayed-lines.txt"));
        compareWithEarlierMonth(request, replayedLines, options, roster, outcome);
        writeControlSheetIfAsked(request, replayedLines, options, roster, outcome);
    } else {
        if (!openHostDatabase(request.connection, password, QLatin1String(hostConnectionName), session.hostDb, error))
            return usageError(error);
        password.fill(QLatin1Char(' '));
        StoredSettings settings;
        const QString type = exporter->getType().isEmpty() ? pluginSettingsType() : exporter->getType();
        if (!readStoredSettings(session.hostDb, type, request.settingsId, settings, error)
            || !checkBeforeExport(request, settings, session.hostDb, outcome, error)) {
            // A server that stopped answering is a failed run, not bad usage.
            const QString timedOut = withTimeoutNamed(error, OrvexExport::tr("reading the stored settings and people"),
                                                      request.connection.timeoutSeconds);
            if (timedOut == error)
                return usageError(error);
            outcome.error = timedOut;
            outcome.exitStatus = ExitExportFailed;
            report(request, outcome);
            return outcome.exitStatus;
        }
        exporter->setDatabase(session.hostDb);
        runExport(exporter, request, settings, session.hostDb, outcome);
        const Roster roster = hostRosterFor(session.hostDb, request, outcome);
        compareWithEarlierMonth(request, outcome.filePath, settings.optWidget, roster, outcome);
        writeControlSheetIfAsked(request, outcome.filePath, settings.optWidget, roster, outcome);
    }
    report(request, outcome);
    StopRequest::runFinished();
    return outcome.exitStatus;
}
