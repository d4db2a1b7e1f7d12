#ifndef ORVEX_EXPORT_PAYROLLLINES_H
#define ORVEX_EXPORT_PAYROLLLINES_H

#include <QString>
#include <QStringList>
#include <QVector>

// The lines of a payroll import file as the payroll system takes them: rok,
// mesiac, osobne_cislo, kod_casovej_zlozky, pocet, datum_od, datum_do; a
// separator after datum_do adds an eighth, empty field.
enum PayrollField { PayrollYear, PayrollMonth, PayrollPersonalNumber, PayrollCode, PayrollAmount, PayrollDateFrom,
                    PayrollDateTo, PayrollFieldCount };

// The fields of one line (without its line break) cut at `separator`; a last
// empty field after datum_do is dropped.
QStringList payrollLineFields(const QString& line, const QString& separator);

struct PayrollLine
{
    int lineNumber = 0;
    QString year, month, personalNumber, code, dateFrom, dateTo;
    bool hasAmount = false;
    double amount = 0;
};

struct PayrollLines
{
    bool read = false;
    QString errorText;        // why the file could not be read
    QString separator;        // the one its lines were cut at
    QVector<PayrollLine> lines;
    int unreadableLines = 0;  // a wrong number of fields or an amount that is not a number
    QString monthText() const; // "YYYY-MM" of its first line, empty when it has none
};

// The separator a file really uses: the character after the four digits of
// the year its first line starts with; `expected` when the line does not
// start so. A file of an earlier month may have been written with other
// settings.
QString separatorOfFile(const QString& firstLine, const QString& expected);

// Reads a payroll file; with `detectSeparator` its own separator is found
// from its first line, else `separator` is used.
PayrollLines readPayrollLines(const QString& path, const QString& separator, bool detectSeparator);

#endif // ORVEX_EXPORT_PAYROLLLINES_H
