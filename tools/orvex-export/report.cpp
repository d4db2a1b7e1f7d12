#include "report.h"

#include "comparisonreport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {

// A table with a left-aligned first column and right-aligned others.
void printTable(QTextStream& out, const QStringList& header, const QVector<QStringList>& rows)
{
    QVector<int> widths(header.size());
    for (int column = 0; column < header.size(); ++column) {
        widths[column] = header[column].size();
        for (const QStringList& row : rows)
            widths[column] = std::max(widths[column], row[column].size());
    }
    auto printRow = [&](const QStringList& row) {
        QString line = QStringLiteral("  ") + row[0].leftJustified(widths[0]);
        for (int column = 1; column < row.size(); ++column)
            line += QStringLiteral("  ") + row[column].rightJustified(widths[column]);
        out << line << '\n';
    };
    printRow(header);
    for (const QStringList& row : rows)
        printRow(row);
}

double roundedAmount(double amount)
{
    return std::round(amount * 1e6) / 1e6;
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
    switch (outcome.fileState) {
    case FileState::Written: out << "File:             " << outcome.filePath << " (written)\n"; break;
    case FileState::Emptied: out << "File:             " << outcome.filePath << " (emptied: nothing to export)\n"; break;
    case FileState::Untouched: out << "File:             " << outcome.filePath << " (left untouched)\n"; break;
    case FileState::Replay: out << "File:             none (a replay; the rows of the TEST run are summarized)\n"; break;
    }
    out << "Month:            " << outcome.month << " in the time zone " << outcome.timeZone << '\n';
    out << (outcome.fileState == FileState::Replay ? "Rows exported:    " : "Lines written:    ")
        << (outcome.fileState == FileState::Replay ? outcome.summary.lines : outcome.linesWritten) << '\n';
    out << "People exported:  " << outcome.peopleCount << '\n';
    if (outcome.fileState != FileState::Replay) { // the prepared file holds only the people of the run
        out << "People left out:  " << outcome.peopleLeftOut.size();
        if (!outcome.peopleLeftOut.isEmpty())
            out << " (" << outcome.peopleLeftOut.join(QStringLiteral(", ")) << ")";
        out << '\n';
    }
    if (!outcome.warnings.isEmpty()) {
        out << "Warnings:         " << outcome.warnings.size() << '\n';
        for (const QString& warning : outcome.warnings)
            out << "  " << warning << '\n';
    }

    if (!summary.fileRead) {
        out << '\n' << "No file to read back: no control summary.\n";
        out.flush();
        return;
    }
    if (outcome.fileState == FileState::Replay)
        out << '\n' << "Control summary of the replayed rows (" << summary.lines << " lines as the file would hold them)\n";
    else
        out << '\n' << "Control summary of " << outcome.fileName << " (" << summary.lines << " lines read back)\n";
    QVector<QStringList> codeRows;
    int rowsWithoutAmount = 0;
    for (const CodeTotal& total : summary.codes) {
        const bool anyAmount = total.rows > total.rowsWithoutAmount;
        codeRows << QStringList{total.code.isEmpty() ? QStringLiteral("(no code)") : total.code,
                                QString::number(total.rows),
                                anyAmount ? amountText(total.amount) : QStringLiteral("-"),
                                QString::number(total.rowsWithoutAmount)};
        rowsWithoutAmount += total.rowsWithoutAmount;
    }
    codeRows << QStringList{QStringLiteral("all codes"), QString::number(summary.lines), QString(),
                            QString::number(rowsWithoutAmount)};
    printTable(out, {QStringLiteral("Payroll code"), QStringLiteral("Rows"), QStringLiteral("Amount"),
                     QStringLiteral("No amount")},
               codeRows);
    out << '\n';
    QVector<QStringList> personRows;
    for (const PersonRows& person : summary.people)
        personRows << QStringList{person.personalNumber, QString::number(person.rows)};
    personRows << QStringList{QStringLiteral("all people"), QString::number(summary.lines)};
    printTable(out, {QStringLiteral("Personal number"), QStringLiteral("Rows")}, personRows);
    if (summary.rowsWithoutCode > 0)
        out << '\n' << "Note: " << summary.rowsWithoutCode << " rows carry no payroll code.\n";
    if (!summary.problems.isEmpty()) {
        out << '\n' << "Problems found in the file:\n";
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
