#include "report.h"

#include "comparisonreport.h"
#include "texttable.h"
#include "exporttext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {

double roundedAmount(double amount)
{
    return std::round(amount * 1e6) / 1e6;
}

// What became of the file, the month, the counts and the warnings, each
// value one column after the longest label.
void printHead(QTextStream& out, const ExportOutcome& outcome)
{
    const bool replay = outcome.fileState == FileState::Replay;
    QString file;
    switch (outcome.fileState) {
    case FileState::Written: file = OrvexExport::tr("%1 (written)").arg(outcome.filePath); break;
    case FileState::Emptied: file = OrvexExport::tr("%1 (emptied: nothing to export)").arg(outcome.filePath); break;
    case FileState::Untouched: file = OrvexExport::tr("%1 (left untouched)").arg(outcome.filePath); break;
    case FileState::Replay: file = OrvexExport::tr("none (a replay; the rows of the TEST run are summarized)"); break;
    }
    QVector<QPair<QString, QString>> rows;
    rows << qMakePair(OrvexExport::tr("File"), file);
    rows << qMakePair(OrvexExport::tr("Month"),
                      OrvexExport::tr("%1 in the time zone %2").arg(outcome.month, outcome.timeZone));
    rows << qMakePair(replay ? OrvexExport::tr("Rows exported") : OrvexExport::tr("Lines written"),
                      QString::number(replay ? outcome.summary.lines : outcome.linesWritten));
    rows << qMakePair(OrvexExport::tr("People exported"), QString::number(outcome.peopleCount));
    if (!replay) { // the prepared file holds only the people of the run
        QString leftOut = QString::number(outcome.peopleLeftOut.size());
        if (!outcome.peopleLeftOut.isEmpty())
            leftOut += QStringLiteral(" (%1)").arg(outcome.peopleLeftOut.join(QStringLiteral(", ")));
        rows << qMakePair(OrvexExport::tr("People left out"), leftOut);
    }
    if (!outcome.warnings.isEmpty())
        rows << qMakePair(OrvexExport::tr("Warnings"), QString::number(outcome.warnings.size()));
    int width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size() + 1);
    for (const auto& row : rows)
        out << (row.first + QLatin1Char(':')).leftJustified(width + 2) << row.second << '\n';
    for (const QString& warning : outcome.warnings)
        out << "  " << warning << '\n';
}

} // namespace

QString fileStateText(FileState state)
{
    switch (state) {
    case FileState::Written: return QStringLiteral("written");
    case FileState::Emptied: return QStringLiteral("emptied");
    case FileState::Untouched: return QStringLiteral("untouched");
    case FileState::Replay: return QStringLiteral("replay");
    }
    return QString();
}

void printTextReport(QTextStream& out, const ExportOutcome& outcome)
{
    const ControlSummary& summary = outcome.summary;
    printHead(out, outcome);

    if (!summary.fileRead) {
        out << '\n' << OrvexExport::tr("No file to read back: no control summary.") << '\n';
        out.flush();
        return;
    }
    if (outcome.fileState == FileState::Replay)
        out << '\n'
            << OrvexExport::tr("Control summary of the replayed rows (%n lines as the file would hold them)", nullptr,
                               summary.lines)
            << '\n';
    else
        out << '\n'
            << OrvexExport::tr("Control summary of %1 (%n lines read back)", nullptr, summary.lines).arg(outcome.fileName)
            << '\n';
    QVector<QStringList> codeRows;
    int rowsWithoutAmount = 0;
    for (const CodeTotal& total : summary.codes) {
        const bool anyAmount = total.rows > total.rowsWithoutAmount;
        codeRows << QStringList{total.code.isEmpty() ? OrvexExport::tr("(no code)") : total.code,
                                QString::number(total.rows),
                                anyAmount ? amountText(total.amount) : QStringLiteral("-"),
                                QString::number(total.rowsWithoutAmount)};
        rowsWithoutAmount += total.rowsWithoutAmount;
    }
    codeRows << QStringList{OrvexExport::tr("all codes"), QString::number(summary.lines), QString(),
                            QString::number(rowsWithoutAmount)};
    printTable(out, {OrvexExport::tr("Payroll code"), OrvexExport::tr("Rows"), OrvexExport::tr("Amount"),
                     OrvexExport::tr("No amount")},
               codeRows);
    out << '\n';
    QVector<QStringList> personRows;
    for (const PersonRows& person : summary.people)
        personRows << QStringList{person.personalNumber, QString::number(person.rows)};
    personRows << QStringList{OrvexExport::tr("all people"), QString::number(summary.lines)};
    printTable(out, {OrvexExport::tr("Personal number"), OrvexExport::tr("Rows")}, personRows);
    if (summary.rowsWithoutCode > 0)
        out << '\n' << OrvexExport::tr("Note: %n rows carry no payroll code.", nullptr, summary.rowsWithoutCode) << '\n';
    if (!summary.problems.isEmpty()) {
        out << '\n' << OrvexExport::tr("Problems found in the file:") << '\n';
        for (const QString& problem : summary.problems)
            out << "  " << problem << '\n';
    }
    if (outcome.comparison.compared || !outcome.comparison.note.isEmpty())
        printComparison(out, outcome.comparison);
    out.flush();
}

