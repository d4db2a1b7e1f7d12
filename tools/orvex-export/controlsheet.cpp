#include "controlsheet.h"

#include "controlsummary.h"
#include "exporttext.h"
#include "sheetpdf.h"

#include <QCollator>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

// One code of a person: its lines of this month.
struct SheetCode
{
    QString code;
    Amounts now;
    QStringList dates; // "from - to" of each line that has dates
};

struct SheetPerson
{
    QString personalNumber, name, group;
    QVector<SheetCode> codes; // in code order
};

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString dateSpan(const PayrollLine& line)
{
    if (line.dateFrom.isEmpty() && line.dateTo.isEmpty())
        return QString();
    if (line.dateFrom == line.dateTo || line.dateTo.isEmpty())
        return line.dateFrom;
    return line.dateFrom + QStringLiteral("–") + line.dateTo;
}

// The people of the file in the order of the host's groups and names; people
// the host does not know come last.
QVector<SheetPerson> sheetPeople(const PayrollLines& lines, const Roster& roster)
{
    QMap<QString, QMap<QString, SheetCode>> byPerson;
    for (const PayrollLine& line : lines.lines) {
        SheetCode& code = byPerson[line.personalNumber][line.code];
        code.code = line.code;
        ++code.now.rows;
        code.now.amount += line.amount;
        const QString span = dateSpan(line);
        if (!span.isEmpty())
            code.dates << span;
    }
    QVector<SheetPerson> people;
    for (auto it = byPerson.constBegin(); it != byPerson.constEnd(); ++it) {
        SheetPerson person;
        person.personalNumber = it.key();
        if (const RosterPerson* known = roster.person(it.key())) {
            person.name = known->name;
            person.group = known->group;
        }
        for (const SheetCode& code : it.value())
            person.codes << code;
        std::sort(person.codes.begin(), person.codes.end(),
                  [](const SheetCode& a, const SheetCode& b) { return codeLess(a.code, b.code); });
        people << person;
    }
    QCollator collator(QLocale(QLocale::Slovak, QLocale::Slovakia));
    std::stable_sort(people.begin(), people.end(), [&](const SheetPerson& a, const SheetPerson& b) {
        if (a.name.isEmpty() != b.name.isEmpty())
            return b.name.isEmpty();
        if (a.group != b.group)
            return collator.compare(a.group, b.group) < 0;
        return collator.compare(a.name, b.name) < 0;
    });
    return people;
}

QString cell(const QString& text, const char* align = "left")
{
    return QStringLiteral("<td align=\"%1\">%2</td>").arg(QLatin1String(align), escaped(text));
}

QString headCell(const QString& text, int widthPercent = 0)
{
    const QString width = widthPercent > 0 ? QStringLiteral(" width=\"%1%\"").arg(widthPercent) : QString();
    return QStringLiteral("<th align=\"left\" bgcolor=\"#e8e8e8\"%1>%2</th>").arg(width, escaped(text));
}

// The columns of a person's block and of the totals: narrow numbers, wide dates.
QString blockHeader(const QStringList& titles)
{
    static const int widths[] = {8, 7, 11, 52, 11, 11};
    QString html = QStringLiteral("<tr>");
    for (int i = 0; i < titles.size() && i < 6; ++i)
        html += headCell(titles[i], widths[i]);
    return html + QStringLiteral("</tr>\n");
}

QString signedAmount(double amount)
{
    return (amount > 0 ? QStringLiteral("+") : QString()) + amountText(amount);
}

QString headerTable(const SheetHeader& h)
{
    const QVector<QPair<QString, QString>> rows{
        {OrvexExport::tr("Month"), h.month},
        {OrvexExport::tr("Settings record"), QString::number(h.settingsId)},
        {OrvexExport::tr("File"), h.fileName},
        {QStringLiteral("SHA-256"), h.sha256},
        {OrvexExport::tr("Lines"), QString::number(h.lines)},
        {OrvexExport::tr("People"), QString::number(h.people)},
        {OrvexExport::tr("Written"), h.written.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))},
        {OrvexExport::tr("Tool"), QStringLiteral("orvex-export %1").arg(h.toolVersion)},
        {OrvexExport::tr("Plug-in"), h.pluginVersion}};
    QString html = QStringLiteral("<table class=\"header\" cellspacing=\"0\" cellpadding=\"2\">\n");
    for (const auto& row : rows) {
        // The hash in a fixed-width font: every character reads as itself (no ligatures).
        const QString value = row.first == QLatin1String("SHA-256")
                                  ? QStringLiteral("<span style=\"font-family: 'DejaVu Sans Mono', monospace\">%1</span>")
                                        .arg(escaped(row.second))
                                  : escaped(row.second);
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>\n").arg(escaped(row.first), value);
    }
    return html + QStringLiteral("</table>\n");
}

