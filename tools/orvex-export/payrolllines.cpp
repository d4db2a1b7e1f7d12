#include "payrolllines.h"

#include "fileformat.h"

#include <QFile>

#include <cmath>

namespace {

bool takeLine(const QString& text, const QString& separator, PayrollLine& line)
{
    const QStringList fields = payrollLineFields(text, separator);
    if (fields.size() != PayrollFieldCount)
        return false;
    line.year = fields[PayrollYear];
    line.month = fields[PayrollMonth];
    line.personalNumber = fields[PayrollPersonalNumber];
    line.code = fields[PayrollCode];
    line.dateFrom = fields[PayrollDateFrom];
    line.dateTo = fields[PayrollDateTo];
    if (fields[PayrollAmount].isEmpty())
        return true;
    bool ok = false;
    line.amount = fields[PayrollAmount].toDouble(&ok);
    line.hasAmount = ok && std::isfinite(line.amount);
    return line.hasAmount;
}

} // namespace

QStringList payrollLineFields(const QString& line, const QString& separator)
{
    QStringList fields = line.split(separator);
    if (fields.size() == PayrollFieldCount + 1 && fields.last().isEmpty())
        fields.removeLast();
    return fields;
}

QString PayrollLines::monthText() const
{
    if (lines.isEmpty())
        return QString();
    return lines.first().year + QLatin1Char('-') + lines.first().month;
}

QString separatorOfFile(const QString& firstLine, const QString& expected)
{
    if (firstLine.size() < 5)
        return expected;
    for (int i = 0; i < 4; ++i)
        if (!firstLine.at(i).isDigit())
            return expected;
    return firstLine.at(4).isDigit() ? expected : QString(firstLine.at(4));
}

PayrollLines readPayrollLines(const QString& path, const QString& separator, bool detectSeparator)
{
    PayrollLines result;
    result.separator = separator;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.errorText = file.errorString();
        return result;
    }
    result.read = true;
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QString text = payrollLineText(file.readLine()); // either file format, as the control check reads it
        ++lineNumber;
        if (lineNumber == 1 && detectSeparator)
            result.separator = separatorOfFile(text, separator);
        PayrollLine line;
        line.lineNumber = lineNumber;
        if (takeLine(text, result.separator, line))
            result.lines << line;
        else
            ++result.unreadableLines;
    }
    return result;
}