QByteArray jsonReport(const ExportOutcome& outcome)
{
    const ControlSummary& summary = outcome.summary;
    QJsonArray codes;
    for (const CodeTotal& total : summary.codes)
        codes.append(QJsonObject{{QStringLiteral("code"), total.code},
                                 {QStringLiteral("rows"), total.rows},
                                 {QStringLiteral("rowsWithoutAmount"), total.rowsWithoutAmount},
                                 {QStringLiteral("amount"), roundedAmount(total.amount)},
                                 {QStringLiteral("amountText"), amountText(total.amount)}});
    QJsonArray people;
    for (const PersonRows& person : summary.people)
        people.append(QJsonObject{{QStringLiteral("personalNumber"), person.personalNumber},
                                  {QStringLiteral("rows"), person.rows}});
    QJsonArray stages;
    for (const StageTiming& stage : outcome.stages)
        stages.append(QJsonObject{{QStringLiteral("step"), stage.name}, {QStringLiteral("seconds"), stage.seconds}});

    const QJsonObject control{{QStringLiteral("fileRead"), summary.fileRead},
                              {QStringLiteral("lines"), summary.lines},
                              {QStringLiteral("codes"), codes},
                              {QStringLiteral("people"), people},
                              {QStringLiteral("rowsWithoutCode"), summary.rowsWithoutCode},
                              {QStringLiteral("problems"), QJsonArray::fromStringList(summary.problems)}};
    const QJsonObject root{{QStringLiteral("exitStatus"), outcome.exitStatus},
                           {QStringLiteral("month"), outcome.month},
                           {QStringLiteral("settingsId"), outcome.settingsId},
                           {QStringLiteral("pluginVersion"), outcome.pluginVersion},
                           {QStringLiteral("timeZone"), outcome.timeZone},
                           {QStringLiteral("file"), outcome.filePath},
                           {QStringLiteral("fileName"), outcome.fileName},
                           {QStringLiteral("fileState"), fileStateText(outcome.fileState)},
                           {QStringLiteral("warnings"), QJsonArray::fromStringList(outcome.warnings)},
                           {QStringLiteral("linesWritten"), outcome.linesWritten},
                           {QStringLiteral("peopleCount"), outcome.peopleCount},
                           {QStringLiteral("peopleLeftOut"), QJsonArray::fromStringList(outcome.peopleLeftOut)},
                           {QStringLiteral("message"), outcome.message.trimmed()},
                           {QStringLiteral("error"), outcome.error},
                           {QStringLiteral("summary"), control},
                           {QStringLiteral("comparison"), comparisonJson(outcome.comparison)},
                           {QStringLiteral("steps"), stages}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QByteArray jsonUsageError(int exitStatus, const QString& error)
{
    const QJsonObject root{{QStringLiteral("exitStatus"), exitStatus}, {QStringLiteral("error"), error}};
    return QJsonDocument(root).toJson();
}
