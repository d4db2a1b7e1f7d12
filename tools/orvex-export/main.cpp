// orvex-export: runs the Orvexuniversal payroll export for one month from a
// terminal or a scheduled task, the way the attendance host runs it, and
// prints a control summary read back from the written file.

#include "commandline.h"
#include "controlsummary.h"
#include "hostsession.h"
#include "messagerouter.h"
#include "report.h"
#include "runparameters.h"
#include "terminal.h"

#include "pamexportinterface.h"
#include "verinfointerface.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QPointer>
#include <QSqlDatabase>
#include <QTextStream>

#include <cstdio>

namespace {

const char* const passwordVariable = "ORVEX_DB_PASSWORD";

int usageError(const QString& text)
{
    MessageRouter::error(text);
    return ExitUsage;
}

bool resolvePassword(const ExportRequest& request, QString& password, QString& errorText)
{
    if (qEnvironmentVariableIsSet(passwordVariable)) {
        password = QString::fromLocal8Bit(qgetenv(passwordVariable));
        return true;
    }
    if (!request.askPassword)
        return true;
    if (!stdinIsTerminal()) {
        errorText = QStringLiteral("--ask-password needs a terminal; a scheduled run sets %1 instead")
                        .arg(QLatin1String(passwordVariable));
        return false;
    }
    const QString account = request.user.isEmpty() ? request.database : request.user + QLatin1Char('@') + request.database;
    password = readPasswordWithoutEcho(QStringLiteral("Password for %1: ").arg(account));
    return true;
}

// Loads the plug-in file as the host does and reaches it only through the
// host's interfaces.
PamExportInterface* loadPlugin(const QString& path, QPointer<QObject>& object, QString& version, QString& errorText)
{
    if (!QFileInfo(path).isFile()) {
        errorText = QStringLiteral("the plug-in file \"%1\" does not exist").arg(path);
        return nullptr;
    }
    QPluginLoader loader(path);
    QObject* instance = loader.instance();
    if (!instance) {
        errorText = QStringLiteral("cannot load the plug-in \"%1\": %2").arg(path, loader.errorString());
        return nullptr;
    }
    object = instance;
    PamExportInterface* exporter = qobject_cast<PamExportInterface*>(instance);
    if (!exporter) {
        errorText = QStringLiteral("\"%1\" is not an export plug-in of the attendance host").arg(path);
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

int exitStatusOf(const ExportOutcome& outcome, int returned)
{
    if (!outcome.error.isEmpty() || returned < 0)
        return ExitExportFailed;
    return outcome.summary.problems.isEmpty() ? ExitOk : ExitExportFailed;
}

ExportOutcome runExport(PamExportInterface* exporter, const ExportRequest& request, const StoredSettings& settings)
{
    QHash<QString, QVariant> result;
    MessageRouter::startLiveProgress();
    MessageRouter::setPhase(MessageRouter::Phase::Export);
    const int returned = exporter->makeExport(exportParameters(request, settings), &result);
    MessageRouter::setPhase(MessageRouter::Phase::Finished);

    ExportOutcome outcome;
    outcome.month = request.monthText();
    outcome.settingsId = settings.id;
    outcome.linesWritten = returned;
    outcome.error = result.value(QStringLiteral("errorString")).toString();
    if (outcome.error.isEmpty() && returned < 0)
        outcome.error = QStringLiteral("the export failed (the plug-in returned %1)").arg(returned);
    outcome.message = result.value(QStringLiteral("doneString")).toString();
    outcome.peopleCount = result.value(QStringLiteral("peopleCount")).toInt();
    outcome.peopleLeftOut = leftOutPeople(outcome.message);
    outcome.fileName = result.value(QStringLiteral("fileName")).toString();
    if (!outcome.fileName.isEmpty())
        outcome.filePath = request.outDir + QLatin1Char('/') + outcome.fileName;
    outcome.stages = MessageRouter::stages();

    if (!outcome.filePath.isEmpty() && returned >= 0) {
        QString separator = settings.optWidget.value(QStringLiteral("separator")).toString();
        if (separator.isEmpty())
            separator = QStringLiteral("|");
        outcome.summary = summarizeExportFile(outcome.filePath, separator, QString::number(request.year),
                                              QStringLiteral("%1").arg(request.month, 2, 10, QLatin1Char('0')));
        if (outcome.summary.fileRead && outcome.summary.lines != returned)
            outcome.summary.problems.prepend(QStringLiteral("the file holds %1 lines, the plug-in reported %2")
                                                 .arg(outcome.summary.lines).arg(returned));
    }
    outcome.exitStatus = exitStatusOf(outcome, returned);
    return outcome;
}

void report(const ExportRequest& request, const ExportOutcome& outcome)
{
    if (!outcome.error.isEmpty())
        MessageRouter::error(outcome.error);
    else if (!outcome.summary.problems.isEmpty())
        MessageRouter::error(QStringLiteral("the file failed the control check:\n  ")
                             + outcome.summary.problems.join(QStringLiteral("\n  ")));
    if (MessageRouter::logOpen() && MessageRouter::warningCount() > 0)
        MessageRouter::note(QStringLiteral("%1 plug-in warnings were written to %2")
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
    // Qt's own command line would take --plugin for itself (it loads generic
    // input plug-ins by that option), so the arguments are read here and
    // QApplication sees the program name only.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("orvex-export"));
    QApplication::setApplicationVersion(QStringLiteral(ORVEX_EXPORT_VERSION));

    ExportRequest request;
    QString error;
    if (!parseCommandLine(arguments, request, error))
        return usageError(error);
    MessageRouter::setQuiet(request.quiet);
    if (!request.logFile.isEmpty() && !MessageRouter::openLog(request.logFile, error))
        return usageError(error);
    if (!QFileInfo::exists(request.outDir))
        return usageError(QStringLiteral("the output directory \"%1\" does not exist").arg(request.outDir));

    QString password;
    if (!resolvePassword(request, password, error))
        return usageError(error);
    OrderlyShutdown session;
    QString pluginVersion;
    PamExportInterface* exporter = loadPlugin(request.pluginFile, session.plugin, pluginVersion, error);
    if (!exporter)
        return usageError(error);
    if (!openHostDatabase(request, password, session.hostDb, error))
        return usageError(error);
    password.fill(QLatin1Char(' '));
    StoredSettings settings;
    const QString type = exporter->getType().isEmpty() ? QStringLiteral("Orvexuniversal") : exporter->getType();
    if (!readStoredSettings(session.hostDb, type, request.settingsId, settings, error))
        return usageError(error);

    exporter->setDatabase(session.hostDb);
    ExportOutcome outcome = runExport(exporter, request, settings);
    outcome.pluginVersion = pluginVersion;
    report(request, outcome);
    return outcome.exitStatus;
}
