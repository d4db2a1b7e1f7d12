#include "comparisonstep.h"

#include "controlsummary.h"
#include "datechoice.h"
#include "exporttext.h"
#include "monthcomparison.h"
#include "payrolllines.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>

namespace {

const char* const stagingRosterConnection = "orvex-export-replay-roster";

ComparisonSettings comparisonSettings(const ExportRequest& request, const QHash<QString, QVariant>& options)
{
    ComparisonSettings settings;
    settings.variancePercent = request.variancePercent;
    settings.dateFormat = dateFormatOption(options);
    settings.year = request.year;
    settings.month = request.month;
    return settings;
}

void addWarnings(const QStringList& warnings, ExportOutcome& outcome)
{
    outcome.warnings << warnings;
    if (!warnings.isEmpty() && outcome.exitStatus == ExitOk)
        outcome.exitStatus = ExitWarnings;
}

} // namespace

Roster hostRosterFor(const QSqlDatabase& hostDb, const ExportRequest& request, ExportOutcome& outcome)
{
    Roster roster;
    QString errorText;
    if (outcome.summary.fileRead
        && !readHostRoster(hostDb, request.year, request.month, request.selection.allPeople,
                           request.selection.peopleIds, roster, errorText))
        addWarnings({OrvexExport::tr("the host's people could not be read for the comparison: %1").arg(errorText)},
                    outcome);
    return roster;
}

Roster stagingRosterFor(const QString& stagingCopy, ExportOutcome& outcome)
{
    Roster roster;
    QString errorText;
    if (!outcome.summary.fileRead)
        return roster;
    QSqlDatabase staging = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(stagingRosterConnection));
    staging.setDatabaseName(stagingCopy);
    if (!staging.open() || !readStagingRoster(staging, roster, errorText))
        addWarnings({OrvexExport::tr("the people of the prepared file could not be read for the comparison: %1")
                         .arg(errorText.isEmpty() ? staging.lastError().text() : errorText)},
                    outcome);
    return roster;
}

void compareWithEarlierMonth(const ExportRequest& request, const QString& currentFile,
                             const QHash<QString, QVariant>& options, const Roster& roster, ExportOutcome& outcome)
{
    MonthComparison& comparison = outcome.comparison;
    if (request.noCompare || !outcome.summary.fileRead)
        return;
    const ComparisonSettings settings = comparisonSettings(request, options);
    const QString separator = writtenSeparator(options);
    const PayrollLines current = readPayrollLines(currentFile, separator, false);
    QString previousPath = request.compareFile;
    if (previousPath.isEmpty() && !request.outDir.isEmpty())
        previousPath = previousMonthFile(request.outDir, request.year, request.month, outcome.settingsId);
    const PayrollLines previous = previousPath.isEmpty() || !QFileInfo(previousPath).isFile()
                                      ? PayrollLines()
                                      : readPayrollLines(previousPath, separator, true);
    if (previous.read) {
        comparison = compareMonths(previous, current, roster, settings);
    } else {
        comparison.note = previousPath.isEmpty()
                              ? OrvexExport::tr("a replay compares only with a file named by --compare")
                          : previous.errorText.isEmpty()
                              ? OrvexExport::tr("there is no file %1").arg(QFileInfo(previousPath).fileName())
                              : OrvexExport::tr("%1 cannot be read: %2").arg(previousPath, previous.errorText);
        comparison.outsideEmployment = linesOutsideEmployment(current, roster, settings);
    }
    comparison.previousFile = previousPath;
    addWarnings(comparison.warnings(), outcome);
}
