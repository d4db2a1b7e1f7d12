#ifndef ORVEX_EXPORT_MESSAGEROUTER_H
#define ORVEX_EXPORT_MESSAGEROUTER_H

#include <QString>
#include <QVector>

// How long one export step took, from its "~START" to its "~DONE" marker.
struct StageTiming
{
    QString name;
    double seconds = 0;
};

// Routes Qt's messages while orvex-export runs:
// - the plug-in's step markers ("loadDataToSQLiteTables ~START" ...) become
//   progress lines on stderr; its other debug output is swallowed;
// - the plug-in's warnings and critical messages go to stderr (counted by
//   kind unless verbose), or to the log file when one is open;
// - Qt's own messages outside the export (platform, driver and loader
//   chatter) and messages of Qt's categories go to the log file only.
// Everything reaches the log file, when there is one.
namespace MessageRouter {

enum class Phase { Setup, Export, Finished };

void install();
void setQuiet(bool quiet);
// Each of the plug-in's warnings on its own line as it comes; otherwise they
// are counted by kind and shown when the export ends.
void setVerbose(bool verbose);
bool openLog(const QString& path, QString& errorText);
void setPhase(Phase phase);

// Shows, on a terminal, the progress of the plug-in's progress dialogs.
void startLiveProgress();

// The tool's own lines: errors always reach stderr; notes unless quiet.
void error(const QString& text);
void note(const QString& text);

QVector<StageTiming> stages();
// The step that started last ("loading the month from the host database");
// empty before the first.
QString currentStage();
int warningCount();
// The first of the plug-in's log lines that reports a failed SQLite
// statement; empty when there was none.
QString firstSqliteError();
bool logOpen();
QString logPath();

} // namespace MessageRouter

#endif // ORVEX_EXPORT_MESSAGEROUTER_H
