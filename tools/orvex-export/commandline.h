#ifndef ORVEX_EXPORT_COMMANDLINE_H
#define ORVEX_EXPORT_COMMANDLINE_H

#include "commandoptions.h"
#include "fileformat.h"
#include "hostconnection.h"

#include <QDate>
#include <QString>
#include <QStringList>

// Exit statuses of orvex-export.
enum ExitStatus {
    ExitOk = 0,           // the file was written, passed the control check, nothing to report
    ExitExportFailed = 1, // no file was written (an earlier one is kept), or the file failed the control check
    ExitUsage = 2,        // bad usage or an unusable environment; nothing was exported
    ExitWarnings = 3      // the file was written or emptied, with warnings the clerk must read
};

// What one run was asked to do.
struct ExportRequest
{
    MonthSelection selection; // the month as given: resolved by resolveMonth() once the zone is in use
    int year = 0;
    int month = 0;
    QString outDir;           // absolute, cleaned
    int settingsId = 0;       // 0: the first stored settings record of the plug-in's type
    HostConnection connection;
    QString pluginFile;
    QString logFile;
    bool quiet = false;
    bool verbose = false;
    bool json = false;
    double deadlineMinutes = 0; // --deadline: past it the export is cancelled (0: none)
    FileFormat fileFormat = FileFormat::Host; // of the file put in place
    bool allowEmpty = false;    // an empty result may replace a non-empty file of the month
    bool allowDefaults = false; // stored keys that cannot be used are exported with the plug-in's defaults
    bool allowUnknownPeople = false; // selected ids the host does not have are left out
    QString replayFile;       // --replay: a prepared staging file replayed in TEST mode
    QString paramsFile;       // --params of a replay
    QString compareFile;      // --compare: the earlier file; default: the month before's in the output folder
    bool noCompare = false;   // --no-compare
    double variancePercent = 50; // --variance: an amount that changes by more is flagged
    QString reportFile;       // --report: the control sheet, .pdf or .html

    QString monthText() const;  // "YYYY-MM"
};

// Reads the arguments (the program name first). --help and --version print
// and end the process with status 0. On a usage error returns false with a
// one-line explanation in `errorText`.
bool parseCommandLine(const QStringList& arguments, ExportRequest& request, QString& errorText);

// Sets year and month from `monthArgument`; "previous" and "current" are
// relative to `today`, which must be taken in the zone the run uses.
bool resolveMonth(ExportRequest& request, const QDate& today, QString& errorText);

#endif // ORVEX_EXPORT_COMMANDLINE_H