// Flags of a person: new this month, amounts that jumped, lines outside employment.
QStringList personFlags(const SheetPerson& person, const MonthComparison& comparison)
{
    QStringList flags;
    for (const NewPerson& p : comparison.newPeople)
        if (p.personalNumber == person.personalNumber)
            flags << (p.begin.isValid() ? OrvexExport::tr("new this month, employed from %1")
                                              .arg(p.begin.toString(QStringLiteral("dd.MM.yyyy")))
                                        : OrvexExport::tr("new this month"));
    for (const AmountChange& change : comparison.changes)
        if (change.personalNumber == person.personalNumber)
            flags << OrvexExport::tr("code %1 changed by %2").arg(change.code, signedAmount(change.change()));
    for (const LineOutsideEmployment& line : comparison.outsideEmployment)
        if (line.personalNumber == person.personalNumber)
            flags << OrvexExport::tr("line %1 is dated outside employment").arg(line.lineNumber);
    return flags;
}

QString personBlock(const SheetPerson& person, const MonthComparison& comparison)
{
    const QMap<QString, Amounts> before = comparison.before.value(person.personalNumber);
    QString title = person.name.isEmpty() ? OrvexExport::tr("(not in the host)") : person.name;
    title += QStringLiteral(" — ") + OrvexExport::tr("personal number %1").arg(person.personalNumber);
    if (!person.group.isEmpty())
        title += QStringLiteral(" — ") + person.group;
    QString html = QStringLiteral("<table class=\"person\" width=\"100%\" border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"2\">\n"
                                  "<tr><th colspan=\"6\" align=\"left\" bgcolor=\"#d0d8e8\">%1</th></tr>\n")
                       .arg(escaped(title));
    html += blockHeader({OrvexExport::tr("Code"), OrvexExport::tr("Rows"), OrvexExport::tr("Amount"),
                         OrvexExport::tr("Dates"), OrvexExport::tr("Last month"), OrvexExport::tr("Change")});
    for (const SheetCode& code : person.codes) {
        const bool known = comparison.compared;
        const Amounts earlier = before.value(code.code);
        html += QStringLiteral("<tr>") + cell(code.code) + cell(QString::number(code.now.rows), "right")
                + cell(amountText(code.now.amount), "right") + cell(code.dates.join(QStringLiteral(", ")))
                + cell(known ? amountText(earlier.amount) : QString(), "right")
                + cell(known ? signedAmount(code.now.amount - earlier.amount) : QString(), "right")
                + QStringLiteral("</tr>\n");
    }
    const QStringList flags = personFlags(person, comparison);
    if (!flags.isEmpty())
        html += QStringLiteral("<tr><td colspan=\"6\"><b>%1</b> %2</td></tr>\n")
                    .arg(escaped(OrvexExport::tr("Check:")), escaped(flags.join(QStringLiteral("; "))));
    return html + QStringLiteral("</table>\n");
}

