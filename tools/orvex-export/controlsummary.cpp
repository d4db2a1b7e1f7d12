#include "controlsummary.h"

#include "exporttext.h"
#include "fileformat.h"
#include "payrolllines.h"
#include "personalnumbers.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// Fields of a line: rok, mesiac, osobne_cislo, kod_casovej_zlozky, pocet,
// datum_od, datum_do; a separator after datum_do adds an eighth, empty field.
enum Field { Year, Month, PersonalNumber, Code, Amount, DateFrom, DateTo, FieldCount };

const int maxProblemsListed = 20;

struct Collector
{
    QMap<QString, CodeTotal> codes;
    QMap<QString, int> people;
    ControlSummary summary;
    int problemCount = 0;

    void problem(int lineNumber, const QString& text)
    {
        ++problemCount;
        if (problemCount <= maxProblemsListed)
            summary.problems << QStringLiteral("line %1: %2").arg(lineNumber).arg(text);
    }
};

void collectLine(Collector& c, int lineNumber, const QString& line, const QString& separator,
                 const QString& year, const QString& month)
{
    const QStringList fields = payrollLineFields(line, separator);
    if (fields.size() != FieldCount) {
        c.problem(lineNumber, OrvexExport::tr("%n fields instead of %1: %2", nullptr, fields.size()).arg(int(FieldCount)).arg(line));
        return;
    }
    if (fields[Year] != year || fields[Month] != month)
        c.problem(lineNumber, OrvexExport::tr("year and month %1%2%3 instead of %4%2%5")
                                  .arg(fields[Year], separator, fields[Month], year, month));

    CodeTotal& total = c.codes[fields[Code]];
    total.code = fields[Code];
    ++total.rows;
    if (fields[Code].isEmpty())
        ++c.summary.rowsWithoutCode;
    if (fields[Amount].isEmpty()) {
        ++total.rowsWithoutAmount;
    } else {
        bool ok = false;
        const double amount = fields[Amount].toDouble(&ok);
        if (ok && std::isfinite(amount))
            total.amount += amount;
        else
            c.problem(lineNumber, OrvexExport::tr("amount \"%1\" is not a number").arg(fields[Amount]));
    }
    ++c.people[fields[PersonalNumber]];
}

} // namespace

bool codeLess(const QString& a, const QString& b)
{
    bool aNumber = false, bNumber = false;
    const qlonglong aValue = a.toLongLong(&aNumber);
    const qlonglong bValue = b.toLongLong(&bNumber);
    if (aNumber && bNumber && aValue != bValue)
        return aValue < bValue;
    if (aNumber != bNumber)
        return aNumber;
    return a < b;
}

ControlSummary summarizeExportFile(const QString& path, const QString& separator, const QString& year,
                                   const QString& month)
{
    Collector c;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        c.summary.problems << OrvexExport::tr("cannot read the file back: %1").arg(file.errorString());
        return c.summary;
    }
    c.summary.fileRead = true;
    while (!file.atEnd()) {
        const QString line = payrollLineText(file.readLine());
        ++c.summary.lines;
        collectLine(c, c.summary.lines, line, separator, year, month);
    }
    if (c.problemCount > maxProblemsListed)
        c.summary.problems << OrvexExport::tr("... and %n more lines with problems", nullptr, c.problemCount - maxProblemsListed);

    for (const CodeTotal& total : c.codes)
        c.summary.codes << total;
    std::sort(c.summary.codes.begin(), c.summary.codes.end(),
              [](const CodeTotal& a, const CodeTotal& b) { return codeLess(a.code, b.code); });
    for (auto it = c.people.constBegin(); it != c.people.constEnd(); ++it) {
        const QString warning = oddPersonalNumberWarning(it.key(), it.value());
        if (!warning.isEmpty()) {
            c.summary.warnings << warning;
            c.summary.warningNumbers << it.key();
        }
        PersonRows person;
        person.personalNumber = it.key();
        person.rows = it.value();
        c.summary.people << person;
    }
    std::sort(c.summary.people.begin(), c.summary.people.end(),
              [](const PersonRows& a, const PersonRows& b) { return codeLess(a.personalNumber, b.personalNumber); });
    return c.summary;
}

QString writtenSeparator(const QHash<QString, QVariant>& options)
{
    const QString stored = options.value(QStringLiteral("separator")).toString();
    if (stored.isEmpty())
        return QStringLiteral("|");
    const QChar first = stored.at(0);
    if (first.unicode() < 0x20 && first != QLatin1Char('\t'))
        return QStringLiteral("|");
    return QString(first);
}

QStringList leftOutPeople(const QString& doneString)
{
    static const QRegularExpression report(QStringLiteral("s ID: (\\S*) (?:bol vyradený|boli vyradení)"));
    const QRegularExpressionMatch match = report.match(doneString);
    if (!match.hasMatch())
        return QStringList();
    return match.captured(1).split(QLatin1Char(','), QString::SkipEmptyParts);
}

QString amountText(double amount)
{
    QString text = QString::number(amount, 'f', 6);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}
