#ifndef ORVEX_EXPORT_CONTROLSUMMARY_H
#define ORVEX_EXPORT_CONTROLSUMMARY_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// Rows and total amount of one payroll code.
struct CodeTotal
{
    QString code;
    int rows = 0;
    int rowsWithoutAmount = 0; // rows whose amount field is empty
    double amount = 0;
};

struct PersonRows
{
    QString personalNumber;
    int rows = 0;
};

// What a payroll clerk checks before importing: the file read back, rows and
// amounts per payroll code, rows per personal number, and the lines that the
// payroll system would not accept as they are.
struct ControlSummary
{
    bool fileRead = false;
    int lines = 0;
    QVector<CodeTotal> codes;   // in code order (numeric codes by value)
    QVector<PersonRows> people; // in personal number order
    int rowsWithoutCode = 0;
    QStringList problems;       // malformed lines, wrong year or month, unreadable file
    QStringList warnings;       // personal numbers that payroll may not match: empty, blanks, control characters, quotes
    QStringList warningNumbers; // the personal number each warning is about
};

// Reads the payroll file at `path`, whose fields are joined by `separator`,
// and checks every line against the export's year ("2024") and month ("03").
// The file may be in the host's format or this system's (see fileformat.h).
ControlSummary summarizeExportFile(const QString& path, const QString& separator, const QString& year,
                                   const QString& month);

// The separator the plug-in writes for the options record's "separator".
// The payroll import takes one character: the plug-in writes "|" for a
// missing or empty value and for a control character other than the tab, and
// the first character of a longer value. This mirrors the plug-in's file
// writer (plugin/outputfile.cpp), which this program does not link.
QString writtenSeparator(const QHash<QString, QVariant>& options);

// The personal numbers that the plug-in's summary message names as left out
// for an unclosed month ("... s ID: 523,77 boli vyradení ...").
QStringList leftOutPeople(const QString& doneString);

// A total as plain decimal text: up to six decimals, no trailing zeros.
QString amountText(double amount);

// Orders texts that are whole numbers by value, before any other text.
bool codeLess(const QString& a, const QString& b);

#endif // ORVEX_EXPORT_CONTROLSUMMARY_H
