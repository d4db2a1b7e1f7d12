#ifndef PERSONALNUMBERCHECKS_H
#define PERSONALNUMBERCHECKS_H

#include <QHash>
#include <QMap>
#include <QString>
#include <QVector>

// Checks of the personal numbers that the file gives payroll: payroll finds a
// person by this number only. The plug-in and the tools judge a number by the
// same rules.

// What may keep payroll from matching a number as the clerk sees it.
struct PersonalNumberFaults
{
    bool empty = false;
    bool blankAtEnd = false; // a blank at either end
    bool control = false;    // a control character (a tab too) or DEL
    bool quote = false;      // a quote an import may take for the start of a quoted field

    bool any() const { return empty || blankAtEnd || control || quote; }
};

PersonalNumberFaults personalNumberFaults(const QString& number);

// Numbers shared by several of `uids` (each person counted once), with their
// host ids in the order of `uids`. Payroll would merge them into one record.
QMap<QString, QVector<unsigned>> sharedPersonalNumbers(const QVector<unsigned>& uids,
                                                       const QHash<unsigned, QString>& numbers);

// A number payroll may not match: any of the faults above.
bool isOddPersonalNumber(const QString& number);

// The number on one line of a message: tab, line breaks and other control
// characters written as \t, \r, \n and \x with their code.
QString visiblePersonalNumber(const QString& number);

// A value of the file on one line of a message: line breaks written as \r
// and \n, other control characters but the tab as \x and their code.
QString visibleLineBreaks(const QString& value);

#endif // PERSONALNUMBERCHECKS_H