QString codeTotals(const ExportOutcome& outcome)
{
    const MonthComparison& comparison = outcome.comparison;
    QString html = QStringLiteral("<table class=\"totals\" width=\"100%\" border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"2\">\n")
                   + QStringLiteral("<tr>") + headCell(OrvexExport::tr("Code"), 16)
                   + headCell(OrvexExport::tr("Rows"), 14)
                   + headCell(OrvexExport::tr("Amount"), 18) + headCell(OrvexExport::tr("Rows last month"), 14)
                   + headCell(OrvexExport::tr("Amount last month"), 20) + headCell(OrvexExport::tr("Change"), 18)
                   + QStringLiteral("</tr>\n");
    if (comparison.compared) {
        for (const CodeComparison& code : comparison.codes)
            html += QStringLiteral("<tr>") + cell(code.code) + cell(QString::number(code.now.rows), "right")
                    + cell(amountText(code.now.amount), "right") + cell(QString::number(code.before.rows), "right")
                    + cell(amountText(code.before.amount), "right")
                    + cell(signedAmount(code.now.amount - code.before.amount), "right") + QStringLiteral("</tr>\n");
    } else {
        for (const CodeTotal& code : outcome.summary.codes)
            html += QStringLiteral("<tr>") + cell(code.code) + cell(QString::number(code.rows), "right")
                    + cell(amountText(code.amount), "right") + cell(QString()) + cell(QString()) + cell(QString())
                    + QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

QString leftOutList(const ExportOutcome& outcome)
{
    QStringList items;
    QSet<QString> listed;
    for (const MissingPerson& person : outcome.comparison.missing) {
        listed.insert(person.personalNumber);
        const QString who = person.name.isEmpty() ? person.personalNumber
                                                  : QStringLiteral("%1 %2").arg(person.personalNumber, person.name);
        items << QStringLiteral("%1: %2").arg(who, missingReasonText(person.reason));
    }
    for (const QString& number : outcome.peopleLeftOut)
        if (!listed.contains(number))
            items << QStringLiteral("%1: %2").arg(number, missingReasonText(MissingReason::MonthNotClosed));
    if (items.isEmpty())
        return QStringLiteral("<p>%1</p>\n").arg(escaped(OrvexExport::tr("Nobody.")));
    QString html = QStringLiteral("<ul>\n");
    for (const QString& item : items)
        html += QStringLiteral("<li>%1</li>\n").arg(escaped(item));
    return html + QStringLiteral("</ul>\n");
}

QString fileSha256(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (file.open(QIODevice::ReadOnly))
        hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

bool writeHtmlFile(const QString& html, const QString& path, QString& errorText)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(html.toUtf8()) >= 0 && file.commit())
        return true;
    errorText = file.errorString();
    return false;
}

} // namespace

QStringList controlSheetParts(const SheetHeader& header, const PayrollLines& lines, const Roster& roster,
                              const ExportOutcome& outcome)
{
    const auto heading = [](const QString& text) { return QStringLiteral("<h3>%1</h3>\n").arg(escaped(text)); };
    QStringList parts;
    parts << QStringLiteral("<h2>%1</h2>\n").arg(escaped(sheetTitle(header))) + headerTable(header);
    const QVector<SheetPerson> people = sheetPeople(lines, roster);
    for (int i = 0; i < people.size(); ++i)
        parts << (i == 0 ? heading(OrvexExport::tr("People")) : QString()) + personBlock(people[i], outcome.comparison);
    parts << heading(OrvexExport::tr("Totals per code")) + codeTotals(outcome);
    parts << heading(OrvexExport::tr("People left out and why")) + leftOutList(outcome);
    parts << QStringLiteral("<p><br />%1</p>\n<p><br />%2</p>\n")
                 .arg(escaped(OrvexExport::tr(
                          "Checked by (name): ______________________________   Date: ______________")),
                      escaped(OrvexExport::tr("Signature: ______________________________")));
    return parts;
}

QString sheetTitle(const SheetHeader& header)
{
    return OrvexExport::tr("Control sheet of the payroll export %1").arg(header.month);
}

QString controlSheetHtml(const QString& title, const QStringList& parts)
{
    return QStringLiteral("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head>\n"
                          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\n"
                          "<title>%1</title>\n</head>\n<body>\n%2</body>\n</html>\n")
        .arg(escaped(title), parts.join(QString()));
}

void writeControlSheetIfAsked(const ExportRequest& request, const QString& currentFile,
                              const QHash<QString, QVariant>& options, const Roster& roster, ExportOutcome& outcome)
{
    if (request.reportFile.isEmpty() || !outcome.summary.fileRead)
        return;
    const PayrollLines lines = readPayrollLines(currentFile, writtenSeparator(options), false);
    SheetHeader header;
    header.month = outcome.month;
    header.settingsId = outcome.settingsId;
    header.fileName = outcome.fileName;
    header.sha256 = fileSha256(currentFile);
    header.lines = outcome.summary.lines;
    header.people = outcome.summary.people.size();
    header.written = QFileInfo(currentFile).lastModified();
    header.toolVersion = QStringLiteral(ORVEX_EXPORT_VERSION);
    header.pluginVersion = outcome.pluginVersion;
    const QStringList parts = controlSheetParts(header, lines, roster, outcome);
    const bool asHtml = !request.reportFile.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    QString errorText;
    const bool written =
        asHtml ? writeHtmlFile(controlSheetHtml(sheetTitle(header), parts), request.reportFile, errorText)
               : writeSheetPdf(parts, QStringLiteral("%1 — %2").arg(header.fileName, header.month), request.reportFile,
                               errorText);
    if (written)
        return;
    outcome.warnings << OrvexExport::tr("the control sheet \"%1\" could not be written: %2")
                            .arg(request.reportFile, errorText);
    if (outcome.exitStatus == ExitOk)
        outcome.exitStatus = ExitWarnings;
}
